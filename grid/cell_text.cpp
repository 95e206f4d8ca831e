#include "grid/cell_text.h"

#include <vector>

#include "framework/core/text.h"
#include "framework/ui/graphics/canvas.h"
#include "grid/shared_text_bitmap.h"

namespace hm {

namespace {

TTextBox Box(const RECT& r) { return TTextBox{r.left, r.top, r.right, r.bottom}; }

UINT AlignmentFlag(TAlignment a) {
  switch (a) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

// The whole job on one canvas; `fill` and `box` in that canvas's coordinates.
void Write(TCanvas& canvas, const RECT& fill, const RECT& box, const TCellText& t) {
  if (t.multi_line) {
    canvas.FillRect(fill);
    const RECT inner{box.left + t.dx, box.top + t.dy, box.right - t.dx, box.bottom - t.dy};
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | AlignmentFlag(t.alignment);
    RECT measured = inner;
    const int height = t.text.empty() ? 0 : canvas.DrawText(t.text, measured, flags | DT_CALCRECT);
    RECT target{inner.left, WrappedBlockTop(Box(inner), height, t.layout), inner.right, inner.bottom};
    // DrawText clips to its rectangle; the cell may be smaller still.
    IntersectRect(&target, &target, &fill);
    if (!t.text.empty() && !IsRectEmpty(&target)) canvas.DrawText(t.text, target, flags);
    return;
  }
  std::string shortened;
  std::string_view line = t.text;
  if (t.end_ellipsis) {
    shortened = EllipsisText(canvas, t.text, (box.right - box.left) - t.dx);
    line = shortened;
  }
  const SIZE size = line.empty() ? SIZE{0, 0} : canvas.TextExtent(line);
  const TTextOrigin at = SingleLineOrigin(Box(box), t.dx, t.dy, size.cx, size.cy, t.alignment, t.layout);
  canvas.TextRect(fill, at.x, at.y, line);
}

}  // namespace

std::string EllipsisText(TCanvas& canvas, std::string_view text, int width) {
  if (text.empty() || canvas.TextWidth(text) <= width) return std::string(text);
  // Cut whole characters (UTF-16 pairs stay together), longest fit first.
  const std::u16string wide = Utf8ToUtf16(text);
  std::vector<std::size_t> cuts;  // lengths that end on a character boundary
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (i > 0 && (wide[i] & 0xFC00) == 0xDC00) continue;
    cuts.push_back(i);
  }
  std::size_t lo = 0, hi = cuts.size();  // cuts[lo] fits (the empty start always "fits")
  while (hi - lo > 1) {
    const std::size_t mid = (lo + hi) / 2;
    const std::string candidate = Utf16ToUtf8(wide.substr(0, cuts[mid])) + "...";
    if (canvas.TextWidth(candidate) <= width) lo = mid;
    else hi = mid;
  }
  return Utf16ToUtf8(wide.substr(0, cuts[lo])) + "...";
}

void WriteCellText(TCanvas& canvas, const RECT& fill, const RECT& box, const TCellText& text) {
  if (fill.right <= fill.left || fill.bottom <= fill.top) return;
  HDC dc = canvas.Handle();
  const COLORREF background = ColorToRGB(canvas.Brush().Color());
  if (canvas.Brush().Style() == bsClear || GetNearestColor(dc, background) == background) {
    Write(canvas, fill, box, text);
    return;
  }
  // A colour the device dithers: compose on the shared bitmap, then copy.
  const int w = fill.right - fill.left, h = fill.bottom - fill.top;
  TCanvas* off = SharedTextCanvas(dc, w, h);
  if (!off) {
    Write(canvas, fill, box, text);
    return;
  }
  if (!off->Font().SameAs(canvas.Font())) off->Font().Assign(canvas.Font());
  off->Brush().Assign(canvas.Brush());
  const RECT local_fill{0, 0, w, h};
  const RECT local_box{box.left - fill.left, box.top - fill.top, box.right - fill.left, box.bottom - fill.top};
  off->FillRect(local_fill);
  off->Brush().SetStyle(bsClear);  // the text over the dithered fill, no box of its own
  Write(*off, local_fill, local_box, text);
  BitBlt(dc, fill.left, fill.top, w, h, off->Handle(), 0, 0, SRCCOPY);
}

}  // namespace hm
