#include "framework/ui/grid/grids.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/portable/exceptions.h"

namespace hm {

HM_PUBLISH(TCustomGrid) {
  p.Prop("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle);
  p.Prop("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount);
  p.Prop("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth);
  p.Prop("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing);
  p.Prop("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight);
  p.Prop("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor);
  p.Prop("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols);
  p.Prop("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount);
  p.Prop("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows);
  p.Prop("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth);
  p.Prop("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions);
  p.Prop("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars);
  p.Event("OnColumnMoved", &TCustomGrid::OnColumnMoved);
  p.Event("OnColWidthsChanged", &TCustomGrid::OnColWidthsChanged);
  p.Event("OnDrawCell", &TCustomGrid::OnDrawCell);
  p.Event("OnRowMoved", &TCustomGrid::OnRowMoved);
  p.Event("OnSelectCell", &TCustomGrid::OnSelectCell);
  p.Event("OnTopLeftChanged", &TCustomGrid::OnTopLeftChanged);
}

TCustomGrid::TCustomGrid(TComponent* owner)
    : TCustomControl(owner) {
  col_widths_.assign(5, default_col_width_);
  row_heights_.assign(5, default_row_height_);
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
  // A grid has its own window colour, whatever its parent's is.
  SetParentColor(false);
  SetTabStop(true);
  SetDoubleBuffered(true);
}

TCustomGrid::~TCustomGrid() = default;

// ---- Cells

void TCustomGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == ColCount()) return;
  if (fixed_cols_ >= count) fixed_cols_ = count - 1;
  col_widths_.resize(static_cast<std::size_t>(count), default_col_width_);
  col_ = std::clamp(col_, fixed_cols_, count - 1);
  anchor_col_ = std::clamp(anchor_col_, fixed_cols_, count - 1);
  left_col_ = std::clamp(left_col_, fixed_cols_, count - 1);
  ColWidthsChanged();
}

void TCustomGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount()) return;
  if (fixed_rows_ >= count) fixed_rows_ = count - 1;
  row_heights_.resize(static_cast<std::size_t>(count), default_row_height_);
  row_ = std::clamp(row_, fixed_rows_, count - 1);
  anchor_row_ = std::clamp(anchor_row_, fixed_rows_, count - 1);
  top_row_ = std::clamp(top_row_, fixed_rows_, count - 1);
  RowHeightsChanged();
}

void TCustomGrid::SetFixedCols(int count) {
  if (count < 0 || count >= ColCount())
    throw EInvalidOperation("Fixed column count must be less than column count");
  fixed_cols_ = count;
  col_ = std::max(col_, count);
  anchor_col_ = std::max(anchor_col_, count);
  left_col_ = std::max(left_col_, count);
  ColWidthsChanged();
}

void TCustomGrid::SetFixedRows(int count) {
  if (count < 0 || count >= RowCount()) throw EInvalidOperation("Fixed row count must be less than row count");
  fixed_rows_ = count;
  row_ = std::max(row_, count);
  anchor_row_ = std::max(anchor_row_, count);
  top_row_ = std::max(top_row_, count);
  RowHeightsChanged();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  default_col_width_ = std::max(width, 0);
  std::fill(col_widths_.begin(), col_widths_.end(), default_col_width_);
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  default_row_height_ = std::max(height, 0);
  std::fill(row_heights_.begin(), row_heights_.end(), default_row_height_);
  RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int col, int width) {
  auto& w = col_widths_.at(static_cast<std::size_t>(col));
  width = std::max(width, 0);
  if (w == width) return;
  w = width;
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int row, int height) {
  auto& h = row_heights_.at(static_cast<std::size_t>(row));
  height = std::max(height, 0);
  if (h == height) return;
  h = height;
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int width) {
  width = std::max(width, 0);
  if (width == grid_line_width_) return;
  grid_line_width_ = width;
  ColWidthsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  Resized();
}

void TCustomGrid::RowHeightsChanged() {
  Resized();
}

void TCustomGrid::ColumnSized(int) { OnColWidthsChanged(this); }

// ---- Geometry

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& info) {
  const RECT client = ClientRect();
  const int col_lines = options_.Contains(goVertLine) ? grid_line_width_ : 0;
  const int row_lines = options_.Contains(goHorzLine) ? grid_line_width_ : 0;
  info.Horz = CalcGridAxis(col_widths_, fixed_cols_, left_col_, col_lines, client.right);
  info.Vert = CalcGridAxis(row_heights_, fixed_rows_, top_row_, row_lines, client.bottom);
}

RECT TCustomGrid::CellRect(int col, int row) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const int x = GridCellStart(info.Horz, col_widths_, col);
  const int y = GridCellStart(info.Vert, row_heights_, row);
  if (x < 0 || y < 0) return RECT{0, 0, 0, 0};
  return RECT{x, y, x + col_widths_[static_cast<std::size_t>(col)], y + row_heights_[static_cast<std::size_t>(row)]};
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return TGridCoord{GridCellAt(info.Horz, col_widths_, x), GridCellAt(info.Vert, row_heights_, y)};
}

int TCustomGrid::VisibleColCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (ColCount() <= fixed_cols_) return 0;
  return std::max(info.Horz.FullVisibleCount(), 1);
}

int TCustomGrid::VisibleRowCount() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (RowCount() <= fixed_rows_) return 0;
  return std::max(info.Vert.FullVisibleCount(), 1);
}

TGridRect TCustomGrid::Selection() const {
  if (options_.Contains(goRowSelect)) {
    return TGridRect{fixed_cols_, std::min(anchor_row_, row_), ColCount() - 1, std::max(anchor_row_, row_)};
  }
  return TGridRect{std::min(anchor_col_, col_), std::min(anchor_row_, row_), std::max(anchor_col_, col_),
                   std::max(anchor_row_, row_)};
}

// ---- Scrolling and the current cell

void TCustomGrid::SetTopLeft(int left, int top) {
  const RECT client = ClientRect();
  const int col_lines = options_.Contains(goVertLine) ? grid_line_width_ : 0;
  const int row_lines = options_.Contains(goHorzLine) ? grid_line_width_ : 0;
  left = std::clamp(left, fixed_cols_,
                    std::max(fixed_cols_, GridMaxFirstCell(col_widths_, fixed_cols_, col_lines, client.right)));
  top = std::clamp(top, fixed_rows_,
                   std::max(fixed_rows_, GridMaxFirstCell(row_heights_, fixed_rows_, row_lines, client.bottom)));
  left = std::min(left, ColCount() - 1);
  top = std::min(top, RowCount() - 1);
  if (left == left_col_ && top == top_row_) return;
  left_col_ = left;
  top_row_ = top;
  TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int col) { SetTopLeft(col, top_row_); }

void TCustomGrid::SetTopRow(int row) { SetTopLeft(left_col_, row); }

void TCustomGrid::TopLeftChanged() {
  UpdateScrollRange();
  Invalidate();
  OnTopLeftChanged(this);
}

void TCustomGrid::ClampTopLeft() { SetTopLeft(left_col_, top_row_); }

bool TCustomGrid::SelectCell(int col, int row) {
  bool can_select = true;
  OnSelectCell(this, col, row, can_select);
  return can_select;
}

void TCustomGrid::FocusCell(int col, int row, bool move_anchor) {
  col = std::clamp(col, fixed_cols_, ColCount() - 1);
  row = std::clamp(row, fixed_rows_, RowCount() - 1);
  if (col < fixed_cols_ || row < fixed_rows_) return;  // only fixed cells
  if ((col != col_ || row != row_) && !SelectCell(col, row)) return;
  const TGridRect old_selection = Selection();
  const int old_col = col_, old_row = row_;
  col_ = col;
  row_ = row;
  if (move_anchor || !options_.Contains(goRangeSelect)) {
    anchor_col_ = col;
    anchor_row_ = row;
  }
  if (HandleAllocated()) {
    // Old and new selection and focus.
    for (int r = old_selection.Top; r <= old_selection.Bottom; ++r) InvalidateRow(r);
    const TGridRect now = Selection();
    for (int r = now.Top; r <= now.Bottom; ++r) InvalidateRow(r);
    InvalidateCell(old_col, old_row);
  }
  const RECT client = ClientRect();
  const int col_lines = options_.Contains(goVertLine) ? grid_line_width_ : 0;
  const int row_lines = options_.Contains(goHorzLine) ? grid_line_width_ : 0;
  const int left = options_.Contains(goRowSelect)
                       ? left_col_
                       : GridFirstCellShowing(col_widths_, fixed_cols_, left_col_, col_lines, client.right, col);
  SetTopLeft(left, GridFirstCellShowing(row_heights_, fixed_rows_, top_row_, row_lines, client.bottom, row));
}

void TCustomGrid::MoveColumn(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= ColCount() || to >= ColCount()) return;
  const int width = col_widths_[static_cast<std::size_t>(from)];
  col_widths_.erase(col_widths_.begin() + from);
  col_widths_.insert(col_widths_.begin() + to, width);
  // The current column follows its content.
  auto follow = [from, to](int c) {
    if (c == from) return to;
    if (from < to && c > from && c <= to) return c - 1;
    if (to < from && c >= to && c < from) return c + 1;
    return c;
  };
  col_ = follow(col_);
  anchor_col_ = follow(anchor_col_);
  ColumnMoved(from, to);
  ColWidthsChanged();
}

void TCustomGrid::MoveRow(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
  const int height = row_heights_[static_cast<std::size_t>(from)];
  row_heights_.erase(row_heights_.begin() + from);
  row_heights_.insert(row_heights_.begin() + to, height);
  RowMoved(from, to);
  RowHeightsChanged();
}

void TCustomGrid::ColumnMoved(int from, int to) { OnColumnMoved(this, from, to); }

void TCustomGrid::RowMoved(int from, int to) { OnRowMoved(this, from, to); }

// ---- Look

void TCustomGrid::SetOptions(TGridOptions options) {
  if (options == options_) return;
  options_ = options;
  if (options_.Contains(goRowSelect)) {
    anchor_col_ = col_;
  }
  Resized();
}

void TCustomGrid::SetFixedColor(TColor color) {
  if (color == fixed_color_) return;
  fixed_color_ = color;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle bars) {
  if (bars == scroll_bars_) return;
  scroll_bars_ = bars;
  if (HandleAllocated()) {
    // Bars not wanted any more are hidden; wanted ones appear as needed.
    ShowScrollBar(Handle(), SB_HORZ, FALSE);
    ShowScrollBar(Handle(), SB_VERT, FALSE);
    UpdateScrollRange();
  }
}

void TCustomGrid::SetBorderStyle(TFormBorderStyle style) {
  style = style == bsNone ? bsNone : bsSingle;
  if (style == border_style_) return;
  border_style_ = style;
  RecreateFrame();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == default_drawing_) return;
  default_drawing_ = value;
  Invalidate();
}

void TCustomGrid::CMColorChanged(TMessage& message) {
  TCustomControl::CMColorChanged(message);
  Invalidate();
}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (border_style_ == bsSingle) {
    if (Ctl3D()) params.ex_style |= WS_EX_CLIENTEDGE;
    else params.style |= WS_BORDER;
  }
  // The bars exist from the start; UpdateScrollRange shows them as needed.
  if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) params.style |= WS_HSCROLL;
  if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) params.style |= WS_VSCROLL;
}

void TCustomGrid::CreateHandleDone() {
  TCustomControl::CreateHandleDone();
  UpdateScrollRange();
}

// A change of sizes or of the client: keep the top-left sensible, the bars
// current and the picture fresh.
void TCustomGrid::Resized() {
  if (Loading()) return;
  ClampTopLeft();
  UpdateScrollRange();
  Invalidate();
}

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || updating_scroll_) return;
  updating_scroll_ = true;
  try {
    // Showing one bar narrows the client, which may call for the other.
    for (int pass = 0; pass < 2; ++pass) {
      const RECT client = ClientRect();
      const int col_lines = options_.Contains(goVertLine) ? grid_line_width_ : 0;
      const int row_lines = options_.Contains(goHorzLine) ? grid_line_width_ : 0;
      auto set_bar = [this](int bar, bool wanted, int fixed, int count, int max_first, int pos) {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        if (wanted && max_first > fixed) {
          // Positions run from the first scrolling cell to the largest useful
          // first cell; the page is what the last screenful shows.
          si.nMin = fixed;
          si.nMax = count - 1;
          si.nPage = static_cast<UINT>(count - max_first);
          si.nPos = pos;
        }
        SetScrollInfo(Handle(), bar, &si, TRUE);
      };
      set_bar(SB_HORZ, scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth, fixed_cols_, ColCount(),
              GridMaxFirstCell(col_widths_, fixed_cols_, col_lines, client.right), left_col_);
      set_bar(SB_VERT, scroll_bars_ == ssVertical || scroll_bars_ == ssBoth, fixed_rows_, RowCount(),
              GridMaxFirstCell(row_heights_, fixed_rows_, row_lines, client.bottom), top_row_);
    }
  } catch (...) {
    updating_scroll_ = false;
    throw;
  }
  updating_scroll_ = false;
}

void TCustomGrid::ModifyScrollBar(int bar, int code) {
  const bool vertical = bar == SB_VERT;
  const int current = vertical ? top_row_ : left_col_;
  const int page = vertical ? VisibleRowCount() : VisibleColCount();
  int target = current;
  switch (code) {
    case SB_LINEUP: target = current - 1; break;
    case SB_LINEDOWN: target = current + 1; break;
    case SB_PAGEUP: target = current - std::max(page, 1); break;
    case SB_PAGEDOWN: target = current + std::max(page, 1); break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = vertical ? RowCount() : ColCount(); break;
    case SB_THUMBTRACK:
      if (!options_.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(Handle(), bar, &si)) return;
      target = si.nTrackPos;
      break;
    }
    default: return;
  }
  if (vertical) SetTopRow(target);
  else SetLeftCol(target);
}

void TCustomGrid::InvalidateRect(const RECT& r) {
  if (HandleAllocated() && r.right > r.left && r.bottom > r.top) ::InvalidateRect(Handle(), &r, FALSE);
}

void TCustomGrid::InvalidateCell(int col, int row) {
  if (!HandleAllocated()) return;
  RECT r = CellRect(col, row);
  // The line after the cell belongs to it (focus frames reach it).
  r.right += grid_line_width_;
  r.bottom += grid_line_width_;
  InvalidateRect(r);
}

void TCustomGrid::InvalidateRow(int row) {
  if (!HandleAllocated()) return;
  const RECT cell = CellRect(fixed_cols_ < ColCount() ? left_col_ : 0, row);
  if (cell.bottom <= cell.top) return;
  InvalidateRect(RECT{0, cell.top, ClientWidth(), cell.bottom + grid_line_width_});
}

void TCustomGrid::InvalidateCol(int col) {
  if (!HandleAllocated()) return;
  const RECT cell = CellRect(col, fixed_rows_ < RowCount() ? top_row_ : 0);
  if (cell.right <= cell.left) return;
  InvalidateRect(RECT{cell.left, 0, cell.right + grid_line_width_, ClientHeight()});
}

}  // namespace hm
