// Any bytes as a lookup-data CSV file: parsed or refused with ECsvError.
// Parsed fields are valid UTF-8 with no bare carriage return, records count
// their lines, and the records written again in quotes parse the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lookupdb/csv_reader.h"

namespace {

using hm::lookupdb::ECsvError;
using hm::lookupdb::ParseCsv;
using hm::lookupdb::TCsvRecord;

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    char32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = cp << 6 | (c & 0x3F);
    }
    const char32_t min[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < min[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

std::string Written(const std::vector<TCsvRecord>& records) {
  std::string out;
  for (const TCsvRecord& r : records) {
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
      out += i ? ",\"" : "\"";
      for (char c : r.fields[i]) out += c == '"' ? "\"\"" : std::string(1, c);
      out += '"';
    }
    out += '\n';
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<TCsvRecord> records;
  try {
    records = ParseCsv(text, "fuzz.csv");
  } catch (const ECsvError& e) {
    if (std::string_view(e.what()).substr(0, 9) != "fuzz.csv:") Fail("the error does not name the file", text);
    return 0;
  }

  std::size_t line = 1;
  for (const TCsvRecord& r : records) {
    if (r.line != line) Fail("a record starts on the wrong line", text);
    if (r.fields.empty() || (r.fields.size() == 1 && r.fields[0].empty())) Fail("a blank record", text);
    for (const std::string& f : r.fields) {
      if (!IsValidUtf8(f)) Fail("a field is not valid UTF-8", text);
      for (std::size_t i = f.find('\r'); i != std::string::npos; i = f.find('\r', i + 1)) {
        if (i + 1 >= f.size() || f[i + 1] != '\n') Fail("a field holds a bare carriage return", text);
      }
      for (char c : f) line += c == '\n';
    }
    ++line;
  }

  const std::string written = Written(records);
  std::vector<TCsvRecord> again;
  try {
    again = ParseCsv(written, "again.csv");
  } catch (const ECsvError& e) {
    Fail(e.what(), written);
  }
  if (again.size() != records.size()) Fail("written again, a different record count", written);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (again[i].fields != records[i].fields || again[i].line != records[i].line)
      Fail("written again, a record differs", written);
  }
  return 0;
}
