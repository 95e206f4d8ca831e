#include "skin/core/bitmap_effects.h"

#include <gtest/gtest.h>

#include "tests/skin/core/memory_pixels.h"

namespace hm {
namespace {

using test::TMemoryPixels;

// Every pixel different, so a misplaced one shows.
TMemoryPixels Numbered(int width, int height) {
  TMemoryPixels p(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, static_cast<std::uint32_t>(0x010000 * y + x * 3 + 1));
  return p;
}

TEST(BitmapEffects, GreyAveragesTheChannelsTruncating) {
  TMemoryPixels p(3, 1);
  p.SetPixel(0, 0, 0xFEFFFF);  // R 254, G 255, B 255
  p.SetPixel(1, 0, 0x000001);  // 1 / 3 truncates to 0
  p.SetPixel(2, 0, 0x102030);
  Grey(p);
  EXPECT_EQ(p.Pixel(0, 0), 0xFEFEFEu);
  EXPECT_EQ(p.Pixel(1, 0), 0u);
  EXPECT_EQ(p.Pixel(2, 0), 0x202020u);
  EXPECT_TRUE(p.PaddingIntact());
}

TEST(BitmapEffects, GreyConvertsOtherFormatsTo24BitFirst) {
  TMemoryPixels p(2, 2, 32);
  p.Row(1)[4] = 30;  // pixel (1, 1): B 30, G 60, R 90
  p.Row(1)[5] = 60;
  p.Row(1)[6] = 90;
  Grey(p);
  ASSERT_EQ(p.BitsPerPixel(), 24);
  EXPECT_EQ(p.Pixel(1, 1), 0x3C3C3Cu);
}

TEST(BitmapEffects, EachTransformUndoneByItsInverse) {
  const TMemoryPixels original = Numbered(5, 3);
  TMemoryPixels p = original;
  MirrorHorizontal(p);
  EXPECT_FALSE(p == original);
  MirrorHorizontal(p);
  EXPECT_TRUE(p == original);
  FlipVertical(p);
  EXPECT_FALSE(p == original);
  FlipVertical(p);
  EXPECT_TRUE(p == original);
  RotateLeft(p);
  RotateRight(p);
  EXPECT_TRUE(p == original);
  RotateRight(p);
  RotateLeft(p);
  EXPECT_TRUE(p == original);
  EXPECT_TRUE(p.PaddingIntact());
}

TEST(BitmapEffects, MirrorAndFlipMovePixelsToTheOppositeSide) {
  TMemoryPixels p = Numbered(4, 3);
  MirrorHorizontal(p);
  EXPECT_EQ(p.Pixel(0, 1), Numbered(4, 3).Pixel(3, 1));
  EXPECT_EQ(p.Pixel(1, 2), Numbered(4, 3).Pixel(2, 2));
  TMemoryPixels q = Numbered(4, 3);
  FlipVertical(q);
  EXPECT_EQ(q.Pixel(2, 0), Numbered(4, 3).Pixel(2, 2));
  EXPECT_EQ(q.Pixel(2, 1), Numbered(4, 3).Pixel(2, 1));
}

TEST(BitmapEffects, RotateLeftTurnsTheRightColumnIntoTheTopRow) {
  const TMemoryPixels original = Numbered(48, 16);
  TMemoryPixels p = original;
  RotateLeft(p);
  ASSERT_EQ(p.Width(), 16);
  ASSERT_EQ(p.Height(), 48);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(p.Pixel(x, 0), original.Pixel(47, x));
  // (x, y) -> (y, width - 1 - x)
  EXPECT_EQ(p.Pixel(5, 47 - 10), original.Pixel(10, 5));
  EXPECT_TRUE(p.PaddingIntact());
}

TEST(BitmapEffects, RotateRightTurnsTheLeftColumnIntoTheTopRowBottomUp) {
  const TMemoryPixels original = Numbered(48, 16);
  TMemoryPixels p = original;
  RotateRight(p);
  ASSERT_EQ(p.Width(), 16);
  ASSERT_EQ(p.Height(), 48);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(p.Pixel(x, 0), original.Pixel(0, 15 - x));
  // (x, y) -> (height - 1 - y, x)
  EXPECT_EQ(p.Pixel(15 - 5, 10), original.Pixel(10, 5));
}

TEST(BitmapEffects, SinglePixelAndEmptyImagesSurviveEveryTransform) {
  TMemoryPixels one(1, 1);
  one.SetPixel(0, 0, 0x123456);
  for (auto transform : {MirrorHorizontal, FlipVertical, RotateLeft, RotateRight}) {
    transform(one);
    EXPECT_EQ(one.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(one.Width(), 1);
    EXPECT_EQ(one.Height(), 1);
  }
  TMemoryPixels empty(0, 7);
  for (auto transform : {Grey, MirrorHorizontal, FlipVertical, RotateLeft, RotateRight}) transform(empty);
  EXPECT_EQ(empty.Width() * empty.Height(), 0);
}

TEST(BitmapEffects, NonGreyTransformsLeaveOtherPixelFormatsAlone) {
  TMemoryPixels p(3, 2, 32);
  for (auto transform : {MirrorHorizontal, FlipVertical, RotateLeft, RotateRight}) transform(p);
  EXPECT_EQ(p.Width(), 3);
  EXPECT_EQ(p.BitsPerPixel(), 32);
  EXPECT_TRUE(p.PaddingIntact());
}

}  // namespace
}  // namespace hm
