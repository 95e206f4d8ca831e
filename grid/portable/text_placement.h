// Where text goes in a grid cell: offsets from the cell's edges, alignment
// across and layout down.
#pragma once

#include "framework/core/enum_type.h"
#include "framework/data/alignment.h"

namespace hm {

HM_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

struct TTextBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct TTextOrigin {
  int x = 0;
  int y = 0;
};

// The origin of one line of text of the given size in `box`; `dx`, `dy`
// are the offsets from the left and top edges.
TTextOrigin SingleLineOrigin(const TTextBox& box, int dx, int dy, int text_width, int text_height,
                             TAlignment alignment, TTextLayout layout);

// The top of a word-wrapped block of `block_height` inside `inner` (the
// cell shrunk by the offsets): at the top, centred, or at the bottom.
int WrappedBlockTop(const TTextBox& inner, int block_height, TTextLayout layout);

}  // namespace hm
