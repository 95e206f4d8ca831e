#include "framework/ui/graphics/graphics_objects.h"

#include <cmath>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {
int g_ppi_override = 0;
}

int ScreenPixelsPerInch() {
  if (g_ppi_override > 0) return g_ppi_override;
  static const int ppi = [] {
    WindowDC dc(nullptr);
    return dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
  }();
  return ppi;
}

void SetScreenPixelsPerInchForTesting(int ppi) { g_ppi_override = ppi; }

HM_PUBLISH(TGraphicsObject) {}

HM_PUBLISH(TFont) {
  p.Prop("Charset", &TFont::Charset, &TFont::SetCharset);
  p.Prop("Color", &TFont::Color, &TFont::SetColor);
  p.Prop("Height", &TFont::Height, &TFont::SetHeight);
  p.Prop("Name", &TFont::Name, &TFont::SetName);
  p.Prop("Style", &TFont::Style, &TFont::SetStyle);
  p.Prop("Size", &TFont::Size, &TFont::SetSize).NotStored();
}

HM_PUBLISH(TBrush) {
  p.Prop("Color", &TBrush::Color, &TBrush::SetColor);
  p.Prop("Style", &TBrush::Style, &TBrush::SetStyle);
}

HM_PUBLISH(TPen) {
  p.Prop("Color", &TPen::Color, &TPen::SetColor);
  p.Prop("Width", &TPen::Width, &TPen::SetWidth);
  p.Prop("Style", &TPen::Style, &TPen::SetStyle);
}

void TGraphicsObject::Changed() {
  if (OnChanging) OnChanging(*this);
  DropHandle();
  if (OnChange) OnChange(*this);
}

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-height_ * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * ScreenPixelsPerInch() / 72.0))); }

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The handle stays: the colour is not part of it.
  if (OnChanging) OnChanging(*this);
  if (OnChange) OnChange(*this);
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) return TGraphicsObject::Assign(source);
  if (font == this) return;
  const TFont& other = *font;
  name_ = other.name_;
  height_ = other.height_;
  charset_ = other.charset_;
  color_ = other.color_;
  style_ = other.style_;
  Changed();
}

void TFont::AssignLogFont(const LOGFONTW& lf) {
  name_ = Narrow(lf.lfFaceName);
  height_ = lf.lfHeight;
  charset_ = lf.lfCharSet;
  style_ = {};
  if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
  if (lf.lfItalic) style_.Include(fsItalic);
  if (lf.lfUnderline) style_.Include(fsUnderline);
  if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && charset_ == other.charset_ &&
         color_ == other.color_ && style_ == other.style_;
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(fsItalic) ? 1 : 0;
    lf.lfUnderline = style_.Contains(fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = style_.Contains(fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(name_);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    face.copy(lf.lfFaceName, face.size());
    handle_.reset(CreateFontIndirectW(&lf));
    if (!handle_) RaiseLastWin32Error("CreateFontIndirect");
  }
  return handle_.get();
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != bsClear) return;
  color_ = color;
  // Giving a colour to a clear brush makes it solid again.
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::Assign(const TPersistent& source) {
  const auto* brush = dynamic_cast<const TBrush*>(&source);
  if (!brush) return TGraphicsObject::Assign(source);
  if (brush == this) return;
  const TBrush& other = *brush;
  color_ = other.color_;
  style_ = other.style_;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) {
    const COLORREF rgb = ColorToRGB(color_);
    HBRUSH made = nullptr;
    switch (style_) {
      case bsSolid: made = CreateSolidBrush(rgb); break;
      case bsHorizontal: made = CreateHatchBrush(HS_HORIZONTAL, rgb); break;
      case bsVertical: made = CreateHatchBrush(HS_VERTICAL, rgb); break;
      case bsFDiagonal: made = CreateHatchBrush(HS_FDIAGONAL, rgb); break;
      case bsBDiagonal: made = CreateHatchBrush(HS_BDIAGONAL, rgb); break;
      case bsCross: made = CreateHatchBrush(HS_CROSS, rgb); break;
      case bsDiagCross: made = CreateHatchBrush(HS_DIAGCROSS, rgb); break;
      case bsClear: break;
    }
    handle_.reset(made);
    if (!handle_) RaiseLastWin32Error("CreateBrush");
  }
  return handle_.get();
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::Assign(const TPersistent& source) {
  const auto* pen = dynamic_cast<const TPen*>(&source);
  if (!pen) return TGraphicsObject::Assign(source);
  if (pen == this) return;
  const TPen& other = *pen;
  color_ = other.color_;
  width_ = other.width_;
  style_ = other.style_;
  Changed();
}

HPEN TPen::Handle() {
  if (!handle_) {
    int style = PS_SOLID;
    switch (style_) {
      case psSolid: style = PS_SOLID; break;
      case psDash: style = PS_DASH; break;
      case psDot: style = PS_DOT; break;
      case psDashDot: style = PS_DASHDOT; break;
      case psDashDotDot: style = PS_DASHDOTDOT; break;
      case psClear: style = PS_NULL; break;
      case psInsideFrame: style = PS_INSIDEFRAME; break;
    }
    handle_.reset(CreatePen(style, width_, ColorToRGB(color_)));
    if (!handle_) RaiseLastWin32Error("CreatePen");
  }
  return handle_.get();
}

}  // namespace hm
