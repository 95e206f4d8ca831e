// Windowed controls: bounds from the window, the client area and the
// layout of aligned children.
#include "framework/ui/base/win_control.h"

#include <algorithm>

#include "framework/ui/platform/win32_error.h"

namespace hm {

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (handle_) {
    // WM_WINDOWPOSCHANGED stores what the window really got.
    if (!SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE))
      RaiseLastWin32Error("SetWindowPos");
    if (Align() != alNone) RequestAlign();
  } else {
    TControl::SetBounds(left, top, width, height);
  }
}

void TWinControl::BoundsChanged() { AlignControls(); }

void TWinControl::UpdateBoundsFromWindow() {
  RECT r;
  if (!handle_ || !GetWindowRect(handle_, &r)) return;
  HWND parent = GetParent(handle_);
  if (parent && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  const bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (resized) AlignControls();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, 0, 0};
  if (handle_ && GetClientRect(handle_, &r)) return r;
  // Without a window: the frame the window would have.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.style, FALSE, params.ex_style);
  return RECT{0, 0, std::max(0, Width() - static_cast<int>(frame.right - frame.left)), std::max(0, Height() - static_cast<int>(frame.bottom - frame.top))};
}

void TWinControl::AlignControls() {
  if (aligning_ || Loading()) return;
  aligning_ = true;
  try {
    RECT area = ClientRect();
    AdjustClientRect(area);
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
      for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != pass || !c->Visible()) continue;
        const int w = area.right - area.left, h = area.bottom - area.top;
        switch (pass) {
          case alTop:
            c->SetBounds(area.left, area.top, w, c->Height());
            area.top += c->Height();
            break;
          case alBottom:
            c->SetBounds(area.left, area.bottom - c->Height(), w, c->Height());
            area.bottom -= c->Height();
            break;
          case alLeft:
            c->SetBounds(area.left, area.top, c->Width(), h);
            area.left += c->Width();
            break;
          case alRight:
            c->SetBounds(area.right - c->Width(), area.top, c->Width(), h);
            area.right -= c->Width();
            break;
          case alClient: c->SetBounds(area.left, area.top, std::max(0, w), std::max(0, h)); break;
          case alNone: break;
        }
      }
    }
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

POINT TWinControl::ClientToScreen(POINT p) const {
  if (!handle_) return TControl::ClientToScreen(p);
  ::ClientToScreen(handle_, &p);
  return p;
}

POINT TWinControl::ScreenToClient(POINT p) const {
  if (!handle_) return TControl::ScreenToClient(p);
  ::ScreenToClient(handle_, &p);
  return p;
}

}  // namespace hm
