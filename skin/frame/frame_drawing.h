// Drawing the frame needs beyond the shared skin routines: a strip of a
// left cap, a repeated middle and a right cap (the caption's plate, the
// menu bar), and the region of a bitmap's pixels that are not see-through.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/skin_drawing.h"

namespace hm {

class TCanvas;

// Frame `frame` (1-based) of `frame_count` drawn into rect: the caps are
// margins.left and margins.right wide, everything stretched to rect's
// height; magenta see-through when `transparent`. Caps that fill the frame
// leave no middle and only the caps are drawn.
void ThreePartStrip(TCanvas& canvas, const RECT& rect, const TBitmap& bitmap, bool vertical, bool transparent,
                    int frame_count, int frame, const TSkinMargins& margins);

// The bitmap's pixels other than magenta (±1 in red, green and blue, within
// 0..255), moved by (x, y); null when every pixel is see-through. The
// caller owns the region.
HRGN RegionFromBitmap(const TBitmap& bitmap, int x, int y);

}  // namespace hm
