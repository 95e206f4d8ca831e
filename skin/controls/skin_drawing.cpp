#include "skin/controls/skin_drawing.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/core/bitmap_effects.h"
#include "skin/core/data_skin_objects.h"

namespace hm {

namespace {

std::unique_ptr<TBitmap> g_work_bitmap;

// Reading a bitmap through its canvas changes no pixel; the canvas only
// caches the memory DC the bitmap lives in.
HDC SourceDC(const TBitmap& bitmap) { return const_cast<TBitmap&>(bitmap).Canvas().Handle(); }
TBitmap& Mutable(const TBitmap& bitmap) { return const_cast<TBitmap&>(bitmap); }

TNinePartCut CutOf(const RECT& dest, const TBitmap& source, const TSkinMargins& m, TFrameOrientation frames,
                   bool tile, int frame_count, int frame) {
  TNinePartCut cut;
  cut.bitmap_width = source.Width();
  cut.bitmap_height = source.Height();
  cut.left = m.left;
  cut.top = m.top;
  cut.right = m.right;
  cut.bottom = m.bottom;
  cut.frames = frames;
  cut.tile = tile;
  cut.frame_count = frame_count;
  cut.frame = frame;
  cut.dest_width = Width(dest);
  cut.dest_height = Height(dest);
  return cut;
}

// Repeats the piece from dest's top-left, clipped to dest: one copy from
// the source, then the filled part doubled along the row and down the
// columns, so the number of copies grows with the logarithm of the sizes.
void TilePiece(HDC out, HDC in, const TNinePiece& piece) {
  const TPieceRect& s = piece.source;
  const TPieceRect& d = piece.dest;
  const int first_w = std::min(s.Width(), d.Width());
  const int first_h = std::min(s.Height(), d.Height());
  BitBlt(out, d.left, d.top, first_w, first_h, in, s.left, s.top, SRCCOPY);
  for (int filled = first_w; filled < d.Width();) {
    const int n = std::min(filled, d.Width() - filled);
    BitBlt(out, d.left + filled, d.top, n, first_h, out, d.left, d.top, SRCCOPY);
    filled += n;
  }
  for (int filled = first_h; filled < d.Height();) {
    const int n = std::min(filled, d.Height() - filled);
    BitBlt(out, d.left, d.top + filled, d.Width(), n, out, d.left, d.top, SRCCOPY);
    filled += n;
  }
}

void CopyPiece(HDC out, int x, int y, HDC in, const TNinePiece& piece) {
  const TPieceRect& s = piece.source;
  const TPieceRect& d = piece.dest;
  StretchBlt(out, x + d.left, y + d.top, d.Width(), d.Height(), in, s.left, s.top, s.Width(), s.Height(), SRCCOPY);
}

// Frame `frame` of `frame_count` side by side, as a rectangle of the bitmap.
RECT StripFrame(const TBitmap& bitmap, int frame_count, int frame) {
  TNinePartCut cut;
  cut.bitmap_width = bitmap.Width();
  cut.bitmap_height = bitmap.Height();
  cut.frame_count = frame_count;
  cut.frame = frame;
  const TPieceRect f = NinePartFrame(cut);
  return RECT{f.left, f.top, f.right, f.bottom};
}

}  // namespace

TSkinMargins MarginsOf(const TDataSkinObject& d) { return {d.LeftWidth, d.TopHeight, d.RightWidth, d.BottomHeight}; }

TBitmap* WorkBitmap() { return g_work_bitmap.get(); }

void StartSkinDrawing() {
  if (g_work_bitmap) return;
  g_work_bitmap = std::make_unique<TBitmap>();
  g_work_bitmap->SetSize(1, 1);
  SetStretchBltMode(g_work_bitmap->Canvas().Handle(), COLORONCOLOR);
}

void EndSkinDrawing() { g_work_bitmap.reset(); }

std::unique_ptr<TBitmap> NinePartBitmap(const RECT& dest, const TBitmap& source, const TSkinMargins& margins,
                                        TFrameOrientation frames, bool tile, int frame_count, int frame) {
  auto result = std::make_unique<TBitmap>();
  if (Width(dest) <= 0 || Height(dest) <= 0) return result;
  result->SetSize(Width(dest), Height(dest));
  HDC out = result->Canvas().Handle();
  SetStretchBltMode(out, COLORONCOLOR);
  if (source.Empty()) return result;
  HDC in = SourceDC(source);
  for (const TNinePiece& piece : NinePartPieces(CutOf(dest, source, margins, frames, tile, frame_count, frame))) {
    if (piece.tile) {
      TilePiece(out, in, piece);
    } else {
      CopyPiece(out, 0, 0, in, piece);
    }
  }
  return result;
}

void DrawNinePartEdges(HDC dc, const RECT& dest, const TBitmap& source, const TSkinMargins& margins,
                       TFrameOrientation frames, int frame_count, int frame) {
  if (!dc || source.Empty()) return;
  HDC in = SourceDC(source);
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  for (const TNinePiece& piece : NinePartPieces(CutOf(dest, source, margins, frames, false, frame_count, frame))) {
    if (piece.kind != TPieceKind::Centre) CopyPiece(dc, dest.left, dest.top, in, piece);
  }
  SetStretchBltMode(dc, old_mode);
}

void DrawSkinImage(HDC dc, const RECT& rect, int frame_count, int frame, const TDataSkinObject& definition) {
  DrawSkinImage(dc, rect, frame_count, frame, definition, definition.Bitmap);
}

void DrawSkinImage(HDC dc, const RECT& rect, int frame_count, int frame, const TDataSkinObject& definition,
                   const TBitmap& source) {
  if (Width(rect) < 0 || Height(rect) < 0 || source.Empty()) return;
  const std::unique_ptr<TBitmap> image = NinePartBitmap(rect, source, MarginsOf(definition),
                                                        TFrameOrientation::SideBySide, definition.Tile == 1,
                                                        frame_count, frame);
  if (image->Empty()) return;
  if (definition.Trans == 1) {
    TransparentBlit(dc, rect, *image, kSkinKeyColour);
  } else {
    BitBlt(dc, rect.left, rect.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

void DrawSkinImageOnWork(const RECT& rect, const TDataSkinObject& definition, bool transparent, int frame_count,
                         int frame, TColor face) {
  TBitmap* work = WorkBitmap();
  if (!work || Width(rect) < 0 || Height(rect) < 0 || definition.Bitmap.Empty()) return;
  const int need_w = std::max(static_cast<int>(rect.right), 1), need_h = std::max(static_cast<int>(rect.bottom), 1);
  if (work->Width() != need_w || work->Height() != need_h) work->SetSize(need_w, need_h);
  TCanvas& canvas = work->Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(face);
  canvas.FillRect(rect);
  const std::unique_ptr<TBitmap> image = NinePartBitmap(rect, definition.Bitmap, MarginsOf(definition),
                                                        TFrameOrientation::SideBySide, definition.Tile == 1,
                                                        frame_count, frame);
  if (image->Empty()) return;
  const RECT at{0, 0, image->Width(), image->Height()};
  if (transparent) {
    TransparentBlit(canvas.Handle(), at, *image, kSkinKeyColour);
  } else {
    canvas.Draw(0, 0, *image);
  }
}

void DrawStripFrame(HDC dc, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap) {
  if (!dc) return;
  TCanvas canvas;
  TCanvasPaintScope lend(canvas, dc);
  DrawStripFrame(canvas, rect, frame_count, frame, bitmap);
}

void DrawStripFrame(TCanvas& canvas, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap) {
  if (bitmap.Empty() || Width(rect) <= 0 || Height(rect) <= 0) return;
  const RECT source = StripFrame(bitmap, frame_count, frame);
  if (Width(source) <= 0) return;
  canvas.DrawTransparent(rect, Mutable(bitmap), source, kSkinKeyColour);
}

void DrawStripFrameMasked(HDC dc, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap) {
  if (!dc || bitmap.Empty() || Width(rect) <= 0 || Height(rect) <= 0) return;
  const RECT source = StripFrame(bitmap, frame_count, frame);
  if (Width(source) <= 0) return;
  TBitmap piece(Width(rect), Height(rect));
  piece.Canvas().CopyRect(RECT{0, 0, Width(rect), Height(rect)}, Mutable(bitmap).Canvas(), source);
  TransparentBlit(dc, rect, piece, kSkinKeyColour);
}

void DrawGlyphFrame(TCanvas& canvas, const RECT& rect, int num_glyphs, int frame, const TBitmap& glyph) {
  if (glyph.Empty()) return;
  num_glyphs = std::max(num_glyphs, 1);
  const int w = glyph.Width() / num_glyphs;
  const int h = glyph.Height();
  if (w <= 0) return;
  const int index = num_glyphs == 4 ? std::clamp(frame - 1, 0, 3) : 0;
  TBitmap piece(w, h);
  BitBlt(piece.Canvas().Handle(), 0, 0, w, h, SourceDC(glyph), index * w, 0, SRCCOPY);
  if (frame == 2) Grey(piece);
  const COLORREF bottom_left = piece.Canvas().Pixel(0, h - 1);
  const RECT dest{rect.left, rect.top, rect.left + w, rect.top + h};
  canvas.DrawTransparent(dest, piece, RECT{0, 0, w, h}, static_cast<TColor>(bottom_left));
}

void TransparentBlit(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key) {
  if (!dc || Width(rect) < 0 || Height(rect) < 0 || bitmap.Empty()) return;
  const int w = std::min(Width(rect), bitmap.Width());
  const int h = std::min(Height(rect), bitmap.Height());
  if (w <= 0 || h <= 0) return;
  TCanvas canvas;
  TCanvasPaintScope lend(canvas, dc);
  canvas.DrawTransparent(RECT{rect.left, rect.top, rect.left + w, rect.top + h}, Mutable(bitmap), RECT{0, 0, w, h},
                         key);
}

int SkinDrawText(HDC dc, std::string_view text, RECT& rect, UINT flags) {
  if (!dc) return 0;
  const std::wstring wide = Widen(text);
  return DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
}

void DrawCenteredText(TCanvas& canvas, const RECT& rect, UINT alignment, bool enabled, std::string_view text) {
  if (!canvas.Handle()) return;
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetStyle({});
  if (!enabled) canvas.Font().SetColor(clBtnShadow);
  RECT measured = rect;
  canvas.DrawText(text, measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | alignment);
  const int w = Width(measured), h = Height(measured);
  RECT r = measured;
  r.top = rect.top + (Height(rect) - h) / 2 - 1;
  r.bottom = r.top + h;
  if (alignment & DT_CENTER) {
    r.left = rect.left + (Width(rect) - w) / 2;
    r.right = r.left + w;
  } else {
    r.left = rect.left;
    r.right = rect.right;
  }
  canvas.DrawText(text, r, alignment | DT_EXPANDTABS);  // a clear brush draws text transparently
}

}  // namespace hm
