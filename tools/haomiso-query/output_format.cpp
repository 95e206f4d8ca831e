#include "tools/haomiso-query/output_format.h"

#include <cstdio>

namespace hm::query {
namespace {

template <class Quote>
std::string Line(const std::vector<std::string>& values, char separator, Quote quote, std::string_view end) {
  std::string line;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) line += separator;
    line += quote(values[i]);
  }
  line += end;
  return line;
}

std::string Json(const TRecord& record) {
  const std::vector<std::string>& names = RecordColumns();
  const std::vector<std::string> values = RecordValues(record);
  std::string line = "{";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) line += ',';
    line += JsonString(names[i]) + ':';
    if (names[i] == "matches") {
      line += record.matches ? std::to_string(*record.matches) : "null";
    } else {
      line += JsonString(values[i]);
    }
  }
  if (!record.rows.empty()) {
    line += ",\"rows\":[";
    for (std::size_t i = 0; i < record.rows.size(); ++i) {
      const lookups::TAreaRow& row = record.rows[i];
      if (i > 0) line += ',';
      line += "{\"area_code\":" + JsonString(row.areaCode) + ",\"postal_code\":" + JsonString(row.postalCode) +
              ",\"province\":" + JsonString(row.province) + ",\"city\":" + JsonString(row.city) + "}";
    }
    line += ']';
  }
  line += "}\n";
  return line;
}

}  // namespace

std::string TsvField(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string CsvField(std::string_view value) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
  std::string out = "\"";
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string JsonString(std::string_view value) {
  std::string out = "\"";
  for (const char c : value) {
    const auto b = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (b < 0x20 || b == 0x7F) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string FormatHeader(TOutputFormat format) {
  switch (format) {
    case TOutputFormat::Tsv: return Line(RecordColumns(), '\t', TsvField, "\n");
    case TOutputFormat::Csv: return Line(RecordColumns(), ',', CsvField, "\r\n");
    default: return {};
  }
}

std::string FormatRecord(const TRecord& record, TOutputFormat format) {
  switch (format) {
    case TOutputFormat::Tsv: return Line(RecordValues(record), '\t', TsvField, "\n");
    case TOutputFormat::Csv: return Line(RecordValues(record), ',', CsvField, "\r\n");
    default: return Json(record);
  }
}

}  // namespace hm::query
