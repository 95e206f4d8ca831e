// The data grid's layout: columns and their fields, the visible columns,
// row heights, fitting the widths to the client, and the rows the data link
// holds; and what a width dragged by the mouse does to it.
#include <algorithm>

#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/db_grid.h"
#include "grid/font_metrics.h"
#include "grid/portable/row_metrics.h"
#include "grid/portable/width_fitting.h"

namespace hm {

namespace {

// Sets a flag for a scope, whatever way the scope ends.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = saved_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

bool TCustomDBGridEh::CanLayout() const {
  const TComponentState& state = ComponentState();
  return !state.Contains(csLoading) && !state.Contains(csDestroying);
}

void TCustomDBGridEh::BeginLayout() { ++layout_lock_; }

void TCustomDBGridEh::EndLayout() {
  if (layout_lock_ > 0 && --layout_lock_ > 0) return;
  // A request from inside a running layout is what that layout does anyway.
  if (CanLayout() && !in_layout_) InternalLayout();
}

void TCustomDBGridEh::LayoutChanged() {
  BeginLayout();
  EndLayout();
}

void TCustomDBGridEh::Loaded() {
  TCustomGrid::Loaded();
  // The stored widths are the proportions of the fit.
  if (auto_fit_) {
    for (int i = 0; i < columns_->Count(); ++i) (*columns_)[i]->SetInitialWidth((*columns_)[i]->Width());
  }
  LayoutChanged();
}

void TCustomDBGridEh::CreateHandleDone() {
  TCustomGrid::CreateHandleDone();
  // Fitting needs the window's client.
  LayoutChanged();
}

void TCustomDBGridEh::ClearFieldLinks() {
  for (int i = 0; i < columns_->Count(); ++i) (*columns_)[i]->ClearField();
}

void TCustomDBGridEh::RebuildColumns() {
  if (columns_->State() == csCustomized) {
    ClearFieldLinks();  // found again, by name, in the current dataset
    return;
  }
  std::vector<TField*> fields;
  if (data_link_.Active()) {
    TDataSet& dataset = *data_link_.DataSet();
    for (int i = 0; i < dataset.FieldCount(); ++i) fields.push_back(dataset.Fields(i));
  }
  columns_->RebuildFromFields(fields);
}

void TCustomDBGridEh::InternalLayout() {
  {
    FlagScope running(in_layout_);
    // The current column stays current wherever the layout puts it; compared, never used.
    const TColumnEh* selected = SelectedColumn();
    // 1. Indicator.
    indicator_offset_ = options_.Contains(dgIndicator) ? 1 : 0;
    // 2. Columns and their fields.
    RebuildColumns();
    // 3. The visible columns and the grid's columns.
    visible_columns_.clear();
    for (int i = 0; i < columns_->Count(); ++i) {
      if ((*columns_)[i]->Visible()) visible_columns_.push_back((*columns_)[i]);
    }
    const int visible = static_cast<int>(visible_columns_.size());
    // Without any column the grid keeps one empty column of no width.
    const int col_count = std::max(visible, 1) + indicator_offset_;
    SetColCount(col_count);
    SetFixedCols(std::min(indicator_offset_ + frozen_cols_, col_count - 1));
    ApplyGridOptions();
    if (indicator_offset_) SetColWidths(0, kIndicatorWidth);
    for (int i = 0; i < visible; ++i) SetColWidths(i + indicator_offset_, visible_columns_[i]->Width());
    if (visible == 0) SetColWidths(indicator_offset_, 0);
    int current = selected ? GridColumnOf(selected) : -1;
    if (current < 0) current = indicator_offset_;
    current = std::max(current, FixedCols());
    if (current != Col()) {
      FlagScope following(syncing_row_);
      FocusCell(current, Row(), true);
    }

    // 4. Data rows.
    const bool row_lines = options_.Contains(dgRowLines);
    const int data_height =
        DataRowHeight(row_height_, row_lines_, MeasureFont(*Font()), flat_, row_lines ? GridLineWidth() : 0);
    // 5. The title row.
    const int fixed_rows = TitleOffset();
    if (RowCount() <= fixed_rows) SetRowCount(fixed_rows + 1);
    SetFixedRows(fixed_rows);
    SetDefaultRowHeight(data_height);
    if (fixed_rows > 0) {
      std::vector<TFontMetrics> title_fonts;
      for (int i = 0; i < columns_->Count(); ++i) title_fonts.push_back(MeasureFont((*columns_)[i]->Title()->DrawFont()));
      if (title_fonts.empty()) title_fonts.push_back(MeasureFont(*title_font_));
      SetRowHeights(0, TitleRowHeight(title_fonts, flat_, title_height_, title_lines_, row_lines));
    }
    // 6, 7. The bars (the horizontal one only without fitting) and fitting.
    UpdateRowCount();
    if (auto_fit_ && HandleAllocated()) {
      FitColumns();
      for (int i = 0; i < visible; ++i) SetColWidths(i + indicator_offset_, visible_columns_[i]->Width());
    }
    // 8. The rows the link holds.
    UpdateRowCount();
  }
  UpdateScrollRange();
  Invalidate();
}

void TCustomDBGridEh::FitColumns() {
  std::vector<TFitColumn> fit;
  fit.reserve(visible_columns_.size());
  for (TColumnEh* c : visible_columns_) {
    if (c->InitialWidth() < 0) c->SetInitialWidth(c->Width());
    fit.push_back(TFitColumn{c->Width(), c->InitialWidth(), c->MinWidth(), c->MaxWidth(), c->AutoFitColWidth(), false});
  }
  TFitSettings settings;
  settings.min_auto_fit_width = min_auto_fit_width_;
  settings.indicator = options_.Contains(dgIndicator);
  settings.indicator_width = kIndicatorWidth;
  settings.col_lines = options_.Contains(dgColLines);
  FitColumnWidths(fit, settings, [this] {
    // The vertical bar may come or go with the rows, and takes client width.
    UpdateRowCount();
    SetScrollBarsNow();
    return static_cast<int>(ClientWidth());
  });
  for (std::size_t i = 0; i < fit.size(); ++i) {
    if (fit[i].auto_fit && fit[i].width != visible_columns_[i]->Width()) visible_columns_[i]->SetWidth(fit[i].width);
  }
}

void TCustomDBGridEh::UpdateRowCount() {
  int rows = 1;
  if (data_link_.Active()) {
    const int first = data_link_.FirstRecord();
    const int title = TitleOffset() ? RowHeights(0) : 0;
    const int line = options_.Contains(dgRowLines) ? GridLineWidth() : 0;
    data_link_.SetBufferCount(DataRowsToHold(ClientHeight(), title, DefaultRowHeight(), line));
    rows = std::max(data_link_.RecordCount(), 1);
    // A window that moved to keep the current record shows other records.
    if (data_link_.FirstRecord() != first) InvalidateDataRows();
  }
  if (RowCount() != TitleOffset() + rows) {
    SetRowCount(TitleOffset() + rows);
    InvalidateDataRows();
  }
  SyncCurrentRow();
}

void TCustomDBGridEh::SyncCurrentRow() {
  const int first = TitleOffset();
  int target = first;
  if (data_link_.Active()) target = first + std::clamp(data_link_.ActiveRecord(), 0, RowCount() - 1 - first);
  if (target == Row()) return;
  FlagScope following(syncing_row_);
  FocusCell(Col(), target, true);
}

void TCustomDBGridEh::SizeChanged() {
  if (in_layout_ || !CanLayout()) return;  // fitting reads the client itself
  if (updating_bars_) {
    size_pending_ = true;
    return;
  }
  if (auto_fit_) {
    LayoutChanged();
    return;
  }
  UpdateRowCount();
  UpdateScrollRange();
}

// ---- Widths set on the grid

void TCustomDBGridEh::ColWidthsChanged() {
  TCustomGrid::ColWidthsChanged();
  if (in_layout_ || !CanLayout() || visible_columns_.empty()) return;
  const int visible = static_cast<int>(visible_columns_.size());
  if (ColCount() != visible + indicator_offset_) return;
  std::vector<int> grid_widths;
  bool differs = false;
  for (int i = 0; i < visible; ++i) {
    grid_widths.push_back(ColWidths(i + indicator_offset_));
    differs = differs || grid_widths.back() != visible_columns_[i]->Width();
  }
  if (!differs) return;
  // The layout that ends the bracket puts the grid's widths right again
  // (bounds applied) and, with fitting, refits from the new proportions.
  BeginLayout();
  try {
    if (auto_fit_ && HandleAllocated()) {
      std::vector<TFitColumn> fit;
      for (TColumnEh* c : visible_columns_) {
        if (c->InitialWidth() < 0) c->SetInitialWidth(c->Width());
        fit.push_back(
            TFitColumn{c->Width(), c->InitialWidth(), c->MinWidth(), c->MaxWidth(), c->AutoFitColWidth(), false});
      }
      TakeDraggedWidths(fit, grid_widths);
      for (int i = 0; i < visible; ++i) {
        TColumnEh& c = *visible_columns_[i];
        if (c.AutoFitColWidth()) c.SetInitialWidth(fit[i].initial);
        else if (fit[i].width != c.Width()) c.SetWidth(fit[i].width);
      }
    } else {
      for (int i = 0; i < visible; ++i) {
        TColumnEh& c = *visible_columns_[i];
        const int width = ClampColumnWidth(grid_widths[i], c.MinWidth(), c.MaxWidth());
        if (width != c.Width()) c.SetWidth(width);
      }
    }
  } catch (...) {
    EndLayout();
    throw;
  }
  EndLayout();
}

void TCustomDBGridEh::ColumnMoved(int from, int to) {
  TColumnEh* moved = ColumnAt(from);
  TColumnEh* target = ColumnAt(to);
  if (moved && target) {
    BeginLayout();
    // A moved column is an arrangement of the user's: no longer one per field in field order.
    if (columns_->State() == csDefault) columns_->SetState(csCustomized);
    columns_->Move(moved->Index(), target->Index());
    EndLayout();
  }
  TCustomGrid::ColumnMoved(from, to);
}

}  // namespace hm
