// Drawing bitmaps on a canvas: it needs both classes, so it lives with
// neither of them.
#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  Require(false, false, false);
  if (!BitBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, CopyMode))
    RaiseLastWin32Error("BitBlt");
}

void TCanvas::StretchDraw(const RECT& r, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC dc = Handle();
  const int old_mode = SetStretchBltMode(dc, COLORONCOLOR);
  const BOOL ok = StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, bitmap.Canvas().Handle(), 0, 0,
                             bitmap.Width(), bitmap.Height(), CopyMode);
  SetStretchBltMode(dc, old_mode);
  if (!ok) RaiseLastWin32Error("StretchBlt");
}

void TCanvas::DrawTransparent(const RECT& dest, TBitmap& bitmap, const RECT& src_rect, TColor key) {
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (w <= 0 || h <= 0 || bitmap.Empty()) return;
  // Bring the piece to the destination size first; COLORONCOLOR keeps the key exact.
  TBitmap piece;
  piece.SetSize(w, h);
  piece.Canvas().CopyRect(RECT{0, 0, w, h}, bitmap.Canvas(), src_rect);
  // Mask: 1 where the piece has the key colour.
  UniqueGdi<HBITMAP> mask(CreateBitmap(w, h, 1, 1, nullptr));
  if (!mask) RaiseLastWin32Error("CreateBitmap");
  UniqueMemoryDC mask_dc(CreateCompatibleDC(nullptr));
  if (!mask_dc) RaiseLastWin32Error("CreateCompatibleDC");
  {
    SelectScope select(mask_dc.get(), mask.get());
    HDC piece_dc = piece.Canvas().Handle();
    const COLORREF old_bk = SetBkColor(piece_dc, ColorToRGB(key));
    BitBlt(mask_dc.get(), 0, 0, w, h, piece_dc, 0, 0, SRCCOPY);
    SetBkColor(piece_dc, old_bk);
  }
  MaskedCopy(dest, piece.Canvas(), 0, 0, mask.get());
}

}  // namespace hm
