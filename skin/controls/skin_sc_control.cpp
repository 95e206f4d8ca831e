#include "skin/controls/skin_sc_control.h"

#include "framework/core/typinfo.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_scroll_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinScControl) {}

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

bool TSkinScControl::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case SBM_SETSCROLLINFO:
      CallDefault(m);
      PaintSkin(nullptr);
      return false;
    case CN_HSCROLL:
    case CN_VSCROLL: {
      const bool vertical = m.Msg == CN_VSCROLL;
      switch (LOWORD(m.WParam)) {
        case SB_LINEUP: pressed_part_ = vertical ? kPartUpArrow : kPartLeftArrow; break;
        case SB_LINEDOWN: pressed_part_ = vertical ? kPartDownArrow : kPartRightArrow; break;
        case SB_THUMBTRACK: pressed_part_ = vertical ? kPartVertThumb : kPartHorzThumb; break;
        default: pressed_part_ = kPartNone; break;
      }
      CallDefault(m);
      if (!ComponentState().Contains(csDestroying)) PaintSkin(nullptr);
      return false;
    }
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinScControl::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_ || !HasScrollBarSkin(*skin_data_)) return;
  const bool vertical = GetPropEnumName("Kind") == "sbVertical";
  const TThumbMetrics metrics = SystemThumbMetrics();
  ControlBarGeometry(vertical ? Height(rect) : Width(rect), metrics, GetPropInt("Min"), GetPropInt("Max"),
                     GetPropInt("PageSize"), GetPropInt("Position"), geometry_);
  painter_.Draw(dc, rect, vertical, geometry_, pressed_part_, metrics.bar_width, *skin_data_);
}

void TSkinScControl::SkinChanged() {
  painter_.Forget();
  TSkinControl::SkinChanged();
}

}  // namespace hm
