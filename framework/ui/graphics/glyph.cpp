#include "framework/ui/graphics/glyph.h"

#include <algorithm>
#include <vector>

#include "framework/core/stream.h"
#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"

namespace hm {

HM_PUBLISH(TGlyph) { p.Binary("Data", &TGlyph::ReadData, &TGlyph::WriteData, &TGlyph::HasData); }

TGlyph::TGlyph() {
  bitmap_.OnChange = [this] {
    if (OnChange) OnChange();
  };
}

TGlyph::~TGlyph() { bitmap_.OnChange = nullptr; }

void TGlyph::LoadFromMemory(const std::uint8_t* data, std::size_t size) { bitmap_.LoadFromMemory(data, size); }

void TGlyph::Clear() {
  if (Empty()) return;
  bitmap_.SetSize(0, 0);
  if (OnChange) OnChange();
}

void TGlyph::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TGlyph*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  if (other->Empty()) return Clear();
  bitmap_.Assign(other->bitmap_);
}

void TGlyph::ReadData(TStream& stream) {
  const std::int64_t size = std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
  if (size == 0) return Clear();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  stream.ReadBuffer(bytes.data(), size);
  LoadFromMemory(bytes.data(), bytes.size());
}

void TGlyph::WriteData(TStream& stream) const {
  if (Empty()) return;
  const std::vector<std::uint8_t> bytes = bitmap_.SaveToMemory();
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

SIZE GlyphSize(const TGlyph& glyph, int num_glyphs) {
  if (glyph.Empty()) return SIZE{0, 0};
  return SIZE{glyph.Width() / std::max(num_glyphs, 1), glyph.Height()};
}

namespace {

int ImageIndex(TGlyphState state, int num_glyphs) {
  const int wanted = static_cast<int>(state);
  return wanted < num_glyphs ? wanted : 0;
}

// The first image turned to shades of grey, the key colour kept.
void DrawGreyed(TCanvas& canvas, int x, int y, TBitmap& source, const RECT& src, TColor key) {
  const int w = src.right - src.left, h = src.bottom - src.top;
  TBitmap grey(w, h);
  RECT whole{0, 0, w, h};
  grey.Canvas().CopyRect(whole, source.Canvas(), src);
  const std::uint32_t k = ColorToRGB(key);
  const std::uint8_t kr = k & 0xFF, kg = (k >> 8) & 0xFF, kb = (k >> 16) & 0xFF;
  for (int row = 0; row < h; ++row) {
    std::uint8_t* p = grey.Row(row);
    for (int col = 0; col < w; ++col, p += 3) {
      if (p[0] == kb && p[1] == kg && p[2] == kr) continue;
      // Light and pale, like a disabled caption.
      const int lum = (p[2] * 30 + p[1] * 59 + p[0] * 11) / 100;
      const auto v = static_cast<std::uint8_t>(128 + lum / 2);
      p[0] = p[1] = p[2] = v;
    }
  }
  canvas.DrawTransparent(RECT{x, y, x + w, y + h}, grey, whole, key);
}

}  // namespace

void DrawGlyph(TCanvas& canvas, int x, int y, TGlyph& glyph, int num_glyphs, TGlyphState state) {
  if (glyph.Empty()) return;
  num_glyphs = std::max(num_glyphs, 1);
  const SIZE size = GlyphSize(glyph, num_glyphs);
  TBitmap& bitmap = glyph.Bitmap();
  const TColor key = static_cast<TColor>(bitmap.Canvas().Pixel(0, bitmap.Height() - 1));
  const int index = ImageIndex(state, num_glyphs);
  const RECT src{index * size.cx, 0, (index + 1) * size.cx, size.cy};
  if (state == TGlyphState::Disabled && index == 0) return DrawGreyed(canvas, x, y, bitmap, src, key);
  canvas.DrawTransparent(RECT{x, y, x + size.cx, y + size.cy}, bitmap, src, key);
}

}  // namespace hm
