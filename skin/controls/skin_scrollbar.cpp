#include "skin/controls/skin_scrollbar.h"

#include <windowsx.h>

#include "framework/core/typinfo.h"
#include "framework/ui/base/control.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/controls/skin_scroll_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinScrollbar) {}

namespace {

constexpr int kFarOff = 10000;

bool HasArea(const TPieceRect& r) { return r.Width() > 0 && r.Height() > 0; }

// Set for the length of one scroll message.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) noexcept : flag_(flag) { flag_ = true; }
  ~TFlagScope() { flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
};

int PartOfScrollCode(int code, bool vertical) {
  switch (code) {
    case SB_LINEUP: return vertical ? kPartUpArrow : kPartLeftArrow;
    case SB_LINEDOWN: return vertical ? kPartDownArrow : kPartRightArrow;
    case SB_THUMBTRACK: return vertical ? kPartVertThumb : kPartHorzThumb;
    default: return kPartNone;
  }
}

}  // namespace

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {
  for (SCROLLINFO& info : scroll_info_) info.cbSize = sizeof info;
}

void TSkinScrollbar::InitScrollbarSkin(TControl* control, TSkinData& data, bool handle_nc_buttons,
                                       IControlSkinHost* form_skin, TCanvas* canvas) {
  if (attached_ || !control || control != Owner()) return;
  InitSkin(form_skin, data, false, canvas);
  if (attached_) SetUp(handle_nc_buttons);
}

void TSkinScrollbar::InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinHandle(handle, data, form_skin, canvas);
  if (attached_) SetUp(false);
}

void TSkinScrollbar::SetUp(bool handle_nc_buttons) {
  dragging_ = in_hscroll_ = in_vscroll_ = false;
  for (SCROLLINFO& info : scroll_info_) info.cbSize = sizeof info;
  handle_nc_buttons_ = handle_nc_buttons;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::UnSkin() {
  TSkinControl::UnSkin();
  // Later, when the skin is gone: now it would paint itself again.
  if (handle_ && IsWindow(handle_)) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::SkinChanged() {
  horz_painter_.Forget();
  vert_painter_.Forget();
  TSkinControl::SkinChanged();
}

// ---- Messages

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: CallDefault(m); return false;
    case WM_NCMOUSEMOVE:
      // The system would light its own arrows under the pointer.
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) return false;
      return true;
    case WM_NCLBUTTONDOWN:
      if (handle_nc_buttons_ && (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL)) {
        const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        if (PressOnBar(m.WParam == HTVSCROLL, at)) return false;
      }
      return true;
    case WM_HSCROLL: ScrollMessage(m, false); return false;
    case WM_VSCROLL: ScrollMessage(m, true); return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE: Redraw(); return;
    // The system has just drawn its own bars.
    case WM_NCPAINT:
    case WM_PAINT: PaintSkin(nullptr); return;
    // The system's own tracking of an arrow or page press has ended; it
    // may have drawn its bar last.
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) PaintSkin(nullptr);
      return;
    case WM_PRINT:
      if (m.WParam && (m.LParam & PRF_NONCLIENT)) PaintSkin(reinterpret_cast<HDC>(m.WParam));
      return;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinScrollbar::ScrollMessage(TMessage& m, bool vertical) {
  pressed_part_ = PartOfScrollCode(LOWORD(m.WParam), vertical);
  {
    TFlagScope scrolling(vertical ? in_vscroll_ : in_hscroll_);
    CallDefault(m);
  }
  if (ComponentState().Contains(csDestroying)) return;
  PaintSkin(nullptr);
}

// ---- Pressing and dragging

bool TSkinScrollbar::PressOnBar(bool vertical, POINT screen) {
  if (!skin_data_ || !HasScrollBarSkin(*skin_data_)) return false;
  RECT window;
  if (!GetWindowRect(handle_, &window)) return false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  Measure(style, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)));
  if (vertical ? !place_.vert : !place_.horz) return false;
  const TPieceRect& bar = vertical ? place_.vert_rect : place_.horz_rect;
  const int c = vertical ? screen.y - window.top - bar.top : screen.x - window.left - bar.left;
  if (HitBar(c, geometry_[vertical ? 1 : 0]) != TBarHit::Thumb) return false;
  pressed_part_ = vertical ? kPartVertThumb : kPartHorzThumb;
  PaintSkin(nullptr);
  ThumbDrag(vertical, screen);
  return true;
}

void TSkinScrollbar::ThumbDrag(bool vertical, POINT start) {
  HWND window = handle_;
  const int index = vertical ? 1 : 0;
  const int bar = vertical ? SB_VERT : SB_HORZ;
  const UINT scroll = vertical ? WM_VSCROLL : WM_HSCROLL;
  const SCROLLINFO& held = scroll_info_[index];
  const TScrollData info{held.nMin, held.nMax, static_cast<int>(held.nPage), held.nPos, held.nTrackPos};
  const int start_thumb = geometry_[index].thumb_pos;
  int position = held.nPos;
  SetCapture(window);
  dragging_ = true;
  auto finish = [&] {
    dragging_ = false;
    SendMessageW(window, scroll, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
    PostMessageW(window, scroll, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
  };
  while (dragging_) {
    if (state_ == kControlSkinDead || !IsWindow(window)) {
      dragging_ = false;
      break;
    }
    if (GetCapture() != window) {  // taken away: the drag ends where it stands
      finish();
      break;
    }
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    switch (msg.message) {
      case WM_QUIT:
        PostQuitMessage(static_cast<int>(msg.wParam));
        finish();
        break;
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE: {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        if (msg.message == WM_MOUSEMOVE) ClientToScreen(msg.hwnd, &at);
        const TDragStep step =
            ThumbDragStep(start_thumb, vertical ? at.y - start.y : at.x - start.x, geometry_[index], info);
        if (step.position == position || !dragging_) break;
        position = step.position;
        SCROLLINFO set{};
        set.cbSize = sizeof set;
        set.fMask = SIF_POS;
        set.nPos = position;
        SetScrollInfo(window, bar, &set, FALSE);
        geometry_[index].thumb_pos = step.offset;
        SendMessageW(window, scroll, MAKEWPARAM(SB_THUMBTRACK, position), 0);
        break;
      }
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP: finish(); break;
      default:
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        break;
    }
  }
  if (GetCapture() == window) ReleaseCapture();
}

// ---- Painting

void TSkinScrollbar::Measure(DWORD style, DWORD ex_style) {
  RECT window, client;
  if (!GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client)) return;
  TBarsFrame frame;
  frame.width = Width(window);
  frame.height = Height(window);
  frame.client_width = client.right;
  frame.client_height = client.bottom;
  frame.bar_width = GetSystemMetrics(SM_CXHSCROLL);
  frame.edge = GetSystemMetrics(SM_CXEDGE);
  frame.horz = style & WS_HSCROLL;
  frame.vert = style & WS_VSCROLL;
  frame.left_bar = ex_style & WS_EX_LEFTSCROLLBAR;
  place_ = PlaceBars(frame);
  if (dragging_) return;  // the drag places the thumb
  if (place_.horz) ReadGeometry(false, place_.horz_rect.Width());
  if (place_.vert) ReadGeometry(true, place_.vert_rect.Height());
}

void TSkinScrollbar::ReadGeometry(bool vertical, int length) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(handle_, vertical ? SB_VERT : SB_HORZ, &info)) return;
  const TScrollData data{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
  const int index = vertical ? 1 : 0;
  if (WindowBarGeometry(length, SystemThumbMetrics(), data, geometry_[index])) scroll_info_[index] = info;
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_ || !handle_ || !HasScrollBarSkin(*skin_data_)) return;
  style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  ex_style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
  DWORD style = style_;
  if (in_vscroll_) style |= WS_VSCROLL;
  if (in_hscroll_) style |= WS_HSCROLL;
  if (!(style & (WS_HSCROLL | WS_VSCROLL))) return;
  if (rect.left > kFarOff || rect.top > kFarOff) return;
  Measure(style, ex_style_);
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  // A bar whose scroll message is running is the control's to draw.
  if (place_.horz && !in_hscroll_ && HasArea(place_.horz_rect))
    horz_painter_.Draw(dc, ToRect(place_.horz_rect), false, geometry_[0], pressed_part_, b, *skin_data_);
  if (place_.vert && !in_vscroll_ && HasArea(place_.vert_rect))
    vert_painter_.Draw(dc, ToRect(place_.vert_rect), true, geometry_[1], pressed_part_, b, *skin_data_);
  if (place_.size_box) FillBackground(dc, ToRect(place_.size_box_rect));
}

}  // namespace hm
