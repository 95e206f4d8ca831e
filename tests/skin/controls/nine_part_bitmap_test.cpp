// Nine-part cutting on real bitmaps: which source pixel lands where when
// the margins fit, when they do not, with a tiled centre, with huge
// destinations, and the variant that draws only the frame around a centre.
#include "skin/controls/skin_drawing.h"

#include <gtest/gtest.h>

#include "tests/skin/controls/test_bitmaps.h"

namespace hm::test {
namespace {

TSkinMargins Margins(int l, int t, int r, int b) { return {l, t, r, b}; }

// The source column and row a marked pixel came from.
int SourceX(std::uint32_t p) { return static_cast<int>(p >> 16); }
int SourceY(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }

TEST(NinePartBitmap, CornersOneToOneEdgesStretchedAlongTheirSide) {
  TBitmap source;
  Marked(source, 20, 12);
  auto image = NinePartBitmap(RECT{0, 0, 60, 40}, source, Margins(3, 2, 4, 5), TFrameOrientation::SideBySide, false,
                              1, 1);
  ASSERT_EQ(image->Width(), 60);
  ASSERT_EQ(image->Height(), 40);
  EXPECT_EQ(At(*image, 2, 1), Mark(2, 1));     // top-left corner
  EXPECT_EQ(At(*image, 0, 39), Mark(0, 11));   // bottom-left corner
  EXPECT_EQ(At(*image, 59, 0), Mark(19, 0));   // top-right corner
  EXPECT_EQ(At(*image, 56, 35), Mark(16, 7));  // bottom-right corner, first pixel
  // Edges keep their thickness and stretch along: rows of the left edge map
  // into source rows 2..6, columns stay.
  EXPECT_EQ(At(*image, 1, 2), Mark(1, 2));
  EXPECT_EQ(At(*image, 1, 34), Mark(1, 6));
  EXPECT_EQ(At(*image, 3, 0), Mark(3, 0));
  EXPECT_EQ(At(*image, 55, 0), Mark(15, 0));
  // The stretched centre stays inside the source's centre.
  for (int y = 2; y < 35; y += 4)
    for (int x = 3; x < 56; x += 5) {
      const std::uint32_t p = At(*image, x, y);
      const int sx = static_cast<int>(p >> 16), sy = static_cast<int>((p >> 8) & 0xFF);
      EXPECT_TRUE(sx >= 3 && sx < 16 && sy >= 2 && sy < 7) << x << "," << y;
    }
}

TEST(NinePartBitmap, NarrowerOrLowerThanTheMarginsStretchesTheFrameWhole) {
  TBitmap source;
  Marked(source, 40, 12);  // two frames of 20
  // 5 wide < 3 + 4: no side margins; frame 2's columns 20..39 across 5 pixels.
  auto narrow = NinePartBitmap(RECT{0, 0, 5, 30}, source, Margins(3, 2, 4, 5), TFrameOrientation::SideBySide, false,
                               2, 2);
  EXPECT_LE(SourceX(At(*narrow, 0, 0)), 23);
  EXPECT_GE(SourceX(At(*narrow, 0, 0)), 20);
  EXPECT_GE(SourceX(At(*narrow, 4, 29)), 36);
  EXPECT_EQ(SourceY(At(*narrow, 4, 29)), 11);
  EXPECT_EQ(SourceY(At(*narrow, 0, 1)), 1) << "the top margin still holds its rows";
  auto low = NinePartBitmap(RECT{0, 0, 60, 6}, source, Margins(3, 2, 4, 5), TFrameOrientation::SideBySide, false, 2,
                            1);
  EXPECT_EQ(At(*low, 0, 0), Mark(0, 0));
  EXPECT_GE(SourceY(At(*low, 0, 5)), 10) << "the whole height shrunk into 6 rows";
  EXPECT_EQ(SourceX(At(*low, 59, 3)), 19) << "the right margin still holds its columns";
}

TEST(NinePartBitmap, ATiledCentreRepeatsFromItsTopLeftAndIsClippedByTheMargins) {
  TBitmap source;
  Marked(source, 11, 9);  // centre piece: columns 3..7 (5 wide), rows 2..5 (4 high)
  auto image = NinePartBitmap(RECT{0, 0, 40, 30}, source, Margins(3, 2, 3, 3), TFrameOrientation::SideBySide, true,
                              1, 1);
  for (int y = 2; y < 27; ++y)
    for (int x = 3; x < 37; ++x)
      ASSERT_EQ(At(*image, x, y), Mark(3 + (x - 3) % 5, 2 + (y - 2) % 4)) << x << "," << y;
  EXPECT_EQ(SourceX(At(*image, 37, 10)), 8) << "the right edge after the last column";
  EXPECT_EQ(SourceY(At(*image, 10, 27)), 6) << "the bottom edge after the last row";

  // A centre piece wider than the centre area is drawn once, from its left.
  auto wide = NinePartBitmap(RECT{0, 0, 8, 12}, source, Margins(3, 2, 3, 3), TFrameOrientation::SideBySide, true, 1,
                             1);
  EXPECT_EQ(At(*wide, 3, 2), Mark(3, 2));
  EXPECT_EQ(At(*wide, 4, 5), Mark(4, 5));
  EXPECT_EQ(At(*wide, 5, 2), Mark(8, 2)) << "the right margin piece, not the centre's third column";
  EXPECT_EQ(At(*wide, 7, 8), Mark(10, 5));
}

TEST(NinePartBitmap, AOnePixelTiledCentreFillsAHugeDestinationInBoundedTime) {
  TBitmap source;
  Marked(source, 3, 3);  // the centre is pixel (1, 1)
  auto image = NinePartBitmap(RECT{0, 0, 3000, 2000}, source, Margins(1, 1, 1, 1), TFrameOrientation::SideBySide,
                              true, 1, 1);
  ASSERT_EQ(image->Width(), 3000);
  EXPECT_EQ(At(*image, 1, 1), Mark(1, 1));
  EXPECT_EQ(At(*image, 2998, 1998), Mark(1, 1));
  EXPECT_EQ(At(*image, 1777, 1234), Mark(1, 1));
  EXPECT_EQ(At(*image, 2999, 1999), Mark(2, 2));
}

TEST(NinePartBitmap, StackedFramesAndEmptyInputs) {
  TBitmap source;
  Marked(source, 10, 20);  // two stacked frames of 10 rows
  auto second = NinePartBitmap(RECT{5, 5, 15, 15}, source, Margins(0, 0, 0, 0), TFrameOrientation::Stacked, false, 2,
                               2);
  EXPECT_EQ(At(*second, 0, 0), Mark(0, 10));
  EXPECT_EQ(At(*second, 9, 9), Mark(9, 19));
  EXPECT_TRUE(NinePartBitmap(RECT{0, 0, 0, 9}, source, {}, TFrameOrientation::Stacked, false, 2, 1)->Empty());
  EXPECT_TRUE(NinePartBitmap(RECT{9, 0, 0, 9}, source, {}, TFrameOrientation::Stacked, false, 2, 1)->Empty());
  TBitmap empty;
  auto black = NinePartBitmap(RECT{0, 0, 4, 4}, empty, {}, TFrameOrientation::Stacked, true, 2, 1);
  ASSERT_EQ(black->Width(), 4);
  EXPECT_EQ(At(*black, 3, 3), 0u);
}

TEST(NinePartBitmap, TheEdgesVariantLeavesTheCentreAsItWas) {
  TBitmap source;
  Marked(source, 12, 12);
  TBitmap target;
  Fill(target, 50, 40, 0x123456);
  DrawNinePartEdges(target.Canvas().Handle(), RECT{10, 5, 40, 35}, source, Margins(4, 5, 4, 4),
                    TFrameOrientation::SideBySide, 1, 1);
  EXPECT_EQ(At(target, 10, 5), Mark(0, 0));
  EXPECT_EQ(At(target, 39, 34), Mark(11, 11));
  EXPECT_EQ(At(target, 20, 20), 0x123456u) << "centre untouched";
  EXPECT_EQ(At(target, 9, 5), 0x123456u) << "nothing outside the destination";
  const std::uint32_t left_edge = At(target, 10, 20);
  EXPECT_EQ(SourceX(left_edge), 0);
  EXPECT_TRUE(SourceY(left_edge) >= 5 && SourceY(left_edge) < 8) << "the left edge stretched down";
}

}  // namespace
}  // namespace hm::test
