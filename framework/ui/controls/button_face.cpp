#include "framework/ui/controls/button_face.h"

#include <algorithm>

#include "framework/ui/graphics/canvas.h"

namespace hm {

namespace {

// The size the caption takes on the canvas; (0, 0) without a caption.
SIZE CaptionSize(TCanvas& canvas, const std::string& caption, int max_width) {
  if (caption.empty()) return SIZE{0, 0};
  RECT r{0, 0, std::max(max_width, 1), 0};
  canvas.DrawText(caption, r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Caption at `at`; disabled text is engraved like a disabled label.
void DrawCaption(TCanvas& canvas, const std::string& caption, POINT at, SIZE size, UINT align, bool enabled) {
  if (caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = align | DT_EXPANDTABS | DT_WORDBREAK;
  RECT r{at.x, at.y, at.x + size.cx, at.y + size.cy};
  if (!enabled) {
    RECT offset = r;
    OffsetRect(&offset, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, offset, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, r, flags);
}

}  // namespace

TButtonFace::TButtonFace(std::function<void()> changed)
    : changed_(std::move(changed)), glyph_(std::make_unique<TGlyph>()) {
  glyph_->OnChange = [this] { changed_(); };
}

TButtonFace::~TButtonFace() { glyph_->OnChange = nullptr; }

void TButtonFace::SetGlyph(TGlyph* glyph) {
  if (glyph) glyph_->Assign(*glyph);
}

void TButtonFace::SetNumGlyphs(int value) {
  num_glyphs_ = std::clamp(value, 1, 4);
  changed_();
}

void TButtonFace::SetLayout(TButtonLayout value) {
  layout_ = value;
  changed_();
}

void TButtonFace::SetMargin(int value) {
  margin_ = std::max(value, -1);
  changed_();
}

void TButtonFace::SetSpacing(int value) {
  spacing_ = std::max(value, -1);
  changed_();
}

void TButtonFace::Draw(TCanvas& canvas, const RECT& content, const std::string& caption, TGlyphState state,
                       bool enabled) const {
  const SIZE client{content.right - content.left, content.bottom - content.top};
  const SIZE glyph = GlyphSize(*glyph_, num_glyphs_);
  const SIZE text = CaptionSize(canvas, caption, client.cx - glyph.cx);
  const TButtonPlacement at = PlaceGlyphAndText(client, glyph, text, layout_, margin_, spacing_);
  DrawGlyph(canvas, content.left + at.glyph.x, content.top + at.glyph.y, *glyph_, num_glyphs_, state);
  DrawCaption(canvas, caption, POINT{content.left + at.text.x, content.top + at.text.y}, text, at.text_align, enabled);
}

}  // namespace hm
