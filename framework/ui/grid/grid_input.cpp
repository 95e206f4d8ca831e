// Mouse and keyboard of the generic grid: column sizing and moving with
// the drag line and the drop marker, cell selection, navigation keys and
// the scroll bars.
#include "framework/ui/grid/grids.h"

#include <windowsx.h>

#include <algorithm>

namespace hm {

namespace {

// A press this close to a column's edge sizes it: from 3 pixels left of the
// line after the column to 4 pixels right of it (7 pixels for a 1-pixel line).
constexpr int kSizingZone = 7;

}  // namespace

void TCustomGrid::WndProc(TMessage& message) {
  const int x = GET_X_LPARAM(message.LParam), y = GET_Y_LPARAM(message.LParam);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
      TShiftState shift = MouseShiftState(message.WParam);
      if (message.Msg == WM_LBUTTONDBLCLK) shift.Include(ssDouble);
      MouseDown(message.Msg == WM_RBUTTONDOWN ? mbRight : mbLeft, shift, x, y);
      message.Result = 0;
      return;
    }
    case WM_MOUSEMOVE:
      MouseMove(MouseShiftState(message.WParam), x, y);
      message.Result = 0;
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      MouseUp(message.Msg == WM_RBUTTONUP ? mbRight : mbLeft, MouseShiftState(message.WParam), x, y);
      message.Result = 0;
      return;
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(message.WParam);
      KeyDown(key, KeyboardShiftState());
      message.Result = 0;
      return;
    }
    case WM_SETCURSOR:
      if (LOWORD(message.LParam) == HTCLIENT && grid_state_ == gsNormal) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(Handle(), &p);
        TGridState state = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(p.x, p.y, state, index, pos, ofs);
        if (state == gsColSizing) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
          message.Result = TRUE;
          return;
        }
      }
      break;
    case WM_CANCELMODE:
      CancelMode();
      break;
    case WM_CAPTURECHANGED:
      if (capturing_ && reinterpret_cast<HWND>(message.LParam) != Handle()) {
        capturing_ = false;
        CancelMode();
      }
      break;
    case WM_SIZE:
      TCustomControl::WndProc(message);
      Resized();
      return;
    case WM_HSCROLL:
      ModifyScrollBar(SB_HORZ, LOWORD(message.WParam));
      message.Result = 0;
      return;
    case WM_VSCROLL:
      ModifyScrollBar(SB_VERT, LOWORD(message.WParam));
      message.Result = 0;
      return;
    default: break;
  }
  TCustomControl::WndProc(message);
}

UINT TCustomGrid::DialogCode() const {
  UINT code = DLGC_WANTARROWS;
  if (options_.Contains(goRowSelect)) return code;
  if (options_.Contains(goTabs)) code |= DLGC_WANTTAB;
  if (options_.Contains(goEditing)) code |= DLGC_WANTCHARS;
  return code;
}

void TCustomGrid::WMGetDlgCode(TMessage& message) {
  TCustomControl::WMGetDlgCode(message);
  message.Result |= DialogCode();
}

// Esc during a drag belongs to the grid, not to the form's cancel button.
void TCustomGrid::CNKeyDown(TMessage& message) {
  if (message.WParam == VK_ESCAPE && grid_state_ != gsNormal) {
    CancelMode();
    message.Result = 1;
    return;
  }
  TCustomControl::CNKeyDown(message);
}

void TCustomGrid::WMSetFocus(TMessage& message) {
  TCustomControl::WMSetFocus(message);
  Invalidate();
}

void TCustomGrid::WMKillFocus(TMessage& message) {
  TCustomControl::WMKillFocus(message);
  Invalidate();
}

// ---- Sizing and moving

void TCustomGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizing_pos, int& sizing_ofs) {
  state = gsNormal;
  index = -1;
  if (!options_.Contains(goColSizing)) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  // Only in the fixed rows, right of the fixed columns.
  if (x <= info.Horz.FixedBoundary || y >= info.Vert.FixedBoundary) return;
  const int range = std::max(info.Horz.LineWidth, kSizingZone);
  const int back = (range - info.Horz.LineWidth) / 2;
  int line = info.Horz.FixedBoundary;
  for (int col = info.Horz.FirstGridCell; col < ColCount(); ++col) {
    line += col_widths_[static_cast<std::size_t>(col)];
    if (line > info.Horz.GridBoundary) break;
    if (x >= line - back && x <= line - back + range) {
      state = gsColSizing;
      index = col;
      sizing_pos = line;
      sizing_ofs = line - x;
      return;
    }
    line += info.Horz.LineWidth;
  }
  // Columns that end exactly at the client's edge: its last pixels size
  // the last column shown.
  if (info.Horz.GridBoundary == info.Horz.GridExtent && x >= info.Horz.GridExtent - back &&
      x <= info.Horz.GridExtent && info.Horz.LastVisibleCell >= info.Horz.FirstGridCell) {
    state = gsColSizing;
    index = info.Horz.LastVisibleCell;
    sizing_pos = info.Horz.GridExtent;
    sizing_ofs = info.Horz.GridExtent - x;
  }
}

bool TCustomGrid::BeginColumnDrag(int&, int&, POINT) { return true; }
bool TCustomGrid::CheckColumnDrag(int&, int&, POINT) { return true; }
bool TCustomGrid::EndColumnDrag(int&, int&, POINT) { return true; }

void TCustomGrid::StartCapture() {
  capturing_ = true;
  SetCapture(Handle());
}

void TCustomGrid::StopCapture() {
  if (!capturing_) return;
  capturing_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
}

void TCustomGrid::SetSizingPos(int pos) {
  if (pos == sizing_pos_) return;
  InvalidateRect(SizingLineRect());
  sizing_pos_ = pos;
  InvalidateRect(SizingLineRect());
}

void TCustomGrid::SetMovePos(int pos) {
  if (pos == move_pos_) return;
  InvalidateRect(MoveMarkerRect());
  move_pos_ = pos;
  InvalidateRect(MoveMarkerRect());
}

void TCustomGrid::CancelMode() {
  const TGridState state = grid_state_;
  if (state == gsNormal) return;
  // Normal first: releasing the capture comes back here.
  if (state == gsColSizing) InvalidateRect(SizingLineRect());
  if (state == gsColMoving) InvalidateRect(MoveMarkerRect());
  grid_state_ = gsNormal;
  sizing_index_ = -1;
  move_index_ = move_pos_ = -1;
  StopCapture();
  if (HandleAllocated()) Invalidate();
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Focused() && CanFocus() && HandleAllocated()) {
    try {
      SetFocus();
    } catch (...) {
      // A grid that cannot take the focus still reacts to the mouse.
    }
  }
  if (button != mbLeft || grid_state_ != gsNormal) return;
  TGridState state = gsNormal;
  int index = -1, pos = 0, ofs = 0;
  CalcSizingState(x, y, state, index, pos, ofs);
  if (state == gsColSizing) {
    grid_state_ = gsColSizing;
    sizing_index_ = index;
    sizing_pos_ = pos;
    sizing_ofs_ = ofs;
    StartCapture();
    InvalidateRect(SizingLineRect());
    return;
  }
  const TGridCoord cell = MouseCoord(x, y);
  if (cell.X < 0 || cell.Y < 0) return;
  if (options_.Contains(goColMoving) && cell.Y < fixed_rows_ && cell.X >= fixed_cols_) {
    int origin = cell.X, destination = cell.X;
    if (!BeginColumnDrag(origin, destination, POINT{x, y})) return;
    grid_state_ = gsColMoving;
    move_index_ = origin;
    move_pos_ = destination;
    StartCapture();
    return;
  }
  if (cell.X >= fixed_cols_ && cell.Y >= fixed_rows_) {
    const bool extend = options_.Contains(goRangeSelect) && shift.Contains(ssShift);
    FocusCell(cell.X, cell.Y, !extend);
    if (options_.Contains(goRangeSelect) && !options_.Contains(goRowSelect)) {
      grid_state_ = gsSelecting;
      StartCapture();
    }
  }
}

void TCustomGrid::MouseMove(TShiftState, int x, int y) {
  switch (grid_state_) {
    case gsColSizing: {
      // The column cannot become narrower than nothing.
      TGridDrawInfo info;
      CalcDrawInfo(info);
      const int left = GridCellStart(info.Horz, col_widths_, sizing_index_);
      SetSizingPos(std::max(x + sizing_ofs_, std::max(left, 0)));
      break;
    }
    case gsColMoving: {
      TGridDrawInfo info;
      CalcDrawInfo(info);
      // Past either end the nearest scrolling column shown is the target.
      const int clamped_x = std::clamp(x, info.Horz.FixedBoundary, std::max(info.Horz.GridBoundary - 1, 0));
      int target = GridCellAt(info.Horz, col_widths_, clamped_x);
      if (target < fixed_cols_) target = info.Horz.FirstGridCell;
      if (target < 0 || target >= ColCount()) return;
      int origin = move_index_;
      if (CheckColumnDrag(origin, target, POINT{x, y})) SetMovePos(target);
      break;
    }
    case gsSelecting: {
      const TGridCoord cell = MouseCoord(x, y);
      if (cell.X >= fixed_cols_ && cell.Y >= fixed_rows_ && (cell.X != col_ || cell.Y != row_))
        FocusCell(cell.X, cell.Y, false);
      break;
    }
    default: break;
  }
}

// Any button's release ends a drag: a descendant may start one from a
// right-button press.
void TCustomGrid::MouseUp(TMouseButton, TShiftState, int x, int y) {
  const TGridState state = grid_state_;
  if (state == gsNormal) return;
  const int sizing_index = sizing_index_;
  const int sizing_pos = sizing_pos_;
  int origin = move_index_, destination = move_pos_;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const int left = state == gsColSizing ? GridCellStart(info.Horz, col_widths_, sizing_index) : 0;
  // Leave the drag state before applying: the hooks may lay the grid out anew.
  CancelMode();
  if (state == gsColSizing && left >= 0) {
    SetColWidths(sizing_index, sizing_pos - left);
    ColumnSized(sizing_index);
  } else if (state == gsColMoving) {
    if (EndColumnDrag(origin, destination, POINT{x, y}) && origin != destination) MoveColumn(origin, destination);
  }
}

// ---- Keys

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
  const bool row_select = options_.Contains(goRowSelect);
  int col = col_, row = row_;
  const int page = std::max(VisibleRowCount(), 1);
  switch (key) {
    case VK_ESCAPE:
      CancelMode();
      return;
    case VK_UP: row = ctrl ? top_row_ : row - 1; break;
    case VK_DOWN: row = ctrl ? top_row_ + page - 1 : row + 1; break;
    case VK_PRIOR: row = ctrl ? top_row_ : row - page; break;
    case VK_NEXT: row = ctrl ? top_row_ + page - 1 : row + page; break;
    case VK_LEFT:
      if (row_select) {
        SetLeftCol(left_col_ - 1);
        return;
      }
      col = ctrl ? fixed_cols_ : col - 1;
      break;
    case VK_RIGHT:
      if (row_select) {
        SetLeftCol(left_col_ + 1);
        return;
      }
      col = ctrl ? ColCount() - 1 : col + 1;
      break;
    case VK_HOME:
      if (ctrl || row_select) row = fixed_rows_;
      if (!row_select) col = fixed_cols_;
      break;
    case VK_END:
      if (ctrl || row_select) row = RowCount() - 1;
      if (!row_select) col = ColCount() - 1;
      break;
    case VK_TAB:
      if (!options_.Contains(goTabs) || row_select) return;
      if (shift.Contains(ssShift)) {
        if (--col < fixed_cols_) {
          col = ColCount() - 1;
          --row;
        }
      } else if (++col >= ColCount()) {
        col = fixed_cols_;
        ++row;
      }
      if (row < fixed_rows_ || row >= RowCount()) return;
      break;
    default: return;
  }
  FocusCell(col, row, !extend || key == VK_TAB);
}

}  // namespace hm
