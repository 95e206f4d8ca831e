// The rules of the combo box that need no window: finding items by text,
// stepping through them, and where its drop-down list goes on the screen.
#pragma once

#include <string_view>

#include "framework/core/enum_type.h"
#include "framework/core/string_list.h"

namespace hm {

HM_ENUM(TDropDownAlign, daLeft, daRight, daCenter)

namespace combo {

// The first of the first `count` items equal to `text` without regard to
// case; -1 when none.
int FindItem(const TStrings& items, int count, std::string_view text);
// The first of the first `count` items that begins with `prefix` without
// regard to case (counted in characters); -1 when none or `prefix` is empty.
int FindPrefix(const TStrings& items, int count, std::string_view prefix);
// The index after one step: previous from -1 is the last item, previous from
// 0 and next from the last stay; nothing to step with no items.
int Step(int index, int count, bool next);

struct TRectI {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TRectI&) const = default;
};

// The list's outer width for the DropDownBox.Width setting: -1 fits the
// widest text, 0 or less is the combo's width; never narrower than the combo.
int ListWidth(int setting, int combo_width, int widest_text);

struct TListPlacement {
  TRectI rect;      // the list's window, screen coordinates
  int rows = 0;     // rows it shows
  bool upward = false;
};

// Places a list of `rows` rows of `item_height` plus `border` pixels
// (top and bottom together) and `width` pixels next to `combo` inside
// `work`: below when it fits, above when only that fits, else on the side
// with more room, shortened to whole rows of that room (at least one);
// aligned by `align` and kept inside the work area horizontally.
TListPlacement PlaceList(const TRectI& combo, const TRectI& work, int width, int rows, int item_height, int border,
                         TDropDownAlign align);

}  // namespace combo
}  // namespace hm
