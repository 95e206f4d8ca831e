// Bitmaps whose every pixel tells where it came from, for the drawing tests.
#pragma once

#include <cstdint>

#include "framework/ui/graphics/bitmap.h"

namespace hm::test {

// Pixel (x, y) is RGB (red, y, x) as 0x00BBGGRR: blue = x, green = y.
inline std::uint32_t Mark(int x, int y, int red = 0x40) {
  return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | (red & 0xFF));
}

inline void Put(TBitmap& bitmap, int x, int y, std::uint32_t rgb) {
  std::uint8_t* p = bitmap.Row(y) + x * 3;
  p[0] = static_cast<std::uint8_t>(rgb >> 16);
  p[1] = static_cast<std::uint8_t>(rgb >> 8);
  p[2] = static_cast<std::uint8_t>(rgb);
}

inline void Marked(TBitmap& bitmap, int width, int height, int red = 0x40) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) Put(bitmap, x, y, Mark(x, y, red));
}

inline void Fill(TBitmap& bitmap, int width, int height, std::uint32_t rgb) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) Put(bitmap, x, y, rgb);
}

// 0x00BBGGRR of a pixel, read from the rows (GDI flushed first).
inline std::uint32_t At(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.Row(y) + x * (bitmap.BitsPerPixel() / 8);
  return static_cast<std::uint32_t>(p[2] | p[1] << 8 | p[0] << 16);
}

}  // namespace hm::test
