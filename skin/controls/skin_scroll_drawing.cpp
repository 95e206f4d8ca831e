#include "skin/controls/skin_scroll_drawing.h"

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

namespace {

constexpr int kMaxBar = 10000;

RECT ToRect(const TPieceRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The thumb is always stretched, whatever the definition's Tile says: a
// tiled thumb would repeat its grip.
void DrawThumb(HDC out, const RECT& r, const TDataSkinObject& d, int frame) {
  if (Width(r) <= 0 || Height(r) <= 0 || d.Bitmap.Empty()) return;
  const std::unique_ptr<TBitmap> image =
      NinePartBitmap(r, d.Bitmap, MarginsOf(d), TFrameOrientation::SideBySide, false, d.FrameCount, frame);
  if (!image || image->Empty()) return;
  if (d.Trans == 1) {
    TransparentBlit(out, r, *image, kSkinKeyColour);
  } else {
    BitBlt(out, r.left, r.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

}  // namespace

bool HasScrollBarSkin(const TSkinData& data) {
  const TDataSkinObject* arrows = data.Section(ssScrollbar);
  return arrows && !arrows->Bitmap.Empty();
}

TThumbMetrics SystemThumbMetrics() {
  TThumbMetrics m;
  m.bar_width = GetSystemMetrics(SM_CXHSCROLL);
  m.min_thumb = 8;
  m.default_thumb = GetSystemMetrics(SM_CXHTHUMB);
  return m;
}

void DrawSkinBar(HDC dc, const RECT& rect, bool vertical, const TBarGeometry& g, int pressed_part, int bar_width,
                 const TSkinData& data, TBitmap& work) {
  if (!dc || !HasScrollBarSkin(data)) return;
  const int length = vertical ? Height(rect) : Width(rect);
  const int thickness = vertical ? Width(rect) : Height(rect);
  if (length <= 0 || thickness <= 0 || length > kMaxBar || thickness > kMaxBar) return;
  const int w = vertical ? kSkinBarThickness : length, h = vertical ? length : kSkinBarThickness;
  if (work.Width() != w || work.Height() != h) work.SetSize(w, h);
  HDC out = work.Canvas().Handle();
  if (!out) return;
  SetStretchBltMode(out, COLORONCOLOR);
  {
    UniqueGdi<HBRUSH> back(CreateSolidBrush(ColorToRGB(data.Colours().ScrollbarColor)));
    const RECT all{0, 0, w, h};
    if (back) FillRect(out, &all, back.get());
  }
  const TBarPieces pieces = BarPieces(length, kSkinBarThickness, vertical, bar_width, g);
  if (const TDataSkinObject* track = data.Section(vertical ? ssVertScroll : ssHorzScroll))
    DrawSkinImage(out, ToRect(pieces.track), 4, 1, *track);
  const TBitmap& arrows = data.Section(ssScrollbar)->Bitmap;
  const TArrowFrames frames = ArrowFramesOf(vertical, pressed_part);
  DrawStripFrame(out, ToRect(pieces.first_arrow), kScrollArrowFrames, frames.first, arrows);
  DrawStripFrame(out, ToRect(pieces.second_arrow), kScrollArrowFrames, frames.second, arrows);
  if (const TDataSkinObject* thumb = data.Section(vertical ? ssVertScrollThumb : ssHorzScrollThumb)) {
    const bool pressed = pressed_part == (vertical ? kPartVertThumb : kPartHorzThumb);
    DrawThumb(out, ToRect(pieces.thumb), *thumb, pressed ? 2 : 1);
  }
  GdiFlush();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), out, 0, 0, w, h, SRCCOPY);
}

}  // namespace hm
