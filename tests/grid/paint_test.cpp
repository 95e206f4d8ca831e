// What the grid paints, read back from its window: the highlighted current
// row and its focus frame, line colours, title cells raised and pressed,
// an empty grid, empty cells of an unknown field, painting only what needs
// it, and text on a background the device cannot show.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/ui/graphics/canvas.h"
#include "grid/cell_text.h"
#include "grid/shared_text_bitmap.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kGray = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The main window's grid set up in code, for hooks the stored one hides.
class PaintGrid : public TDBGridEh {
 public:
  using TDBGridEh::TDBGridEh;
  using TCustomDBGridEh::SetPressedTitleColumn;
  int cells_drawn = 0;

 protected:
  void DrawCell(int col, int row, RECT rect, TGridDrawState state) override {
    ++cells_drawn;
    TDBGridEh::DrawCell(col, row, rect, state);
  }
};

PaintGrid& AddMainGrid(GridForm& f) {
  f.grid.Hide();
  auto* g = MakeOwned<PaintGrid>(*f.form);
  g->BeginLayout();
  g->SetParent(f.form.get());
  g->SetBounds(7, 6, 266, 203);
  g->SetOptions(f.grid.Options());
  g->SetRowHeight(18);
  g->SetTitleHeight(16);
  g->SetAutoFitColWidths(true);
  g->Columns()->Assign(*f.grid.Columns());
  g->SetDataSource(f.form->DataSource1);
  g->EndLayout();
  f.Show(3);
  return *g;
}

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) < 40 && std::abs(GetGValue(a) - GetGValue(b)) < 40 &&
         std::abs(GetBValue(a) - GetBValue(b)) < 40;
}

bool IsDark(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }

// The box around the dark (text) pixels in r; empty when there are none.
RECT DarkBox(const TCapture& shot, RECT r) {
  RECT box{r.right, r.bottom, r.left, r.top};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (!IsDark(shot.Pixel(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

TEST(GridPaint, TheCurrentRowIsHighlightedWhileTheGridHasTheFocus) {
  GridForm f;
  f.Show(3);
  f.data->Next();  // the second row is current
  f.grid.SetFocus();
  Pump();
  const COLORREF highlight = SysColor(COLOR_HIGHLIGHT), highlight_text = SysColor(COLOR_HIGHLIGHTTEXT);
  const COLORREF window = SysColor(COLOR_WINDOW);
  {
    TCapture shot(f.Window());
    for (int col = 0; col < 4; ++col) {
      const RECT cell = f.Cell(col, 2);
      EXPECT_EQ(shot.Pixel(cell.right - 3, cell.top + 1), highlight) << col;
      // Its text in the highlight-text colour (smoothed: count the near ones).
      EXPECT_GT(shot.Count(cell, [&](COLORREF c) { return Near(c, highlight_text); }), 5) << col;
      // The other rows stay in the window colour.
      const RECT other = f.Cell(col, 1);
      EXPECT_EQ(shot.Pixel(other.right - 3, other.top + 1), window) << col;
    }
    // A dotted frame around the whole row: every other pixel of its top edge inverted.
    const RECT first = f.Cell(0, 2), last = f.Cell(3, 2);
    const COLORREF inverted = highlight ^ 0xFFFFFF;
    int plain = 0, dotted = 0;
    for (int x = first.left + 1; x < last.right - 1; ++x) {
      const COLORREF c = shot.Pixel(x, first.top);
      plain += c == highlight;
      dotted += c == inverted;
    }
    EXPECT_GT(dotted, (last.right - first.left) / 3);
    EXPECT_GT(plain, (last.right - first.left) / 3);
  }
  f.form->Button1->SetFocus();
  Pump();
  TCapture shot(f.Window());
  for (int col = 0; col < 4; ++col) {
    const RECT cell = f.Cell(col, 2);
    EXPECT_EQ(shot.Pixel(cell.right - 3, cell.top + 1), window) << col;
    EXPECT_EQ(shot.Pixel(cell.left + 1, cell.top), window) << col;  // no frame either
    EXPECT_EQ(shot.Count(cell, [&](COLORREF c) { return c == highlight; }), 0) << col;
  }
}

TEST(GridPaint, LineColoursInTheFixedAndTheDataArea) {
  GridForm f;
  f.Show(3);
  const RECT title = f.Cell(0, 0), data = f.Cell(0, 1);
  EXPECT_EQ(f.Pixel(title.right, title.top + 4), kBlack);     // between title cells
  EXPECT_EQ(f.Pixel(title.left + 10, title.bottom), kBlack);  // under the title row
  EXPECT_EQ(f.Pixel(data.right, data.top + 4), kSilver);      // between data cells
  EXPECT_EQ(f.Pixel(data.left + 10, data.bottom), kSilver);   // between data rows
  f.grid.SetColor(clSilver);
  EXPECT_EQ(f.Pixel(data.right, data.top + 4), kGray);        // silver would not show
  EXPECT_EQ(f.Pixel(data.left + 10, data.bottom), kGray);
  EXPECT_EQ(f.Pixel(title.right, title.top + 4), kBlack);
  f.grid.SetFlat(true);
  EXPECT_EQ(f.Pixel(title.right, title.top + 4), SysColor(COLOR_BTNSHADOW));
}

TEST(GridPaint, ATitleButtonHeldDownIsSunkenWithItsCaptionMovedTwoPixels) {
  GridForm f;
  PaintGrid& g = AddMainGrid(f);
  const RECT cell = g.CellRect(1, 0);
  TCapture raised(g.Handle());
  const RECT up = DarkBox(raised, RECT{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2});
  ASSERT_LT(up.left, up.right) << "no caption drawn";
  EXPECT_EQ(raised.Pixel(cell.left, cell.top + 5), SysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(raised.Pixel(cell.right - 1, cell.top + 5), SysColor(COLOR_BTNSHADOW));

  g.SetPressedTitleColumn(1);
  TCapture pressed(g.Handle());
  const RECT down = DarkBox(pressed, RECT{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2});
  EXPECT_EQ(down.left - up.left, 2);
  EXPECT_EQ(down.top - up.top, 2);
  // A sunken inner edge: dark at the top left, light at the bottom right.
  const COLORREF top_left = pressed.Pixel(cell.left, cell.top + 5);
  EXPECT_TRUE(top_left == SysColor(COLOR_3DDKSHADOW) || top_left == SysColor(COLOR_BTNSHADOW)) << std::hex << top_left;
  const COLORREF bottom_right = pressed.Pixel(cell.right - 1, cell.top + 5);
  EXPECT_TRUE(bottom_right == SysColor(COLOR_3DLIGHT) || bottom_right == SysColor(COLOR_BTNHIGHLIGHT))
      << std::hex << bottom_right;
  // Its neighbour stays raised.
  const RECT next = g.CellRect(2, 0);
  EXPECT_EQ(pressed.Pixel(next.left, next.top + 5), SysColor(COLOR_BTNHIGHLIGHT));

  g.SetPressedTitleColumn(-1);
  TCapture again(g.Handle());
  EXPECT_EQ(DarkBox(again, RECT{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2}).left, up.left);
}

TEST(GridPaint, AnUnlinkedOrEmptyGridShowsOnlyTheTitleRow) {
  GridForm f;
  const COLORREF window = SysColor(COLOR_WINDOW);
  const auto check = [&](const char* what) {
    f.grid.SetFocus();  // no focus frame on the empty row either
    Pump();
    TCapture shot(f.Window());
    const RECT title = f.Cell(0, 0);
    const RECT below{0, title.bottom + 1, shot.Width(), shot.Height()};
    EXPECT_EQ(shot.Count(below, [&](COLORREF c) { return c != window; }), 0) << what;
    for (int col = 0; col < 4; ++col) {
      const RECT t = f.Cell(col, 0);
      EXPECT_EQ(shot.Pixel(t.left + 2, t.bottom - 2), SysColor(COLOR_BTNFACE)) << what << col;
      EXPECT_GT(shot.Count(t, IsDark), 5) << what << col;  // its caption
    }
  };
  check("unlinked");
  f.Show("SELECT '1' AS 区号, '2' AS 邮编 WHERE 0");
  check("empty");
}

TEST(GridPaint, AColumnWithoutItsFieldShowsEmptyCells) {
  GridForm f;
  (*f.grid.Columns())[1]->SetFieldName("没有");
  f.Show(3);
  TCapture shot(f.Window());
  // The second row: the first is current, and highlighted while the grid has the focus.
  EXPECT_GT(shot.Count(f.Cell(0, 2), IsDark), 5);
  EXPECT_EQ(shot.Count(f.Cell(1, 2), IsDark), 0);
  EXPECT_GT(shot.Count(f.Cell(1, 0), IsDark), 5);  // the title shows the name
}

TEST(GridPaint, RightAlignedNumbersAndBelowTheLastRowTheGridsColour) {
  GridForm f;
  f.grid.SetBorderStyle(bsNone);
  f.Show("SELECT 7 AS 区号, 'x' AS 邮编");
  f.form->Button1->SetFocus();  // not highlighted
  Pump();
  TCapture shot(f.Window());
  const RECT cell = f.Cell(0, 1);
  const RECT seven = DarkBox(shot, cell);
  ASSERT_LT(seven.left, seven.right);
  EXPECT_GT(seven.left, (cell.left + cell.right) / 2);  // a number goes right
  EXPECT_LE(seven.right, cell.right - 3);
  const RECT below{0, cell.bottom + 1, shot.Width(), shot.Height()};
  EXPECT_EQ(shot.Count(below, [](COLORREF c) { return c != SysColor(COLOR_WINDOW); }), 0);
}

TEST(GridPaint, EndEllipsisShortensTextToTheCell) {
  GridForm f;
  TCanvas& canvas = f.grid.Canvas();
  HDC dc = GetDC(f.Window());
  canvas.SetHandle(dc);
  const std::string text = "深圳市南山区粤海街道";
  const int full = canvas.TextWidth(text);
  EXPECT_EQ(EllipsisText(canvas, text, full), text);
  const std::string cut = EllipsisText(canvas, text, full / 2);
  EXPECT_LE(canvas.TextWidth(cut), full / 2);
  ASSERT_GT(cut.size(), 3u);
  EXPECT_EQ(cut.substr(cut.size() - 3), "...");
  EXPECT_EQ(text.compare(0, cut.size() - 3, cut, 0, cut.size() - 3), 0);  // whole characters of the start
  EXPECT_EQ(EllipsisText(canvas, text, 1), "...");
  canvas.SetHandle(nullptr);
  ReleaseDC(f.Window(), dc);

}

TEST(GridPaint, OnlyTheCellsInsideTheUpdateRegionAreDrawn) {
  GridForm f;
  PaintGrid& g = AddMainGrid(f);
  UpdateWindow(g.Handle());
  g.cells_drawn = 0;
  g.InvalidateCell(2, 2);
  UpdateWindow(g.Handle());
  // The cell and the line after it, which touches nothing else.
  EXPECT_EQ(g.cells_drawn, 1);
  g.cells_drawn = 0;
  g.InvalidateRow(3);
  UpdateWindow(g.Handle());
  EXPECT_EQ(g.cells_drawn, 4);
  g.cells_drawn = 0;
  g.Invalidate();
  UpdateWindow(g.Handle());
  EXPECT_EQ(g.cells_drawn, 4 * 4);
}

TEST(GridPaint, TextOnABackgroundTheDeviceCannotShowUsesTheSharedBitmap) {
  // An 8-bit surface with a small palette: most colours are dithered there.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = 60;
  info.header.biHeight = -20;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biClrUsed = 16;
  for (int i = 0; i < 16; ++i) {
    const BYTE v = static_cast<BYTE>((i & 1) ? 255 : 0), w = static_cast<BYTE>((i & 2) ? 255 : 0),
               z = static_cast<BYTE>((i & 4) ? 255 : 0), k = static_cast<BYTE>((i & 8) ? 128 : 0);
    info.colors[i] = RGBQUAD{static_cast<BYTE>(v | k), static_cast<BYTE>(w | k), static_cast<BYTE>(z | k), 0};
  }
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  HGDIOBJ old = SelectObject(memory, dib);
  const COLORREF odd = RGB(200, 90, 30);
  ASSERT_NE(GetNearestColor(memory, odd), odd);
  {
    GridForm f;  // a grid holds the shared bitmap
    TCanvas canvas;
    canvas.SetHandle(memory);
    canvas.Brush().SetColor(static_cast<TColor>(odd));
    canvas.Font().SetColor(clBlack);
    const auto black_pixels = [&] {
      GdiFlush();
      const auto* px = static_cast<const BYTE*>(bits);
      int n = 0;
      for (int i = 0; i < 60 * 20; ++i) n += px[i] == 0;
      return n;
    };
    TCellText text;
    WriteCellText(canvas, RECT{0, 0, 60, 20}, RECT{0, 0, 60, 20}, text);  // the fill alone
    const int fill_only = black_pixels();
    text.text = "Wg";
    WriteCellText(canvas, RECT{0, 0, 60, 20}, RECT{0, 0, 60, 20}, text);
    canvas.SetHandle(nullptr);
    const HBITMAP shared = SharedTextBitmapHandle();
    EXPECT_NE(shared, nullptr);
    EXPECT_GT(black_pixels(), fill_only + 5);  // the text is there, over the fill
    // A second grid uses the same bitmap.
    GridForm second;
    canvas.SetHandle(memory);
    WriteCellText(canvas, RECT{0, 0, 30, 10}, RECT{0, 0, 30, 10}, text);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(SharedTextBitmapHandle(), shared);
  }
  EXPECT_EQ(SharedTextBitmapHandle(), nullptr);  // gone with the last grid
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace hm::test
