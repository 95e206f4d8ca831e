// What the generic grid paints: line colours by area, the empty area in
// the grid's colour, and cell painting through DrawCell that keeps the
// canvas's font from one cell to the next.
#include <gtest/gtest.h>

#include "framework/ui/graphics/canvas.h"
#include "tests/framework/ui/grid/grid_test_form.h"

namespace hm {
namespace {

using testing::GridFixture;

TEST(GridPaint, LinesAreBlackBetweenFixedCellsAndSilverBetweenDataCells) {
  GridFixture f;
  f.grid->SetColCount(3);  // 20 + 30 + 40 and their lines end at 93
  EXPECT_EQ(f.Pixel(20, 50), RGB(0, 0, 0));      // after the fixed column
  EXPECT_EQ(f.Pixel(60, 19), RGB(0, 0, 0));      // under the title row
  EXPECT_EQ(f.Pixel(51, 50), RGB(192, 192, 192));  // between data columns
  EXPECT_EQ(f.Pixel(60, 38), RGB(192, 192, 192));  // between data rows
  f.grid->SetColor(clSilver);
  EXPECT_EQ(f.Pixel(51, 50), RGB(128, 128, 128));  // silver would vanish
  // Right of the last column: the grid's colour.
  EXPECT_EQ(f.Pixel(120, 50), RGB(192, 192, 192));
}

int DarkPixels(GridFixture& f, const RECT& r) {
  UpdateWindow(f.Grid());
  HDC dc = GetDC(f.Grid());
  int dark = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (GetRValue(GetPixel(dc, x, y)) < 100) ++dark;
    }
  }
  ReleaseDC(f.Grid(), dc);
  return dark;
}

TEST(GridPaint, EveryCellDrawsTextInTheGridsFont) {
  GridFixture f;
  f.grid->SetColCount(3);
  f.grid->SetColWidths(1, 40);
  f.grid->SetColWidths(2, 40);
  f.grid->SetRowHeights(1, 30);
  f.grid->SetRowHeights(2, 30);
  f.grid->Font()->SetHeight(-22);
  f.grid->SetColor(clWhite);
  f.grid->OnDrawCell = [&](TObject*, int col, int row, RECT r, TGridDrawState) {
    if (col == 0 || row == 0) return;
    TCanvas& canvas = f.grid->Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clBlack);
    canvas.TextOut(r.left + 2, r.top + 2, "W");
  };
  f.grid->SetRowHeights(3, 10);
  f.grid->FocusCell(2, 3, true);  // its focus frame stays out of the cells compared
  ASSERT_EQ(f.grid->TopRow(), 1);
  f.grid->Invalidate();
  const int first = DarkPixels(f, f.grid->CellRect(1, 1));
  EXPECT_GT(first, 40);  // a 22-pixel W, not a small one
  EXPECT_EQ(DarkPixels(f, f.grid->CellRect(2, 1)), first);
  EXPECT_EQ(DarkPixels(f, f.grid->CellRect(1, 2)), first);
  EXPECT_EQ(DarkPixels(f, f.grid->CellRect(2, 2)), first);
}

}  // namespace
}  // namespace hm
