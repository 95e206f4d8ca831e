// The data grid and the user: keys and clicks that move through the
// dataset, title buttons that press and release, the mouse wheel, and the
// two keys that change data (Ctrl+Delete, Ctrl+'), and Ctrl+F for the find
// dialog. Sizing and moving columns is the generic grid's; this hands it the
// presses that start them.
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "grid/db_grid.h"
#include "grid/find_dialog.h"

namespace hm {

namespace {

// A held title button that the pointer leaves by more than this, sideways,
// becomes a column move.
constexpr int kTitleDragThreshold = 3;

// The key that types the apostrophe without Shift on the layout in use
// when the grid first asks; the US key otherwise.
WORD ApostropheKey() {
  static const WORD key = [] {
    const SHORT scan = VkKeyScanW(L'\'');
    if (scan != -1 && (scan >> 8) == 0) return static_cast<WORD>(scan & 0xFF);
    return static_cast<WORD>(VK_OEM_7);
  }();
  return key;
}

}  // namespace

// ---- Keys

void TCustomDBGridEh::KeyDown(WORD& key, TShiftState shift) {
  OnKeyDown(this, key, shift);
  if (key == 0) return;
  if (key == VK_ESCAPE) {
    // Pending changes of the current record go, and any sizing or moving.
    if (data_link_.Active() && data_link_.DataSet()->State() == dsEdit) data_link_.DataSet()->Cancel();
    StopTitleTracking();
    CancelMode();
    return;
  }
  if (data_link_.Active() && DataKeyDown(key, shift)) return;
  TCustomGrid::KeyDown(key, shift);
}

// The keys that mean records, not grid rows. False leaves the key to the
// generic grid (column scrolling, Tab without dgRowSelect).
bool TCustomDBGridEh::DataKeyDown(WORD key, TShiftState shift) {
  TDataSet& dataset = *data_link_.DataSet();
  const bool ctrl = shift.Contains(ssCtrl);
  const bool row_select = options_.Contains(dgRowSelect);
  const int page = std::max(VisibleRowCount(), 1);
  const int first_col = FixedCols();
  const int last_col = ColCount() - 1;
  auto to_column = [&](int col) {
    SetCol(col);
    // The row is the selection, so the column alone would not scroll into view.
    if (row_select) SetLeftCol(col);
  };
  switch (key) {
    case VK_UP:
      if (ctrl) data_link_.MoveBy(-data_link_.ActiveRecord());
      else dataset.MoveBy(-1);
      return true;
    case VK_DOWN:
      // At the last record it stays: appending needs dgEditing.
      if (ctrl) data_link_.MoveBy(data_link_.RecordCount() - 1 - data_link_.ActiveRecord());
      else dataset.MoveBy(1);
      return true;
    case VK_PRIOR:
      if (ctrl) data_link_.MoveBy(-data_link_.ActiveRecord());
      else dataset.MoveBy(-page);
      return true;
    case VK_NEXT:
      if (ctrl) data_link_.MoveBy(data_link_.RecordCount() - 1 - data_link_.ActiveRecord());
      else dataset.MoveBy(page);
      return true;
    case VK_HOME:
      if (ctrl || row_select) dataset.First();
      else to_column(first_col);
      return true;
    case VK_END:
      if (ctrl || row_select) dataset.Last();
      else to_column(last_col);
      return true;
    case VK_LEFT:
    case VK_RIGHT:
      if (!ctrl) return false;
      to_column(key == VK_LEFT ? first_col : last_col);
      return true;
    case VK_DELETE:
      if (ctrl) DeleteCurrentRecord();
      return true;
    default:
      if (ctrl && key == ApostropheKey()) {
        CopyFromPreviousRecord();
        return true;
      }
      if (ctrl && key == 'F' && options_eh_.Contains(dghDialogFind)) {
        DBGridEhFindDlg().Execute(*this, "");
        return true;
      }
      return false;
  }
}

void TCustomDBGridEh::DeleteCurrentRecord() {
  if (!data_link_.Active() || read_only_ || !allowed_operations_.Contains(alopDeleteEh)) return;
  TDataSet& dataset = *data_link_.DataSet();
  if (dataset.IsEmpty()) return;
  // A result the data layer cannot change is refused at once with the
  // layer's own message, rather than asked about and then refused.
  if (!dataset.CanModify()) return dataset.Delete();
  if (options_.Contains(dgConfirmDelete) &&
      ShowMessageBox("Delete record?", Application().Title(), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return;  // Cancel, Esc, or no box could be shown: nothing is deleted unconfirmed
  dataset.Delete();
}

void TCustomDBGridEh::CopyFromPreviousRecord() {
  if (!data_link_.Active() || read_only_ || !allowed_operations_.Contains(alopUpdateEh)) return;
  TColumnEh* column = SelectedColumn();
  TField* field = column ? column->Field() : nullptr;
  if (!field || !field->CanModify()) return;
  const int above = data_link_.ActiveRecord() - 1;
  if (above < 0) return;  // no record shown above the current one
  TFieldValue value;
  {
    TActiveRecordScope scope(data_link_, above);
    value = field->Value();
  }
  field->SetValue(value);
}

// Each notch moves the current record by the system's wheel lines (a page
// for "one screen at a time"), so the rows scroll once the highlight
// reaches the edge.
void TCustomDBGridEh::MouseWheel(int delta) {
  if (!data_link_.Active()) return;
  wheel_rest_ += delta;
  const int notches = wheel_rest_ / WHEEL_DELTA;
  if (notches == 0) return;
  wheel_rest_ -= notches * WHEEL_DELTA;
  UINT lines = 3;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  const int step = lines == WHEEL_PAGESCROLL ? std::max(VisibleRowCount(), 1) : static_cast<int>(lines);
  data_link_.DataSet()->MoveBy(-notches * step);
}

// ---- Mouse

void TCustomDBGridEh::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizing_pos,
                                      int& sizing_ofs) {
  if (no_sizing_) {
    state = gsNormal;
    index = -1;
    return;
  }
  TCustomGrid::CalcSizingState(x, y, state, index, sizing_pos, sizing_ofs);
}

bool TCustomDBGridEh::OverTrackedTitle(int x, int y) {
  const RECT client = ClientRect();
  if (x < client.left || x >= client.right || y < client.top || y >= client.bottom) return false;
  const TGridCoord cell = MouseCoord(x, y);
  return cell.Y >= 0 && cell.Y < TitleOffset() && cell.X == tracking_col_;
}

void TCustomDBGridEh::StopTitleTracking() {
  if (tracking_col_ < 0) return;
  tracking_col_ = -1;  // first: giving the capture back comes here again
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  SetPressedTitleColumn(-1);
}

void TCustomDBGridEh::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  data_press_ = false;
  if (tracking_col_ >= 0) return;  // another button while a title is held
  const TGridCoord cell = MouseCoord(x, y);
  const bool on_title = cell.Y >= 0 && cell.Y < TitleOffset() && cell.X >= indicator_offset_;
  const bool idle = GridState() == gsNormal;
  if (button == mbRight && on_title && idle && options_.Contains(dgColumnResize)) {
    // A right press on a title moves the column, even at an edge.
    no_sizing_ = true;
    try {
      TCustomGrid::MouseDown(mbLeft, shift, x, y);
    } catch (...) {
      no_sizing_ = false;
      throw;
    }
    no_sizing_ = false;
    return;
  }
  if (button == mbLeft && on_title && idle) {
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    CalcSizingState(x, y, state, index, pos, ofs);
    TColumnEh* column = ColumnAt(cell.X);
    if (state == gsNormal && column && column->Title()->TitleButton()) {
      if (!Focused() && CanFocus() && HandleAllocated()) {
        try {
          SetFocus();
        } catch (...) {
          // Not focusable now: the title button still works.
        }
      }
      tracking_col_ = cell.X;
      press_point_ = POINT{x, y};
      SetCapture(Handle());
      SetPressedTitleColumn(cell.X);
      if (shift.Contains(ssDouble)) OnDblClick(this);
      return;
    }
  }
  const bool data_cell = cell.X >= indicator_offset_ && cell.Y >= TitleOffset();
  TCustomGrid::MouseDown(button, shift, x, y);
  data_press_ = button == mbLeft && data_cell && GridState() == gsNormal;
  if (button == mbLeft && shift.Contains(ssDouble)) OnDblClick(this);
}

void TCustomDBGridEh::MouseMove(TShiftState shift, int x, int y) {
  if (tracking_col_ < 0) return TCustomGrid::MouseMove(shift, x, y);
  if (std::abs(x - press_point_.x) > kTitleDragThreshold && options_.Contains(dgColumnResize)) {
    // Dragged: no click; the press starts a column move where it began.
    const POINT start = press_point_;
    StopTitleTracking();
    TCustomGrid::MouseDown(mbLeft, shift, start.x, start.y);
    TCustomGrid::MouseMove(shift, x, y);
    return;
  }
  SetPressedTitleColumn(OverTrackedTitle(x, y) ? tracking_col_ : -1);
}

void TCustomDBGridEh::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool data_press = data_press_;
  data_press_ = false;
  const TGridState state = GridState();
  if (tracking_col_ >= 0) {
    const int col = tracking_col_;
    const bool over = button == mbLeft && OverTrackedTitle(x, y);
    StopTitleTracking();
    TColumnEh* column = ColumnAt(col);
    if (over && column) TitleBtnClick(col - indicator_offset_, *column);
  } else {
    TCustomGrid::MouseUp(button, shift, x, y);
  }
  if (button != mbLeft || state != gsNormal) return;
  const TGridCoord cell = MouseCoord(x, y);
  TColumnEh* column = cell.Y >= 0 ? ColumnAt(cell.X) : nullptr;
  if (!column) return;
  if (cell.Y < TitleOffset()) OnTitleClick(column);
  else if (data_press) OnCellClick(column);
}

void TCustomDBGridEh::TitleBtnClick(int index, TColumnEh& column) { OnTitleBtnClick(this, index, &column); }

}  // namespace hm
