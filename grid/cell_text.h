// Writing a cell's text: the cell is filled with the canvas's brush and
// the text placed by its alignment, layout and offsets, on one line
// (optionally shortened with "...") or word-wrapped, clipped to the cell.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>
#include <string_view>

#include "framework/data/alignment.h"
#include "grid/portable/text_placement.h"

namespace hm {

class TCanvas;

struct TCellText {
  std::string_view text;
  TAlignment alignment = taLeftJustify;
  TTextLayout layout = tlTop;
  int dx = 2;  // from the left edge
  int dy = 2;  // from the top edge
  bool multi_line = false;
  bool end_ellipsis = false;
};

// Fills `fill` and writes the text placed in `box` (the fill rectangle, or
// it moved, as for a pressed title), clipped to `fill`. The canvas's font
// and brush are used as they are.
void WriteCellText(TCanvas& canvas, const RECT& fill, const RECT& box, const TCellText& text);

// The longest start of `text` that, followed by "...", is at most `width`
// wide; the text itself when it fits.
std::string EllipsisText(TCanvas& canvas, std::string_view text, int width);

}  // namespace hm
