// Text measures of a font on the screen, where the grid measures before it
// has a window of its own (its window shares the screen's metrics).
#pragma once

#include <string_view>

#include "grid/portable/row_metrics.h"

namespace hm {

class TFont;

TFontMetrics MeasureFont(TFont& font);
int MeasureTextWidth(TFont& font, std::string_view text);
// The average width of a digit, less the overhang, and the overhang: what a
// field's width in characters is multiplied by.
struct TDigitWidth {
  int digit = 0;
  int overhang = 0;
};
TDigitWidth MeasureDigitWidth(TFont& font);

}  // namespace hm
