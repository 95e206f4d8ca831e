#include "skin/controls/skin_progress.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/button_face_layout.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinProgress) {}

namespace {

// Frame `frame` of `count`, nine-part cut into rect of dc, magenta see-through.
void DrawPart(HDC dc, const RECT& rect, const TDataSkinObject& d, int count, int frame) {
  if (Width(rect) <= 0 || Height(rect) <= 0) return;
  const auto image = NinePartBitmap(rect, d.Bitmap, MarginsOf(d), TFrameOrientation::SideBySide, d.Tile == 1, count,
                                    frame);
  if (!image->Empty()) TransparentBlit(dc, rect, *image, kSkinKeyColour);
}

}  // namespace

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

const TDataSkinBorder* TSkinProgress::Definition() const {
  const TDataSkinBorder* d = skin_data_ ? skin_data_->BorderSection(ssProgress) : nullptr;
  return d && !d->Bitmap.Empty() ? d : nullptr;
}

bool TSkinProgress::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!Definition()) return true;  // the bar paints itself
      PaintOnWmPaint(m);
      return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

// The range's low end counts too: a bar from 50 to 150 at 100 is half full.
int TSkinProgress::Fill(int extent) const {
  const auto position = static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0));
  const auto low = static_cast<int>(SendMessageW(handle_, PBM_GETRANGE, TRUE, 0));
  const auto high = static_cast<int>(SendMessageW(handle_, PBM_GETRANGE, FALSE, 0));
  return ProgressFill(position, low, high, extent);
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* d = Definition();
  if (!d || !dc || Width(rect) <= 0 || Height(rect) <= 0) return;
  const bool vertical = (GetWindowLongPtrW(handle_, GWL_STYLE) & PBS_VERTICAL) != 0;
  if (d->Style == 1 && !d->SecondBitmap.Empty() && !vertical) {
    DrawChunks(dc, rect, *d);
  } else {
    DrawNormal(dc, rect, *d, vertical);
  }
}

void TSkinProgress::DrawNormal(HDC dc, const RECT& rect, const TDataSkinBorder& d, bool vertical) {
  const RECT at{0, 0, Width(rect), Height(rect)};
  if (face_bitmap_.Width() != at.right || face_bitmap_.Height() != at.bottom) face_bitmap_.SetSize(at.right, at.bottom);
  HDC out = face_bitmap_.Canvas().Handle();
  FillBackground(out, at);
  DrawPart(out, at, d, 2, 1);
  last_fill_ = Fill(vertical ? at.bottom : at.right);
  if (last_fill_ > 0) {
    // A vertical bar fills from the bottom.
    const RECT filled = vertical ? RECT{0, at.bottom - last_fill_, at.right, at.bottom} : RECT{0, 0, last_fill_, at.bottom};
    DrawPart(out, filled, d, 2, 2);
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, at.right, at.bottom, out, 0, 0, SRCCOPY);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& rect, const TDataSkinBorder& d) {
  TBitmap* work = WorkBitmap();
  if (!work) return;
  const RECT at{0, 0, Width(rect), Height(rect)};
  if (work->Width() < at.right || work->Height() < at.bottom) work->SetSize(at.right, at.bottom);
  HDC out = work->Canvas().Handle();
  FillBackground(out, at);
  DrawPart(out, at, d, 1, 1);
  last_fill_ = Fill(at.right);
  const TBitmap& chunk = d.SecondBitmap;
  if (last_fill_ > 0 && chunk.Width() > 0) {
    // Never over the right margin of the trough.
    const int room = std::max(0, static_cast<int>(at.right) - d.LeftWidth - d.RightWidth);
    const int f = std::min(last_fill_, room);
    if (f > 0) {
      TBitmap strip(f, chunk.Height());
      HDC s = strip.Canvas().Handle();
      HDC c = const_cast<TBitmap&>(chunk).Canvas().Handle();
      for (int x = 0; x < f; x += chunk.Width()) BitBlt(s, x, 0, chunk.Width(), chunk.Height(), c, 0, 0, SRCCOPY);
      const int y = (at.bottom - chunk.Height()) / 2;
      TransparentBlit(out, RECT{d.LeftWidth, y, d.LeftWidth + f, y + chunk.Height()}, strip, kSkinKeyColour);
    }
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, at.right, at.bottom, out, 0, 0, SRCCOPY);
}

}  // namespace hm
