// Heights of the grid's rows and how many data rows the grid holds, from
// the metrics of its fonts.
#pragma once

#include <vector>

namespace hm {

struct TFontMetrics {
  int text_height = 0;       // the font's cell height
  int external_leading = 0;  // the space the font asks for between lines
  int wg_height = 0;         // the height of the text "Wg"
};

// The height of a data row, its line not counted. A fixed RowHeight or a
// number of RowLines wins over the font; `row_line_width` is the grid-line
// width with row lines, 0 without.
int DataRowHeight(int row_height, int row_lines, const TFontMetrics& font, bool flat, int row_line_width);

// The height of the title row from the title fonts of the columns (or the
// grid's title font when there are none; never empty).
int TitleRowHeight(const std::vector<TFontMetrics>& title_fonts, bool flat, int title_height, int title_lines,
                   bool row_lines);

// Data rows the grid asks its data link to hold: as many as fit whole
// below the title row, at least 1. `line_width` is 0 without row lines.
int DataRowsToHold(int client_height, int title_row_height, int data_row_height, int line_width);

}  // namespace hm
