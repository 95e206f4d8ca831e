#include "grid/portable/cell_colors.h"

#include <algorithm>

namespace hm {

TCellLook CellLook(const TCellHighlightState& s) {
  bool highlighted = s.multi_selected;
  if (!highlighted) {
    highlighted = (s.selected || (s.current_row && s.row_select)) &&
                  (s.always_show_selection || (s.focused && s.highlight_focus));
  }
  if (!highlighted) return TCellLook::Normal;
  const bool of_current_row = s.current_cell || (s.row_select && s.current_row);
  if (s.focused) {
    if (of_current_row || !s.many_colors) return TCellLook::Highlight;
    return TCellLook::LightHighlight;
  }
  if (of_current_row) return TCellLook::Shadow;
  return s.many_colors ? TCellLook::LightShadow : TCellLook::Face;
}

namespace {

// numerator / denominator (both positive) to the nearest integer, halves to even.
int RoundHalfEven(int numerator, int denominator) {
  const int q = numerator / denominator;
  const int twice_rest = 2 * (numerator % denominator);
  if (twice_rest > denominator || (twice_rest == denominator && q % 2 != 0)) return q + 1;
  return q;
}

std::uint8_t Channel(int cell, int glass, bool highlight_glass) {
  const int v = highlight_glass ? RoundHalfEven(cell + glass + 553, 4) : RoundHalfEven(cell + glass + 675, 5);
  return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

TRgb LightenedColor(TRgb cell, TRgb glass, bool highlight_glass) {
  return TRgb{Channel(cell.r, glass.r, highlight_glass), Channel(cell.g, glass.g, highlight_glass),
              Channel(cell.b, glass.b, highlight_glass)};
}

}  // namespace hm
