#include "framework/ui/portable/bmp_format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace hm {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMaxInfoHeaderSize = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

[[noreturn]] void Malformed(const char* why) { throw EInvalidGraphic(std::string("Invalid bitmap: ") + why); }

// Little-endian reads from a range already checked to hold them.
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
void Put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

struct Header {
  std::size_t header_size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored top-down
  unsigned bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colors_used = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue for BI_BITFIELDS
};

Header ReadHeader(const std::uint8_t* data, std::size_t size) {
  Header h;
  if (size < kFileHeaderSize + 4) Malformed("file too short");
  if (data[0] != 'B' || data[1] != 'M') Malformed("not a bitmap file");
  h.header_size = U32(data + kFileHeaderSize);
  if (h.header_size != kCoreHeaderSize && (h.header_size < kInfoHeaderSize || h.header_size > kMaxInfoHeaderSize))
    Malformed("unknown header size");
  if (size < kFileHeaderSize + h.header_size) Malformed("header truncated");
  const std::uint8_t* p = data + kFileHeaderSize;
  if (h.header_size == kCoreHeaderSize) {
    h.width = U16(p + 4);
    h.height = U16(p + 6);
    if (U16(p + 8) != 1) Malformed("plane count is not 1");
    h.bits = U16(p + 10);
  } else {
    h.width = static_cast<std::int32_t>(U32(p + 4));
    h.height = static_cast<std::int32_t>(U32(p + 8));
    if (U16(p + 12) != 1) Malformed("plane count is not 1");
    h.bits = U16(p + 14);
    h.compression = U32(p + 16);
    h.colors_used = U32(p + 32);
    if (h.compression == kBiBitfields) {
      // The masks follow a 40-byte header, or are part of a longer one.
      if (size < kFileHeaderSize + kInfoHeaderSize + 12) Malformed("bit-field masks truncated");
      for (int i = 0; i < 3; ++i) h.masks[i] = U32(p + kInfoHeaderSize + 4 * i);
    }
  }
  return h;
}

// Shift and width of a contiguous channel mask; refuses empty or split masks.
struct Channel {
  unsigned shift = 0;
  unsigned width = 0;
};
Channel ReadMask(std::uint32_t mask) {
  if (mask == 0) Malformed("empty colour mask");
  Channel c;
  while (!(mask & 1u)) {
    mask >>= 1;
    ++c.shift;
  }
  while (mask & 1u) {
    mask >>= 1;
    ++c.width;
  }
  if (mask != 0) Malformed("colour mask is not contiguous");
  return c;
}
std::uint8_t Extract(std::uint32_t pixel, Channel c) {
  const std::uint32_t v = (pixel >> c.shift) & ((c.width >= 32) ? 0xFFFFFFFFu : ((1u << c.width) - 1));
  if (c.width >= 8) return static_cast<std::uint8_t>(v >> (c.width - 8));
  // Spread a narrow channel over 0..255.
  return static_cast<std::uint8_t>(v * 255u / ((1u << c.width) - 1));
}

}  // namespace

BmpImage DecodeBmp(const std::uint8_t* data, std::size_t size) {
  const Header h = ReadHeader(data, size);
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24 && h.bits != 32)
    Malformed("unsupported bits per pixel");
  if (h.compression == kBiBitfields ? h.bits != 32 : h.compression != kBiRgb) Malformed("unsupported compression");
  const std::int64_t height = h.height < 0 ? -h.height : h.height;
  if (h.width <= 0 || height == 0 || h.width > kMaxBmpDimension || height > kMaxBmpDimension)
    Malformed("dimensions out of range");
  const bool top_down = h.height < 0;

  // Palette: right after the header (and the masks of a 40-byte BI_BITFIELDS header).
  std::vector<std::array<std::uint8_t, 3>> palette;
  if (h.bits <= 8) {
    const std::size_t max_colors = std::size_t{1} << h.bits;
    const std::size_t count = h.colors_used ? h.colors_used : max_colors;
    if (count > max_colors) Malformed("palette larger than the bit depth allows");
    const std::size_t entry = h.header_size == kCoreHeaderSize ? 3 : 4;
    const std::size_t start = kFileHeaderSize + h.header_size;
    if (count * entry > size - start) Malformed("palette truncated");
    palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t* e = data + start + i * entry;
      palette[i] = {e[0], e[1], e[2]};
    }
  }

  const std::uint32_t offset = U32(data + 10);
  const std::size_t header_end = kFileHeaderSize + h.header_size;
  if (offset < header_end || offset > size) Malformed("pixel data offset outside the file");
  const std::size_t stride = ((static_cast<std::size_t>(h.width) * h.bits + 31) / 32) * 4;
  // The last row needs only its pixels, not its padding; some writers cut it.
  const std::size_t last_row = (static_cast<std::size_t>(h.width) * h.bits + 7) / 8;
  if (stride * (static_cast<std::size_t>(height) - 1) + last_row > size - offset) Malformed("pixel data truncated");

  BmpImage image;
  image.width = static_cast<int>(h.width);
  image.height = static_cast<int>(height);
  image.bits_per_pixel = h.bits == 32 ? 32 : 24;
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * image.BytesPerPixel());

  Channel red, green, blue;
  if (h.compression == kBiBitfields) {
    red = ReadMask(h.masks[0]);
    green = ReadMask(h.masks[1]);
    blue = ReadMask(h.masks[2]);
  }
  const std::uint8_t* pixels = data + offset;
  for (int y = 0; y < image.height; ++y) {
    const int stored = top_down ? y : image.height - 1 - y;
    const std::uint8_t* src = pixels + static_cast<std::size_t>(stored) * stride;
    std::uint8_t* dst = image.Row(y);
    for (int x = 0; x < image.width; ++x) {
      switch (h.bits) {
        case 1:
        case 4:
        case 8: {
          const unsigned per_byte = 8 / h.bits;
          const unsigned byte = src[x / per_byte];
          const unsigned shift = 8 - h.bits * (x % per_byte + 1);
          const unsigned index = (byte >> shift) & ((1u << h.bits) - 1);
          // An index past a short palette is black rather than a stray read.
          if (index < palette.size()) std::memcpy(dst + 3 * x, palette[index].data(), 3);
          else std::memset(dst + 3 * x, 0, 3);
          break;
        }
        case 24: std::memcpy(dst + 3 * x, src + 3 * x, 3); break;
        case 32:
          if (h.compression == kBiBitfields) {
            const std::uint32_t v = U32(src + 4 * x);
            dst[4 * x] = Extract(v, blue);
            dst[4 * x + 1] = Extract(v, green);
            dst[4 * x + 2] = Extract(v, red);
            dst[4 * x + 3] = 0;
          } else {
            std::memcpy(dst + 4 * x, src + 4 * x, 4);
          }
          break;
      }
    }
  }
  return image;
}

std::vector<std::uint8_t> EncodeBmp(const BmpImage& image) {
  if (image.bits_per_pixel != 24 && image.bits_per_pixel != 32) throw EInvalidGraphic("Invalid bitmap: bit depth");
  const std::size_t bpp = image.BytesPerPixel();
  const std::size_t stride = ((image.width * bpp + 3) / 4) * 4;
  const std::size_t data_size = stride * image.height;
  std::vector<std::uint8_t> out(kFileHeaderSize + kInfoHeaderSize + data_size, 0);
  std::uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<std::uint32_t>(out.size()));
  Put32(p + 10, kFileHeaderSize + kInfoHeaderSize);
  std::uint8_t* info = p + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<std::uint32_t>(image.width));
  Put32(info + 8, static_cast<std::uint32_t>(image.height));
  Put16(info + 12, 1);
  Put16(info + 14, static_cast<std::uint32_t>(image.bits_per_pixel));
  Put32(info + 20, static_cast<std::uint32_t>(data_size));
  Put32(info + 24, 3780);  // 96 dpi in pixels per metre
  Put32(info + 28, 3780);
  std::uint8_t* rows = info + kInfoHeaderSize;
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(rows + stride * (image.height - 1 - y), image.Row(y), image.width * bpp);
  }
  return out;
}

}  // namespace hm
