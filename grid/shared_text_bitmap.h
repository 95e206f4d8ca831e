// The one off-screen bitmap all data grids write text on when a cell's
// background colour cannot be shown exactly: the text is drawn over the
// dithered fill there and copied in, so no solid box shows behind it. It
// lives while any grid holds a TSharedTextBitmapUse.
#pragma once

#include "framework/ui/platform/win32.h"

namespace hm {

class TCanvas;

class TSharedTextBitmapUse {
 public:
  TSharedTextBitmapUse();
  ~TSharedTextBitmapUse();
  TSharedTextBitmapUse(const TSharedTextBitmapUse&) = delete;
  TSharedTextBitmapUse& operator=(const TSharedTextBitmapUse&) = delete;
};

// A canvas over the shared bitmap, at least width x height and compatible
// with `like`; null when there are no users or the system refuses.
TCanvas* SharedTextCanvas(HDC like, int width, int height);

// The bitmap now shared (null when none was needed yet); for tests.
HBITMAP SharedTextBitmapHandle();

}  // namespace hm
