// The data grid's settings, its published part and the columns seen from
// the grid.
#include "grid/db_grid.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/data/field.h"
#include "grid/font_metrics.h"

namespace hm {

// The generic grid's counts and default sizes follow from the columns and
// fonts: a description need not (and should not) store them.
HM_PUBLISH(TCustomDBGridEh) {
  p.Prop("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount).NotStored();
  p.Prop("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth).NotStored();
  p.Prop("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight).NotStored();
  p.Prop("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols).NotStored();
  p.Prop("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount).NotStored();
  p.Prop("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows).NotStored();
  p.Prop("Options", &TCustomDBGridEh::Options, &TCustomDBGridEh::SetOptions);
  p.Event("OnTitleBtnClick", &TCustomDBGridEh::OnTitleBtnClick);
  p.Event("OnTitleClick", &TCustomDBGridEh::OnTitleClick);
  p.Event("OnCellClick", &TCustomDBGridEh::OnCellClick);
  p.Event("OnDblClick", &TCustomDBGridEh::OnDblClick);
  p.Event("OnKeyDown", &TCustomDBGridEh::OnKeyDown);
}

HM_PUBLISH(TDBGridEh) {
  p.Prop("AutoFitColWidths", &TDBGridEh::AutoFitColWidths, &TDBGridEh::SetAutoFitColWidths);
  p.Prop("Columns", &TDBGridEh::Columns);
  p.Prop("DataSource", &TDBGridEh::DataSource, &TDBGridEh::SetDataSource);
  p.Prop("Flat", &TDBGridEh::Flat, &TDBGridEh::SetFlat);
  p.Prop("FooterColor", &TDBGridEh::FooterColor, &TDBGridEh::SetFooterColor);
  p.Prop("FooterFont", &TDBGridEh::FooterFont);
  p.Prop("FrozenCols", &TDBGridEh::FrozenCols, &TDBGridEh::SetFrozenCols);
  p.Prop("MinAutoFitWidth", &TDBGridEh::MinAutoFitWidth, &TDBGridEh::SetMinAutoFitWidth);
  p.Prop("OptionsEh", &TDBGridEh::OptionsEh, &TDBGridEh::SetOptionsEh);
  p.Prop("RowHeight", &TDBGridEh::RowHeight, &TDBGridEh::SetRowHeight);
  p.Prop("RowLines", &TDBGridEh::RowLines, &TDBGridEh::SetRowLines);
  p.Prop("TitleFont", &TDBGridEh::TitleFont);
  p.Prop("TitleHeight", &TDBGridEh::TitleHeight, &TDBGridEh::SetTitleHeight);
  p.Prop("TitleLines", &TDBGridEh::TitleLines, &TDBGridEh::SetTitleLines);
  p.Prop("ReadOnly", &TDBGridEh::ReadOnly, &TDBGridEh::SetReadOnly);
  p.Prop("AllowedOperations", &TDBGridEh::AllowedOperations, &TDBGridEh::SetAllowedOperations);
  p.Prop("VertScrollBar", &TDBGridEh::VertScrollBar);
}

TCustomDBGridEh::TCustomDBGridEh(TComponent* owner)
    : TCustomGrid(owner),
      columns_(std::make_unique<TDBGridColumnsEh>(this, static_cast<TColumnsOwnerEh*>(this))),
      title_font_(std::make_unique<TFont>()),
      footer_font_(std::make_unique<TFont>()),
      vert_scroll_bar_(std::make_unique<TDBGridEhScrollBar>([this] { UpdateScrollRange(); })) {
  title_font_->OnChange = [this](TGraphicsObject&) { LayoutChanged(); };
  footer_font_->OnChange = [this](TGraphicsObject&) { Invalidate(); };
  ApplyGridOptions();
  LayoutChanged();
}

TCustomDBGridEh::~TCustomDBGridEh() = default;

TDBGridEh::TDBGridEh(TComponent* owner) : TCustomDBGridEh(owner) {}

void TCustomDBGridEh::Destroying() {
  TCustomGrid::Destroying();
  // Leave the data source while still complete: a dataset closing during
  // the rest of the teardown must not reach a half-destroyed grid.
  data_link_.SetDataSource(nullptr);
}

void TCustomDBGridEh::SetDataSource(TDataSource* source) {
  if (source == data_link_.DataSource()) return;
  // The link reports the change (active or not) and the layout follows.
  data_link_.SetDataSource(source);
  LayoutChanged();
}

// ---- Columns seen from the grid

TColumnEh* TCustomDBGridEh::ColumnAt(int col) const {
  const int index = col - indicator_offset_;
  if (index < 0 || index >= static_cast<int>(visible_columns_.size())) return nullptr;
  return visible_columns_[static_cast<std::size_t>(index)];
}

int TCustomDBGridEh::GridColumnOf(const TColumnEh* column) const {
  const auto it = std::find(visible_columns_.begin(), visible_columns_.end(), column);
  if (it == visible_columns_.end()) return -1;
  return static_cast<int>(it - visible_columns_.begin()) + indicator_offset_;
}

int TCustomDBGridEh::SelectedIndex() const {
  return ColumnAt(Col()) ? Col() - indicator_offset_ : -1;
}

void TCustomDBGridEh::SetSelectedIndex(int index) {
  if (index < 0 || index >= static_cast<int>(visible_columns_.size())) return;
  SetCol(index + indicator_offset_);
}

TColumnEh* TCustomDBGridEh::SelectedColumn() const { return ColumnAt(Col()); }

int TCustomDBGridEh::ColumnDefaultWidth(const TColumnEh& column) {
  TField* field = column.Field();
  if (!field) return kDefaultColumnWidth;
  const TDigitWidth digit = MeasureDigitWidth(column.DrawFont());
  int width = field->DisplayWidth() * digit.digit + digit.overhang + 4;
  if (options_.Contains(dgTitles))
    width = std::max(width, MeasureTextWidth(column.Title()->DrawFont(), column.Title()->Caption()) + 4);
  return width;
}

void TCustomDBGridEh::ColumnsChanged(TColumnEh* column) {
  if (in_layout_) return;  // the layout's own changes
  // Columns came or went: until the layout runs (a bracket may hold it
  // back) the old list could name columns that no longer exist.
  if (!column) visible_columns_.clear();
  LayoutChanged();
}

// ---- Settings

void TCustomDBGridEh::SetAutoFitColWidths(bool value) {
  if (value == auto_fit_) return;
  if (Loading()) {
    auto_fit_ = value;  // Loaded takes the proportions
    return;
  }
  BeginLayout();
  auto_fit_ = value;
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumnEh& column = *(*columns_)[i];
    if (value) column.SetInitialWidth(column.Width());
    else if (column.InitialWidth() >= 0) column.SetWidth(column.InitialWidth());
  }
  EndLayout();
}

void TCustomDBGridEh::SetMinAutoFitWidth(int width) {
  if (width == min_auto_fit_width_) return;
  min_auto_fit_width_ = width;
  LayoutChanged();
}

void TCustomDBGridEh::SetOptions(TDBGridOptions options) {
  if (options == options_) return;
  BeginLayout();
  options_ = options;
  ApplyGridOptions();
  EndLayout();
}

void TCustomDBGridEh::SetOptionsEh(TDBGridEhOptions options) {
  if (options == options_eh_) return;
  options_eh_ = options;
  LayoutChanged();
}

void TCustomDBGridEh::SetRowHeight(int height) {
  height = std::max(height, 0);
  if (height == row_height_) return;
  row_height_ = height;
  LayoutChanged();
}

void TCustomDBGridEh::SetRowLines(int lines) {
  lines = std::max(lines, 0);
  if (lines == row_lines_) return;
  row_lines_ = lines;
  LayoutChanged();
}

void TCustomDBGridEh::SetTitleHeight(int height) {
  if (height == title_height_) return;
  title_height_ = height;
  LayoutChanged();
}

void TCustomDBGridEh::SetTitleLines(int lines) {
  if (lines == title_lines_) return;
  title_lines_ = lines;
  LayoutChanged();
}

void TCustomDBGridEh::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  LayoutChanged();
}

void TCustomDBGridEh::SetFrozenCols(int count) {
  count = std::max(count, 0);
  if (count == frozen_cols_) return;
  frozen_cols_ = count;
  LayoutChanged();
}

void TCustomDBGridEh::SetTitleFont(TFont* font) {
  if (font) title_font_->Assign(*font);
}

void TCustomDBGridEh::SetFooterFont(TFont* font) {
  if (font) footer_font_->Assign(*font);
}

void TCustomDBGridEh::SetFooterColor(TColor color) {
  if (color == footer_color_) return;
  footer_color_ = color;
  Invalidate();
}

void TCustomDBGridEh::ApplyGridOptions() {
  TGridOptions g;
  if (options_.Contains(dgColLines)) g = g + TGridOptions{goFixedVertLine, goVertLine};
  if (options_.Contains(dgRowLines)) g = g + TGridOptions{goFixedHorzLine, goHorzLine};
  if (options_.Contains(dgColumnResize)) g = g + TGridOptions{goColSizing, goColMoving};
  if (options_.Contains(dgTabs)) g.Include(goTabs);
  if (options_.Contains(dgRowSelect)) {
    g.Include(goRowSelect);
  } else {
    if (options_.Contains(dgEditing)) g.Include(goEditing);
    if (options_.Contains(dgAlwaysShowEditor)) g.Include(goAlwaysShowEditor);
  }
  TCustomGrid::SetOptions(g);
}

// ---- Fonts and focus

void TCustomDBGridEh::CMFontChanged(TMessage& message) {
  TCustomGrid::CMFontChanged(message);
  LayoutChanged();
}

void TCustomDBGridEh::CMParentFontChanged(TMessage& message) {
  if (!ParentFont() || !ParentControl()) return TCustomGrid::CMParentFontChanged(message);
  // The data, title and footer text all take the parent's new font: one layout.
  BeginLayout();
  try {
    TCustomGrid::CMParentFontChanged(message);
    title_font_->Assign(*Font());
    footer_font_->Assign(*Font());
  } catch (...) {
    EndLayout();
    throw;
  }
  EndLayout();
}

// The highlight and the focus frame of the current row depend on the focus.
void TCustomDBGridEh::WMSetFocus(TMessage& message) {
  TCustomControl::WMSetFocus(message);
  InvalidateRow(Row());
}

void TCustomDBGridEh::WMKillFocus(TMessage& message) {
  TCustomControl::WMKillFocus(message);
  InvalidateRow(Row());
}

void TCustomDBGridEh::WndProc(TMessage& message) {
  if (message.Msg == WM_SIZE) {
    TCustomGrid::WndProc(message);
    SizeChanged();
    return;
  }
  switch (message.Msg) {
    case WM_DISPLAYCHANGE:
      // Another depth: the off-screen surface is made anew at the next paint.
      buffer_.Release();
      break;
    case WM_MOUSEWHEEL:
      MouseWheel(GET_WHEEL_DELTA_WPARAM(message.WParam));
      message.Result = 0;
      return;
    case WM_CANCELMODE:
      StopTitleTracking();
      break;
    case WM_CAPTURECHANGED:
      // Someone else took the mouse: the held title comes up without a click.
      if (tracking_col_ >= 0 && reinterpret_cast<HWND>(message.LParam) != Handle()) {
        tracking_col_ = -1;
        SetPressedTitleColumn(-1);
      }
      break;
    default: break;
  }
  TCustomGrid::WndProc(message);
}

}  // namespace hm
