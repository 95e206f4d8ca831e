#include "editors/edit_button_control.h"

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"

namespace hm {

HM_PUBLISH(TEditButtonControlEh) {}
HM_PUBLISH(TEditButtonSeparatorEh) {}

namespace {

POINT PointOf(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

void FillColor(HDC dc, const RECT& r, TColor color) {
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &r, brush.get());
}

}  // namespace

TEditButtonControlEh::TEditButtonControlEh(TComponent* owner) : TCustomControl(owner) {
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TEditButtonControlEh::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.class_name = L"HaomisoEditButton";
  params.style &= ~static_cast<DWORD>(WS_TABSTOP);
}

void TEditButtonControlEh::Follow(const TEditButtonEh& button, bool flat) {
  style_ = button.Style();
  flat_ = flat;
  glyph_ = button.Glyph();
  num_glyphs_ = button.NumGlyphs();
  SetVisible(button.Visible());
  Invalidate();
}

void TEditButtonControlEh::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  Invalidate();
}

void TEditButtonControlEh::SetAlwaysDown(bool value) {
  if (value == always_down_) return;
  always_down_ = value;
  Invalidate();
}

void TEditButtonControlEh::DrawFace(HDC dc, RECT r, bool down) {
  const bool enabled = Enabled() && (!Parent() || Parent()->Enabled());
  if (flat_ && !active_) {
    // Without the editor's border a flat button sits one pixel inside,
    // framed in the editor's colour.
    UniqueGdi<HBRUSH> frame(CreateSolidBrush(ColorToRGB(Parent() ? Parent()->Color() : clWindow)));
    FrameRect(dc, &r, frame.get());
    InflateRect(&r, -1, -1);
  }
  const UINT flat = flat_ ? DFCS_FLAT : 0;
  const UINT pushed = down ? DFCS_PUSHED : 0;
  const UINT inactive = enabled ? 0 : DFCS_INACTIVE;
  switch (style_) {
    case ebsDropDownEh:
      DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | pushed | flat | inactive);
      return;
    case ebsUpDownEh: {
      RECT top = r, bottom = r;
      top.bottom = bottom.top = r.top + (r.bottom - r.top) / 2;
      const bool top_down = down && last_top_;
      DrawFrameControl(dc, &top, DFC_SCROLL, DFCS_SCROLLUP | (top_down ? DFCS_PUSHED : 0) | flat | inactive);
      DrawFrameControl(dc, &bottom, DFC_SCROLL,
                       DFCS_SCROLLDOWN | (down && !last_top_ ? DFCS_PUSHED : 0) | flat | inactive);
      return;
    }
    default: break;
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | pushed | flat);
  const int shift = down ? 1 : 0;
  const int cx = (r.left + r.right) / 2 + shift, cy = (r.top + r.bottom) / 2 + shift;
  const TColor ink = enabled ? clBtnText : clGrayText;
  switch (style_) {
    case ebsEllipsisEh: {
      // Three dots that fit the narrow flat buttons too.
      const int size = r.right - r.left >= 12 ? 2 : 1;
      const int gap = size + 1;
      for (int i = -1; i <= 1; ++i) {
        const RECT dot{cx + i * gap - size / 2, cy, cx + i * gap - size / 2 + size, cy + size};
        FillColor(dc, dot, ink);
      }
      break;
    }
    case ebsPlusEh:
    case ebsMinusEh: {
      const RECT bar{cx - 3, cy - 1, cx + 4, cy + 1};
      FillColor(dc, bar, ink);
      if (style_ == ebsPlusEh) FillColor(dc, RECT{cx - 1, cy - 3, cx + 1, cy + 4}, ink);
      break;
    }
    case ebsGlyphEh:
      if (glyph_ && !glyph_->Empty()) {
        TCanvas canvas;
        canvas.SetHandle(dc);
        const SIZE size = GlyphSize(*glyph_, num_glyphs_);
        DrawGlyph(canvas, cx - size.cx / 2, cy - size.cy / 2, *glyph_, num_glyphs_,
                  !enabled ? TGlyphState::Disabled : down ? TGlyphState::Pressed : TGlyphState::Normal);
        canvas.SetHandle(nullptr);
      }
      break;
    default: break;
  }
}

void TEditButtonControlEh::Paint() {
  HDC dc = Canvas().Handle();
  RECT r = ClientRect();
  FillColor(dc, r, Parent() ? Parent()->Color() : clWindow);
  DrawFace(dc, r, always_down_ || Pressed());
}

void TEditButtonControlEh::Track(POINT client) {
  const RECT r = ClientRect();
  const bool over = PtInRect(&r, client) != FALSE;
  if (over == over_) return;
  over_ = over;
  Invalidate();
}

void TEditButtonControlEh::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT p = PointOf(message.LParam);
      pressed_ = true;
      over_ = true;
      last_top_ = p.y < Height() / 2;
      SetCapture(Handle());
      Invalidate();
      if (handlers_.Down) handlers_.Down(last_top_);
      return;
    }
    case WM_MOUSEMOVE: {
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      if (handlers_.MouseMove) handlers_.MouseMove();
      if (!pressed_) return;
      const POINT p = PointOf(message.LParam);
      Track(p);
      POINT screen = p;
      ::ClientToScreen(Handle(), &screen);
      if (handlers_.Drag) handlers_.Drag(screen);
      return;
    }
    case WM_LBUTTONUP: {
      if (!pressed_) return;
      const POINT p = PointOf(message.LParam);
      Track(p);
      const bool click = over_;
      pressed_ = false;
      over_ = false;
      if (GetCapture() == Handle()) ReleaseCapture();
      Invalidate();
      POINT screen = p;
      ::ClientToScreen(Handle(), &screen);
      if (click && handlers_.Click) handlers_.Click();
      else if (handlers_.Up) handlers_.Up(screen);
      return;
    }
    case WM_CAPTURECHANGED:
      if (pressed_ && reinterpret_cast<HWND>(message.LParam) != Handle()) {
        pressed_ = false;
        over_ = false;
        Invalidate();
      }
      return;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (handlers_.MouseLeave) handlers_.MouseLeave();
      return;
    default: break;
  }
  TCustomControl::WndProc(message);
}

// ---- Separator

TEditButtonSeparatorEh::TEditButtonSeparatorEh(TComponent* owner) : TCustomControl(owner) { SetParentColor(false); }

void TEditButtonSeparatorEh::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.class_name = L"HaomisoEditSeparator";
  params.style &= ~static_cast<DWORD>(WS_TABSTOP);
}

void TEditButtonSeparatorEh::SetLineColor(TColor color) {
  if (color == line_color_) return;
  line_color_ = color;
  Invalidate();
}

void TEditButtonSeparatorEh::Paint() { FillColor(Canvas().Handle(), ClientRect(), line_color_); }

}  // namespace hm
