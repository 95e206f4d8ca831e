#include "skin/controls/skin_button.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinButton) {}

namespace {

constexpr COLORREF kDisabledText = 0x808080;

}  // namespace

TColor FaceTextColour(const TDataSkinButton& d, int face, TColor otherwise) {
  if (face == kFaceNormal && d.HasNormalColour2) return d.NormalColour2;
  if (face == kFaceHot && d.HasMouseOverColour2) return d.MouseOverColour2;
  if (face == kFacePressed && d.HasPressedColour2) return d.PressedColour2;
  return otherwise;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

TSkinButton::~TSkinButton() { ReleaseMouse(); }

const TDataSkinButton* TSkinButton::FaceDefinition() const {
  if (!skin_data_) return nullptr;
  const TDataSkinButton& d = skin_data_->Buttons();
  return d.Bitmap.Empty() ? nullptr : &d;
}

int TSkinButton::FaceFrameCount() const {
  const TDataSkinButton* d = FaceDefinition();
  return d && d->FrameCount > 0 ? d->FrameCount : 5;
}

// ---- Messages

bool TSkinButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: PaintOnWmPaint(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != handle_) SetFocus(handle_);
      mouse_state_ |= kMousePressed;
      // Released elsewhere it still clicks: the release must come to us.
      if (handle_ && GetCapture() != handle_) SetCapture(handle_);
      captured_ = handle_ && GetCapture() == handle_;
      PaintSkin(nullptr);
      return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        mouse_state_ |= kMousePressed;
        RepaintFace();
      }
      return;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        mouse_state_ &= ~kMousePressed;
        RepaintFace();
      }
      return;
    case WM_MOUSEMOVE: MouseMoved(); return;
    case WM_LBUTTONUP: {
      if (!(mouse_state_ & kMousePressed)) return;
      mouse_state_ &= ~kMousePressed;
      ReleaseMouse();
      // Let go outside: no longer hot either.
      POINT p;
      RECT r;
      if (handle_ && GetCursorPos(&p) && GetWindowRect(handle_, &r) && !PtInRect(&r, p)) {
        mouse_state_ &= ~kMouseHot;
        if (form_skin_ && form_skin_->HotNativeButton() == this) form_skin_->SetHotNativeButton(nullptr);
      }
      RepaintFace();
      ClickControl();
      return;
    }
    case WM_MOUSELEAVE:
      tracking_leave_ = false;
      // While the press holds the mouse the leave waits for the release.
      if (!captured_) MouseLeft();
      return;
    case WM_CAPTURECHANGED:
      if (captured_ && reinterpret_cast<HWND>(m.LParam) != handle_) {
        captured_ = false;
        if (mouse_state_ & kMousePressed) {
          mouse_state_ &= ~kMousePressed;
          RepaintFace();
        }
      }
      return;
    case CM_MOUSEENTER:
      if (!enabled_) return;
      mouse_state_ |= kMouseHot;
      RepaintFace();
      if (form_skin_) form_skin_->SetHotNativeButton(this);
      return;
    case CM_MOUSELEAVE: MouseLeft(); return;
    case BM_SETSTYLE:
    case BM_SETSTATE:
      // The system drew its own face for these.
      RepaintFace();
      return;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinButton::MouseMoved() {
  if (mouse_state_ & kMouseHot) return;
  mouse_state_ |= kMouseHot;
  TrackLeave();
  TSkinControl* hot = form_skin_ ? form_skin_->HotNativeButton() : nullptr;
  if (hot && hot != this) {
    if (HWND other = hot->Handle()) {
      SendMessageW(other, CM_MOUSELEAVE, 0, 0);
    } else if (TControl* graphic = hot->GraphicControl()) {
      graphic->Perform(CM_MOUSELEAVE);
    }
  }
  if (!form_skin_ || form_skin_->HotNativeButton() != this) {
    RepaintFace();
    if (form_skin_) form_skin_->SetHotNativeButton(this);
  }
}

void TSkinButton::MouseLeft() {
  // A disabled button has nothing to clear unless it was hot before.
  if (!enabled_ && mouse_state_ == 0) return;
  mouse_state_ &= ~(kMouseHot | kMousePressed);
  ReleaseMouse();
  RepaintFace();
  if (form_skin_ && form_skin_->HotNativeButton() == this) form_skin_->SetHotNativeButton(nullptr);
}

void TSkinButton::TrackLeave() {
  if (tracking_leave_ || !handle_) return;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
  tracking_leave_ = TrackMouseEvent(&track) != FALSE;
}

void TSkinButton::ReleaseMouse() {
  if (!captured_) return;
  captured_ = false;
  if (handle_ && GetCapture() == handle_) ReleaseCapture();
}

// The way the system's own button clicks: its notification to the parent,
// which the framework hands back to the control as its click. Sent, not
// posted, for framework controls, so a form freed by the click goes only
// when the parent's message is over.
void TSkinButton::ClickControl() {
  if (!handle_) return;
  HWND parent = GetParent(handle_);
  const auto id = static_cast<WORD>(GetDlgCtrlID(handle_));
  const WPARAM w = MAKEWPARAM(id, BN_CLICKED);
  const auto l = reinterpret_cast<LPARAM>(handle_);
  if (control_) {
    if (parent) {
      SendMessageW(parent, WM_COMMAND, w, l);
    } else {
      control_->Perform(CN_COMMAND, w, l);
    }
    return;
  }
  if (parent) PostMessageW(parent, WM_COMMAND, w, l);
}

// ---- Drawing

void TSkinButton::ReadWindowState() {
  focused_ = handle_ && GetFocus() == handle_;
  enabled_ = !(GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED);
  caption_ = WindowText(handle_);
  if (caption_.empty() && control_) caption_ = GetPropString("Caption");
}

void TSkinButton::CopyFace(HDC dc, const RECT& rect) {
  BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), face_bitmap_.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* d = FaceDefinition();
  if (!d || !dc || Width(rect) <= 0 || Height(rect) <= 0) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  ReadWindowState();
  TButtonLook look;
  look.pressed = mouse_state_ & kMousePressed;
  look.hot = mouse_state_ & kMouseHot;
  look.is_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  look.focused = focused_;
  look.enabled = enabled_;
  const int face = PushButtonFace(look);
  last_face_ = face;

  const RECT at{0, 0, Width(rect), Height(rect)};
  if (face_bitmap_.Width() != at.right || face_bitmap_.Height() != at.bottom) face_bitmap_.SetSize(at.right, at.bottom);
  HDC out = face_bitmap_.Canvas().Handle();
  FillBackground(out, at);
  DrawSkinImage(out, at, FaceFrameCount(), face, *d);

  auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  HGDIOBJ old_font = font ? SelectObject(out, font) : nullptr;
  const TSkinColours& colours = skin_data_->Colours();
  COLORREF text = ColorToRGB(FaceTextColour(*d, face, colours.ButtonTextColor));
  if (!enabled_) text = kDisabledText;
  SetTextColor(out, text);
  SetBkMode(out, TRANSPARENT);
  RECT measured = at;
  SkinDrawText(out, caption_, measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_CENTER);
  const int tw = Width(measured), th = Height(measured);
  RECT t{0, 0, tw, th};
  OffsetRect(&t, (at.right - tw) / 2, (at.bottom - th) / 2 - 1);
  SkinDrawText(out, caption_, t, DT_CENTER | DT_EXPANDTABS);
  if (old_font) SelectObject(out, old_font);
  GdiFlush();
  CopyFace(dc, rect);
}

}  // namespace hm
