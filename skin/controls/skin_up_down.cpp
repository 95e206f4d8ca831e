#include "skin/controls/skin_up_down.h"

#include <commctrl.h>

#include <utility>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinUpDown) {}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: PaintOnWmPaint(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(m);
      mouse_state_ |= kMousePressed;
      PaintSkin(nullptr);
      return false;
    case WM_LBUTTONUP:
      mouse_state_ &= ~kMousePressed;
      CallDefault(m);
      PaintSkin(nullptr);
      return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

// Hover is ours to follow: nothing else tells a spin button's skin.
void TSkinUpDown::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (!tracking_leave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
        tracking_leave_ = TrackMouseEvent(&track) != FALSE;
      }
      mouse_state_ |= kMouseHot;
      PaintSkin(nullptr);  // the half under the cursor may have changed
      return;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      mouse_state_ &= ~kMouseHot;
      PaintSkin(nullptr);
      return;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT&) {
  if (!skin_data_ || !dc || !handle_) return;
  RECT client{};
  if (!GetClientRect(handle_, &client) || client.right <= 0 || client.bottom <= 0) return;
  if (face_bitmap_.Width() != client.right || face_bitmap_.Height() != client.bottom)
    face_bitmap_.SetSize(client.right, client.bottom);
  HDC out = face_bitmap_.Canvas().Handle();
  FillBackground(out, client);
  RECT area = client;
  if (inset_) InflateRect(&area, -1, -1);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  enabled_ = !(style & WS_DISABLED);
  POINT cursor{-1, -1};
  if (GetCursorPos(&cursor)) ScreenToClient(handle_, &cursor);

  TUpDownLook look;
  look.horizontal = horizontal_ || (style & UDS_HORZ);
  look.pressed = mouse_state_ & kMousePressed;
  look.hot = mouse_state_ & kMouseHot;
  look.enabled = enabled_;
  look.cursor_x = cursor.x;
  look.cursor_y = cursor.y;
  const TUpDownPlace place = PlaceUpDown(TPieceRect{area.left, area.top, area.right, area.bottom}, look);
  last_place_ = place;

  const TDataSkinBorder* d = skin_data_->BorderSection(look.horizontal ? ssUpDownHorz : ssUpDownVert);
  if (d && !d->Bitmap.Empty()) {
    for (const auto& [half, frame] : {std::pair{place.first, place.first_frame}, {place.second, place.second_frame}}) {
      DrawStripFrame(out, ToRect(half), 8, frame, d->Bitmap);
      const TBitmap& glyph = d->SecondBitmap;
      if (glyph.Empty()) continue;
      const int gw = glyph.Width() / 8, gh = glyph.Height();
      const int x = half.left + (half.Width() - gw) / 2, y = half.top + (half.Height() - gh) / 2;
      DrawStripFrame(out, RECT{x, y, x + gw, y + gh}, 8, frame, glyph);
    }
  } else {
    DrawPlainHalf(out, place.first, place.first_frame, look.horizontal, true);
    DrawPlainHalf(out, place.second, place.second_frame - 4, look.horizontal, false);
  }
  GdiFlush();
  BitBlt(dc, 0, 0, client.right, client.bottom, out, 0, 0, SRCCOPY);
}

// A box in the skin's colours with a small arrow in the middle.
void TSkinUpDown::DrawPlainHalf(HDC dc, const TPieceRect& half, int state, bool horizontal, bool first) {
  if (half.Width() <= 0 || half.Height() <= 0) return;
  const TSkinColours& c = skin_data_->Colours();
  const bool lit = state == 2 || state == 4;
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ColorToRGB(c.ButtonDkShadowColor)));
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(lit ? c.ButtonShadowColor : c.ButtonFaceColor)));
  if (!pen || !brush) return;
  SelectScope select_pen(dc, pen.get());
  SelectScope select_brush(dc, brush.get());
  Rectangle(dc, half.left, half.top, half.right, half.bottom);
  // The arrow: four rows (or columns) narrowing to its point.
  UniqueGdi<HPEN> arrow(CreatePen(PS_SOLID, 1, ColorToRGB(state == 3 ? c.ButtonShadowColor : c.ButtonDkShadowColor)));
  if (!arrow) return;
  SelectScope select_arrow(dc, arrow.get());
  const int cx = half.left + half.Width() / 2, cy = half.top + half.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    const int reach = first ? i : 3 - i;  // the point first for up and left
    if (horizontal) {
      const int x = cx - 2 + i;
      MoveToEx(dc, x, cy - reach, nullptr);
      LineTo(dc, x, cy + reach + 1);
    } else {
      const int y = cy - 2 + i;
      MoveToEx(dc, cx - reach, y, nullptr);
      LineTo(dc, cx + reach + 1, y);
    }
  }
}

}  // namespace hm
