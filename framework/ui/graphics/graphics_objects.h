// Font, brush and pen: descriptions of GDI objects whose handle is made on
// first use and remade after a change. Whoever holds one may listen to
// OnChanging (the old handle is still alive: a canvas deselects it) and
// OnChange (the old handle is gone: a window is given the new one).
#pragma once

#include "framework/ui/platform/win32.h"

#include <functional>
#include <string>

#include "framework/core/enum_type.h"
#include "framework/core/persistent.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"

namespace hm {

class TGraphicsObject : public TPersistent {
  HM_CLASS(TGraphicsObject, TPersistent)

 public:
  std::function<void(TGraphicsObject&)> OnChanging;
  std::function<void(TGraphicsObject&)> OnChange;

 protected:
  // OnChanging, then the handle is dropped (made anew on demand), then
  // OnChange.
  void Changed();
  virtual void DropHandle() = 0;
};

HM_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = Set<TFontStyle>;
HM_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)
HM_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

constexpr int DEFAULT_CHARSET_VALUE = 1;

class TFont : public TGraphicsObject {
  HM_CLASS(TFont, TGraphicsObject)

 public:
  TFont();

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at the screen density.
  int Size() const;
  void SetSize(int points);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // the colour does not change the handle
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  // Copies every setting and notifies once.
  void Assign(const TPersistent& source) override;
  // Takes face, height, charset and style from a LOGFONT (the colour stays).
  void AssignLogFont(const LOGFONTW& lf);
  bool SameAs(const TFont& other) const;

  HFONT Handle();

 protected:
  void DropHandle() override { handle_.reset(); }

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  int charset_ = DEFAULT_CHARSET_VALUE;
  TColor color_ = clWindowText;
  TFontStyles style_;
  UniqueGdi<HFONT> handle_;
};

class TBrush : public TGraphicsObject {
  HM_CLASS(TBrush, TGraphicsObject)

 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  void Assign(const TPersistent& source) override;
  // The null brush for bsClear.
  HBRUSH Handle();

 protected:
  void DropHandle() override { handle_.reset(); }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  UniqueGdi<HBRUSH> handle_;
};

class TPen : public TGraphicsObject {
  HM_CLASS(TPen, TGraphicsObject)

 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  void Assign(const TPersistent& source) override;
  HPEN Handle();

 protected:
  void DropHandle() override { handle_.reset(); }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  UniqueGdi<HPEN> handle_;
};

// Logical pixels per inch of the screen; tests may pretend another density.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInchForTesting(int ppi);  // 0 = the real value

}  // namespace hm
