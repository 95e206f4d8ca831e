#include "skin/controls/skin_com_box.h"

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinComBox) {}

namespace {

constexpr int kButtonFrames = 4;

}  // namespace

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinComBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT: PaintSkin(nullptr); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouse_state_ |= kMousePressed;
      PaintSkin(nullptr);
      return;
    case WM_LBUTTONUP:
      mouse_state_ &= ~kMousePressed;
      PaintSkin(nullptr);
      return;
    // The framework sends no mouse-enter or -leave notifications: the
    // skin follows the pointer itself, as the button skins do.
    case WM_MOUSEMOVE:
      if (!tracking_leave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
        tracking_leave_ = TrackMouseEvent(&track) != FALSE;
      }
      if (!(mouse_state_ & kMouseHot)) SetHot(true);
      return;
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      SetHot(false);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: SetHot(m.Msg == CM_MOUSEENTER); return;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinComBox::SetHot(bool hot) {
  if (!enabled_) return;
  if (hot) mouse_state_ |= kMouseHot;
  else mouse_state_ &= ~kMouseHot;
  PaintSkin(nullptr);
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_) return;
  const TDataSkinBorder* button = skin_data_->BorderSection(ssComboButton);
  if (!button || button->Bitmap.Empty()) return;
  style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  ex_style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
  enabled_ = !(style_ & WS_DISABLED);
  focused_ = GetFocus() == handle_ || (GetFocus() && IsChild(handle_, GetFocus()));
  if (button->Style == 1) return DrawSimple(dc, rect, *button);

  const TDataSkinObject* edge = skin_data_->Section(ssSunkEdge);
  if (!edge || edge->Bitmap.Empty()) return;
  int state = 3;
  if (mouse_state_ & kMousePressed) state = 2;
  else if (focused_ || (mouse_state_ & kMouseHot)) state = 4;
  else if (enabled_) state = 1;
  const int w = Width(rect), h = Height(rect), e = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = ex_style_ & WS_EX_LEFTSCROLLBAR;
  const RECT text = left ? RECT{e + 4, 2, w - 2, h - 2} : RECT{2, 2, w - e - 4, h - 2};
  const RECT image = left ? RECT{0, 0, e + 2, h} : RECT{w - e - 2, 0, w, h};
  const RECT glyph = left ? RECT{2, 0, e + 2, h} : RECT{w - e - 2, 0, w - 2, h};
  // The mirrored strip holds its frames in reverse order too.
  const TBitmap& strip = left && !button->SecondBitmap.Empty() ? button->SecondBitmap : button->Bitmap;
  const int frame = &strip == &button->SecondBitmap ? kButtonFrames + 1 - state : state;
  SavedDCState saved(dc);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  DrawSkinImage(dc, rect, 4, state, *edge);
  DrawStripFrame(dc, image, kButtonFrames, frame, strip);
  last_button_frame_ = frame;
  const TDataSkinObject* extra = skin_data_->Section(ssExtraImages);
  if (!extra || extra->Bitmap.Empty()) return;
  const int fw = extra->Bitmap.Width() / 5, fh = extra->Bitmap.Height();
  const int x = glyph.left + (Width(glyph) - fw) / 2, y = glyph.top + (Height(glyph) - fh) / 2;
  DrawStripFrame(dc, RECT{x, y, x + fw, y + fh}, 5, state, extra->Bitmap);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, const TDataSkinObject& button) {
  int state = 1;
  if (mouse_state_ & kMousePressed) state = 2;
  else if (focused_ || (mouse_state_ & kMouseHot)) state = 4;
  else if (!enabled_) state = 3;
  auto* current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = rect;
  InflateRect(&ring, -1, -1);
  RECT inside = rect;
  InflateRect(&inside, -2, -2);
  inside.left = inside.right - GetSystemMetrics(SM_CYVTHUMB);
  if (current) {
    FrameRect(dc, &ring, current);
    FillRect(dc, &inside, current);
  }
  DrawStripFrame(dc, inside, kButtonFrames, state, button.Bitmap);
  last_button_frame_ = state;
  UniqueGdi<HBRUSH> shadow(CreateSolidBrush(ColorToRGB(skin_data_->Colours().ButtonShadowColor)));
  if (shadow) FrameRect(dc, &rect, shadow.get());
}

}  // namespace hm
