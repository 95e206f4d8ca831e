#include "grid/paint_buffer.h"

#include <algorithm>

namespace hm {

namespace {

// Bits per pixel of what a DC draws on (the bitmap selected into a memory DC).
int SurfaceBits(HDC dc) {
  BITMAP bm{};
  if (HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP); bitmap && GetObjectW(bitmap, sizeof bm, &bm))
    return bm.bmBitsPixel * bm.bmPlanes;
  return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

}  // namespace

TPaintBuffer::~TPaintBuffer() { Release(); }

void TPaintBuffer::Release() {
  if (dc_ && original_) SelectObject(dc_.get(), original_);
  original_ = nullptr;
  bitmap_.reset();
  dc_.reset();
  width_ = height_ = bits_ = 0;
}

HDC TPaintBuffer::Prepare(HDC like, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  const int bits = SurfaceBits(like);
  if (dc_ && width <= width_ && height <= height_ && bits == bits_) return dc_.get();
  Release();
  UniqueMemoryDC dc(CreateCompatibleDC(like));
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(like, width, height));
  if (!dc || !bitmap) return nullptr;
  original_ = SelectObject(dc.get(), bitmap.get());
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = width;
  height_ = height;
  bits_ = bits;
  return dc_.get();
}

}  // namespace hm
