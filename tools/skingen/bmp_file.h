// Windows BMP file images: 24 bits per pixel for the skin members, 1 bit
// per pixel for the system-menu glyph resource. Rows bottom-up, padded to 4
// bytes, BITMAPINFOHEADER, no compression, fixed 96 dpi.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skingen/image.h"

namespace hm::skingen {

std::vector<std::uint8_t> EncodeBmp24(const TImage& image);
// Two-colour palette black (index 0), white (index 1); a pixel is white
// when its channels average 128 or more.
std::vector<std::uint8_t> EncodeBmp1(const TImage& image);

}  // namespace hm::skingen
