#include "tools/lookupdb/csv_reader.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace hm::lookupdb {

ECsvError::ECsvError(const std::string& file, std::size_t line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}

namespace {

// Rejects overlong forms, surrogates and code points beyond U+10FFFF.
bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) { extra = 1; cp = b & 0x1F; }
    else if ((b & 0xF0) == 0xE0) { extra = 2; cp = b & 0x0F; }
    else if (b >= 0xF0 && b <= 0xF4) { extra = 3; cp = b & 0x07; }
    else return false;
    if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
      return false;
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

}  // namespace

std::vector<TCsvRecord> ParseCsv(std::string_view text, const std::string& file) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  enum class State { FieldStart, Unquoted, Quoted, AfterQuote };
  std::vector<TCsvRecord> records;
  TCsvRecord record;
  std::string field;
  State state = State::FieldStart;
  std::size_t line = 1;
  record.line = 1;

  const auto endField = [&] {
    if (!IsValidUtf8(field)) throw ECsvError(file, line, "text is not valid UTF-8");
    record.fields.push_back(std::move(field));
    field.clear();
    state = State::FieldStart;
  };
  const auto endRecord = [&] {
    endField();
    if (record.fields.size() == 1 && record.fields[0].empty()) throw ECsvError(file, record.line, "blank line");
    records.push_back(std::move(record));
    record = TCsvRecord{};
    record.line = ++line;
  };

  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '\r') {
      if (pos + 1 >= text.size() || text[pos + 1] != '\n') {
        throw ECsvError(file, line, "carriage return without line feed");
      }
      if (state != State::Quoted) continue;  // CRLF ends the record at the LF
    }
    switch (state) {
      case State::FieldStart:
      case State::Unquoted:
        if (c == ',') {
          endField();
        } else if (c == '\n') {
          endRecord();
        } else if (c == '"') {
          if (state == State::Unquoted) throw ECsvError(file, line, "quote inside an unquoted field");
          state = State::Quoted;
        } else {
          field += c;
          state = State::Unquoted;
        }
        break;
      case State::Quoted:
        if (c == '"') {
          if (pos + 1 < text.size() && text[pos + 1] == '"') {
            field += '"';
            ++pos;
          } else {
            state = State::AfterQuote;
          }
        } else {
          if (c == '\n') ++line;
          field += c;
        }
        break;
      case State::AfterQuote:
        if (c == ',') {
          endField();
        } else if (c == '\n') {
          endRecord();
        } else {
          throw ECsvError(file, line, "text after the closing quote of a field");
        }
        break;
    }
  }
  if (state == State::Quoted) throw ECsvError(file, record.line, "unterminated quoted field");
  // A last record without its line break.
  if (state != State::FieldStart || !record.fields.empty()) endRecord();
  return records;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
  if (!in) throw ECsvError(path, 0, "cannot open the file");
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) throw ECsvError(path, 0, "cannot read the file");
  return std::move(buffer).str();
}

std::vector<TCsvRecord> ReadCsvFile(const std::string& path) { return ParseCsv(ReadTextFile(path), path); }

}  // namespace hm::lookupdb
