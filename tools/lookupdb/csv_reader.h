// Reads the lookup data's CSV files: comma-separated, one record per line
// (LF or CRLF), fields optionally in double quotes with "" for a quote.
// Anything else is refused with the file name and line number.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hm::lookupdb {

class ECsvError : public std::runtime_error {
 public:
  ECsvError(const std::string& file, std::size_t line, const std::string& message);
};

struct TCsvRecord {
  std::size_t line = 0;  // 1-based line where the record starts
  std::vector<std::string> fields;
};

// `text` is the whole file; `file` names it in errors. A UTF-8 byte-order
// mark is skipped; blank lines are refused, except one final line break.
std::vector<TCsvRecord> ParseCsv(std::string_view text, const std::string& file);

// The bytes of a file; one that cannot be read is an ECsvError at line 0.
std::string ReadTextFile(const std::string& path);

// Reads and parses a file; a file that cannot be read is an ECsvError at line 0.
std::vector<TCsvRecord> ReadCsvFile(const std::string& path);

}  // namespace hm::lookupdb
