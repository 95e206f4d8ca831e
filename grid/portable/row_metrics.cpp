#include "grid/portable/row_metrics.h"

#include <algorithm>

namespace hm {

int DataRowHeight(int row_height, int row_lines, const TFontMetrics& font, bool flat, int row_line_width) {
  if (row_height > 0 || row_lines > 0)
    return std::max(row_height, 0) + (font.external_leading + font.text_height) * std::max(row_lines, 0);
  return font.wg_height + (flat ? 1 : 3) + row_line_width;
}

int TitleRowHeight(const std::vector<TFontMetrics>& title_fonts, bool flat, int title_height, int title_lines,
                   bool row_lines) {
  const int margin = flat ? 2 : 4;
  // The first font of the largest "Wg" gives the metrics below.
  const TFontMetrics* tallest = nullptr;
  for (const TFontMetrics& m : title_fonts) {
    if (!tallest || m.wg_height > tallest->wg_height) tallest = &m;
  }
  if (!tallest) return margin;
  if (title_height <= 0 && title_lines <= 0) return tallest->wg_height + margin;
  return std::max(title_lines, 0) * tallest->text_height + tallest->external_leading + std::max(title_height, 0) + 2 +
         (row_lines ? 1 : 0);
}

int DataRowsToHold(int client_height, int title_row_height, int data_row_height, int line_width) {
  const int step = data_row_height + line_width;
  if (step <= 0) return 1;
  return std::max((client_height - title_row_height - line_width) / step, 1);
}

}  // namespace hm
