#include "skin/frame/frame_layout.h"

#include <algorithm>

namespace hm {

namespace {

enum class TVisibilityColumn { V, W };

bool VisibilityValue(int value, TVisibilityColumn column, int action, const TCaptionButtonContext& c) {
  const bool system_menu = (c.features & kFrameHasSystemMenu) != 0;
  const bool maximize_box = (c.features & kFrameHasMaximizeBox) != 0;
  const bool minimize_box = (c.features & kFrameHasMinimizeBox) != 0;
  const bool v = column == TVisibilityColumn::V;
  switch (value) {
    case 0: return !v || action != 0 || system_menu;
    case 1: return c.maximized;
    case 2: return !c.maximized;
    case 3: return c.active;
    case 4: return !c.active;
    case 6: return maximize_box && (!v || system_menu);
    case 7: return !maximize_box;
    case 8: return minimize_box && (!v || system_menu);
    case 9: return !minimize_box;
    case 100: return c.mdi_child_maximized_in_bar;
    default: return value >= 200 && value <= 2000;  // 5, 10, 11 and the rest never
  }
}

}  // namespace

bool CaptionButtonVisible(int action, int visibility, int visibility1, const TCaptionButtonContext& context) {
  bool visible = VisibilityValue(visibility, TVisibilityColumn::V, action, context) &&
                 VisibilityValue(visibility1, TVisibilityColumn::W, action, context);
  if (action == 1 && !(context.features & kFrameHasMaximizeBox)) visible = false;
  if (action == 2 && !(context.features & kFrameHasMinimizeBox)) visible = false;
  return visible;
}

TCaptionPoint CaptionButtonOrigin(int align, int xcoord, int ycoord, int w, int h, const TCaptionPlaceContext& c) {
  switch (align) {
    case 0: return {xcoord, ycoord};
    case 1: return {c.window_width - xcoord, ycoord};
    case 2:
    case 8: return {c.text_rect.left - w - xcoord, ycoord};
    case 3:
    case 9: return {xcoord + c.text_rect.right, ycoord};
    case 100: {
      const int x = c.right_to_left ? xcoord + c.menu_left_margin + c.border_left
                                    : c.window_width - xcoord - c.border_right - c.menu_left_margin;
      return {x, (c.menu_bar_height - h) / 2 + c.caption_height};
    }
    default: return {0, 0};
  }
}

TPieceRect PlaceCaptionText(const TCaptionTextInput& in) {
  const int title_w = in.title.Width();
  const int plate_w = in.text_width + in.back_left + in.back_right;
  int dx = 0;
  const int alignment = in.right_to_left ? 2 : in.alignment;
  switch (alignment) {
    case 0: dx = in.shift; break;
    case 1: dx = (title_w - plate_w) / 2; break;  // rounds toward zero, as C++ does
    case 2: dx = title_w - in.right_clip - plate_w; break;
    default: break;
  }
  const int dy = (in.title.Height() - in.text_height) / 2 + in.shift_vert / 2;
  TPieceRect r{in.title.left + dx, in.title.top + dy, in.title.left + dx + plate_w,
               in.title.top + dy + in.text_height};
  if (in.popup) {
    r.right = std::max(r.right, in.right_buttons_left - 5);
  } else {
    r.right = std::min(r.right, in.title.right - in.right_clip);
  }
  return r;
}

std::vector<TStripPiece> ThreePartPieces(int frame_width, int left_cap, int right_cap, int dest_width) {
  std::vector<TStripPiece> pieces;
  if (frame_width <= 0 || dest_width < 0) return pieces;
  left_cap = std::max(left_cap, 0);
  right_cap = std::max(right_cap, 0);
  if (left_cap > 0) pieces.push_back({0, std::min(left_cap, frame_width), 0, left_cap});
  const int middle = frame_width - left_cap - right_cap;
  if (middle > 0) {
    for (int x = left_cap; x < dest_width - right_cap; x += middle) pieces.push_back({left_cap, middle, x, middle});
  }
  if (right_cap > 0) {
    const int width = std::min(right_cap, frame_width);
    pieces.push_back({frame_width - width, width, dest_width - right_cap, right_cap});
  }
  return pieces;
}

int MessageBoxNeededWidth(const TMessageBoxWidthInput& in) {
  return (in.caption_length + 7) * in.space_width + in.border_left + in.border_right + in.shift + in.right_clip +
         in.back_left + in.back_right;
}

void OpaqueRuns(const std::uint32_t* row, int width, std::vector<TPixelRun>& runs) {
  runs.clear();
  int x = 0;
  while (x < width) {
    while (x < width && IsOutlineKey(row[x])) ++x;
    const int start = x;
    while (x < width && !IsOutlineKey(row[x])) ++x;
    if (x > start) runs.push_back({start, x});
  }
}

}  // namespace hm
