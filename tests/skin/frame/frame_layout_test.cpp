// Where the frame puts things: the caption buttons' visibility table and
// anchors, the caption text and its plate, the three-part strip, the width
// a message box needs, and the see-through pixels of the outline.
#include "skin/frame/frame_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace hm {
namespace {

constexpr int kAll = kFrameHasSystemMenu | kFrameHasMinimizeBox | kFrameHasMaximizeBox;

TCaptionButtonContext Ctx(int features, bool maximized = false, bool active = true, bool mdi = false) {
  return TCaptionButtonContext{features, maximized, active, mdi};
}

TEST(CaptionButtonVisibility, TheMainWindowShowsCloseAndIconOnlyAndACloseButtonNeedsTheSystemMenu) {
  // The kolvane buttons on a window whose border icons are the system menu.
  const auto main = Ctx(kFrameHasSystemMenu);
  EXPECT_TRUE(CaptionButtonVisible(0, 0, 0, main)) << "close";
  EXPECT_FALSE(CaptionButtonVisible(1, 2, 6, main)) << "maximize";
  EXPECT_FALSE(CaptionButtonVisible(2, 8, 0, main)) << "minimize";
  EXPECT_FALSE(CaptionButtonVisible(1, 1, 6, Ctx(kFrameHasSystemMenu, true))) << "restore";
  EXPECT_TRUE(CaptionButtonVisible(3, 0, 0, main)) << "icon";
  EXPECT_FALSE(CaptionButtonVisible(0, 0, 0, Ctx(0))) << "no system menu, no close button";
  EXPECT_TRUE(CaptionButtonVisible(5, 0, 0, Ctx(0))) << "other actions show without it";
  // With every box: maximize while normal, restore while maximized.
  EXPECT_TRUE(CaptionButtonVisible(1, 2, 6, Ctx(kAll)));
  EXPECT_FALSE(CaptionButtonVisible(1, 1, 6, Ctx(kAll)));
  EXPECT_FALSE(CaptionButtonVisible(1, 2, 6, Ctx(kAll, true)));
  EXPECT_TRUE(CaptionButtonVisible(1, 1, 6, Ctx(kAll, true)));
  EXPECT_TRUE(CaptionButtonVisible(2, 8, 0, Ctx(kAll)));
}

TEST(CaptionButtonVisibility, EveryValueOfBothColumns) {
  struct Row {
    int value;
    TCaptionButtonContext ctx;
    bool v;  // as V (with W 0)
    bool w;  // as W (with V 200)
  };
  const std::vector<Row> rows = {
      {1, Ctx(kAll, true), true, true},    {1, Ctx(kAll), false, false},
      {2, Ctx(kAll), true, true},          {2, Ctx(kAll, true), false, false},
      {3, Ctx(kAll), true, true},          {3, Ctx(kAll, false, false), false, false},
      {4, Ctx(kAll, false, false), true, true}, {4, Ctx(kAll), false, false},
      {5, Ctx(kAll), false, false},
      // 6 and 8: V also asks for the system menu, W does not.
      {6, Ctx(kFrameHasMaximizeBox), false, true}, {6, Ctx(kAll), true, true},
      {6, Ctx(kFrameHasSystemMenu), false, false},
      {7, Ctx(kFrameHasSystemMenu), true, true},  {7, Ctx(kAll), false, false},
      {8, Ctx(kFrameHasMinimizeBox), false, true}, {8, Ctx(kAll), true, true},
      {9, Ctx(kFrameHasSystemMenu), true, true},  {9, Ctx(kAll), false, false},
      {10, Ctx(kAll), false, false},       {11, Ctx(kAll), false, false},
      {100, Ctx(kAll, false, true, true), true, true}, {100, Ctx(kAll), false, false},
      {200, Ctx(0), true, true},           {2000, Ctx(0), true, true},
      {2001, Ctx(kAll), false, false},     {199, Ctx(kAll), false, false},
      {101, Ctx(kAll, false, true, true), false, false}, {12, Ctx(kAll), false, false},
      {99, Ctx(kAll), false, false},       {-1, Ctx(kAll), false, false},
  };
  for (const Row& r : rows) {
    // Action 5 is not tied to a box.
    EXPECT_EQ(CaptionButtonVisible(5, r.value, 0, r.ctx), r.v) << "V " << r.value;
    EXPECT_EQ(CaptionButtonVisible(5, 200, r.value, r.ctx), r.w) << "W " << r.value;
  }
  // A decoration without Visibility1 (loaded as -1) stays hidden.
  EXPECT_FALSE(CaptionButtonVisible(-1, 0, -1, Ctx(kAll)));
  EXPECT_TRUE(CaptionButtonVisible(-1, 0, 0, Ctx(kAll)));
  // Actions 1 and 2 also need their box, whatever the table says.
  EXPECT_FALSE(CaptionButtonVisible(1, 200, 200, Ctx(kFrameHasSystemMenu)));
  EXPECT_FALSE(CaptionButtonVisible(2, 200, 200, Ctx(kFrameHasSystemMenu)));
  EXPECT_TRUE(CaptionButtonVisible(22, 200, 200, Ctx(kFrameHasSystemMenu)));
}

TEST(CaptionButtonOrigin, EveryAlign) {
  TCaptionPlaceContext c;
  c.window_width = 300;
  c.border_left = 5;
  c.border_right = 6;
  c.caption_height = 25;
  c.menu_bar_height = 19;
  c.menu_left_margin = 2;
  c.text_rect = TPieceRect{100, 4, 180, 20};
  auto at = [&](int align) {
    const TCaptionPoint p = CaptionButtonOrigin(align, 24, 5, 14, 12, c);
    return std::pair{p.x, p.y};
  };
  EXPECT_EQ(at(0), (std::pair{24, 5}));
  EXPECT_EQ(at(1), (std::pair{276, 5})) << "the close button of the skin: W - 24";
  EXPECT_EQ(at(2), (std::pair{100 - 14 - 24, 5})) << "left of the plate";
  EXPECT_EQ(at(8), at(2));
  EXPECT_EQ(at(3), (std::pair{24 + 180, 5}));
  EXPECT_EQ(at(9), at(3));
  EXPECT_EQ(at(100), (std::pair{300 - 24 - 6 - 2, (19 - 12) / 2 + 25}));
  EXPECT_EQ(at(4), (std::pair{0, 0}));
  EXPECT_EQ(at(-1), (std::pair{0, 0}));
  c.right_to_left = true;
  EXPECT_EQ(at(100), (std::pair{24 + 2 + 5, 28}));
  // A button anchored to the text follows it.
  c.text_rect = TPieceRect{140, 4, 220, 20};
  EXPECT_EQ(at(2).first, 140 - 14 - 24);
}

TCaptionTextInput Title(int width, int text_width) {
  TCaptionTextInput in;
  in.title = TPieceRect{5, 0, 5 + width, 25};
  in.text_width = text_width;
  in.text_height = 13;
  in.alignment = 1;
  in.shift = 60;
  in.right_clip = 60;
  in.shift_vert = -2;
  in.back_left = 12;
  in.back_right = 12;
  return in;
}

TEST(CaptionTextPlacement, AlignmentsAndOffsetsRoundTowardZero) {
  TCaptionTextInput in = Title(290, 61);  // plate 85 wide: a difference of 205, odd
  TPieceRect r = PlaceCaptionText(in);
  EXPECT_EQ(r.left, 5 + 102) << "205 div 2";
  EXPECT_EQ(r.Width(), 85);
  EXPECT_EQ(r.top, 6 + (-1)) << "(25 - 13) div 2, then -2 div 2";
  EXPECT_EQ(r.Height(), 13);
  // A negative odd difference rounds toward zero as well (-35 div 2 = -17),
  // and an odd negative vertical shift (-3 div 2 = -1).
  in = Title(50, 61);
  in.shift_vert = -3;
  in.right_clip = -1000;  // nothing cut here
  r = PlaceCaptionText(in);
  EXPECT_EQ(r.left, 5 - 17);
  EXPECT_EQ(r.top, 6 - 1);
  in = Title(290, 61);
  in.alignment = 0;
  EXPECT_EQ(PlaceCaptionText(in).left, 5 + 60);
  in.alignment = 2;
  EXPECT_EQ(PlaceCaptionText(in).left, 5 + 290 - 60 - 85);
  in.alignment = 7;
  EXPECT_EQ(PlaceCaptionText(in).left, 5);
  in.alignment = 0;
  in.right_to_left = true;
  EXPECT_EQ(PlaceCaptionText(in).left, 5 + 290 - 60 - 85) << "right to left: always the right alignment";
}

TEST(CaptionTextPlacement, TheRightEdgeIsCutAtTheClipOrRaisedToTheButtonsForPopups) {
  TCaptionTextInput in = Title(290, 500);
  in.alignment = 0;
  EXPECT_EQ(PlaceCaptionText(in).right, 5 + 290 - 60) << "a long caption ends TextRightClip before the end";
  in = Title(290, 61);
  in.popup = true;
  in.right_buttons_left = 276;
  TPieceRect r = PlaceCaptionText(in);
  EXPECT_EQ(r.left, 107);
  EXPECT_EQ(r.right, 271) << "raised to 5 pixels before the right buttons";
  in.right_buttons_left = 0;  // before the first layout
  EXPECT_EQ(PlaceCaptionText(in).right, 107 + 85);
  in = Title(290, 500);
  in.popup = true;
  EXPECT_GT(PlaceCaptionText(in).right, 5 + 290 - 60) << "popups are not cut";
}

TEST(ThreePartStrip, CapsAndRepeatedMiddleAndCapsFillingTheFrame) {
  // A 32-pixel frame with 12-pixel caps into 50 pixels: middles of 8 at
  // 12, 20, 28, 36 (the last runs under the right cap), right cap at 38.
  const std::vector<TStripPiece> pieces = ThreePartPieces(32, 12, 12, 50);
  ASSERT_EQ(pieces.size(), 6u);
  EXPECT_EQ(pieces[0].dest_left, 0);
  EXPECT_EQ(pieces[0].dest_width, 12);
  EXPECT_EQ(pieces[1].source_left, 12);
  EXPECT_EQ(pieces[1].source_width, 8);
  EXPECT_EQ(pieces[1].dest_left, 12);
  EXPECT_EQ(pieces[4].dest_left, 36);
  EXPECT_EQ(pieces[5].source_left, 20);
  EXPECT_EQ(pieces[5].dest_left, 38);
  // Caps as wide as the frame, or wider: only the caps, whatever the width.
  EXPECT_EQ(ThreePartPieces(24, 12, 12, 100000).size(), 2u);
  const std::vector<TStripPiece> wide = ThreePartPieces(20, 15, 15, 100000);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0].source_width, 15);
  EXPECT_EQ(wide[1].source_left, 5);
  EXPECT_EQ(ThreePartPieces(0, 0, 0, 50).size(), 0u);
  // No caps: the middle alone, edge to edge.
  EXPECT_EQ(ThreePartPieces(10, 0, 0, 35).size(), 4u);
}

TEST(MessageBoxWidth, CaptionLengthPlusSevenSpacesAndTheFrame) {
  EXPECT_EQ(MessageBoxNeededWidth({10, 4, 5, 5, 60, 60, 12, 12}), 17 * 4 + 10 + 120 + 24);
  EXPECT_EQ(MessageBoxNeededWidth({0, 4, 0, 0, 0, 0, 0, 0}), 28);
}

TEST(OutlinePixels, MagentaAndItsNearNeighboursAreSeeThrough) {
  EXPECT_TRUE(IsOutlineKey(0xFF00FF));
  EXPECT_TRUE(IsOutlineKey(0xFF01FF));
  EXPECT_TRUE(IsOutlineKey(0xAAFF01FF)) << "the fourth byte does not count";
  EXPECT_FALSE(IsOutlineKey(0xFF02FF));
  EXPECT_FALSE(IsOutlineKey(0xFE00FF));
  EXPECT_FALSE(IsOutlineKey(0xFF00FE));
  const std::uint32_t row[] = {0xFF00FF, 0x333333, 0x333333, 0xFF01FF, 0x000000, 0xFF00FF, 0x101010};
  std::vector<TPixelRun> runs;
  OpaqueRuns(row, 7, runs);
  EXPECT_EQ(runs, (std::vector<TPixelRun>{{1, 3}, {4, 5}, {6, 7}}));
  const std::uint32_t clear[] = {0xFF00FF, 0xFF01FF};
  OpaqueRuns(clear, 2, runs);
  EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace hm
