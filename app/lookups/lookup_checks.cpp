#include "app/lookups/lookup_checks.h"

#include <algorithm>

#include "app/lookups/lookup_statements.h"
#include "framework/core/convert.h"
#include "framework/core/text.h"

namespace hm::lookups {
namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// ASCII is its own GBK form; only other text needs the converter, which is
// slow enough to matter when a tool runs a million lookups.
std::size_t GbkBytes(std::string_view utf8) { return IsAscii(utf8) ? utf8.size() : GbkLength(utf8); }

TPrefixLookup CheckPrefix(std::string_view text, std::size_t digits, const char* tooShort,
                          std::string (*statement)(std::int32_t)) {
  const std::string trimmed = Trim(text);
  TPrefixLookup lookup;
  if (GbkBytes(trimmed) < digits) {
    lookup.refusal = tooShort;
    return lookup;
  }
  lookup.prefix = StrToInt(GbkPrefix(trimmed, digits));
  lookup.statement = statement(lookup.prefix);
  return lookup;
}

}  // namespace

std::string GbkPrefix(std::string_view utf8, std::size_t bytes) {
  if (IsAscii(utf8)) return std::string(utf8.substr(0, bytes));
  return GbkToUtf8(Utf8ToGbk(utf8).substr(0, bytes));
}

TAreaSearch CheckAreaSearch(std::string_view text, std::string_view comboText, int itemIndex) {
  TAreaSearch search;
  if (Trim(text).empty()) {
    search.refusal = std::string(kAreaSearchEmptyMessage) + std::string(comboText);
    return search;
  }
  search.column = AreaSearchColumn(itemIndex);
  search.statement = AreaSearchStatement(search.column, text);
  return search;
}

TPrefixLookup CheckMobileLookup(std::string_view text) {
  return CheckPrefix(text, 7, kMobileTooShortMessage, MobileStatement);
}

TPrefixLookup CheckIdLookup(std::string_view text) { return CheckPrefix(text, 6, kIdTooShortMessage, IdStatement); }

}  // namespace hm::lookups
