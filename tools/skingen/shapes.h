// Anti-aliased shapes for the skin drawings. Coverage is counted on a 4×4
// grid of sample points per pixel, in integers, so it is exact and the
// same on every machine.
#pragma once

#include <functional>

#include "tools/skingen/image.h"
#include "tools/skingen/look.h"

namespace hm::skingen {

struct TBox {
  int x = 0, y = 0, w = 0, h = 0;
  TBox Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

// 0..255: how much of pixel (px, py) lies inside the box with corners
// rounded to `radius`; radius 0 gives a plain rectangle.
int RoundBoxCoverage(int px, int py, const TBox& box, int radius);
// The same for the ellipse inscribed in the box.
int EllipseCoverage(int px, int py, const TBox& box);

using TRowColour = std::function<TRgb(int y)>;

void FillRoundBox(TImage& image, const TBox& box, int radius, TRgb colour);
void FillRoundBox(TImage& image, const TBox& box, int radius, const TRowColour& colour);
void FillEllipse(TImage& image, const TBox& box, TRgb colour);
void FillEllipse(TImage& image, const TBox& box, const TRowColour& colour);

// Pixels the shape does not touch at all become the key colour, so the
// painter's transparency cuts it out; edge pixels keep their blend with the
// background they were drawn on, which is the colour the painter fills in
// behind them.
void CutOutsideRoundBox(TImage& image, const TBox& box, int radius);
void CutOutsideEllipse(TImage& image, const TBox& box);

// Paints the glyph's coverage in `colour` with its top-left at (x, y).
void DrawGlyph(TImage& image, const TGlyph& glyph, int x, int y, TRgb colour);
// The glyph centred in the box (rounding toward the top-left).
void DrawGlyphCentred(TImage& image, const TGlyph& glyph, const TBox& box, TRgb colour);

// A vertical gradient as a row-colour function over the box's rows.
TRowColour VerticalGradient(TRgb top, TRgb bottom, int y0, int rows);

}  // namespace hm::skingen
