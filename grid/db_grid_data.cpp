// The data grid and its dataset: what the data link reports, the current
// row following the current record, and the scroll bars.
#include <algorithm>

#include "framework/data/dataset.h"
#include "grid/db_grid.h"

namespace hm {

void TCustomDBGridEh::LinkActiveChanged() {
  // The fields may be about to go: no column may keep one.
  ClearFieldLinks();
  LayoutChanged();
}

void TCustomDBGridEh::LinkLayoutChanged() {
  ClearFieldLinks();
  LayoutChanged();
}

void TCustomDBGridEh::LinkDataSetChanged() {
  if (!CanLayout() || LayoutLocked()) return;  // the pending layout reads it all
  UpdateRowCount();
  InvalidateDataRows();
  UpdateScrollRange();
}

void TCustomDBGridEh::LinkDataSetScrolled(int distance) {
  if (!CanLayout() || LayoutLocked()) return;
  // Every row of a moved window shows another record; otherwise only the
  // rows losing and gaining the highlight change (FocusCell repaints them).
  if (distance != 0) InvalidateDataRows();
  SyncCurrentRow();
  UpdateScrollRange();
}

void TCustomDBGridEh::LinkRecordChanged(TField*) { InvalidateRow(Row()); }

void TCustomDBGridEh::LinkEditingChanged() { InvalidateRow(Row()); }

void TCustomDBGridEh::InvalidateDataRows() {
  if (!HandleAllocated()) return;
  const RECT title = CellRect(LeftCol(), 0);
  RECT rows = ClientRect();
  if (TitleOffset() > 0 && title.bottom > title.top) rows.top = title.bottom;
  ::InvalidateRect(Handle(), &rows, FALSE);
}

bool TCustomDBGridEh::NothingToShow() const { return DataRecordCount() == 0; }

bool TCustomDBGridEh::SelectCell(int col, int row) {
  if (!syncing_row_ && data_link_.Active() && row != Row() && row >= TitleOffset()) {
    data_link_.MoveBy(row - Row());
    if (Row() != row) return false;  // the dataset stopped short (its first or last record)
  }
  return TCustomGrid::SelectCell(col, row);
}

// ---- Scroll bars

void TCustomDBGridEh::UpdateScrollRange() {
  if (in_layout_) return;  // the layout sets them when it is done
  SetScrollBarsNow();
}

void TCustomDBGridEh::SetScrollBarsNow() {
  if (!HandleAllocated() || updating_bars_) return;
  {
    struct Guard {
      bool& flag;
      ~Guard() { flag = false; }
    } guard{updating_bars_};
    updating_bars_ = true;
    const TScrollStyle bars = ScrollBars();
    const TScrollBarVisibleModeEh mode = vert_scroll_bar_->VisibleMode();
    const bool vertical_allowed = (bars == ssVertical || bars == ssBoth) && mode != sbNeverShowEh;
    const bool horizontal_allowed = (bars == ssHorizontal || bars == ssBoth) && !auto_fit_;
    // Showing one bar narrows the client, which may call for the other.
    for (int pass = 0; pass < 2; ++pass) {
      const RECT before = ClientRect();
      SCROLLINFO v{};
      v.cbSize = sizeof v;
      v.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      // Always shown: disabled, not hidden, while every record fits.
      if (vertical_allowed && mode == sbAlwaysShowEh) v.fMask |= SIF_DISABLENOSCROLL;
      if (vertical_allowed && data_link_.Active()) {
        const int records = data_link_.DataSet()->RecordCount();
        const int shown = data_link_.BufferCount();
        // Shown only when the records do not all fit.
        if (records > shown) {
          v.nMin = 1;
          v.nMax = records + shown - 1;
          v.nPage = static_cast<UINT>(shown);
          v.nPos = data_link_.DataSet()->RecNo();
        }
      }
      SetBar(SB_VERT, v);

      SCROLLINFO h{};
      h.cbSize = sizeof h;
      h.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      if (horizontal_allowed) {
        std::vector<int> widths;
        for (int c = 0; c < ColCount(); ++c) widths.push_back(ColWidths(c));
        const int lines = options_.Contains(dgColLines) ? GridLineWidth() : 0;
        const int max_first = GridMaxFirstCell(widths, FixedCols(), lines, ClientWidth());
        if (max_first > FixedCols()) {
          h.nMin = FixedCols();
          h.nMax = ColCount() - 1;
          h.nPage = static_cast<UINT>(ColCount() - max_first);
          h.nPos = LeftCol();
        }
      }
      SetBar(SB_HORZ, h);
      const RECT after = ClientRect();
      if (after.right == before.right && after.bottom == before.bottom) break;
    }
  }
  if (size_pending_) {
    size_pending_ = false;
    SizeChanged();
  }
}

// Redrawing a bar is expensive (under Wine a whole frame paint), and the
// data grid sets its bars at every step through the records: a bar is set
// only when it differs from what the window shows now (others may have
// hidden it), and redrawn only when its thumb moves.
void TCustomDBGridEh::SetBar(int bar, const SCROLLINFO& info) {
  HWND window = Handle();
  const bool wanted = info.nMax > info.nMin || (info.fMask & SIF_DISABLENOSCROLL);
  const bool visible = GetWindowLongW(window, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
  if (!wanted && !visible) return;
  SCROLLINFO now{};
  now.cbSize = sizeof now;
  now.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  const bool known = visible && GetScrollInfo(window, bar, &now);
  if (!known || !wanted || now.nMin != info.nMin || now.nMax != info.nMax || now.nPage != info.nPage) {
    SetScrollInfo(window, bar, &info, TRUE);
    // A bar hidden by ShowScrollBar stays hidden when its range is set again unchanged.
    if (wanted && !(GetWindowLongW(window, GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)))
      ShowScrollBar(window, bar, TRUE);
    return;
  }
  if (now.nPos == info.nPos) return;
  // Thousands of records share a bar of a hundred pixels: most steps leave
  // the thumb where it is.
  const LONG object = bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL;
  SCROLLBARINFO before{};
  before.cbSize = sizeof before;
  const bool measured = GetScrollBarInfo(window, object, &before);
  SetScrollInfo(window, bar, &info, !measured);
  if (!measured) return;
  SCROLLBARINFO after{};
  after.cbSize = sizeof after;
  if (!GetScrollBarInfo(window, object, &after) || after.xyThumbTop != before.xyThumbTop ||
      after.xyThumbBottom != before.xyThumbBottom)
    SetScrollInfo(window, bar, &info, TRUE);
}

void TCustomDBGridEh::ModifyScrollBar(int bar, int code) {
  if (bar != SB_VERT || !data_link_.Active()) return TCustomGrid::ModifyScrollBar(bar, code);
  TDataSet& dataset = *data_link_.DataSet();
  const int page = std::max(data_link_.BufferCount(), 1);
  switch (code) {
    case SB_LINEUP: dataset.MoveBy(-1); break;
    case SB_LINEDOWN: dataset.MoveBy(1); break;
    case SB_PAGEUP: dataset.MoveBy(-page); break;
    case SB_PAGEDOWN: dataset.MoveBy(page); break;
    case SB_TOP: dataset.First(); break;
    case SB_BOTTOM: dataset.Last(); break;
    case SB_THUMBTRACK:
      if (!TCustomGrid::Options().Contains(goThumbTracking)) break;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(Handle(), SB_VERT, &si)) dataset.SetRecNo(si.nTrackPos);
      break;
    }
    default: break;
  }
}

}  // namespace hm
