// The database password check: the file stores a random salt and
// SHA-256(salt || password). This only decides whether a connection may
// open; the file itself is not encrypted and any SQLite tool can read it.
#pragma once

#include <string>
#include <string_view>

namespace hm {

struct TPasswordVerifier {
  std::string saltHex;  // 16 random bytes
  std::string hashHex;  // SHA-256 of the salt bytes followed by the UTF-8 password

  static TPasswordVerifier Make(std::string_view password);
  static TPasswordVerifier Make(std::string_view password, std::string saltHex);
  // Salt and hash are hex of the right lengths.
  bool WellFormed() const;
  // False as well for a verifier that is not well formed.
  bool Matches(std::string_view password) const;
};

}  // namespace hm
