#include "framework/data/connection_string.h"

#include "framework/data/db_error.h"

#include <algorithm>

namespace hm {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

TConnectionString TConnectionString::Parse(std::string_view text) {
  TConnectionString result;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t eq = text.find_first_of("=;", i);
    if (eq == std::string_view::npos || text[eq] == ';') {
      // Empty segments (";;" or a trailing blank) are harmless.
      const std::string_view segment = Trim(text.substr(i, eq == std::string_view::npos ? text.npos : eq - i));
      if (!segment.empty()) {
        throw EDatabaseError("Invalid connection string attribute '" + std::string(segment) + "'");
      }
      if (eq == std::string_view::npos) break;
      i = eq + 1;
      continue;
    }
    const std::string_view key = Trim(text.substr(i, eq - i));
    if (key.empty()) throw EDatabaseError("Invalid connection string: empty key");
    i = eq + 1;
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::string value;
    if (i < text.size() && text[i] == '{') {
      ++i;
      for (;;) {
        if (i >= text.size()) {
          throw EDatabaseError("Invalid connection string: unterminated '{' in the value of '" + std::string(key) + "'");
        }
        if (text[i] == '}') {
          if (i + 1 < text.size() && text[i + 1] == '}') {
            value += '}';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        value += text[i++];
      }
      while (i < text.size() && IsBlank(text[i])) ++i;
      if (i < text.size() && text[i] != ';') {
        throw EDatabaseError("Invalid connection string: text after '}' in the value of '" + std::string(key) + "'");
      }
    } else {
      const std::size_t end = std::min(text.find(';', i), text.size());
      value = Trim(text.substr(i, end - i));
      i = end;
    }
    if (i < text.size()) ++i;  // the ';'
    result.pairs_.emplace_back(std::string(key), std::move(value));
  }
  return result;
}

std::optional<std::string> TConnectionString::Value(std::string_view key) const {
  for (const auto& [k, v] : pairs_) {
    if (SameTextAscii(k, key)) return v;
  }
  return std::nullopt;
}

TConnectionParams ParseConnectionParams(std::string_view text) {
  const TConnectionString cs = TConnectionString::Parse(text);
  TConnectionParams params;
  params.driver = cs.Value("driver").value_or("");
  if (params.driver.empty()) {
    throw EDatabaseError("No driver specified in the connection string");
  }
  if (!SameTextAscii(params.driver, kAccessDriverName)) {
    throw EDatabaseError("Driver not found: '" + params.driver + "'");
  }
  params.database = cs.Value("dbq").value_or("");
  if (params.database.empty()) {
    throw EDatabaseError("No database file (dbq) specified in the connection string");
  }
  params.password = cs.Value("pwd").value_or("");
  for (const char* key : {"uid", "userid", "user id"}) {
    if (auto v = cs.Value(key)) {
      params.user = *v;
      break;
    }
  }
  return params;
}

}  // namespace hm
