// Row heights and the number of data rows from font metrics.
#include <gtest/gtest.h>

#include "grid/portable/row_metrics.h"

namespace hm {
namespace {

constexpr TFontMetrics kSmall{13, 0, 13};
constexpr TFontMetrics kLeading{16, 2, 16};
constexpr TFontMetrics kLarge{30, 3, 30};

TEST(DataRowHeight, AFixedRowHeightIgnoresTheFont) {
  for (const TFontMetrics& font : {kSmall, kLeading, kLarge}) {
    EXPECT_EQ(DataRowHeight(18, 0, font, false, 1), 18);
    EXPECT_EQ(DataRowHeight(18, 0, font, true, 0), 18);
  }
}

TEST(DataRowHeight, RowLinesAddTheFontsLines) {
  EXPECT_EQ(DataRowHeight(18, 2, kLeading, false, 1), 18 + 2 * (2 + 16));
  EXPECT_EQ(DataRowHeight(0, 1, kSmall, false, 1), 13);
}

TEST(DataRowHeight, WithoutEitherTheFontDecides) {
  EXPECT_EQ(DataRowHeight(0, 0, kSmall, false, 1), 13 + 3 + 1);
  EXPECT_EQ(DataRowHeight(0, 0, kSmall, true, 0), 13 + 1);
  EXPECT_EQ(DataRowHeight(-4, -1, kSmall, false, 0), 16);  // negative values count as none
}

TEST(TitleRowHeight, TitleHeightSixteenWithRowLinesIsNineteenPlusLeading) {
  EXPECT_EQ(TitleRowHeight({kSmall}, false, 16, 0, true), 19);
  EXPECT_EQ(TitleRowHeight({kLeading}, false, 16, 0, true), 19 + 2);
  EXPECT_EQ(TitleRowHeight({kLeading}, false, 16, 0, false), 18 + 2);
  EXPECT_EQ(TitleRowHeight({kLeading}, false, 16, 2, true), 2 * 16 + 2 + 16 + 2 + 1);
}

TEST(TitleRowHeight, WithoutTitleHeightTheTallestFontAndTheMargin) {
  EXPECT_EQ(TitleRowHeight({kSmall, kLarge, kLeading}, false, 0, 0, true), 30 + 4);
  EXPECT_EQ(TitleRowHeight({kSmall}, true, 0, 0, true), 13 + 2);
  // The metrics come from the first font with the tallest "Wg".
  const TFontMetrics tall_a{30, 0, 30}, tall_b{31, 7, 30};
  EXPECT_EQ(TitleRowHeight({kSmall, tall_a, tall_b}, false, 0, 1, false), 30 + 0 + 0 + 2);
}

TEST(DataRowsToHold, NineRowsInTheMainWindowsClient) {
  EXPECT_EQ(DataRowsToHold(199, 19, 18, 1), 9);  // (199 - 20) / 19 = 9.4: no part of a tenth
  EXPECT_EQ(DataRowsToHold(200, 19, 18, 1), 9);
  EXPECT_EQ(DataRowsToHold(210, 19, 18, 1), 10);
  EXPECT_EQ(DataRowsToHold(199, 19, 18, 0), 10);  // (199 - 19) / 18
  EXPECT_EQ(DataRowsToHold(10, 19, 18, 1), 1);    // at least one
  EXPECT_EQ(DataRowsToHold(100, 19, 0, 0), 1);
}

}  // namespace
}  // namespace hm
