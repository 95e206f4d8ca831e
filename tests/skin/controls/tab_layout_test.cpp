// Where the tab skins draw: the page, the strip on each side, and each tab
// carried into the lying strip and back by the quarter turn.
#include <gtest/gtest.h>

#include "skin/controls/tab_layout.h"

namespace hm {
namespace {

TEST(TabLayout, TheStylesNameTheSide) {
  EXPECT_EQ(TabSideOf(false, false), TTabSide::Top);
  EXPECT_EQ(TabSideOf(true, false), TTabSide::Bottom);
  EXPECT_EQ(TabSideOf(false, true), TTabSide::Left);
  EXPECT_EQ(TabSideOf(true, true), TTabSide::Right) << "bottom and vertical is right";
}

TEST(TabLayout, ThePageRunsOnePixelUnderTheTabsAndTheStripFillsTheRest) {
  const TPieceRect display{4, 24, 196, 146};
  EXPECT_EQ(TabPageRect(display, TTabSide::Top), (TPieceRect{0, 21, 200, 150}));
  EXPECT_EQ(TabPageRect(display, TTabSide::Bottom), (TPieceRect{0, 20, 200, 149}));
  EXPECT_EQ(TabPageRect(display, TTabSide::Left), (TPieceRect{1, 20, 200, 150}));
  EXPECT_EQ(TabPageRect(display, TTabSide::Right), (TPieceRect{0, 20, 199, 150}));

  const TPieceRect top = TabStripRect(TPieceRect{0, 21, 200, 150}, 200, 150, TTabSide::Top);
  EXPECT_EQ(top, (TPieceRect{0, 0, 200, 21}));
  EXPECT_EQ(TabStripSize(top, TTabSide::Top).length, 200);
  EXPECT_EQ(TabStripSize(top, TTabSide::Top).thickness, 21);
  const TPieceRect bottom = TabStripRect(TPieceRect{0, 0, 200, 129}, 200, 150, TTabSide::Bottom);
  EXPECT_EQ(bottom, (TPieceRect{0, 129, 200, 150}));
  const TPieceRect left = TabStripRect(TPieceRect{30, 0, 200, 150}, 200, 150, TTabSide::Left);
  EXPECT_EQ(left, (TPieceRect{0, 0, 30, 150}));
  EXPECT_EQ(TabStripSize(left, TTabSide::Left).length, 150) << "the strip lies down: its length is the height";
  EXPECT_EQ(TabStripSize(left, TTabSide::Left).thickness, 30);
  EXPECT_EQ(TabStripRect(TPieceRect{0, 0, 170, 150}, 200, 150, TTabSide::Right), (TPieceRect{170, 0, 200, 150}));
}

// The quarter turns of the strip bitmap, as the bitmap effects make them:
// where pixel (x, y) of the lying strip ends in the strip's rectangle.
struct TPoint {
  int x, y;
};
TPoint TurnedLeft(TPoint p, TStripSize s) { return {p.y, s.length - 1 - p.x}; }
TPoint TurnedRight(TPoint p, TStripSize s) { return {s.thickness - 1 - p.y, p.x}; }

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
      const TPoint at = TurnedLeft({x, in.top}, size);
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
      const TPoint at = TurnedRight({x, in.top}, size);
      EXPECT_EQ(at.x + page.right, tab.right - 1) << "the top row lands in the rightmost column";
      EXPECT_GE(at.y, tab.top - 1);
      EXPECT_LT(at.y, tab.bottom - 1);
    }
  }
}

TEST(TabLayout, TabsAtTopAndBottomAreMovedOnePixelTowardThePage) {
  const TPieceRect tab{2, 2, 60, 20};
  EXPECT_EQ(TabInStrip(tab, TPieceRect{0, 21, 200, 150}, 200, {200, 21}, TTabSide::Top),
            (TPieceRect{2, 3, 60, 21}));
  // Tabs at the bottom: strip coordinates start at the page's bottom edge.
  const TPieceRect low{2, 130, 60, 148};
  EXPECT_EQ(TabInStrip(low, TPieceRect{0, 0, 200, 129}, 200, {200, 21}, TTabSide::Bottom),
            (TPieceRect{2, 0, 60, 18}));
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
