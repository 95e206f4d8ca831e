#include "skin/controls/skin_track_bar.h"

#include <commctrl.h>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/messages.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinTrackBar) {}

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return false;
  }
  if (m.Msg != WM_NOTIFY && m.Msg != CN_NOTIFY) return TSkinControl::BeforeMessage(m);
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
  if (!draw || draw->hdr.code != static_cast<UINT>(NM_CUSTOMDRAW)) return true;
  if (draw->dwDrawStage == CDDS_PREPAINT) {
    m.Result = CDRF_NOTIFYITEMDRAW;
  } else if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
    if (draw->dwItemSpec == TBCD_THUMB) {
      try {
        DrawThumb(draw->hdc);
      } catch (...) {
      }
      m.Result = CDRF_SKIPDEFAULT;
    } else {
      m.Result = CDRF_DODEFAULT;
    }
  }
  return false;
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  if (!dc || !skin_data_) return;
  RECT thumb{};
  SendMessageW(handle_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  if (thumb.right <= thumb.left || thumb.bottom <= thumb.top) return;
  ++thumbs_drawn_;
  const bool vertical = (GetWindowLongPtrW(handle_, GWL_STYLE) & TBS_VERT) != 0;
  const TDataSkinObject* d = vertical ? skin_data_->Section(ssTrackbarThumbVert) : nullptr;
  if (!d || d->Bitmap.Empty()) d = skin_data_->Section(ssTrackbarThumbHorz);
  if (d && !d->Bitmap.Empty()) {
    DrawStripFrame(dc, thumb, 5, 2, d->Bitmap);
    return;
  }
  // No image: a plain thumb in the skin's colours.
  const TSkinColours& c = skin_data_->Colours();
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ColorToRGB(c.ButtonShadowColor)));
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(c.ButtonFaceColor)));
  if (!pen || !brush) return;
  SelectScope select_pen(dc, pen.get());
  SelectScope select_brush(dc, brush.get());
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

}  // namespace hm
