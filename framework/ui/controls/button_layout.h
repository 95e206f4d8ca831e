// Where a button with a glyph puts its glyph and caption. Margin is the
// distance from the edge to the glyph and Spacing the gap between glyph and
// caption; -1 for either means "centre what is there".
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/core/enum_type.h"

namespace hm {

HM_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

struct TButtonPlacement {
  POINT glyph{0, 0};  // top-left of the glyph
  POINT text{0, 0};   // top-left of the caption
  UINT text_align = DT_LEFT;
};

// `glyph` and `text` are the sizes of glyph and caption ((0, 0) when absent).
TButtonPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                   int spacing);

}  // namespace hm
