// Painting of the generic grid: lines, cells through DrawCell, the focus
// frame, the empty area, and the drag line or move marker on top.
#include <algorithm>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/grid/grids.h"
#include "framework/ui/platform/handles.h"

namespace hm {

namespace {

// The marker that shows where a moved column would land.
constexpr int kMoveMarkerWidth = 3;

void FillSolid(HDC dc, const RECT& r, TColor color) {
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(color)));
  if (brush) FillRect(dc, &r, brush.get());
}

// Clips drawing to one cell and gives the DC its clip back. Unlike
// SaveDC/RestoreDC it leaves the selected pen, brush and font alone, which
// the canvas believes it still has selected.
class CellClip {
 public:
  CellClip(HDC dc, const RECT& r) : dc_(dc), old_(CreateRectRgn(0, 0, 0, 0)) {
    had_clip_ = old_ && GetClipRgn(dc, old_.get()) == 1;
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  ~CellClip() { SelectClipRgn(dc_, had_clip_ ? old_.get() : nullptr); }
  CellClip(const CellClip&) = delete;
  CellClip& operator=(const CellClip&) = delete;

 private:
  HDC dc_;
  UniqueGdi<HRGN> old_;
  bool had_clip_ = false;
};

}  // namespace

TColor TCustomGrid::GridLineColor(bool fixed_area) const {
  if (fixed_area) return clBlack;
  // Silver lines would vanish on a silver grid.
  return Color() == clSilver ? clGray : clSilver;
}

void TCustomGrid::Paint() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TCanvas& canvas = Canvas();
  DrawCells(canvas, info);
  DrawLines(canvas, info);
  // The area right of the last column and below the last row.
  HDC dc = canvas.Handle();
  const RECT client = ClientRect();
  if (info.Horz.GridBoundary < client.right)
    FillSolid(dc, RECT{info.Horz.GridBoundary, 0, client.right, client.bottom}, Color());
  if (info.Vert.GridBoundary < client.bottom)
    FillSolid(dc, RECT{0, info.Vert.GridBoundary, std::min<LONG>(info.Horz.GridBoundary, client.right), client.bottom},
              Color());
  DrawFocusAndDrag(canvas, info);
}

void TCustomGrid::DrawLines(TCanvas& canvas, const TGridDrawInfo& info) {
  HDC dc = canvas.Handle();
  const int lw = grid_line_width_;
  if (lw <= 0) return;
  const int fixed_bottom = std::min(info.Vert.FixedBoundary, info.Vert.GridBoundary);
  const int fixed_right = std::min(info.Horz.FixedBoundary, info.Horz.GridBoundary);
  // Vertical lines, after every column shown.
  for (int col = 0; col <= info.Horz.LastVisibleCell; ++col) {
    if (col >= fixed_cols_ && col < left_col_) continue;
    const int x = GridCellStart(info.Horz, col_widths_, col) + col_widths_[static_cast<std::size_t>(col)];
    const bool fixed_col = col < fixed_cols_;
    if (options_.Contains(goFixedVertLine) && info.Horz.LineWidth > 0) {
      // Fixed rows across every column, and fixed columns down every row.
      FillSolid(dc, RECT{x, 0, x + lw, fixed_bottom}, GridLineColor(true));
      if (fixed_col) FillSolid(dc, RECT{x, fixed_bottom, x + lw, info.Vert.GridBoundary}, GridLineColor(true));
    }
    if (!fixed_col && options_.Contains(goVertLine))
      FillSolid(dc, RECT{x, fixed_bottom, x + lw, info.Vert.GridBoundary}, GridLineColor(false));
  }
  // Horizontal lines, after every row shown.
  for (int row = 0; row <= info.Vert.LastVisibleCell; ++row) {
    if (row >= fixed_rows_ && row < top_row_) continue;
    const int y = GridCellStart(info.Vert, row_heights_, row) + row_heights_[static_cast<std::size_t>(row)];
    const bool fixed_row = row < fixed_rows_;
    if (options_.Contains(goFixedHorzLine) && info.Vert.LineWidth > 0) {
      FillSolid(dc, RECT{0, y, fixed_right, y + lw}, GridLineColor(true));
      if (fixed_row) FillSolid(dc, RECT{fixed_right, y, info.Horz.GridBoundary, y + lw}, GridLineColor(true));
    }
    if (!fixed_row && options_.Contains(goHorzLine))
      FillSolid(dc, RECT{fixed_right, y, info.Horz.GridBoundary, y + lw}, GridLineColor(false));
  }
}

void TCustomGrid::DrawCells(TCanvas& canvas, const TGridDrawInfo& info) {
  HDC dc = canvas.Handle();
  const bool focused = Focused();
  auto paint_rows = [&](int first_row, int last_row) {
    for (int row = first_row; row <= last_row; ++row) {
      for (int col = 0; col <= info.Horz.LastVisibleCell; ++col) {
        if (col >= fixed_cols_ && col < left_col_) continue;
        const RECT r = CellRect(col, row);
        if (r.right <= r.left || r.bottom <= r.top || !RectVisible(dc, &r)) continue;
        TGridDrawState state;
        const bool current = col == col_ && row == row_;
        if (col < fixed_cols_ || row < fixed_rows_) {
          state.Include(gdFixed);
        } else {
          if (current && focused) state.Include(gdFocused);
          if (Selection().Contains(col, row) &&
              (!current || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect)))
            state.Include(gdSelected);
        }
        CellClip clip(dc, r);
        try {
          DrawCell(col, row, r, state);
        } catch (...) {
          // One cell that cannot paint must not stop the others.
        }
      }
    }
  };
  paint_rows(0, std::min(fixed_rows_, info.Vert.LastVisibleCell + 1) - 1);
  paint_rows(top_row_, info.Vert.LastVisibleCell);
}

void TCustomGrid::DrawCell(int col, int row, RECT rect, TGridDrawState state) {
  TCanvas& canvas = Canvas();
  if (default_drawing_) {
    canvas.Brush().SetStyle(bsSolid);
    if (state.Contains(gdFixed)) canvas.Brush().SetColor(fixed_color_);
    else if (state.Contains(gdSelected)) canvas.Brush().SetColor(clHighlight);
    else canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    if (state.Contains(gdFixed) && Ctl3D() && options_.Contains(goFixedVertLine) &&
        options_.Contains(goFixedHorzLine)) {
      DrawEdge(canvas.Handle(), &rect, BDR_RAISEDINNER, BF_RECT);
    }
  }
  OnDrawCell(this, col, row, rect, state);
}

void TCustomGrid::DrawFocusAndDrag(TCanvas& canvas, const TGridDrawInfo& info) {
  HDC dc = canvas.Handle();
  if (Focused() && grid_state_ == gsNormal) {
    RECT focus{0, 0, 0, 0};
    if (options_.Contains(goRowSelect)) {
      const RECT first = CellRect(std::max(left_col_, fixed_cols_), row_);
      if (first.bottom > first.top)
        focus = RECT{first.left, first.top, std::min(info.Horz.GridBoundary, static_cast<int>(ClientWidth())),
                     first.bottom};
    } else {
      focus = CellRect(col_, row_);
    }
    if (focus.right > focus.left && focus.bottom > focus.top) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      ::DrawFocusRect(dc, &focus);
    }
  }
  if (grid_state_ == gsColSizing) {
    const RECT line = SizingLineRect();
    PatBlt(dc, line.left, line.top, line.right - line.left, line.bottom - line.top, DSTINVERT);
  } else if (grid_state_ == gsColMoving && move_pos_ != move_index_) {
    const RECT marker = MoveMarkerRect();
    if (marker.right > marker.left) {
      FillSolid(dc, marker, clSilver);
      UniqueGdi<HBRUSH> frame(CreateSolidBrush(ColorToRGB(clGray)));
      if (frame) FrameRect(dc, &marker, frame.get());
    }
  }
}

RECT TCustomGrid::SizingLineRect() const {
  const int height = const_cast<TCustomGrid*>(this)->ClientHeight();
  return RECT{sizing_pos_, 0, sizing_pos_ + std::max(grid_line_width_, 1), height};
}

RECT TCustomGrid::MoveMarkerRect() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (move_pos_ < fixed_cols_ || move_pos_ >= ColCount()) return RECT{0, 0, 0, 0};
  const int start = GridCellStart(info.Horz, col_widths_, move_pos_);
  if (start < 0) return RECT{0, 0, 0, 0};
  // Moving right lands after the target column, moving left before it.
  const int edge = move_pos_ > move_index_ ? start + col_widths_[static_cast<std::size_t>(move_pos_)] : start;
  const int left = std::max(edge - kMoveMarkerWidth / 2, info.Horz.FixedBoundary);
  return RECT{left, 0, left + kMoveMarkerWidth, std::max(info.Vert.GridBoundary, info.Vert.FixedBoundary)};
}

}  // namespace hm
