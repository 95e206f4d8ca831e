#include "grid/paint_buffer.h"

#include <algorithm>

namespace hm {

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
  if (dc_ && width <= width_ && height <= height_) return dc_.get();
  Release();
  UniqueMemoryDC dc(CreateCompatibleDC(like));
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(like, width, height));
  if (!dc || !bitmap) return nullptr;
  BITMAP bm{};
  bits_ = GetObjectW(bitmap.get(), sizeof bm, &bm) ? bm.bmBitsPixel * bm.bmPlanes : 32;
  original_ = SelectObject(dc.get(), bitmap.get());
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = width;
  height_ = height;
  return dc_.get();
}

}  // namespace hm
