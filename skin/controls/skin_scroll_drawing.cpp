#include "skin/controls/skin_scroll_drawing.h"

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

namespace {

constexpr int kMaxBar = 10000;
// Where the mask is set (the key colour) the destination stays.
constexpr DWORD kKeepWhereMasked = MAKEROP4(0x00AA0029, SRCCOPY);

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

void TSkinBarPainter::Forget() {
  look_ = {};
  thumb_look_ = {};
  bar_valid_ = false;
}

void TSkinBarPainter::MakeBackground(const TLook& look) {
  if (look.data != look_.data || look.vertical != look_.vertical) thumb_look_ = {};
  const TSkinData& data = *look.data;
  const int w = look.vertical ? kSkinBarThickness : look.length, h = look.vertical ? look.length : kSkinBarThickness;
  if (background_.Width() != w || background_.Height() != h) background_.SetSize(w, h);
  HDC out = background_.Canvas().Handle();
  SetStretchBltMode(out, COLORONCOLOR);
  {
    UniqueGdi<HBRUSH> back(CreateSolidBrush(ColorToRGB(data.Colours().ScrollbarColor)));
    const RECT all{0, 0, w, h};
    if (back) FillRect(out, &all, back.get());
  }
  const TBarPieces pieces = BarPieces(look.length, kSkinBarThickness, look.vertical, look.bar_width, TBarGeometry{});
  if (const TDataSkinObject* track = data.Section(look.vertical ? ssVertScroll : ssHorzScroll))
    DrawSkinImage(out, ToRect(pieces.track), 4, 1, *track);
  const TBitmap& arrows = data.Section(ssScrollbar)->Bitmap;
  DrawStripFrame(out, ToRect(pieces.first_arrow), kScrollArrowFrames, look.first_arrow, arrows);
  DrawStripFrame(out, ToRect(pieces.second_arrow), kScrollArrowFrames, look.second_arrow, arrows);
  look_ = look;
}

// The thumb is always stretched, whatever the definition's Tile says: a
// tiled thumb would repeat its grip.
void TSkinBarPainter::MakeThumb(const TLook& look, const TThumbLook& thumb, const RECT& place) {
  thumb_look_ = {};
  thumb_mask_.reset();
  const TDataSkinObject* d = look.data->Section(look.vertical ? ssVertScrollThumb : ssHorzScrollThumb);
  if (!d || d->Bitmap.Empty()) return;
  std::unique_ptr<TBitmap> image = NinePartBitmap(place, d->Bitmap, MarginsOf(*d), TFrameOrientation::SideBySide,
                                                  false, d->FrameCount, thumb.frame);
  if (!image || image->Empty()) return;
  thumb_.SetSize(image->Width(), image->Height());
  BitBlt(thumb_.Canvas().Handle(), 0, 0, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
  if (d->Trans == 1) {
    if (!mask_dc_) mask_dc_.reset(CreateCompatibleDC(nullptr));
    thumb_mask_.reset(CreateBitmap(thumb_.Width(), thumb_.Height(), 1, 1, nullptr));
    if (!mask_dc_ || !thumb_mask_) return;
    HDC source = thumb_.Canvas().Handle();
    const COLORREF old_back = SetBkColor(source, ColorToRGB(kSkinKeyColour));
    SelectScope select(mask_dc_.get(), thumb_mask_.get());
    BitBlt(mask_dc_.get(), 0, 0, thumb_.Width(), thumb_.Height(), source, 0, 0, SRCCOPY);
    SetBkColor(source, old_back);
  }
  thumb_look_ = thumb;
}

void TSkinBarPainter::Draw(HDC dc, const RECT& rect, bool vertical, const TBarGeometry& g, int pressed_part,
                           int bar_width, const TSkinData& data) {
  if (!dc || !HasScrollBarSkin(data)) return;
  const int length = vertical ? Height(rect) : Width(rect);
  const int thickness = vertical ? Width(rect) : Height(rect);
  if (length <= 0 || thickness <= 0 || length > kMaxBar || thickness > kMaxBar) return;
  const TArrowFrames arrows = ArrowFramesOf(vertical, pressed_part);
  const TLook look{&data, length, bar_width, vertical, arrows.first, arrows.second};
  const TPieceRect thumb = BarPieces(length, kSkinBarThickness, vertical, bar_width, g).thumb;
  const bool thumb_pressed = pressed_part == (vertical ? kPartVertThumb : kPartHorzThumb);
  const TThumbLook thumb_look{vertical ? thumb.Height() : thumb.Width(), thumb_pressed ? 2 : 1};
  const int w = vertical ? kSkinBarThickness : length, h = vertical ? length : kSkinBarThickness;

  if (!(bar_valid_ && bar_look_ == look && bar_thumb_ == thumb && bar_thumb_look_ == thumb_look)) {
    bar_valid_ = false;
    if (!(look_ == look)) MakeBackground(look);
    if (bar_.Width() != w || bar_.Height() != h) bar_.SetSize(w, h);
    HDC out = bar_.Canvas().Handle();
    if (!out) return;
    BitBlt(out, 0, 0, w, h, background_.Canvas().Handle(), 0, 0, SRCCOPY);
    if (thumb.Width() > 0 && thumb.Height() > 0) {
      if (!(thumb_look_ == thumb_look)) MakeThumb(look, thumb_look, ToRect(thumb));
      if (thumb_look_ == thumb_look) {
        HDC source = thumb_.Canvas().Handle();
        if (thumb_mask_) {
          MaskBlt(out, thumb.left, thumb.top, thumb.Width(), thumb.Height(), source, 0, 0, thumb_mask_.get(), 0, 0,
                  kKeepWhereMasked);
        } else {
          BitBlt(out, thumb.left, thumb.top, thumb.Width(), thumb.Height(), source, 0, 0, SRCCOPY);
        }
      }
    }
    GdiFlush();
    bar_look_ = look;
    bar_thumb_ = thumb;
    bar_thumb_look_ = thumb_look;
    bar_valid_ = true;
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, Width(rect), Height(rect), bar_.Canvas().Handle(), 0, 0, w, h, SRCCOPY);
}

}  // namespace hm
