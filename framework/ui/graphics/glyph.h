// The picture on a bitmap or speed button: a strip of NumGlyphs equal
// images (normal, disabled, pressed, down) that descriptions store as the
// bytes of a BMP file (Glyph.Data). The colour of the bottom-left pixel is
// transparent.
#pragma once

#include <functional>

#include "framework/core/persistent.h"
#include "framework/ui/graphics/bitmap.h"

namespace hm {

class TStream;

class TGlyph : public TPersistent {
  HM_CLASS(TGlyph, TPersistent)

 public:
  TGlyph();
  ~TGlyph() override;

  TBitmap& Bitmap() { return bitmap_; }
  bool Empty() const { return bitmap_.Empty(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }

  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  void Clear();
  void Assign(const TPersistent& source) override;

  // Description storage: a BMP file.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  bool HasData() const { return !Empty(); }

  // After every change of the picture.
  std::function<void()> OnChange;

 private:
  TBitmap bitmap_;
};

// Which image of a glyph strip a button shows.
enum class TGlyphState { Normal, Disabled, Pressed, Down };

// Draws one image of the strip at (x, y), the bottom-left pixel's colour
// transparent. A state the strip has no image for falls back to the first
// image, greyed when disabled.
void DrawGlyph(TCanvas& canvas, int x, int y, TGlyph& glyph, int num_glyphs, TGlyphState state);

// The size of one image of the strip.
SIZE GlyphSize(const TGlyph& glyph, int num_glyphs);

}  // namespace hm
