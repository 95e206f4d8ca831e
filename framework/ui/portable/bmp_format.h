// The Windows BMP file format, read and written without the platform so a
// malformed file is judged on its bytes alone. Reading accepts 1, 4, 8, 24
// and 32 bits per pixel, rows stored bottom-up or top-down, core (12-byte)
// and info (40..124-byte) headers, BI_RGB and BI_BITFIELDS; it refuses
// anything else with EInvalidGraphic and never reads past the data it got.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/portable/exceptions.h"

namespace hm {

// Decoded pixels: rows top to bottom, no padding, blue-green-red(-alpha).
struct BmpImage {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 24;  // 24, or 32 when the file had 32 bits
  std::vector<std::uint8_t> pixels;

  int BytesPerPixel() const { return bits_per_pixel / 8; }
  std::uint8_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width * BytesPerPixel(); }
  const std::uint8_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width * BytesPerPixel();
  }
};

// The largest picture we accept; a header asking for more is malformed here.
constexpr int kMaxBmpDimension = 16384;

BmpImage DecodeBmp(const std::uint8_t* data, std::size_t size);

// A bottom-up BI_RGB file of 24 or 32 bits per pixel from the image.
std::vector<std::uint8_t> EncodeBmp(const BmpImage& image);

}  // namespace hm
