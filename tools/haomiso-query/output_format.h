// The three output formats. TSV and CSV start with a header line; JSON
// Lines carries the names in every object.
#pragma once

#include <string>
#include <string_view>

#include "tools/haomiso-query/record.h"

namespace hm::query {

enum class TOutputFormat { Tsv, Csv, JsonLines };

// The header line with its line end; empty for JSON Lines.
std::string FormatHeader(TOutputFormat format);
// One line for the record, with its line end: LF, or CR LF for CSV.
std::string FormatRecord(const TRecord& record, TOutputFormat format);

// TSV has no quoting of its own: a backslash, tab, LF or CR in a value is
// written \\, \t, \n or \r.
std::string TsvField(std::string_view value);
// RFC 4180: a value with a comma, a double quote, CR or LF is enclosed in
// double quotes, each of its double quotes doubled.
std::string CsvField(std::string_view value);
// A JSON string literal; non-ASCII characters stay UTF-8.
std::string JsonString(std::string_view value);

}  // namespace hm::query
