// The bitmap effects on the framework's bitmap: a top-down section whose
// rows are padded to whole words, 24 or 32 bits per pixel. Each result is
// compared with the same effect on plain memory and read back through GDI.
#include "skin/core/bitmap_effects.h"

#include <gtest/gtest.h>

#include "framework/ui/graphics/bitmap.h"
#include "tests/skin/core/memory_pixels.h"

namespace hm {
namespace {

using test::TMemoryPixels;

std::uint32_t Numbered(int x, int y) { return static_cast<std::uint32_t>(0x010000 * (y + 1) + 0x000101 * (x * 7 + 3)); }

template <class Buffer>
void Fill(Buffer& b) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      std::uint8_t* p = b.Row(y) + x * (b.BitsPerPixel() / 8);
      const std::uint32_t v = Numbered(x, y);
      p[0] = static_cast<std::uint8_t>(v);
      p[1] = static_cast<std::uint8_t>(v >> 8);
      p[2] = static_cast<std::uint8_t>(v >> 16);
    }
}

// Blue, green, red of pixel (x, y) as 0xRRGGBB, as IPixelBuffer rows hold it.
std::uint32_t RowPixel(const IPixelBuffer& b, int x, int y) {
  const std::uint8_t* p = b.Row(y) + x * (b.BitsPerPixel() / 8);
  return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
}

using Effect = void (*)(IPixelBuffer&);

struct Case {
  const char* name;
  Effect effect;
};

const Case kEffects[] = {{"Grey", Grey},
                         {"MirrorHorizontal", MirrorHorizontal},
                         {"FlipVertical", FlipVertical},
                         {"RotateLeft", RotateLeft},
                         {"RotateRight", RotateRight}};

void ExpectSameAsMemory(int width, int height, TPixelFormat format) {
  for (const Case& c : kEffects) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(width) + "x" + std::to_string(height));
    TBitmap bitmap(width, height, format);
    Fill(bitmap);
    TMemoryPixels memory(width, height, format == TPixelFormat::pf32bit ? 32 : 24);
    Fill(memory);
    c.effect(bitmap);
    c.effect(memory);
    ASSERT_EQ(bitmap.Width(), memory.Width());
    ASSERT_EQ(bitmap.Height(), memory.Height());
    ASSERT_EQ(bitmap.BitsPerPixel(), memory.BitsPerPixel());
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) {
        ASSERT_EQ(RowPixel(bitmap, x, y), RowPixel(memory, x, y)) << x << "," << y;
        // GDI sees the same picture the rows hold: row 0 is the top.
        const COLORREF gdi = bitmap.Canvas().Pixel(x, y);
        ASSERT_EQ(gdi, RGB(GetBValue(RowPixel(memory, x, y)), GetGValue(RowPixel(memory, x, y)),
                           GetRValue(RowPixel(memory, x, y))))
            << x << "," << y;
      }
  }
}

TEST(BitmapEffectsOnBitmaps, PaddedRowsGiveWhatPlainMemoryGives) {
  ExpectSameAsMemory(5, 3, TPixelFormat::pf24bit);  // 15 bytes a row, one of padding
  ExpectSameAsMemory(7, 2, TPixelFormat::pf24bit);
  ExpectSameAsMemory(1, 9, TPixelFormat::pf24bit);
}

TEST(BitmapEffectsOnBitmaps, SquareImagesTurnInPlace) {
  // Same size before and after a quarter turn, so the bitmap is not reallocated.
  ExpectSameAsMemory(3, 3, TPixelFormat::pf24bit);
  ExpectSameAsMemory(16, 16, TPixelFormat::pf24bit);
  TBitmap b(2, 2);
  Fill(b);
  RotateLeft(b);
  EXPECT_EQ(RowPixel(b, 0, 0), Numbered(1, 0));  // the right column became the top row
  EXPECT_EQ(RowPixel(b, 1, 0), Numbered(1, 1));
  EXPECT_EQ(RowPixel(b, 0, 1), Numbered(0, 0));
}

TEST(BitmapEffectsOnBitmaps, ThirtyTwoBitsGreyedOrLeftAlone) {
  ExpectSameAsMemory(4, 3, TPixelFormat::pf32bit);
  TBitmap b(3, 2, TPixelFormat::pf32bit);
  Fill(b);
  MirrorHorizontal(b);
  EXPECT_EQ(b.BitsPerPixel(), 32);
  EXPECT_EQ(RowPixel(b, 0, 0), Numbered(0, 0));
  Grey(b);
  EXPECT_EQ(b.BitsPerPixel(), 24);
}

TEST(BitmapEffectsOnBitmaps, EmptyBitmapsSurvive) {
  for (const Case& c : kEffects) {
    TBitmap empty;
    c.effect(empty);
    EXPECT_TRUE(empty.Empty()) << c.name;
  }
}

}  // namespace
}  // namespace hm
