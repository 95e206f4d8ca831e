// Builds BMP files byte by byte, so tests can make every variant the reader
// accepts and every way a file can be broken.
#pragma once

#include <cstdint>
#include <vector>

namespace hm::test {

struct BmpFileFields {
  int width = 4;
  int height = 3;
  int bits = 24;
  bool top_down = false;
  bool core_header = false;    // 12-byte header, 3-byte palette entries
  std::uint32_t compression = 0;
  std::uint32_t colors_used = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> masks;    // red, green, blue for BI_BITFIELDS
  // Pixel value at (x, y), y from the top: a palette index or 0x00RRGGBB.
  std::uint32_t (*pixel)(int x, int y) = nullptr;
};

inline void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline std::vector<std::uint8_t> BuildBmp(const BmpFileFields& s) {
  std::vector<std::uint8_t> header;
  const int header_size = s.core_header ? 12 : 40;
  Put(header, header_size, 4);
  if (s.core_header) {
    Put(header, s.width, 2);
    Put(header, s.height, 2);
    Put(header, 1, 2);
    Put(header, s.bits, 2);
  } else {
    Put(header, s.width, 4);
    Put(header, static_cast<std::uint32_t>(s.top_down ? -s.height : s.height), 4);
    Put(header, 1, 2);
    Put(header, s.bits, 2);
    Put(header, s.compression, 4);
    Put(header, 0, 4);
    Put(header, 2835, 4);
    Put(header, 2835, 4);
    Put(header, s.colors_used, 4);
    Put(header, 0, 4);
    for (std::uint32_t m : s.masks) Put(header, m, 4);
  }
  for (std::uint32_t c : s.palette) Put(header, c, s.core_header ? 3 : 4);

  const std::size_t stride = ((static_cast<std::size_t>(s.width) * s.bits + 31) / 32) * 4;
  std::vector<std::uint8_t> pixels(stride * s.height, 0);
  for (int y = 0; y < s.height; ++y) {
    const int stored = s.top_down ? y : s.height - 1 - y;
    std::uint8_t* row = pixels.data() + stride * stored;
    for (int x = 0; x < s.width; ++x) {
      const std::uint32_t v = s.pixel ? s.pixel(x, y) : 0;
      if (s.bits < 8) {
        const int per_byte = 8 / s.bits;
        const int shift = 8 - s.bits * (x % per_byte + 1);
        row[x / per_byte] |= static_cast<std::uint8_t>(v << shift);
      } else if (s.bits == 8) {
        row[x] = static_cast<std::uint8_t>(v);
      } else {
        const int bytes = s.bits / 8;
        for (int i = 0; i < bytes; ++i) row[x * bytes + i] = static_cast<std::uint8_t>(v >> (8 * i));
      }
    }
  }

  std::vector<std::uint8_t> file;
  file.push_back('B');
  file.push_back('M');
  Put(file, static_cast<std::uint32_t>(14 + header.size() + pixels.size()), 4);
  Put(file, 0, 4);
  Put(file, static_cast<std::uint32_t>(14 + header.size()), 4);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

}  // namespace hm::test
