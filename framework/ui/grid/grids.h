// The generic drawn grid: a rectangle of cells with fixed rows and columns
// at the top and left, per-column widths and per-row heights, a top-left
// scrolling cell, scroll bars, grid lines, a current cell, and column
// sizing and moving by the mouse. It draws nothing of its own in a cell:
// descendants (the data grid) paint through DrawCell and take over the key
// and mouse hooks below.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>  // before events.h, which needs it
#include <vector>

#include "framework/core/enum_type.h"
#include "framework/core/events.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/portable/grid_geometry.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/platform/shortcut.h"
#include "framework/ui/base/win_control.h"

namespace hm {

HM_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
        goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor,
        goThumbTracking)
using TGridOptions = Set<TGridOption>;
HM_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = Set<TGridDrawStateItem>;
HM_ENUM(TGridState, gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving)

struct TGridCoord {
  int X = -1;
  int Y = -1;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

// Sender, column, row, cell rectangle, state.
using TDrawCellEvent = TEvent<TObject*, int, int, RECT, TGridDrawState>;
// Sender, column, row, whether the cell may become current (in/out).
using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
// Sender, from index, to index.
using TMovedEvent = TEvent<TObject*, int, int>;

class TCustomGrid : public TCustomControl {
  HM_CLASS(TCustomGrid, TCustomControl)

 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  // ---- Cells.
  int ColCount() const { return static_cast<int>(col_widths_.size()); }
  void SetColCount(int count);
  int RowCount() const { return static_cast<int>(row_heights_.size()); }
  void SetRowCount(int count);
  // Fixed counts stay below the totals (EInvalidOperation otherwise).
  int FixedCols() const { return fixed_cols_; }
  void SetFixedCols(int count);
  int FixedRows() const { return fixed_rows_; }
  void SetFixedRows(int count);

  // Setting a default gives every column (row) that size.
  int DefaultColWidth() const { return default_col_width_; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const { return col_widths_.at(static_cast<std::size_t>(col)); }
  void SetColWidths(int col, int width);  // negative widths become 0
  int RowHeights(int row) const { return row_heights_.at(static_cast<std::size_t>(row)); }
  void SetRowHeights(int row, int height);
  int GridLineWidth() const { return grid_line_width_; }
  void SetGridLineWidth(int width);

  // ---- Scrolling and the current cell.
  int LeftCol() const { return left_col_; }
  void SetLeftCol(int col);
  int TopRow() const { return top_row_; }
  void SetTopRow(int row);
  int Col() const { return col_; }
  void SetCol(int col) { FocusCell(col, row_, true); }
  int Row() const { return row_; }
  void SetRow(int row) { FocusCell(col_, row, true); }
  // Makes (col, row) current (when SelectCell agrees) and scrolls it into view;
  // with `move_anchor` false the selection stretches from the anchor to it.
  void FocusCell(int col, int row, bool move_anchor);
  // Scrolling cells wholly inside the client, at least 1 while any exists.
  int VisibleColCount();
  int VisibleRowCount();
  // With goRowSelect whole rows, else the rectangle from the anchor to the current cell.
  TGridRect Selection() const;

  // ---- Geometry for the current client size.
  void CalcDrawInfo(TGridDrawInfo& info);
  // The cell's rectangle in client coordinates, not cut at the client's
  // edge; empty when the cell is not shown.
  RECT CellRect(int col, int row);
  // The cell under a client point; -1 for a coordinate outside the cells.
  TGridCoord MouseCoord(int x, int y);

  // ---- Look and behaviour.
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions options);
  TColor FixedColor() const { return fixed_color_; }
  void SetFixedColor(TColor color);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle bars);
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);  // bsNone or bsSingle
  bool DefaultDrawing() const { return default_drawing_; }
  void SetDefaultDrawing(bool value);

  TGridState GridState() const { return grid_state_; }
  // The column being sized and the new edge shown by the drag line.
  int SizingIndex() const { return sizing_index_; }
  int SizingPos() const { return sizing_pos_; }
  // The column being moved and where it would land.
  int MoveIndex() const { return move_index_; }
  int MovePos() const { return move_pos_; }
  // Ends any sizing or moving without applying it (Esc, capture lost).
  void CancelMode();

  void MoveColumn(int from, int to);
  void MoveRow(int from, int to);

  void InvalidateCell(int col, int row);
  void InvalidateRow(int row);
  void InvalidateCol(int col);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnTopLeftChanged;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TNotifyEvent OnColWidthsChanged;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Paint() override;

  // ---- Hooks for descendants.
  // Paints one cell; the canvas is clipped to it. The default fills it and
  // raises OnDrawCell.
  virtual void DrawCell(int col, int row, RECT rect, TGridDrawState state);
  virtual bool SelectCell(int col, int row);
  virtual void TopLeftChanged();
  // Any change of widths or heights, by code or by the mouse.
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // After the user dragged column `col` to a new width (already set).
  virtual void ColumnSized(int col);
  virtual void ColumnMoved(int from, int to);
  virtual void RowMoved(int from, int to);
  // The colour of lines between fixed cells and between scrolling cells.
  virtual TColor GridLineColor(bool fixed_area) const;
  // Whether a press at (x, y) starts sizing; fills the column, the edge and
  // the offset of the pointer from it.
  virtual void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizing_pos, int& sizing_ofs);
  // Column moving: may the drag start, pass over `destination`, and end
  // there? Each may change the positions.
  virtual bool BeginColumnDrag(int& origin, int& destination, POINT point);
  virtual bool CheckColumnDrag(int& origin, int& destination, POINT point);
  virtual bool EndColumnDrag(int& origin, int& destination, POINT point);
  // Input. The defaults size, move, select and navigate.
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Scroll bars from the current geometry; a data grid scrolls by records instead.
  virtual void UpdateScrollRange();
  virtual void ModifyScrollBar(int bar, int code);
  // The keys the grid takes from the dialog navigation (DLGC_*).
  virtual UINT DialogCode() const;

  void WMGetDlgCode(TMessage& message) override;
  void CNKeyDown(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;

  // The column edges the drag line and move marker are painted at.
  RECT SizingLineRect() const;
  RECT MoveMarkerRect();

 private:
  void Resized();
  void ClampTopLeft();
  void SetTopLeft(int left, int top);
  void DrawLines(TCanvas& canvas, const TGridDrawInfo& info);
  void DrawCells(TCanvas& canvas, const TGridDrawInfo& info);
  void DrawFocusAndDrag(TCanvas& canvas, const TGridDrawInfo& info);
  void StartCapture();
  void StopCapture();
  void SetSizingPos(int pos);
  void SetMovePos(int pos);
  void InvalidateRect(const RECT& r);

  std::vector<int> col_widths_;
  std::vector<int> row_heights_;
  int fixed_cols_ = 1;
  int fixed_rows_ = 1;
  int default_col_width_ = 64;
  int default_row_height_ = 24;
  int grid_line_width_ = 1;
  int left_col_ = 1;
  int top_row_ = 1;
  int col_ = 1, row_ = 1;        // current cell
  int anchor_col_ = 1, anchor_row_ = 1;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TColor fixed_color_ = clBtnFace;
  TScrollStyle scroll_bars_ = ssBoth;
  TFormBorderStyle border_style_ = bsSingle;
  bool default_drawing_ = true;

  TGridState grid_state_ = gsNormal;
  int sizing_index_ = -1, sizing_pos_ = 0, sizing_ofs_ = 0;
  int move_index_ = -1, move_pos_ = -1;
  bool capturing_ = false;
  bool updating_scroll_ = false;
};

}  // namespace hm
