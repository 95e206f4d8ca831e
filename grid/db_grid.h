// The data-aware grid: the records of a linked dataset in columns, over the
// generic drawn grid. The grid owns its column collection and its link to
// the data source; the dataset, its fields and the data source belong to
// whoever made them (the form).
//
// Layout (columns and their fields, row heights, fitting the widths to the
// client) runs once per outermost BeginLayout/EndLayout bracket; every
// setting that matters for it brackets itself. Painting composes the part
// of the window that needs it off screen and copies it once.
//
// The data rows are a window of records the data link holds: grid row
// TitleOffset() + i shows record i of that window, and the current grid
// row always follows the dataset's current record.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <vector>

#include "framework/data/data_source.h"
#include "framework/ui/grid/grids.h"
#include "grid/column.h"
#include "grid/columns.h"
#include "grid/db_grid_options.h"
#include "grid/grid_data_link.h"
#include "grid/paint_buffer.h"
#include "grid/shared_text_bitmap.h"
#include "grid/vert_scroll_bar.h"

namespace hm {

// The width of the indicator column (dgIndicator), before its line.
constexpr int kIndicatorWidth = 11;

// Sender, index of the column among the visible ones, the column.
using TTitleBtnClickEvent = TEvent<TObject*, int, TColumnEh*>;
// The column clicked.
using TColumnClickEvent = TEvent<TColumnEh*>;
// Sender, key (set it to 0 to take the key), shift state.
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;

class TCustomDBGridEh : public TCustomGrid, private TColumnsOwnerEh, private TGridDataLinkClientEh {
  HM_CLASS(TCustomDBGridEh, TCustomGrid)

 public:
  explicit TCustomDBGridEh(TComponent* owner);
  ~TCustomDBGridEh() override;

  // ---- Data.
  TDataSource* DataSource() const { return data_link_.DataSource(); }
  void SetDataSource(TDataSource* source);
  TGridDataLinkEh& DataLink() { return data_link_; }
  const TGridDataLinkEh& DataLink() const { return data_link_; }
  // Records of the link's window now shown (0 without an open dataset).
  int DataRecordCount() const { return data_link_.Active() ? data_link_.RecordCount() : 0; }

  // ---- Columns.
  TDBGridColumnsEh* Columns() const { return columns_.get(); }
  // The visible columns in collection order; visible column i is grid
  // column i + IndicatorOffset().
  const std::vector<TColumnEh*>& VisibleColumns() const { return visible_columns_; }
  int IndicatorOffset() const { return indicator_offset_; }
  int TitleOffset() const { return options_.Contains(dgTitles) ? 1 : 0; }
  // The column shown in grid column `col`; null for the indicator.
  TColumnEh* ColumnAt(int col) const;
  // The grid column showing `column`; -1 when it is hidden or not ours.
  int GridColumnOf(const TColumnEh* column) const;
  // The current column among the visible ones, from 0; -1 when there is none.
  int SelectedIndex() const;
  void SetSelectedIndex(int index);
  TColumnEh* SelectedColumn() const;

  // ---- Settings.
  bool AutoFitColWidths() const { return auto_fit_; }
  void SetAutoFitColWidths(bool value);
  int MinAutoFitWidth() const { return min_auto_fit_width_; }
  void SetMinAutoFitWidth(int width);
  TDBGridOptions Options() const { return options_; }
  void SetOptions(TDBGridOptions options);
  TDBGridEhOptions OptionsEh() const { return options_eh_; }
  void SetOptionsEh(TDBGridEhOptions options);
  int RowHeight() const { return row_height_; }
  void SetRowHeight(int height);  // negative values become 0
  int RowLines() const { return row_lines_; }
  void SetRowLines(int lines);    // negative values become 0
  int TitleHeight() const { return title_height_; }
  void SetTitleHeight(int height);
  int TitleLines() const { return title_lines_; }
  void SetTitleLines(int lines);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  int FrozenCols() const { return frozen_cols_; }
  void SetFrozenCols(int count);
  TFont* TitleFont() const { return title_font_.get(); }
  void SetTitleFont(TFont* font);  // copies
  TFont* FooterFont() const { return footer_font_.get(); }
  void SetFooterFont(TFont* font);  // copies
  TColor FooterColor() const { return footer_color_; }
  void SetFooterColor(TColor color);
  // The user may not change the data through the grid.
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value) { read_only_ = value; }
  TDataGridAllowedOperations AllowedOperations() const { return allowed_operations_; }
  void SetAllowedOperations(TDataGridAllowedOperations operations) { allowed_operations_ = operations; }
  TDBGridEhScrollBar* VertScrollBar() const { return vert_scroll_bar_.get(); }

  // ---- What the user does.
  // Ctrl+Delete: asks with dgConfirmDelete, then deletes the current record.
  void DeleteCurrentRecord();
  // Ctrl+': the current column's value of the record shown above.
  void CopyFromPreviousRecord();

  // The grid column whose title is drawn pressed, and the one whose title
  // button is held (the pointer may be off it); -1 for none.
  int PressedTitleColumn() const { return pressed_title_col_; }
  int TrackingTitleColumn() const { return tracking_col_; }

  TTitleBtnClickEvent OnTitleBtnClick;
  TColumnClickEvent OnTitleClick;
  TColumnClickEvent OnCellClick;
  TNotifyEvent OnDblClick;
  TKeyEvent OnKeyDown;

  // ---- Layout.
  void BeginLayout();
  // Runs the layout when the outermost bracket closes.
  void EndLayout();
  // A bracket around nothing: one layout now (or at the end of the open bracket).
  void LayoutChanged();
  bool LayoutLocked() const { return layout_lock_ > 0; }

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  // The steps of a layout, in order: columns and their fields, the
  // visible-column list, row heights, the title row, the scroll bars,
  // fitting, and the rows the data link holds.
  virtual void InternalLayout();

  // ---- Painting hooks. Each paints inside `rect` on Canvas().
  void DrawCell(int col, int row, RECT rect, TGridDrawState state) override;
  virtual void DrawTitleCell(int col, TColumnEh& column, RECT rect, TGridDrawState state);
  virtual void DrawDataCell(int col, int row, TColumnEh& column, RECT rect, TGridDrawState state);
  virtual void DrawIndicatorCell(int row, RECT rect, TGridDrawState state);
  TColor GridLineColor(bool fixed_area) const override;
  void Paint() override;

  // The title of grid column `col` is drawn pressed (-1: none); the mouse
  // handling of title buttons sets it.
  void SetPressedTitleColumn(int col);

  // ---- Input. Keys and clicks move the dataset; title buttons press and
  // release; the generic grid sizes and moves columns.
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizing_pos, int& sizing_ofs) override;
  // A completed title-button click; raises OnTitleBtnClick.
  virtual void TitleBtnClick(int index, TColumnEh& column);

  // ---- What the data link reports.
  void LinkActiveChanged() override;
  void LinkDataSetChanged() override;
  void LinkDataSetScrolled(int distance) override;
  void LinkRecordChanged(TField* field) override;
  void LinkLayoutChanged() override;
  void LinkEditingChanged() override;
  void LinkUpdateData() override {}

  // ---- The generic grid's hooks.
  // A different row asked for (click, key) moves the dataset there; the
  // grid's row then follows the record.
  bool SelectCell(int col, int row) override;
  // Widths set on the grid (a column dragged by the mouse) reach the columns.
  void ColWidthsChanged() override;
  void ColumnMoved(int from, int to) override;
  // The vertical bar scrolls by records, the horizontal one by columns
  // and only while the columns are not fitted.
  void UpdateScrollRange() override;
  void ModifyScrollBar(int bar, int code) override;

  void CreateHandleDone() override;
  void WMPaint(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMParentFontChanged(TMessage& message) override;
  void Destroying() override;

 private:
  // TColumnsOwnerEh
  TFont& ColumnsFont() override { return *Font(); }
  TFont& ColumnsTitleFont() override { return *title_font_; }
  TColor ColumnsColor() const override { return Color(); }
  TColor ColumnsTitleColor() const override { return FixedColor(); }
  TDataSet* ColumnsDataSet() const override { return data_link_.DataSet(); }
  int ColumnDefaultWidth(const TColumnEh& column) override;
  bool ColumnsAutoFitting() const override { return auto_fit_ && HandleAllocated(); }
  void ColumnsChanged(TColumnEh* column) override;

  bool CanLayout() const;
  void ApplyGridOptions();
  void RebuildColumns();
  void FitColumns();
  void SizeChanged();
  // Sets both bars now, also in the middle of a layout (fitting needs it).
  void SetScrollBarsNow();
  void SetBar(int bar, const SCROLLINFO& info);
  // The rows the link holds and the grid shows for the present client height.
  void UpdateRowCount();
  // The grid's current row to the dataset's current record.
  void SyncCurrentRow();
  void InvalidateDataRows();
  void ClearFieldLinks();
  bool NothingToShow() const;
  // Input helpers (db_grid_input.cpp).
  bool DataKeyDown(WORD key, TShiftState shift);
  void StopTitleTracking();
  bool OverTrackedTitle(int x, int y);
  void MouseWheel(int delta);

  TGridDataLinkEh data_link_{*this};
  std::unique_ptr<TDBGridColumnsEh> columns_;
  std::vector<TColumnEh*> visible_columns_;  // owned by columns_
  std::unique_ptr<TFont> title_font_;
  std::unique_ptr<TFont> footer_font_;
  TColor footer_color_ = clWindow;
  bool auto_fit_ = false;
  int min_auto_fit_width_ = 0;
  TDBGridOptions options_ = kDefaultDBGridOptions;
  TDBGridEhOptions options_eh_ = kDefaultDBGridEhOptions;
  int row_height_ = 0;
  int row_lines_ = 0;
  int title_height_ = 0;
  int title_lines_ = 0;
  bool flat_ = false;
  int frozen_cols_ = 0;

  int indicator_offset_ = 1;
  int layout_lock_ = 0;
  bool in_layout_ = false;      // widths and sizes change under the layout's own hand
  bool syncing_row_ = false;    // the row follows the dataset; no move back
  bool updating_bars_ = false;
  bool size_pending_ = false;   // the client changed while the bars were being set
  int pressed_title_col_ = -1;
  bool read_only_ = false;
  TDataGridAllowedOperations allowed_operations_ = kDefaultAllowedOperations;
  std::unique_ptr<TDBGridEhScrollBar> vert_scroll_bar_;

  // Title-button tracking: the column held, where the press began.
  int tracking_col_ = -1;
  POINT press_point_{};
  bool no_sizing_ = false;     // a right press moves the column, whatever the zone
  bool data_press_ = false;    // the left press began on a data cell
  int wheel_rest_ = 0;         // wheel rotation short of one notch

  // Asked once per paint rather than per cell: both are slow questions
  // under Wine (a server round trip, a display query).
  bool paint_focused_ = false;
  bool paint_many_colors_ = true;
  int buffer_bits_ = 0;  // depth of the surface WMPaint composes on; 0 outside it

  TPaintBuffer buffer_;
  TSharedTextBitmapUse text_bitmap_;
};

class TDBGridEh : public TCustomDBGridEh {
  HM_CLASS(TDBGridEh, TCustomDBGridEh)

 public:
  explicit TDBGridEh(TComponent* owner);
};

}  // namespace hm
