// Where cells lie for given widths and heights: rectangles, the cell under
// a point, visible counts, scrolling limits and the scroll bar range.
#include <gtest/gtest.h>

#include "framework/ui/portable/exceptions.h"
#include "tests/framework/ui/grid/grid_test_form.h"

namespace hm {
namespace {

using testing::GridFixture;

void ExpectRect(const RECT& r, int left, int top, int right, int bottom) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right, right);
  EXPECT_EQ(r.bottom, bottom);
}

TEST(GridGeometry, ANewGridHasFiveDefaultCellsEachWay) {
  auto owner = MakeRoot<TForm>();
  auto* g = MakeOwned<TCustomGrid>(*owner);
  ASSERT_EQ(g->ColCount(), 5);
  ASSERT_EQ(g->RowCount(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(g->ColWidths(i), 64);
    EXPECT_EQ(g->RowHeights(i), 24);
  }
  EXPECT_EQ(g->FixedCols(), 1);
  EXPECT_EQ(g->LeftCol(), 1);
  g->SetDefaultColWidth(30);
  EXPECT_EQ(g->ColWidths(4), 30);
  g->SetColCount(7);
  EXPECT_EQ(g->ColWidths(6), 30);  // new columns take the default
}

TEST(GridGeometry, CellRectanglesFollowWidthsHeightsAndLines) {
  GridFixture f;
  ExpectRect(f.grid->CellRect(0, 0), 0, 0, 20, 19);
  ExpectRect(f.grid->CellRect(1, 1), 21, 20, 51, 38);
  ExpectRect(f.grid->CellRect(3, 2), 93, 39, 143, 57);
  // Partly shown cells keep their full size.
  ExpectRect(f.grid->CellRect(4, 5), 144, 96, 204, 114);
}

TEST(GridGeometry, VisibleCountsOnlyCountWholeCells) {
  GridFixture f;
  EXPECT_EQ(f.grid->VisibleColCount(), 3);  // 30, 40, 50 fit; 60 is cut at 150
  EXPECT_EQ(f.grid->VisibleRowCount(), 4);  // the fifth data row would end at 114
  // A client of 199 with a 19-pixel title and 18-pixel rows shows 9 rows:
  // a partly visible tenth row does not count.
  f.grid->SetRowCount(20);
  for (int r = 1; r < 20; ++r) f.grid->SetRowHeights(r, 18);
  f.grid->SetBounds(0, 0, 150, 199);
  EXPECT_EQ(f.grid->VisibleRowCount(), 9);
}

TEST(GridGeometry, PointsOnALineBelongToTheCellBeforeIt) {
  GridFixture f;
  EXPECT_EQ(f.grid->MouseCoord(51, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(f.grid->MouseCoord(52, 25), (TGridCoord{2, 1}));
  EXPECT_EQ(f.grid->MouseCoord(20, 19), (TGridCoord{0, 0}));
  EXPECT_EQ(f.grid->MouseCoord(149, 98), (TGridCoord{4, 5}));
  EXPECT_EQ(f.grid->MouseCoord(150, 10).X, -1);
}

TEST(GridGeometry, ScrollingMovesCellsBehindTheFixedOnesAndStopsAtTheEnd) {
  GridFixture f;
  f.grid->SetLeftCol(2);
  ExpectRect(f.grid->CellRect(1, 1), 0, 0, 0, 0);  // scrolled out
  ExpectRect(f.grid->CellRect(2, 1), 21, 20, 61, 38);
  ExpectRect(f.grid->CellRect(0, 1), 0, 20, 20, 38);  // fixed cells stay
  // Rows 2..5 fill 75 of the 79 pixels under the title; a larger top row
  // would only show empty space.
  f.grid->SetTopRow(10);
  EXPECT_EQ(f.grid->TopRow(), 2);
  f.grid->SetTopRow(0);
  EXPECT_EQ(f.grid->TopRow(), 1);  // never into the fixed rows
}

TEST(GridGeometry, MovingTheCurrentCellScrollsItIntoView) {
  GridFixture f;
  f.grid->FocusCell(4, 5, true);
  EXPECT_EQ(f.grid->Col(), 4);
  EXPECT_EQ(f.grid->Row(), 5);
  EXPECT_EQ(f.grid->TopRow(), 2);
  EXPECT_EQ(f.grid->LeftCol(), 3);  // 50 + 60 fit in 129; 40 more would not
  const RECT r = f.grid->CellRect(4, 5);
  EXPECT_LE(r.right, 150);
  EXPECT_LE(r.bottom, 99);
  bool asked = false;
  f.grid->OnSelectCell = [&](TObject*, int, int, bool& can) {
    asked = true;
    can = false;
  };
  f.grid->FocusCell(1, 1, true);
  EXPECT_TRUE(asked);
  EXPECT_EQ(f.grid->Col(), 4);  // refused
  // A grid with no room yet does not scroll for the current cell.
  f.grid->OnSelectCell.Clear();
  f.grid->SetTopRow(1);
  f.grid->SetBounds(0, 0, 150, 10);
  f.grid->FocusCell(1, 5, true);
  EXPECT_EQ(f.grid->TopRow(), 1);
}

TEST(GridGeometry, VerticalScrollBarCoversTheUsefulTopRows) {
  GridFixture f;
  f.grid->SetScrollBars(ssVertical);
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(f.Grid(), SB_VERT, &si));
  EXPECT_EQ(si.nMin, 1);
  EXPECT_EQ(si.nMax, 5);
  EXPECT_EQ(si.nPage, 4u);  // so the last position is top row 2
  EXPECT_EQ(si.nPos, 1);
  SendMessageW(f.Grid(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(f.grid->TopRow(), 2);
  SendMessageW(f.Grid(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(f.grid->TopRow(), 2);
  si.fMask = SIF_POS;
  GetScrollInfo(f.Grid(), SB_VERT, &si);
  EXPECT_EQ(si.nPos, 2);
  // Rows that all fit need no bar.
  f.grid->SetRowCount(3);
  EXPECT_FALSE(GetWindowLongPtrW(f.Grid(), GWL_STYLE) & WS_VSCROLL);
}

TEST(GridGeometry, FixedCountsStayBelowTheTotals) {
  GridFixture f;
  EXPECT_THROW(f.grid->SetFixedCols(5), EInvalidOperation);
  f.grid->SetRowCount(1);
  EXPECT_EQ(f.grid->FixedRows(), 0);
  EXPECT_EQ(f.grid->TopRow(), 0);
}

}  // namespace
}  // namespace hm
