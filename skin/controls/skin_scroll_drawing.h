// One skinned scroll bar drawn from [Scrollbar] (the arrows), [HorzScroll]
// or [VertScroll] (the track) and [HorzScrollThumb] or [VertScrollThumb]:
// shared by the window scroll bars and the scroll bar controls.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/scroll_bar_layout.h"

namespace hm {

class TSkinData;

// The strips are made for bars of this thickness: the bar is composed at
// it and stretched to the real one.
constexpr int kSkinBarThickness = 16;

// The skin has the arrow strip every skinned bar needs.
bool HasScrollBarSkin(const TSkinData& data);

// Draws the bar into `rect` of dc. `work` is the caller's off-screen
// bitmap (kept between paints); `bar_width` is SM_CXHSCROLL. Nothing for a
// rectangle beyond 10000 pixels or without the arrow strip.
void DrawSkinBar(HDC dc, const RECT& rect, bool vertical, const TBarGeometry& g, int pressed_part, int bar_width,
                 const TSkinData& data, TBitmap& work);

// The metrics the thumbs are measured with on this system.
TThumbMetrics SystemThumbMetrics();

}  // namespace hm
