// Column sizing and moving driven by mouse messages, with Esc cancelling
// either, and the drag line and drop marker as painted.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/ui/forms/application.h"
#include "tests/framework/ui/grid/grid_test_form.h"

namespace hm {
namespace {

using testing::GridFixture;

// Remembers what a descendant hears about sizing.
class RecordingGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;
  std::vector<int> sized;
  std::vector<std::pair<int, int>> moved;

 protected:
  void ColumnSized(int col) override {
    sized.push_back(col);
    TCustomGrid::ColumnSized(col);
  }
  void ColumnMoved(int from, int to) override {
    moved.emplace_back(from, to);
    TCustomGrid::ColumnMoved(from, to);
  }
};

struct MouseFixture : GridFixture {
  MouseFixture() {
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goColMoving});
  }
};

std::vector<int> Widths(TCustomGrid& g) {
  std::vector<int> w;
  for (int c = 0; c < g.ColCount(); ++c) w.push_back(g.ColWidths(c));
  return w;
}

TEST(GridMouse, DraggingNearAColumnEdgeSizesThatColumn) {
  MouseFixture f;
  int notified = 0;
  f.grid->OnColWidthsChanged = [&](TObject*) { ++notified; };
  // Column 2 spans 52..91; the line after it is at 92. The zone runs from
  // 89 to 96.
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 89, 10);
  ASSERT_EQ(f.grid->GridState(), gsColSizing);
  EXPECT_EQ(f.grid->SizingIndex(), 2);
  const COLORREF cell = f.Pixel(110, 60);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 107, 12);
  EXPECT_EQ(f.grid->SizingPos(), 110);  // the pointer keeps its 3-pixel offset
  // The drag line inverts the data cell under it.
  EXPECT_EQ(f.Pixel(110, 60), ~cell & 0xFFFFFF);
  EXPECT_EQ(f.grid->ColWidths(2), 40);  // nothing applied while dragging
  f.Send(WM_LBUTTONUP, 0, 107, 12);
  EXPECT_EQ(f.grid->GridState(), gsNormal);
  EXPECT_EQ(f.grid->ColWidths(2), 58);
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(GridMouse, TheSizingZoneEndsThreePixelsBeforeAndFourAfterTheLine) {
  MouseFixture f;
  for (int x : {88, 97}) {
    f.Send(WM_LBUTTONDOWN, MK_LBUTTON, x, 10);
    EXPECT_NE(f.grid->GridState(), gsColSizing) << x;
    f.grid->CancelMode();
  }
  for (int x : {89, 96}) {
    f.Send(WM_LBUTTONDOWN, MK_LBUTTON, x, 10);
    EXPECT_EQ(f.grid->GridState(), gsColSizing) << x;
    f.grid->CancelMode();
  }
  // Data rows never size.
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 92, 30);
  EXPECT_NE(f.grid->GridState(), gsColSizing);
}

TEST(GridMouse, ColumnsEndingAtTheClientEdgeSizeTheLastFromItsLastPixels) {
  MouseFixture f;
  f.grid->SetColCount(3);
  f.grid->SetColWidths(1, 60);
  f.grid->SetColWidths(2, 68);  // 21 + 61 + 68 = 150, the client width
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 148, 5);
  ASSERT_EQ(f.grid->GridState(), gsColSizing);
  EXPECT_EQ(f.grid->SizingIndex(), 2);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 120, 5);
  f.Send(WM_LBUTTONUP, 0, 120, 5);
  EXPECT_EQ(f.grid->ColWidths(2), 40);
}

TEST(GridMouse, SizingCannotMakeAColumnNegative) {
  MouseFixture f;
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 92, 10);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 5, 10);
  f.Send(WM_LBUTTONUP, 0, 5, 10);
  EXPECT_EQ(f.grid->ColWidths(2), 0);
}

TEST(GridMouse, EscapeCancelsSizingThroughTheKeyPath) {
  MouseFixture f;
  int notified = 0;
  f.grid->OnColWidthsChanged = [&](TObject*) { ++notified; };
  f.grid->SetFocus();
  const COLORREF cell = f.Pixel(130, 60);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 92, 10);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 130, 10);
  EXPECT_NE(f.Pixel(130, 60), cell);
  ASSERT_EQ(f.grid->GridState(), gsColSizing);
  // As typed: the message loop offers the key to the grid first.
  PostMessageW(f.Grid(), WM_KEYDOWN, VK_ESCAPE, 1);
  Application().ProcessMessages();
  EXPECT_EQ(f.grid->GridState(), gsNormal);
  EXPECT_EQ(GetCapture(), nullptr);
  f.Send(WM_LBUTTONUP, 0, 130, 10);
  EXPECT_EQ(f.grid->ColWidths(2), 40);
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(f.Pixel(130, 60), cell);  // the line is gone
}

TEST(GridMouse, DraggingATitleMovesTheColumnWithAMarkerAtTheDropEdge) {
  GridFixture f;
  auto* g = MakeOwned<RecordingGrid>(*f.form);
  f.grid->SetVisible(false);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetParent(f.form.get());
  g->SetColCount(5);
  const int widths[] = {20, 30, 40, 50, 60};
  for (int c = 0; c < 5; ++c) g->SetColWidths(c, widths[c]);
  g->SetRowCount(6);
  g->SetDefaultRowHeight(18);
  g->SetRowHeights(0, 19);
  g->SetBounds(0, 0, 150, 99);
  g->SetOptions(g->Options() + TGridOptions{goColMoving});
  g->FocusCell(1, 1, true);
  HWND h = g->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 10));
  ASSERT_EQ(g->GridState(), gsColMoving);
  EXPECT_EQ(g->MoveIndex(), 1);
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 10));
  EXPECT_EQ(g->MovePos(), 3);
  // Moving right lands after column 3, whose right edge is at 143.
  UpdateWindow(h);
  HDC dc = GetDC(h);
  EXPECT_EQ(GetPixel(dc, 143, 60), RGB(192, 192, 192));
  ReleaseDC(h, dc);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(120, 10));
  EXPECT_EQ(g->GridState(), gsNormal);
  EXPECT_EQ(Widths(*g), (std::vector<int>{20, 40, 50, 30, 60}));
  ASSERT_EQ(g->moved.size(), 1u);
  EXPECT_EQ(g->moved[0], std::make_pair(1, 3));
  EXPECT_EQ(g->Col(), 3);  // the current column went with its content
  EXPECT_TRUE(g->sized.empty());
}

TEST(GridMouse, EscapeCancelsMovingAndAClickInPlaceMovesNothing) {
  MouseFixture f;
  int moves = 0;
  f.grid->OnColumnMoved = [&](TObject*, int, int) { ++moves; };
  f.grid->SetFocus();
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 35, 10);
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, 120, 10);
  SendMessageW(f.Grid(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(f.grid->GridState(), gsNormal);
  f.Send(WM_LBUTTONUP, 0, 120, 10);
  EXPECT_EQ(Widths(*f.grid), (std::vector<int>{20, 30, 40, 50, 60}));
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 35, 10);
  f.Send(WM_LBUTTONUP, 0, 36, 10);
  EXPECT_EQ(moves, 0);
  // Losing the capture to another window cancels too.
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 35, 10);
  ASSERT_EQ(f.grid->GridState(), gsColMoving);
  SetCapture(f.form->Handle());
  EXPECT_EQ(f.grid->GridState(), gsNormal);
  ReleaseCapture();
}

TEST(GridMouse, ClicksAndKeysMoveTheCurrentCell) {
  MouseFixture f;
  f.grid->SetFocus();
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 45);  // column 2, row 2
  f.Send(WM_LBUTTONUP, 0, 60, 45);
  EXPECT_EQ(f.grid->Col(), 2);
  EXPECT_EQ(f.grid->Row(), 2);
  SendMessageW(f.Grid(), WM_KEYDOWN, VK_DOWN, 1);
  SendMessageW(f.Grid(), WM_KEYDOWN, VK_RIGHT, 1);
  EXPECT_EQ(f.grid->Col(), 3);
  EXPECT_EQ(f.grid->Row(), 3);
  SendMessageW(f.Grid(), WM_KEYDOWN, VK_NEXT, 1);
  EXPECT_EQ(f.grid->Row(), 5);
  SendMessageW(f.Grid(), WM_KEYDOWN, VK_HOME, 1);
  EXPECT_EQ(f.grid->Col(), 1);
  EXPECT_EQ(f.grid->Row(), 5);  // Home without Ctrl stays in the row
}

}  // namespace
}  // namespace hm
