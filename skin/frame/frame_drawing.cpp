#include "skin/frame/frame_drawing.h"

#include <cstring>
#include <utility>
#include <vector>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/frame/frame_layout.h"

namespace hm {

namespace {

HDC SourceDC(const TBitmap& bitmap) { return const_cast<TBitmap&>(bitmap).Canvas().Handle(); }

// Rectangles gathered for a region: room for 500 more at a time, turned
// into a region and merged every 2000 so the buffer stays small.
class TRegionBuilder {
 public:
  void Add(int left, int top, int right, int bottom) {
    if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kGrowth);
    rects_.push_back(RECT{left, top, right, bottom});
    if (rects_.size() == kBatch) Flush();
  }
  HRGN Finish() {
    Flush();
    return result_.release();
  }

 private:
  static constexpr std::size_t kGrowth = 500;
  static constexpr std::size_t kBatch = 2000;

  void Flush() {
    if (rects_.empty()) return;
    const std::size_t bytes = sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT);
    std::vector<std::byte> buffer(bytes);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects_.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
    RECT bound = rects_.front();
    for (const RECT& r : rects_) UnionRect(&bound, &bound, &r);
    data->rdh.rcBound = bound;
    std::memcpy(data->Buffer, rects_.data(), rects_.size() * sizeof(RECT));
    UniqueGdi<HRGN> part(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
    rects_.clear();
    if (!part) return;
    if (!result_) {
      result_ = std::move(part);
    } else {
      CombineRgn(result_.get(), result_.get(), part.get(), RGN_OR);
    }
  }

  std::vector<RECT> rects_ = [] {
    std::vector<RECT> v;
    v.reserve(kGrowth);
    return v;
  }();
  UniqueGdi<HRGN> result_;
};

}  // namespace

void ThreePartStrip(TCanvas& canvas, const RECT& rect, const TBitmap& bitmap, bool vertical, bool transparent,
                    int frame_count, int frame, const TSkinMargins& margins) {
  if (Width(rect) < 0 || Height(rect) < 0 || bitmap.Empty() || Width(rect) == 0 || Height(rect) == 0) return;
  TNinePartCut cut;
  cut.bitmap_width = bitmap.Width();
  cut.bitmap_height = bitmap.Height();
  cut.frames = vertical ? TFrameOrientation::Stacked : TFrameOrientation::SideBySide;
  cut.frame_count = frame_count;
  cut.frame = frame;
  const TPieceRect source = NinePartFrame(cut);
  if (source.Width() <= 0 || source.Height() <= 0) return;

  TBitmap strip(Width(rect), Height(rect));
  HDC out = strip.Canvas().Handle();
  SetStretchBltMode(out, COLORONCOLOR);
  HDC in = SourceDC(bitmap);
  for (const TStripPiece& piece : ThreePartPieces(source.Width(), margins.left, margins.right, Width(rect))) {
    StretchBlt(out, piece.dest_left, 0, piece.dest_width, Height(rect), in, source.left + piece.source_left,
               source.top, piece.source_width, source.Height(), SRCCOPY);
  }
  if (transparent) {
    canvas.DrawTransparent(rect, strip, RECT{0, 0, Width(rect), Height(rect)}, kSkinKeyColour);
  } else {
    canvas.Draw(rect.left, rect.top, strip);
  }
}

HRGN RegionFromBitmap(const TBitmap& bitmap, int x, int y) {
  if (bitmap.Empty()) return nullptr;
  TBitmap pixels;
  pixels.Assign(bitmap);
  pixels.SetPixelFormat(TPixelFormat::pf32bit);
  TRegionBuilder builder;
  std::vector<TPixelRun> runs;
  for (int row = 0; row < pixels.Height(); ++row) {
    OpaqueRuns(reinterpret_cast<const std::uint32_t*>(std::as_const(pixels).Row(row)), pixels.Width(), runs);
    for (const TPixelRun& run : runs) builder.Add(x + run.left, y + row, x + run.right, y + row + 1);
  }
  return builder.Finish();
}

}  // namespace hm
