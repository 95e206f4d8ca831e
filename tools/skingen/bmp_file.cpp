#include "tools/skingen/bmp_file.h"

#include <stdexcept>

namespace hm::skingen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dpi

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::vector<std::uint8_t> Headers(const TImage& image, int bitsPerPixel, std::uint32_t paletteBytes,
                                  std::uint32_t rowBytes) {
  if (image.Empty()) throw std::runtime_error("empty picture");
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(image.Height());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.Width()));
  Put32(out, static_cast<std::uint32_t>(image.Height()));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, paletteBytes / 4);
  Put32(out, 0);
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const TImage& image) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.Width()) * 3 + 3) & ~3u;
  std::vector<std::uint8_t> out = Headers(image, 24, 0, rowBytes);
  for (int y = image.Height() - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.Width(); ++x) {
      const TRgb c = image.At(x, y);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp1(const TImage& image) {
  const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(image.Width()) + 31) / 32) * 4;
  std::vector<std::uint8_t> out = Headers(image, 1, 8, rowBytes);
  Put32(out, 0x00000000);  // black
  Put32(out, 0x00FFFFFF);  // white
  for (int y = image.Height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < image.Width(); ++x) {
      const TRgb c = image.At(x, y);
      if (c.r + c.g + c.b >= 3 * 128) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace hm::skingen
