// Where the cells of a drawn grid lie along one axis (columns across, rows
// down) for a client of a given size: fixed cells first, then the scrolling
// cells from the first one shown. Every cell is followed by a line of
// LineWidth pixels; a cell counts as wholly visible when its last pixel is
// inside the client, even if its line is cut off.
#pragma once

#include <vector>

namespace hm {

struct TGridAxisDrawInfo {
  int LineWidth = 0;        // pixels after every cell
  int FixedCellCount = 0;
  int FirstGridCell = 0;    // the first scrolling cell shown (LeftCol, TopRow)
  int GridCellCount = 0;    // all cells, fixed ones included
  int GridExtent = 0;       // the client's size along the axis
  int FixedBoundary = 0;    // first pixel after the fixed cells and their lines
  int GridBoundary = 0;     // first pixel after the last cell shown (the extent when cut)
  int FullVisBoundary = 0;  // first pixel after the last wholly visible cell's line
  int LastFullVisibleCell = -1;  // FirstGridCell - 1 when none is wholly visible
  int LastVisibleCell = -1;      // the last cell shown at least in part

  // Cells wholly visible after the fixed ones (0 when none).
  int FullVisibleCount() const { return LastFullVisibleCell - FirstGridCell + 1; }
};

// Fills the boundaries for `extents` (one size per cell).
TGridAxisDrawInfo CalcGridAxis(const std::vector<int>& extents, int fixed_count, int first_cell, int line_width,
                               int grid_extent);

// The offset of a cell's first pixel, or -1 when the cell is scrolled out
// of view or lies past the last cell shown.
int GridCellStart(const TGridAxisDrawInfo& axis, const std::vector<int>& extents, int cell);

// The cell under a pixel (its trailing line belongs to it), or -1.
int GridCellAt(const TGridAxisDrawInfo& axis, const std::vector<int>& extents, int pos);

// The largest first cell that still leaves no room after the last cell:
// scrolling further would only show empty space.
int GridMaxFirstCell(const std::vector<int>& extents, int fixed_count, int line_width, int grid_extent);

// The first cell to show so that `cell` becomes wholly visible, moving as
// little as possible from `first_cell`.
int GridFirstCellShowing(const std::vector<int>& extents, int fixed_count, int first_cell, int line_width,
                         int grid_extent, int cell);

}  // namespace hm
