// Where a line or a wrapped block of text lands in a cell.
#include <gtest/gtest.h>

#include "grid/portable/text_placement.h"

namespace hm {
namespace {

constexpr TTextBox kCell{10, 20, 90, 40};  // 80 x 20

TEST(SingleLineOrigin, AlignmentAcross) {
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 13, taLeftJustify, tlTop).x, 12);
  // Right: 3 pixels from the right edge whatever dx is.
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 13, taRightJustify, tlTop).x, 90 - 30 - 3);
  EXPECT_EQ(SingleLineOrigin(kCell, 1, 1, 30, 13, taRightJustify, tlTop).x, 90 - 30 - 3);
  // Centre: half the width less half the text, each rounded down.
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 31, 13, taCenter, tlTop).x, 10 + 40 - 15);
}

TEST(SingleLineOrigin, LayoutDown) {
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 13, taLeftJustify, tlTop).y, 22);
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 13, taLeftJustify, tlCenter).y, 20 + 3);
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 13, taLeftJustify, tlBottom).y, 40 - 13 - 2);
  // Text as tall as the cell less dy stays at the top offset.
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 18, taLeftJustify, tlCenter).y, 22);
  EXPECT_EQ(SingleLineOrigin(kCell, 2, 2, 30, 17, taLeftJustify, tlBottom).y, 40 - 17 - 2);
}

TEST(WrappedBlockTop, TopCentreBottomAndTooTall) {
  const TTextBox inner{12, 22, 88, 62};  // 40 high
  EXPECT_EQ(WrappedBlockTop(inner, 26, tlTop), 22);
  EXPECT_EQ(WrappedBlockTop(inner, 26, tlCenter), 29);
  EXPECT_EQ(WrappedBlockTop(inner, 26, tlBottom), 36);
  EXPECT_EQ(WrappedBlockTop(inner, 52, tlCenter), 22);
  EXPECT_EQ(WrappedBlockTop(inner, 52, tlBottom), 22);
}

}  // namespace
}  // namespace hm
