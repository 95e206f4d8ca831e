#include "skin/controls/skin_sizer.h"

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinSizer) {}

TSkinSizer::TSkinSizer(TComponent* owner) : TSkinControl(owner) {}

bool TSkinSizer::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: PaintOnWmPaint(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_) return;
  // Nobody else paints the inside once the erase is refused.
  FillBackground(dc, rect);
  UniqueGdi<HBRUSH> shadow(CreateSolidBrush(ColorToRGB(skin_data_->Colours().ButtonShadowColor)));
  if (shadow) FrameRect(dc, &rect, shadow.get());
}

}  // namespace hm
