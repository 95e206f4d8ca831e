#include "tools/skingen/shapes.h"

namespace hm::skingen {

namespace {

constexpr int kSub = 8;  // sample coordinates are in eighths of a pixel

template <typename Inside>
int Coverage(int px, int py, Inside inside) {
  int hits = 0;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i)
      if (inside(px * kSub + 1 + 2 * i, py * kSub + 1 + 2 * j)) ++hits;
  return hits * 255 / 16;
}

template <typename Cover>
void Fill(TImage& image, const TBox& box, const TRowColour& colour, Cover cover) {
  for (int y = box.y; y < box.y + box.h; ++y)
    for (int x = box.x; x < box.x + box.w; ++x) image.Blend(x, y, colour(y), cover(x, y));
}

}  // namespace

int RoundBoxCoverage(int px, int py, const TBox& box, int radius) {
  const int x0 = box.x * kSub, y0 = box.y * kSub, x1 = (box.x + box.w) * kSub, y1 = (box.y + box.h) * kSub;
  const int r = radius * kSub;
  return Coverage(px, py, [&](int sx, int sy) {
    if (sx < x0 || sx >= x1 || sy < y0 || sy >= y1) return false;
    const int cx = sx < x0 + r ? x0 + r : (sx >= x1 - r ? x1 - r : sx);
    const int cy = sy < y0 + r ? y0 + r : (sy >= y1 - r ? y1 - r : sy);
    const int dx = sx - cx, dy = sy - cy;
    return dx * dx + dy * dy <= r * r;
  });
}

int EllipseCoverage(int px, int py, const TBox& box) {
  // Doubled coordinates keep the centre of an odd box on the grid.
  const long long cx = 2LL * box.x * kSub + box.w * kSub, cy = 2LL * box.y * kSub + box.h * kSub;
  const long long rx = static_cast<long long>(box.w) * kSub, ry = static_cast<long long>(box.h) * kSub;
  if (rx <= 0 || ry <= 0) return 0;
  return Coverage(px, py, [&](int sx, int sy) {
    const long long dx = 2LL * sx - cx, dy = 2LL * sy - cy;
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
  });
}

void FillRoundBox(TImage& image, const TBox& box, int radius, TRgb colour) {
  FillRoundBox(image, box, radius, [colour](int) { return colour; });
}

void FillRoundBox(TImage& image, const TBox& box, int radius, const TRowColour& colour) {
  Fill(image, box, colour, [&](int x, int y) { return RoundBoxCoverage(x, y, box, radius); });
}

void FillEllipse(TImage& image, const TBox& box, TRgb colour) {
  FillEllipse(image, box, [colour](int) { return colour; });
}

void FillEllipse(TImage& image, const TBox& box, const TRowColour& colour) {
  Fill(image, box, colour, [&](int x, int y) { return EllipseCoverage(x, y, box); });
}

void CutOutsideRoundBox(TImage& image, const TBox& box, int radius) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (RoundBoxCoverage(x, y, box, radius) == 0) image.Set(x, y, kMagenta);
}

void CutOutsideEllipse(TImage& image, const TBox& box) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (EllipseCoverage(x, y, box) == 0) image.Set(x, y, kMagenta);
}

void DrawGlyph(TImage& image, const TGlyph& glyph, int x, int y, TRgb colour) {
  for (int gy = 0; gy < glyph.Height(); ++gy)
    for (int gx = 0; gx < glyph.Width(); ++gx) image.Blend(x + gx, y + gy, colour, glyph.Coverage(gx, gy));
}

void DrawGlyphCentred(TImage& image, const TGlyph& glyph, const TBox& box, TRgb colour) {
  DrawGlyph(image, glyph, box.x + (box.w - glyph.Width()) / 2, box.y + (box.h - glyph.Height()) / 2, colour);
}

TRowColour VerticalGradient(TRgb top, TRgb bottom, int y0, int rows) {
  return [=](int y) { return Gradient(top, bottom, y - y0, rows); };
}

}  // namespace hm::skingen
