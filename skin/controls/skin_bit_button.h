// TSkinBitButton: bitmap buttons; the push-button face with the control's
// glyph and caption placed by its Layout, Margin and Spacing.
#pragma once

#include "skin/controls/skin_button.h"

namespace hm {

class TCanvas;
class TFont;

class TSkinBitButton : public TSkinButton {
  HM_CLASS(TSkinBitButton, TSkinButton)

 public:
  explicit TSkinBitButton(TComponent* owner);

  void DrawSkin(HDC dc, const RECT& rect) override;

  // Where glyph and caption went at the last paint.
  const TGlyphTextPlace& LastPlace() const { return last_place_; }

 protected:
  TGlyphTextPlace last_place_;
};

// Draws glyph and caption of a bit or speed button into canvas: the glyph
// strip's frame for `face`, the caption in `font` (the canvas's font when
// null) coloured by the face.
struct TGlyphCaption {
  const TBitmap* glyph = nullptr;  // null or empty: text only
  int num_glyphs = 1;
  TGlyphLayout layout = TGlyphLayout::Left;
  int margin = -1;
  int spacing = 4;
  bool speed_button = false;
};
TGlyphTextPlace DrawGlyphCaption(TCanvas& canvas, const RECT& client, const TGlyphCaption& parts,
                                 const std::string& caption, TFont* font, const TDataSkinButton& definition,
                                 int face);

}  // namespace hm
