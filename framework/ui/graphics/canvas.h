// A drawing surface over a device context. The canvas selects its pen, brush
// and font into the DC before each operation that uses them and gives the
// DC its original objects back when it lets go of it; it owns the DC only
// when a subclass says so (bitmaps, controls).
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>
#include <string_view>

#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/graphics_objects.h"

namespace hm {

class TBitmap;

struct TPoint {
  int x = 0;
  int y = 0;
};

// DrawText flags, as the control and skin code use them.
constexpr unsigned kDrawTextLeft = DT_LEFT;
constexpr unsigned kDrawTextCenter = DT_CENTER;
constexpr unsigned kDrawTextRight = DT_RIGHT;

class TCanvas {
 public:
  TCanvas();
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC drawn on; 0 when none. Attaching does not take ownership.
  HDC Handle();
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  // SRCCOPY by default; used by Draw, StretchDraw and CopyRect.
  DWORD CopyMode = SRCCOPY;

  TPoint PenPos() const { return pen_pos_; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void Ellipse(int left, int top, int right, int bottom);
  void FillRect(const RECT& r);   // with the brush, no outline
  void FrameRect(const RECT& r);  // one-pixel outline with the brush colour

  void TextOut(int x, int y, std::string_view text);
  // Text clipped to the rectangle; the brush fills it unless it is clear.
  void TextRect(const RECT& r, int x, int y, std::string_view text);
  SIZE TextExtent(std::string_view text);
  int TextWidth(std::string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) { return TextExtent(text).cy; }
  // DrawTextW with the given DT_* flags; r is updated with DT_CALCRECT.
  // Answers the height of the text as DrawText does.
  int DrawText(std::string_view text, RECT& r, unsigned flags);

  COLORREF Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Bitmaps: 1:1 at (x, y), or stretched into r with COLORONCOLOR so colours
  // are never averaged (keys like magenta survive).
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& r, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& source_rect);
  // Copies src_rect of the bitmap into dest, leaving the destination where
  // the bitmap has the key colour.
  void DrawTransparent(const RECT& dest, TBitmap& bitmap, const RECT& src_rect, TColor key);
  // The destination keeps its pixels where the monochrome mask is set (1),
  // takes the source where it is clear.
  void MaskedCopy(const RECT& dest, TCanvas& source, int sx, int sy, HBITMAP mask);

 protected:
  // Called when a DC is needed and none is attached; subclasses that own
  // a DC make it here.
  virtual void CreateHandle() {}
  void Require(bool pen, bool brush, bool font);
  void Deselect();

 private:
  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  TPoint pen_pos_;
  // What the DC held before we selected ours, to put back.
  HGDIOBJ old_pen_ = nullptr;
  HGDIOBJ old_brush_ = nullptr;
  HGDIOBJ old_font_ = nullptr;
  HPEN selected_pen_ = nullptr;
  HBRUSH selected_brush_ = nullptr;
  HFONT selected_font_ = nullptr;
};

// Lends a canvas a device context for one paint; it gives it back however
// the paint ends.
class TCanvasPaintScope {
 public:
  TCanvasPaintScope(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
  ~TCanvasPaintScope() { canvas_.SetHandle(nullptr); }
  TCanvasPaintScope(const TCanvasPaintScope&) = delete;
  TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

 private:
  TCanvas& canvas_;
};

}  // namespace hm
