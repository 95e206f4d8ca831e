// How the data grid draws: title cells with their button look, data cells
// with the highlighted current row, the indicator, line colours, and the
// window composed off screen from the cells inside the update region.
#include <algorithm>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"
#include "grid/cell_text.h"
#include "grid/db_grid.h"
#include "grid/portable/cell_colors.h"

namespace hm {

namespace {

// The canvas takes the font's face, size and style only when they differ:
// every change makes a new font handle, and most cells share one font.
void UseFont(TCanvas& canvas, const TFont& font, TColor color) {
  TFont& current = canvas.Font();
  if (current.Name() != font.Name() || current.Height() != font.Height() || current.Charset() != font.Charset() ||
      current.Style() != font.Style())
    current.Assign(font);
  current.SetColor(color);
}

// A one-pixel inner edge on all four sides of the cell (the flat look only
// shades its right and bottom).
void DrawCellEdge(HDC dc, RECT rect, bool sunken, bool flat) {
  DrawEdge(dc, &rect, sunken ? BDR_SUNKENINNER : BDR_RAISEDINNER, flat ? BF_BOTTOMRIGHT : BF_RECT);
}

TRgb RgbOf(TColor color) {
  const COLORREF c = ColorToRGB(color);
  return TRgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

// The cell's own colour lightened toward a glass colour, as the display can show it.
TColor Lightened(HDC dc, TColor cell, TColor glass, bool highlight_glass) {
  const TRgb v = LightenedColor(RgbOf(cell), RgbOf(glass), highlight_glass);
  const COLORREF nearest = GetNearestColor(dc, RGB(v.r, v.g, v.b));
  return RgbColor(GetRValue(nearest), GetGValue(nearest), GetBValue(nearest));
}

}  // namespace

TColor TCustomDBGridEh::GridLineColor(bool fixed_area) const {
  if (fixed_area) return flat_ ? clBtnShadow : clBlack;
  return TCustomGrid::GridLineColor(false);
}

void TCustomDBGridEh::SetPressedTitleColumn(int col) {
  if (col == pressed_title_col_) return;
  if (TitleOffset() > 0) {
    if (pressed_title_col_ >= 0 && pressed_title_col_ < ColCount()) InvalidateCell(pressed_title_col_, 0);
    if (col >= 0 && col < ColCount()) InvalidateCell(col, 0);
  }
  pressed_title_col_ = col;
}

void TCustomDBGridEh::DrawCell(int col, int row, RECT rect, TGridDrawState state) {
  if (col < indicator_offset_) return DrawIndicatorCell(row, rect, state);
  TColumnEh* column = ColumnAt(col);
  if (!column) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(rect);
    return;
  }
  if (row < TitleOffset()) return DrawTitleCell(col, *column, rect, state);
  DrawDataCell(col, row, *column, rect, state);
}

void TCustomDBGridEh::DrawTitleCell(int col, TColumnEh& column, RECT rect, TGridDrawState) {
  TCanvas& canvas = Canvas();
  TColumnTitleEh& title = *column.Title();
  const bool framed = options_eh_.Contains(dghFixed3D);
  const bool pressed = col == pressed_title_col_;
  const bool multi_line = title_height_ > 0 || title_lines_ > 0;
  RECT fill = rect;
  TCellText text;
  if (framed) {
    InflateRect(&fill, -1, -1);
    text.dx = text.dy = 1;
  }
  if (flat_) --text.dy;
  RECT box = fill;
  if (pressed) {
    const int shift = multi_line ? 2 : 1;
    OffsetRect(&box, shift, shift);
  }
  const std::string caption = title.Caption();
  text.text = caption;
  text.alignment = title.Alignment();
  text.layout = multi_line ? tlCenter : tlTop;
  text.multi_line = multi_line;
  TFont& font = title.DrawFont();
  UseFont(canvas, font, font.Color());
  canvas.Brush().SetColor(title.Color());
  WriteCellText(canvas, fill, box, text);
  if (framed) DrawCellEdge(canvas.Handle(), rect, pressed, flat_);
}

void TCustomDBGridEh::DrawDataCell(int col, int row, TColumnEh& column, RECT rect, TGridDrawState) {
  TCanvas& canvas = Canvas();
  HDC dc = canvas.Handle();
  const int record = row - TitleOffset();
  std::string value;
  if (record >= 0 && record < DataRecordCount()) {
    TActiveRecordScope reading(data_link_, record);
    value = column.DisplayText();
  }

  TCellHighlightState h;
  h.selected = Selection().Contains(col, row);
  h.current_cell = col == Col() && row == Row();
  h.current_row = row == Row();
  h.row_select = options_.Contains(dgRowSelect);
  h.always_show_selection = options_.Contains(dgAlwaysShowSelection);
  h.focused = paint_focused_;
  h.highlight_focus = options_eh_.Contains(dghHighlightFocus);
  h.many_colors = paint_many_colors_;
  TFont& font = column.DrawFont();
  TColor back = column.Color();
  TColor fore = font.Color();
  const TCellLook look = CellLook(h);
  switch (look) {
    case TCellLook::Normal: break;
    case TCellLook::Highlight:
      back = clHighlight;
      fore = clHighlightText;
      break;
    case TCellLook::LightHighlight: back = Lightened(dc, back, clHighlight, true); break;
    case TCellLook::Shadow:
      back = clBtnShadow;
      fore = clHighlightText;
      break;
    case TCellLook::LightShadow: back = Lightened(dc, back, clBtnShadow, false); break;
    case TCellLook::Face: back = clBtnFace; break;
  }

  const bool frozen = col < FixedCols();
  const bool framed = options_eh_.Contains(dghData3D) || (frozen && options_eh_.Contains(dghFrozen3D));
  RECT fill = rect;
  TCellText text;
  if (framed) {
    InflateRect(&fill, -1, -1);
    text.dx = text.dy = 1;
  }
  if (flat_) --text.dy;
  text.text = value;
  text.alignment = column.Alignment();
  text.layout = column.Layout();
  text.multi_line = row_lines_ > 1;
  text.end_ellipsis = column.EndEllipsis();
  UseFont(canvas, font, fore);
  canvas.Brush().SetColor(back);
  WriteCellText(canvas, fill, fill, text);
  if (framed) DrawCellEdge(dc, rect, look != TCellLook::Normal, flat_);
}

void TCustomDBGridEh::DrawIndicatorCell(int row, RECT rect, TGridDrawState) {
  TCanvas& canvas = Canvas();
  const bool framed = options_eh_.Contains(dghFixed3D);
  canvas.Brush().SetColor(FixedColor());
  canvas.FillRect(rect);
  // A small arrow at the current record.
  if (row >= TitleOffset() && row == Row() && DataRecordCount() > 0) {
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const POINT arrow[] = {{cx - 2, cy - 4}, {cx + 3, cy + 1}, {cx - 2, cy + 5}};
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(clWindowText)));
    UniqueGdi<HRGN> shape(CreatePolygonRgn(arrow, 3, WINDING));
    if (brush && shape) FillRgn(canvas.Handle(), shape.get(), brush.get());
  }
  if (framed) DrawCellEdge(canvas.Handle(), rect, false, flat_);
}

void TCustomDBGridEh::Paint() {
  paint_focused_ = Focused();
  HDC dc = Canvas().Handle();
  const int bits = buffer_bits_ > 0 ? buffer_bits_ : GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  paint_many_colors_ = bits > 8;
  TCustomGrid::Paint();
  const bool no_rows = NothingToShow();
  const bool no_columns = visible_columns_.empty();
  if (!no_rows && !no_columns) return;
  // Nothing to show below the titles (or beside them): only the grid's colour.
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const RECT client = ClientRect();
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  const int below_titles = TitleOffset() > 0 ? std::min<int>(info.Vert.FixedBoundary, client.bottom) : 0;
  if (no_rows) canvas.FillRect(RECT{0, below_titles, client.right, client.bottom});
  if (no_columns) canvas.FillRect(RECT{std::min<int>(info.Horz.FixedBoundary, client.right), 0, client.right, client.bottom});
  // The drag line of a column being sized stays visible over the fill.
  if (GridState() == gsColSizing) {
    const RECT line = SizingLineRect();
    const int top = no_columns ? 0 : below_titles;
    PatBlt(canvas.Handle(), line.left, top, line.right - line.left, line.bottom - top, DSTINVERT);
  }
}

void TCustomDBGridEh::WMPaint(TMessage& message) {
  if (message.WParam || !HandleAllocated()) return TCustomGrid::WMPaint(message);
  HWND window = Handle();
  // The region to paint, taken before BeginPaint empties it: cells outside
  // it are not drawn at all.
  UniqueGdi<HRGN> update(CreateRectRgn(0, 0, 0, 0));
  const bool have_region = update && GetUpdateRgn(window, update.get(), FALSE) > NULLREGION;
  PaintScope scope(window);
  const RECT area = scope.area();
  if (!scope.dc() || IsRectEmpty(&area)) return;
  const RECT client = ClientRect();
  HDC memory = buffer_.Prepare(scope.dc(), client.right, client.bottom);
  try {
    if (!memory) {
      PaintWindow(scope.dc());
      return;
    }
    if (have_region) SelectClipRgn(memory, update.get());
    else IntersectClipRect(memory, area.left, area.top, area.right, area.bottom);
    struct Reset {
      HDC dc;
      int& bits;
      ~Reset() {
        SelectClipRgn(dc, nullptr);
        bits = 0;
      }
    } reset{memory, buffer_bits_};
    buffer_bits_ = buffer_.Bits();
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
    PaintWindow(memory);
    PaintControls(memory);
    // Composed off screen; one copy, so no half-drawn state is ever seen.
    BitBlt(scope.dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
           area.top, SRCCOPY);
  } catch (...) {
    // Painting never fails outward; the next paint tries again.
  }
}

}  // namespace hm
