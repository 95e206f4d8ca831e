// Fitting column widths to the client width, and what a column dragged to
// a new width does to that fit. Widths are always derived from each
// column's initial width, never from an earlier fit, so repeated resizing
// cannot drift.
#pragma once

#include <functional>
#include <vector>

#include "framework/core/mul_div.h"

namespace hm {

// A width within a column's bounds: MaxWidth first (when positive), then
// MinWidth (when positive); never negative.
int ClampColumnWidth(int width, int min_width, int max_width);

struct TFitColumn {
  int width = 0;       // the column's Width; the fitted width afterwards
  int initial = 0;     // the proportion the column is fitted by
  int min_width = 0;
  int max_width = 0;
  bool auto_fit = true;
  bool fixed = false;  // hit a bound in this fit: keeps its width
};

struct TFitSettings {
  int min_auto_fit_width = 0;
  bool indicator = false;  // an indicator column of indicator_width at the left
  int indicator_width = 0;
  bool col_lines = false;  // a one-pixel line after every column
};

// Spreads the width left by the other columns over the fitting columns in
// proportion to their initial widths. `client_width` is asked at the start
// of every pass: showing or hiding the vertical scroll bar changes it.
void FitColumnWidths(std::vector<TFitColumn>& columns, const TFitSettings& settings,
                     const std::function<int()>& client_width);

// After the user dragged grid columns to `grid_widths` (one per column):
// a fitting column's proportion follows its new width and its right
// neighbour's proportion gives or takes the difference, so the next fit
// trades width between the two; other columns take the new width.
void TakeDraggedWidths(std::vector<TFitColumn>& columns, const std::vector<int>& grid_widths);

}  // namespace hm
