#include "framework/ui/portable/grid_geometry.h"

#include <algorithm>

namespace hm {

namespace {

int FixedBoundaryOf(const std::vector<int>& extents, int fixed_count, int line_width) {
  int boundary = 0;
  for (int i = 0; i < fixed_count && i < static_cast<int>(extents.size()); ++i) boundary += extents[i] + line_width;
  return boundary;
}

}  // namespace

TGridAxisDrawInfo CalcGridAxis(const std::vector<int>& extents, int fixed_count, int first_cell, int line_width,
                               int grid_extent) {
  TGridAxisDrawInfo axis;
  axis.LineWidth = line_width;
  axis.GridCellCount = static_cast<int>(extents.size());
  axis.FixedCellCount = std::min(fixed_count, axis.GridCellCount);
  axis.FirstGridCell = std::max(first_cell, axis.FixedCellCount);
  axis.GridExtent = grid_extent;
  axis.FixedBoundary = FixedBoundaryOf(extents, axis.FixedCellCount, line_width);
  axis.GridBoundary = axis.FixedBoundary;
  axis.FullVisBoundary = axis.FixedBoundary;
  axis.LastFullVisibleCell = axis.FirstGridCell - 1;
  axis.LastVisibleCell = axis.FixedCellCount - 1;
  // Fixed cells past the client are shown in part or not at all.
  for (int i = 0, pos = 0; i < axis.FixedCellCount; ++i) {
    if (pos >= grid_extent) {
      axis.LastVisibleCell = i - 1;
      break;
    }
    pos += extents[i] + line_width;
  }
  for (int i = axis.FirstGridCell; i < axis.GridCellCount; ++i) {
    if (axis.GridBoundary >= grid_extent) break;
    axis.LastVisibleCell = i;
    const int end = axis.GridBoundary + extents[i];
    axis.GridBoundary = end + line_width;
    if (end > grid_extent) {
      axis.GridBoundary = grid_extent;
      break;
    }
    axis.LastFullVisibleCell = i;
    axis.FullVisBoundary = axis.GridBoundary;
  }
  axis.GridBoundary = std::min(axis.GridBoundary, std::max(grid_extent, axis.FixedBoundary));
  return axis;
}

int GridCellStart(const TGridAxisDrawInfo& axis, const std::vector<int>& extents, int cell) {
  if (cell < 0 || cell >= axis.GridCellCount) return -1;
  int pos = 0;
  if (cell < axis.FixedCellCount) {
    for (int i = 0; i < cell; ++i) pos += extents[i] + axis.LineWidth;
    return pos;
  }
  if (cell < axis.FirstGridCell || cell > axis.LastVisibleCell) return -1;
  pos = axis.FixedBoundary;
  for (int i = axis.FirstGridCell; i < cell; ++i) pos += extents[i] + axis.LineWidth;
  return pos;
}

int GridCellAt(const TGridAxisDrawInfo& axis, const std::vector<int>& extents, int pos) {
  if (pos < 0 || pos >= axis.GridExtent) return -1;
  int start = 0;
  for (int i = 0; i < axis.FixedCellCount; ++i) {
    const int stop = start + extents[i] + axis.LineWidth;
    if (pos < stop) return i;
    start = stop;
  }
  for (int i = axis.FirstGridCell; i <= axis.LastVisibleCell; ++i) {
    const int stop = start + extents[i] + axis.LineWidth;
    if (pos < stop) return i;
    start = stop;
  }
  return -1;
}

int GridMaxFirstCell(const std::vector<int>& extents, int fixed_count, int line_width, int grid_extent) {
  const int count = static_cast<int>(extents.size());
  if (count <= fixed_count) return fixed_count;
  const int room = grid_extent - FixedBoundaryOf(extents, fixed_count, line_width);
  int used = -line_width;  // the last cell's own line may be cut off
  int first = count - 1;
  for (int i = count - 1; i >= fixed_count; --i) {
    used += extents[i] + line_width;
    if (used > room) break;
    first = i;
  }
  return first;
}

int GridFirstCellShowing(const std::vector<int>& extents, int fixed_count, int first_cell, int line_width,
                         int grid_extent, int cell) {
  if (cell < fixed_count) return first_cell;
  if (cell < first_cell) return cell;
  const TGridAxisDrawInfo axis = CalcGridAxis(extents, fixed_count, first_cell, line_width, grid_extent);
  if (cell <= axis.LastFullVisibleCell) return first_cell;
  // Scroll forward until the cell fits, but never past the cell itself.
  // Without room for any cell (a window not laid out yet) stay put.
  const int room = grid_extent - axis.FixedBoundary;
  if (room <= 0) return first_cell;
  int used = -line_width;
  int first = cell;
  for (int i = cell; i >= fixed_count; --i) {
    used += extents[i] + line_width;
    if (used > room) break;
    first = i;
  }
  return std::max(first, first_cell);
}

}  // namespace hm
