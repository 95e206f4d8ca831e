// One skinned scroll bar drawn from [Scrollbar] (the arrows), [HorzScroll]
// or [VertScroll] (the track) and [HorzScrollThumb] or [VertScrollThumb]:
// shared by the window scroll bars and the scroll bar controls.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>

#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/scroll_bar_layout.h"

namespace hm {

class TSkinData;

// The strips are made for bars of this thickness: the bar is composed at
// it and stretched to the real one.
constexpr int kSkinBarThickness = 16;

// The skin has the arrow strip every skinned bar needs.
bool HasScrollBarSkin(const TSkinData& data);

// The metrics the thumbs are measured with on this system.
TThumbMetrics SystemThumbMetrics();

// Draws bars, keeping what it composed: a bar is repainted at every scroll
// message and most of them change nothing but the thumb's place (or not
// even that), so the track with its arrows and the cut thumb are kept
// until their sizes or states change. One painter per bar.
class TSkinBarPainter {
 public:
  // Draws the bar into `rect` of dc; `bar_width` is SM_CXHSCROLL. Nothing
  // for a rectangle beyond 10000 pixels or without the arrow strip.
  void Draw(HDC dc, const RECT& rect, bool vertical, const TBarGeometry& g, int pressed_part, int bar_width,
            const TSkinData& data);
  // The skin was replaced: nothing kept may be shown again.
  void Forget();

 private:
  struct TLook {
    const TSkinData* data = nullptr;
    int length = 0;
    int bar_width = 0;
    bool vertical = false;
    int first_arrow = 0;
    int second_arrow = 0;
    bool operator==(const TLook&) const = default;
  };
  struct TThumbLook {
    int size = 0;
    int frame = 0;
    bool operator==(const TThumbLook&) const = default;
  };
  void MakeBackground(const TLook& look);
  void MakeThumb(const TLook& look, const TThumbLook& thumb, const RECT& place);

  TLook look_;
  TBitmap background_;  // track and arrows, no thumb
  TThumbLook thumb_look_;
  TBitmap thumb_;
  UniqueGdi<HBITMAP> thumb_mask_;  // set where the thumb is see-through
  UniqueMemoryDC mask_dc_;
  TBitmap bar_;  // the last bar composed
  TLook bar_look_;
  TPieceRect bar_thumb_;
  TThumbLook bar_thumb_look_;
  bool bar_valid_ = false;
};

}  // namespace hm
