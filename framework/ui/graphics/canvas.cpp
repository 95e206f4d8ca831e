#include "framework/ui/graphics/canvas.h"

#include "framework/core/text.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {
// Keep the destination (the "D" raster operation).
constexpr DWORD kDestinationCopy = 0x00AA0029;
}  // namespace

TCanvas::TCanvas() {
  // A changed object may not stay selected: its handle is about to go.
  font_.OnChanging = [this](TGraphicsObject&) {
    if (dc_ && selected_font_) {
      SelectObject(dc_, old_font_);
      selected_font_ = nullptr;
    }
  };
  brush_.OnChanging = [this](TGraphicsObject&) {
    if (dc_ && selected_brush_) {
      SelectObject(dc_, old_brush_);
      selected_brush_ = nullptr;
    }
  };
  pen_.OnChanging = [this](TGraphicsObject&) {
    if (dc_ && selected_pen_) {
      SelectObject(dc_, old_pen_);
      selected_pen_ = nullptr;
    }
  };
}

TCanvas::~TCanvas() { Deselect(); }

HDC TCanvas::Handle() {
  if (!dc_) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::Deselect() {
  if (!dc_) return;
  if (selected_pen_) SelectObject(dc_, old_pen_);
  if (selected_brush_) SelectObject(dc_, old_brush_);
  if (selected_font_) SelectObject(dc_, old_font_);
  selected_pen_ = nullptr;
  selected_brush_ = nullptr;
  selected_font_ = nullptr;
}

void TCanvas::Require(bool pen, bool brush, bool font) {
  HDC dc = Handle();
  if (!dc) throw Exception("Canvas does not allow drawing");
  if (pen && selected_pen_ != pen_.Handle()) {
    HGDIOBJ old = SelectObject(dc, pen_.Handle());
    if (!selected_pen_) old_pen_ = old;
    selected_pen_ = pen_.Handle();
  }
  if (brush) {
    if (selected_brush_ != brush_.Handle()) {
      HGDIOBJ old = SelectObject(dc, brush_.Handle());
      if (!selected_brush_) old_brush_ = old;
      selected_brush_ = brush_.Handle();
    }
    // Text background and hatch background follow the brush.
    SetBkColor(dc, ColorToRGB(brush_.Color()));
    SetBkMode(dc, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);
  }
  if (font) {
    if (selected_font_ != font_.Handle()) {
      HGDIOBJ old = SelectObject(dc, font_.Handle());
      if (!selected_font_) old_font_ = old;
      selected_font_ = font_.Handle();
    }
    SetTextColor(dc, ColorToRGB(font_.Color()));
  }
}

void TCanvas::MoveTo(int x, int y) {
  MoveToEx(Handle(), x, y, nullptr);
  pen_pos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  Require(true, true, false);
  ::LineTo(Handle(), x, y);
  pen_pos_ = {x, y};
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Require(true, true, false);
  ::Rectangle(Handle(), left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  Require(true, true, false);
  ::Ellipse(Handle(), left, top, right, bottom);
}

void TCanvas::FillRect(const RECT& r) {
  Require(false, true, false);
  ::FillRect(Handle(), &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  Require(false, true, false);
  ::FrameRect(Handle(), &r, brush_.Handle());
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  Require(false, true, true);
  const std::wstring wide = Widen(text);
  ExtTextOutW(Handle(), x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
  pen_pos_.x = x + TextWidth(text);
}

void TCanvas::TextRect(const RECT& r, int x, int y, std::string_view text) {
  Require(false, true, true);
  const std::wstring wide = Widen(text);
  UINT options = ETO_CLIPPED;
  if (brush_.Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutW(Handle(), x, y, options, &r, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  Require(false, false, true);
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(Handle(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

int TCanvas::DrawText(std::string_view text, RECT& r, unsigned flags) {
  Require(false, true, true);
  std::wstring wide = Widen(text);
  return ::DrawTextW(Handle(), wide.c_str(), static_cast<int>(wide.size()), &r, flags);
}

COLORREF TCanvas::Pixel(int x, int y) { return GetPixel(Handle(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& source_rect) {
  HDC dc = Handle();
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  const BOOL ok = StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(),
                             source_rect.left, source_rect.top, source_rect.right - source_rect.left,
                             source_rect.bottom - source_rect.top, CopyMode);
  SetStretchBltMode(dc, old_mode);
  if (!ok) RaiseLastWin32Error("StretchBlt");
}

void TCanvas::MaskedCopy(const RECT& dest, TCanvas& source, int sx, int sy, HBITMAP mask) {
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (w <= 0 || h <= 0) return;
  if (!MaskBlt(Handle(), dest.left, dest.top, w, h, source.Handle(), sx, sy, mask, 0, 0,
               MAKEROP4(kDestinationCopy, SRCCOPY)))
    RaiseLastWin32Error("MaskBlt");
}

}  // namespace hm
