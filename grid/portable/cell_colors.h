// How a data cell is coloured: whether it is highlighted and, if so, with
// which of the highlight looks; and the lightened highlight formula.
#pragma once

#include <cstdint>

namespace hm {

enum class TCellLook {
  Normal,            // the column's colour and font colour
  Highlight,         // highlight colour, highlight-text colour
  LightHighlight,    // the cell's colour lightened toward the highlight colour
  Shadow,            // button-shadow colour, highlight-text colour
  LightShadow,       // the cell's colour lightened toward the button shadow
  Face,              // button-face colour
};

struct TCellHighlightState {
  bool multi_selected = false;  // in a multi-selection of rows, columns or a rectangle
  bool selected = false;        // inside the grid's selection
  bool current_cell = false;
  bool current_row = false;     // in the row of the current record
  bool row_select = false;      // dgRowSelect
  bool always_show_selection = false;  // dgAlwaysShowSelection
  bool focused = false;         // the grid or its in-cell editor has the keyboard focus
  bool highlight_focus = false; // dghHighlightFocus
  bool many_colors = true;      // a display of more than 256 colours
};

TCellLook CellLook(const TCellHighlightState& state);

struct TRgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

// The cell colour seen through a glass colour: half of each, then lifted
// toward 225 by 60 %, and for the highlight glass pushed from 122 by 25 %;
// rounded to the nearest integer (halves to even), clamped to 0..255.
// The arithmetic is exact: per channel that is (C + G + 675) / 5, or
// (C + G + 553) / 4 for the highlight glass.
TRgb LightenedColor(TRgb cell, TRgb glass, bool highlight_glass);

}  // namespace hm
