// Each tab carried into the lying strip comes back to its place by the
// strip's quarter turn; a tab set keeps the tabs that fit.
#include <gtest/gtest.h>

#include "skin/controls/tab_layout.h"

namespace hm {
namespace {

// The quarter turns of the strip bitmap, as the bitmap effects make them:
// where pixel (x, y) of the lying strip ends in the strip's rectangle.
struct TStripPoint {
  int x, y;
};
TStripPoint TurnedLeft(TStripPoint p, TStripSize s) { return {p.y, s.length - 1 - p.x}; }
TStripPoint TurnedRight(TStripPoint p, TStripSize s) { return {s.thickness - 1 - p.y, p.x}; }

TEST(TabLayout, ATabAtTheLeftOrRightComesBackToItsPlaceWithItsTopOutward) {
  const int w = 200, h = 150;
  {
    const TPieceRect page{30, 0, w, h};
    const TStripSize size{h, 30};
    const TPieceRect tab{2, 10, 28, 70};  // as the control reports it
    const TPieceRect in = TabInStrip(tab, page, w, size, TTabSide::Left);
    EXPECT_EQ(in.Width(), tab.Height());
    EXPECT_EQ(in.Height(), tab.Width());
    // The tab's top row (its outer edge) lands in the tab's leftmost column.
    for (int x = in.left; x < in.right; ++x) {
      const TStripPoint at = TurnedLeft({x, in.top}, size);
      EXPECT_EQ(at.x, tab.left);
      EXPECT_GE(at.y, tab.top);
      EXPECT_LT(at.y, tab.bottom);
    }
  }
  {
    const TPieceRect page{0, 0, 170, h};
    const TStripSize size{h, w - 170};
    const TPieceRect tab{172, 10, 198, 70};
    const TPieceRect in = TabInStrip(tab, page, w, size, TTabSide::Right);
    EXPECT_EQ(in.Width(), tab.Height());
    for (int x = in.left; x < in.right; ++x) {
      const TStripPoint at = TurnedRight({x, in.top}, size);
      EXPECT_EQ(at.x + page.right, tab.right - 1) << "the top row lands in the rightmost column";
      EXPECT_GE(at.y, tab.top - 1);
      EXPECT_LT(at.y, tab.bottom - 1);
    }
  }
}

TEST(TabLayout, TabSetTabsStopAtTheFirstThatDoesNotFit) {
  TTabSetInput input;
  input.width = 100;
  input.start_margin = 5;
  input.end_margin = 10;
  input.text_widths = {20, 20, 20, 5};
  // 5..34, 34..63; the third would end at 63 + 20 + 9 = 92 > 90.
  const auto tabs = TabSetTabs(input, 18);
  ASSERT_EQ(tabs.size(), 2u);
  EXPECT_EQ(tabs[0], (TPieceRect{5, 0, 34, 18}));
  EXPECT_EQ(tabs[1], (TPieceRect{34, 0, 63, 18}));
  input.text_widths = {20, 20, 18};
  EXPECT_EQ(TabSetTabs(input, 18).size(), 3u) << "63 + 18 + 9 = 90 still fits";
  input.scroller = true;
  EXPECT_EQ(TabSetTabs(input, 18).size(), 2u) << "the scroll buttons need 21 to spare";
  input.text_widths.clear();
  EXPECT_TRUE(TabSetTabs(input, 18).empty());
}

}  // namespace
}  // namespace hm
