// Where a tab skin draws: the page under the tabs, the strip beside it and
// each tab inside the strip, for tabs on any of the four sides. The strip
// is always built lying down (tabs along its length, their tops at its
// top) and turned into place afterwards, so one tab painter serves every
// side. Only numbers, so the mappings are checked without a screen.
#pragma once

#include <vector>

#include "skin/controls/nine_part_layout.h"

namespace hm {

enum class TTabSide { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// From the tab control's TCS_BOTTOM (also meaning right when vertical)
// and TCS_VERTICAL styles.
TTabSide TabSideOf(bool bottom_style, bool vertical_style);

// The page: the display area enlarged by 4 on every side, then moved one
// pixel toward the tabs so the page border runs under their feet.
TPieceRect TabPageRect(const TPieceRect& display, TTabSide side);

// The strip: between the control's edge on the tabs' side and the page,
// in control coordinates (width w, height h).
TPieceRect TabStripRect(const TPieceRect& page, int w, int h, TTabSide side);

struct TStripSize {
  int length = 0;     // along the tabs
  int thickness = 0;  // across them
};
TStripSize TabStripSize(const TPieceRect& strip, TTabSide side);

// A tab's rectangle (control coordinates) in the lying strip.
TPieceRect TabInStrip(const TPieceRect& tab, const TPieceRect& page, int w, TStripSize strip, TTabSide side);

// Tab sets: the tabs laid from the start margin, each as wide as its text
// plus 9; a tab is kept only while it ends before width - end margin
// (21 pixels to spare instead of 9 while the scroll buttons show).
struct TTabSetInput {
  int width = 0;
  int start_margin = 0;
  int end_margin = 0;
  bool scroller = false;
  std::vector<int> text_widths;  // from the first visible tab on
};
// Left and right of each tab that is drawn, in order.
std::vector<TPieceRect> TabSetTabs(const TTabSetInput& input, int height);

}  // namespace hm
