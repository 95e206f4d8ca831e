// Whatever is compressed decodes to itself, and any bit string decodes to
// the requested size without reading or writing out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/core/lzh.h"
#include "skin/core/lzh_tables.h"
#include "tools/skinpack/lzh_encoder.h"

namespace {

std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> packed, std::int32_t size) {
  std::vector<std::uint8_t> out;
  std::size_t pos = 0;
  hm::TLZH codec;
  codec.Decode(
      size,
      [&](const void* b, std::uint16_t n, std::uint16_t& done) {
        out.push_back(*static_cast<const std::uint8_t*>(b));
        done = n;
      },
      [&](void* b, std::uint16_t, std::uint16_t& done) {
        done = pos < packed.size() ? 1 : 0;
        if (done) *static_cast<std::uint8_t*>(b) = packed[pos++];
      });
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  if (Decode(hm::LzhEncode(input), static_cast<std::int32_t>(size)) != std::vector<std::uint8_t>(data, data + size))
    std::abort();

  const std::vector<std::uint8_t> raw = Decode(input, static_cast<std::int32_t>(size * 4));
  if (size > 0 && (raw.size() < size * 4 || raw.size() >= size * 4 + hm::lzh::F)) std::abort();
  return 0;
}
