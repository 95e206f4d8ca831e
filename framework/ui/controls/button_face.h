// The face of a button with a glyph, shared by the bitmap and the speed
// button: the glyph strip, how many images it holds, and where glyph and
// caption go (layout, margin, spacing). The owner is told of every change.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/ui/controls/button_layout.h"
#include "framework/ui/graphics/glyph.h"

namespace hm {

class TCanvas;

class TButtonFace {
 public:
  explicit TButtonFace(std::function<void()> changed);
  ~TButtonFace();
  TButtonFace(const TButtonFace&) = delete;
  TButtonFace& operator=(const TButtonFace&) = delete;

  TGlyph* Glyph() const { return glyph_.get(); }
  void SetGlyph(TGlyph* glyph);  // copies
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int value);  // 1 to 4
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // -1 centres; anything below counts as -1.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  // Glyph and caption inside `content`, in the canvas's font; a disabled
  // caption is engraved.
  void Draw(TCanvas& canvas, const RECT& content, const std::string& caption, TGlyphState state, bool enabled) const;

 private:
  std::function<void()> changed_;
  std::unique_ptr<TGlyph> glyph_;
  int num_glyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};

}  // namespace hm
