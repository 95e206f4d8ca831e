// Reading BMP files of every depth and orientation, and refusing broken ones
// without reading past the bytes given (native builds check this under the
// address sanitizer).
#include "framework/ui/portable/bmp_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "tests/framework/ui/portable/bmp_file_builder.h"

namespace hm {
namespace {

using test::BmpFileFields;
using test::BuildBmp;

// RGB of the decoded pixel (x, y).
std::uint32_t At(const BmpImage& image, int x, int y) {
  const std::uint8_t* p = image.Row(y) + x * image.BytesPerPixel();
  return static_cast<std::uint32_t>(p[2]) << 16 | p[1] << 8 | p[0];
}

BmpImage Decode(const std::vector<std::uint8_t>& bytes) {
  // An exactly sized heap copy, so a stray read leaves the allocation.
  auto copy = std::make_unique<std::uint8_t[]>(bytes.size());
  if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
  return DecodeBmp(copy.get(), bytes.size());
}

std::uint32_t Diagonal(int x, int y) { return x == y ? 1u : 0u; }
std::uint32_t Ramp(int x, int y) { return static_cast<std::uint32_t>((x + 4 * y) % 16); }
std::uint32_t Rgb(int x, int y) { return static_cast<std::uint32_t>(0x102030 * (x + 1) + 0x010000 * y); }

TEST(BmpFormat, ReadsEachPaletteDepthWithRowsTopToBottom) {
  BmpFileFields one;
  one.width = 10;  // more than one byte per row
  one.height = 3;
  one.bits = 1;
  one.palette = {0x000000, 0xFFFFFF};
  one.pixel = Diagonal;
  const BmpImage a = Decode(BuildBmp(one));
  ASSERT_EQ(a.width, 10);
  ASSERT_EQ(a.height, 3);
  EXPECT_EQ(a.bits_per_pixel, 24);
  EXPECT_EQ(At(a, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(At(a, 1, 0), 0x000000u);
  EXPECT_EQ(At(a, 2, 2), 0xFFFFFFu);
  EXPECT_EQ(At(a, 9, 2), 0x000000u);

  BmpFileFields four = one;
  four.bits = 4;
  four.width = 5;  // an odd count leaves half a byte
  four.palette.clear();
  for (std::uint32_t i = 0; i < 16; ++i) four.palette.push_back(i * 0x110000);
  four.pixel = Ramp;
  const BmpImage b = Decode(BuildBmp(four));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(b, x, y), Ramp(x, y) * 0x110000) << x << "," << y;

  BmpFileFields eight = four;
  eight.bits = 8;
  eight.colors_used = 16;  // a short palette
  const BmpImage c = Decode(BuildBmp(eight));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(c, x, y), Ramp(x, y) * 0x110000);
}

TEST(BmpFormat, ReadsTrueColourBottomUpAndTopDown) {
  for (bool top_down : {false, true}) {
    for (int bits : {24, 32}) {
      BmpFileFields fields;
      fields.width = 3;  // 24-bit rows need padding
      fields.height = 2;
      fields.bits = bits;
      fields.top_down = top_down;
      fields.pixel = Rgb;
      const BmpImage image = Decode(BuildBmp(fields));
      EXPECT_EQ(image.bits_per_pixel, bits);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(At(image, x, y), Rgb(x, y)) << bits << " " << top_down;
    }
  }
}

TEST(BmpFormat, ReadsCoreHeadersAndBitFields) {
  BmpFileFields core;
  core.core_header = true;
  core.bits = 8;
  core.width = 2;
  core.height = 2;
  for (std::uint32_t i = 0; i < 256; ++i) core.palette.push_back(i);  // blue ramp
  core.pixel = [](int x, int y) { return static_cast<std::uint32_t>(10 * x + y); };
  const BmpImage a = Decode(BuildBmp(core));
  EXPECT_EQ(At(a, 1, 1), 11u);

  BmpFileFields fields;
  fields.bits = 32;
  fields.compression = 3;
  fields.width = 2;
  fields.height = 1;
  // Red in the top byte, green, blue below: not the usual order.
  fields.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
  fields.pixel = [](int x, int) { return x == 0 ? 0xAABBCC00u : 0x11223300u; };
  const BmpImage b = Decode(BuildBmp(fields));
  EXPECT_EQ(At(b, 0, 0), 0xAABBCCu);
  EXPECT_EQ(At(b, 1, 0), 0x112233u);
}

TEST(BmpFormat, PaletteIndexBeyondAShortPaletteIsBlack) {
  BmpFileFields fields;
  fields.bits = 8;
  fields.width = 2;
  fields.height = 1;
  fields.colors_used = 2;
  fields.palette = {0x111111, 0x222222};
  fields.pixel = [](int x, int) { return x == 0 ? 1u : 200u; };
  const BmpImage image = Decode(BuildBmp(fields));
  EXPECT_EQ(At(image, 0, 0), 0x222222u);
  EXPECT_EQ(At(image, 1, 0), 0u);
}

void ExpectRefused(const std::vector<std::uint8_t>& bytes, const char* what) {
  EXPECT_THROW(Decode(bytes), EInvalidGraphic) << what;
}

std::vector<std::uint8_t> Valid24() {
  BmpFileFields fields;
  fields.width = 7;
  fields.height = 5;
  fields.pixel = Rgb;
  return BuildBmp(fields);
}

TEST(BmpFormat, RefusesMalformedFiles) {
  auto set32 = [](std::vector<std::uint8_t> f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    return f;
  };
  const auto good = Valid24();
  ASSERT_NO_THROW(Decode(good));

  auto bad_magic = good;
  bad_magic[0] = 'X';
  ExpectRefused(bad_magic, "magic");
  ExpectRefused(set32(good, 18, 100000), "width beyond the limit");
  ExpectRefused(set32(good, 22, 0x7FFFFFFF), "huge height");
  ExpectRefused(set32(good, 22, 0x80000000), "most negative height");
  ExpectRefused(set32(good, 18, 0), "zero width");
  ExpectRefused(set32(good, 18, 0xFFFFFFFF), "negative width");
  ExpectRefused(set32(good, 10, static_cast<std::uint32_t>(good.size() + 1)), "pixel offset past the end");
  ExpectRefused(set32(good, 10, 20), "pixel offset inside the header");
  ExpectRefused(set32(good, 14, 41), "unknown header size");
  ExpectRefused(set32(good, 14, 0xFFFFFFF0), "header size past the end");
  ExpectRefused(set32(good, 30, 1), "run-length compression");
  auto planes = good;
  planes[26] = 2;
  ExpectRefused(planes, "two planes");
  auto bits = good;
  bits[28] = 16;
  ExpectRefused(bits, "16 bits per pixel");

  BmpFileFields palette;
  palette.bits = 8;
  palette.colors_used = 300;
  ExpectRefused(BuildBmp(palette), "palette larger than 256");
  palette.colors_used = 256;  // declared, but the file holds no palette
  ExpectRefused(BuildBmp(palette), "palette truncated");

  BmpFileFields fields;
  fields.bits = 32;
  fields.compression = 3;
  fields.masks = {0xF0F00000, 0x0000FF00, 0x000000FF};
  ExpectRefused(BuildBmp(fields), "split colour mask");
}

// Writers that drop the last row's padding are common, so only a file
// missing pixel bytes is short.
TEST(BmpFormat, EveryTruncationIntoThePixelsIsRefusedCleanly) {
  constexpr std::size_t kLastRowPadding = 3;  // both files below
  for (const auto& file : {Valid24(), [] {
         BmpFileFields s;
         s.bits = 4;
         s.width = 9;
         s.palette.assign(16, 0x123456);
         return BuildBmp(s);
       }()}) {
    for (std::size_t length = 0; length < file.size(); ++length) {
      const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      if (length < file.size() - kLastRowPadding)
        EXPECT_THROW(Decode(prefix), EInvalidGraphic) << "length " << length;
      else
        EXPECT_NO_THROW(Decode(prefix)) << "length " << length;
    }
  }
}

TEST(BmpFormat, WritesWhatItReads) {
  for (int bits : {24, 32}) {
    BmpImage image;
    image.width = 5;
    image.height = 3;
    image.bits_per_pixel = bits;
    image.pixels.resize(5 * 3 * (bits / 8));
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = static_cast<std::uint8_t>(i * 7);
    const BmpImage back = Decode(EncodeBmp(image));
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.bits_per_pixel, bits);
    EXPECT_EQ(back.pixels, image.pixels);
  }
}

}  // namespace
}  // namespace hm
