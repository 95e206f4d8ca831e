#include "framework/data/password_verifier.h"

#include <optional>
#include <random>

#include "framework/data/sha256.h"

namespace hm {
namespace {

constexpr std::size_t kSaltBytes = 16;

std::optional<std::string> FromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = digit(hex[i]);
    const int lo = digit(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

std::string HashHex(std::string_view salt, std::string_view password) {
  Sha256 h;
  h.Update(salt);
  h.Update(password);
  return ToHex(h.Finish());
}

}  // namespace

TPasswordVerifier TPasswordVerifier::Make(std::string_view password) {
  std::random_device random;
  std::string salt(kSaltBytes, '\0');
  for (char& c : salt) c = static_cast<char>(random() & 0xFF);
  return Make(password, ToHex(salt.data(), salt.size()));
}

TPasswordVerifier TPasswordVerifier::Make(std::string_view password, std::string saltHex) {
  TPasswordVerifier v;
  v.hashHex = HashHex(FromHex(saltHex).value_or(""), password);
  v.saltHex = std::move(saltHex);
  return v;
}

bool TPasswordVerifier::WellFormed() const {
  const auto salt = FromHex(saltHex);
  const auto hash = FromHex(hashHex);
  return salt && salt->size() == kSaltBytes && hash && hash->size() == 32;
}

bool TPasswordVerifier::Matches(std::string_view password) const {
  if (!WellFormed()) return false;
  const std::string expected = *FromHex(hashHex);
  Sha256 h;
  h.Update(*FromHex(saltHex));
  h.Update(password);
  const Sha256Digest actual = h.Finish();
  // Compare every byte; no early exit to learn a prefix from.
  unsigned diff = 0;
  for (std::size_t i = 0; i < actual.size(); ++i) diff |= actual[i] ^ static_cast<unsigned char>(expected[i]);
  return diff == 0;
}

}  // namespace hm
