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
  const std::string gbk = Utf8ToGbk(utf8);
  std::size_t whole = 0;  // bytes of the complete characters within the prefix
  while (whole < gbk.size() && whole < bytes) {
    const std::size_t width = IsGbkLeadByte(static_cast<unsigned char>(gbk[whole])) && whole + 1 < gbk.size() ? 2 : 1;
    if (whole + width > bytes) break;
    whole += width;
  }
  // The converters differ on a lone lead byte; Windows shows it as "?".
  return GbkToUtf8(std::string_view(gbk).substr(0, whole)) + (whole < bytes && whole < gbk.size() ? "?" : "");
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
