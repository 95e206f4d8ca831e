#include "skin/core/bitmap_effects.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace hm {

namespace {

constexpr int kBytesPerPixel = 3;

bool Is24Bit(const IPixelBuffer& bitmap) { return bitmap.BitsPerPixel() == 24; }

std::size_t RowBytes(const IPixelBuffer& bitmap) {
  return static_cast<std::size_t>(bitmap.Width()) * kBytesPerPixel;
}

// The whole picture, row after row from the top, without padding.
std::vector<std::uint8_t> CopyPixels(const IPixelBuffer& bitmap) {
  const std::size_t rowBytes = RowBytes(bitmap);
  std::vector<std::uint8_t> pixels(rowBytes * static_cast<std::size_t>(bitmap.Height()));
  for (int y = 0; y < bitmap.Height(); ++y)
    if (rowBytes > 0) std::memcpy(&pixels[static_cast<std::size_t>(y) * rowBytes], bitmap.Row(y), rowBytes);
  return pixels;
}

// Turns by a quarter: the new image is height x width, and each of its
// pixels is taken from `source(newX, newY)` of the old picture.
template <typename SourceOf>
void Rotate(IPixelBuffer& bitmap, SourceOf source) {
  if (!Is24Bit(bitmap)) return;
  const int oldWidth = bitmap.Width();
  const int oldHeight = bitmap.Height();
  const std::vector<std::uint8_t> pixels = CopyPixels(bitmap);
  bitmap.SetSize(oldHeight, oldWidth);
  for (int y = 0; y < oldWidth; ++y) {
    std::uint8_t* row = bitmap.Row(y);
    for (int x = 0; x < oldHeight; ++x) {
      const auto [sx, sy] = source(x, y, oldWidth, oldHeight);
      const std::uint8_t* from =
          &pixels[(static_cast<std::size_t>(sy) * static_cast<std::size_t>(oldWidth) + static_cast<std::size_t>(sx)) *
                  kBytesPerPixel];
      std::memcpy(row + static_cast<std::size_t>(x) * kBytesPerPixel, from, kBytesPerPixel);
    }
  }
}

struct TPoint2 {
  int x, y;
};

}  // namespace

void Grey(IPixelBuffer& bitmap) {
  bitmap.ConvertTo24Bit();
  const int width = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < width; ++x, p += kBytesPerPixel) {
      const std::uint8_t g = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void MirrorHorizontal(IPixelBuffer& bitmap) {
  if (!Is24Bit(bitmap)) return;
  const int width = bitmap.Width();
  if (width <= 0) return;
  std::vector<std::uint8_t> buffer(RowBytes(bitmap));
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.Row(y);
    std::memcpy(buffer.data(), row, buffer.size());
    for (int x = 0; x < width; ++x)
      std::memcpy(row + static_cast<std::size_t>(x) * kBytesPerPixel,
                  &buffer[static_cast<std::size_t>(width - 1 - x) * kBytesPerPixel], kBytesPerPixel);
  }
}

void FlipVertical(IPixelBuffer& bitmap) {
  if (!Is24Bit(bitmap)) return;
  const std::size_t rowBytes = RowBytes(bitmap);
  if (rowBytes == 0) return;
  std::vector<std::uint8_t> buffer(rowBytes);
  for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
    std::memcpy(buffer.data(), bitmap.Row(top), rowBytes);
    std::memcpy(bitmap.Row(top), bitmap.Row(bottom), rowBytes);
    std::memcpy(bitmap.Row(bottom), buffer.data(), rowBytes);
  }
}

void RotateLeft(IPixelBuffer& bitmap) {
  // New (x, y) shows old (width - 1 - y, x).
  Rotate(bitmap, [](int x, int y, int oldWidth, int) { return TPoint2{oldWidth - 1 - y, x}; });
}

void RotateRight(IPixelBuffer& bitmap) {
  // New (x, y) shows old (y, height - 1 - x).
  Rotate(bitmap, [](int x, int y, int, int oldHeight) { return TPoint2{y, oldHeight - 1 - x}; });
}

}  // namespace hm
