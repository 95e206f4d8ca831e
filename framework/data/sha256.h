// SHA-256 (FIPS 180-4). Only the password verifier uses it; it is small and
// self-contained so the program needs no crypto library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hm {

using Sha256Digest = std::array<std::uint8_t, 32>;

class Sha256 {
 public:
  Sha256();
  void Update(const void* data, std::size_t size);
  void Update(std::string_view text) { Update(text.data(), text.size()); }
  // Ends the hash; the object must not be updated afterwards.
  Sha256Digest Finish();

 private:
  void Compress(const std::uint8_t* block);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> block_{};
  std::size_t blockUsed_ = 0;
  std::uint64_t totalBytes_ = 0;
};

Sha256Digest Sha256Of(std::string_view data);

// Lower-case hexadecimal, two digits per byte.
std::string ToHex(const void* data, std::size_t size);
inline std::string ToHex(const Sha256Digest& d) { return ToHex(d.data(), d.size()); }

}  // namespace hm
