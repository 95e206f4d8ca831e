#include "skin/controls/tab_layout.h"

namespace hm {

TTabSide TabSideOf(bool bottom_style, bool vertical_style) {
  if (bottom_style) return vertical_style ? TTabSide::Right : TTabSide::Bottom;
  return vertical_style ? TTabSide::Left : TTabSide::Top;
}

TPieceRect TabPageRect(const TPieceRect& display, TTabSide side) {
  TPieceRect page{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
  switch (side) {
    case TTabSide::Top: page.top += 1; break;
    case TTabSide::Bottom: page.bottom -= 1; break;
    case TTabSide::Left: page.left += 1; break;
    case TTabSide::Right: page.right -= 1; break;
  }
  return page;
}

TPieceRect TabStripRect(const TPieceRect& page, int w, int h, TTabSide side) {
  switch (side) {
    case TTabSide::Top: return {0, 0, w, page.top};
    case TTabSide::Bottom: return {0, page.bottom, w, h};
    case TTabSide::Left: return {0, 0, page.left, h};
    case TTabSide::Right: return {page.right, 0, w, h};
  }
  return {};
}

TStripSize TabStripSize(const TPieceRect& strip, TTabSide side) {
  if (side == TTabSide::Top || side == TTabSide::Bottom) return {strip.Width(), strip.Height()};
  return {strip.Height(), strip.Width()};
}

TPieceRect TabInStrip(const TPieceRect& t, const TPieceRect& page, int w, TStripSize strip, TTabSide side) {
  switch (side) {
    case TTabSide::Top: return {t.left, t.top + 1, t.right, t.bottom + 1};
    case TTabSide::Bottom: return {t.left, t.top - page.bottom - 1, t.right, t.bottom - page.bottom - 1};
    // Turned a quarter counter-clockwise afterwards: the strip's start
    // ends at the control's bottom.
    case TTabSide::Left: return {strip.length - t.bottom, t.left, strip.length - t.top, t.right};
    // Turned clockwise: the strip's top ends at the control's right edge.
    case TTabSide::Right: return {t.top - 1, w - t.right, t.bottom - 1, w - t.left};
  }
  return t;
}

std::vector<TPieceRect> TabSetTabs(const TTabSetInput& input, int height) {
  std::vector<TPieceRect> tabs;
  const int spare = input.scroller ? 21 : 9;
  const int end = input.width - input.end_margin;
  int x = input.start_margin;
  for (int text : input.text_widths) {
    if (x + text + spare > end) break;
    tabs.push_back({x, 0, x + text + 9, height});
    x += text + 9;
  }
  return tabs;
}

}  // namespace hm
