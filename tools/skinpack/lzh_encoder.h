// LZHUF compressor with the parameters of the skin codec (ring of 4096 bytes
// filled with spaces, writing from 4036, matches of 3 to 60 bytes). Only the
// packer and the tests compress; the program itself only decodes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace hm {

// The bare bit stream, without the size word of a stored archive.
std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input);

}  // namespace hm
