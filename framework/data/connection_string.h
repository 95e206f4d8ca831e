// ODBC-style connection strings: "key=value;key={value};...". Keys are
// compared without regard to ASCII case; a value in braces may hold ';' and
// '=' and writes a literal '}' as "}}". The first occurrence of a key wins,
// as ODBC drivers do.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hm {

class TConnectionString {
 public:
  // Raises EDatabaseError on a malformed text (unterminated brace, a pair
  // without '=', an empty key).
  static TConnectionString Parse(std::string_view text);

  std::optional<std::string> Value(std::string_view key) const;
  const std::vector<std::pair<std::string, std::string>>& Pairs() const { return pairs_; }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;  // keys as written
};

// What the embedded engine needs from a connection string.
struct TConnectionParams {
  std::string driver;
  std::string database;  // dbq
  std::string password;  // pwd
  std::string user;      // UID / UserID / User ID; accepted, not checked
};

// The driver name that selects the embedded engine.
inline constexpr std::string_view kAccessDriverName = "Microsoft Access Driver (*.mdb)";

// Raises EDatabaseError for an unknown or missing driver or a missing dbq.
TConnectionParams ParseConnectionParams(std::string_view text);

bool SameTextAscii(std::string_view a, std::string_view b);

}  // namespace hm
