// An off-screen surface a picture is composed on before it is copied to
// the screen in one block, so nothing half-drawn is ever seen. It keeps its
// bitmap between paints and grows it when needed.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/platform/handles.h"

namespace hm {

class TPaintBuffer {
 public:
  TPaintBuffer() = default;
  ~TPaintBuffer();
  TPaintBuffer(const TPaintBuffer&) = delete;
  TPaintBuffer& operator=(const TPaintBuffer&) = delete;

  // A memory DC holding a bitmap of at least width x height compatible with
  // `like`; null when the system refuses one (then draw directly). The
  // bitmap is kept while it is large enough; Release after a change of the
  // display's depth.
  HDC Prepare(HDC like, int width, int height);
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // Bits per pixel of the bitmap (0 before the first Prepare). Asking a DC
  // for its depth is slow under Wine; the bitmap knows its own.
  int Bits() const { return bits_; }
  void Release();

 private:
  UniqueMemoryDC dc_;
  UniqueGdi<HBITMAP> bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, selected back before ours goes
  int width_ = 0, height_ = 0, bits_ = 0;
};

}  // namespace hm
