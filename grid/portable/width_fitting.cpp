#include "grid/portable/width_fitting.h"

#include <algorithm>
#include <cstdint>

namespace hm {

int ClampColumnWidth(int width, int min_width, int max_width) {
  if (max_width > 0 && width > max_width) width = max_width;
  if (width < min_width) width = min_width;
  return std::max(width, 0);
}

void FitColumnWidths(std::vector<TFitColumn>& columns, const TFitSettings& settings,
                     const std::function<int()>& client_width) {
  for (TFitColumn& c : columns) c.fixed = false;
  const auto eligible = [](const TFitColumn& c) { return c.auto_fit && !c.fixed; };
  const int visible = static_cast<int>(columns.size());
  int available = 0;
  int total = 0;
  for (int pass = 0; pass < std::max(visible, 1); ++pass) {
    const int client = client_width();
    long long proportions = 0, others = 0;
    for (const TFitColumn& c : columns) {
      if (eligible(c)) proportions += c.initial;
      else others += c.width;
    }
    available = static_cast<int>(std::max<long long>(std::max(client, settings.min_auto_fit_width) - others, 0));
    if (settings.indicator) available -= settings.indicator_width;
    if (settings.col_lines) available -= visible;
    if (settings.indicator && settings.col_lines) available -= 1;

    bool marked = false;
    total = 0;
    for (TFitColumn& c : columns) {
      if (!eligible(c)) continue;
      // Without any proportion there is nothing to divide by: the columns
      // keep their widths and drop out (as MulDiv's -1 would change nothing
      // and differ from every width).
      if (proportions <= 0) {
        c.fixed = true;
        marked = true;
        total += c.width;
        continue;
      }
      const int request = MulDivRound(c.initial, available, static_cast<int>(proportions));
      c.width = ClampColumnWidth(request, c.min_width, c.max_width);
      if (c.width != request) {
        c.fixed = true;
        marked = true;
      }
      total += c.width;
    }
    if (!marked) break;
  }
  if (total == available) return;
  // One column takes the rounding difference: the last one still fitting.
  for (auto it = columns.rbegin(); it != columns.rend(); ++it) {
    if (!eligible(*it)) continue;
    it->width = ClampColumnWidth(it->width + (available - total), it->min_width, it->max_width);
    return;
  }
}

void TakeDraggedWidths(std::vector<TFitColumn>& columns, const std::vector<int>& grid_widths) {
  const std::size_t n = std::min(columns.size(), grid_widths.size());
  for (std::size_t i = 0; i < n; ++i) {
    TFitColumn& c = columns[i];
    const int dragged = ClampColumnWidth(grid_widths[i], c.min_width, c.max_width);
    if (dragged == c.width) continue;
    if (!c.auto_fit) {
      c.width = dragged;
      continue;
    }
    const int before = c.initial;
    // A column squeezed to nothing has no proportion to scale: its new
    // width becomes its proportion.
    c.initial = c.width > 0 ? MulDivRound(c.initial, dragged, c.width) : dragged;
    if (i + 1 < columns.size()) columns[i + 1].initial = std::max(columns[i + 1].initial + (before - c.initial), 0);
  }
}

}  // namespace hm
