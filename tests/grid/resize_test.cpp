// A column dragged to a new width by the mouse: under fitting its right
// neighbour gives or takes the difference and the total stays the client
// width; a hundred window resizes later nothing has drifted.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

// Presses on the line after grid column `col` in the title row, drags it
// `by` pixels and lets go.
void DragEdge(GridForm& f, int col, int by) {
  const RECT cell = f.Cell(col, 0);
  const int x = cell.right, y = cell.top + 5;  // the line after the column
  SendMessageW(f.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ASSERT_EQ(f.grid.GridState(), gsColSizing);
  SendMessageW(f.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + by / 2, y));
  SendMessageW(f.Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + by, y));
  SendMessageW(f.Window(), WM_LBUTTONUP, 0, MAKELPARAM(x + by, y));
  Pump(2);
}

TEST(GridResize, ADraggedColumnTradesWidthWithItsNeighbour) {
  GridForm f;
  f.Show(3);
  ASSERT_EQ(f.Widths(), (std::vector<int>{52, 55, 71, 80}));
  DragEdge(f, 0, 10);
  // Proportions 46 * 62 / 52 -> 55 and 49 - 9 -> 40, refitted to 258.
  EXPECT_EQ(f.Widths(), (std::vector<int>{62, 45, 71, 80}));
  EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth());
  // 63 * 50 / 71 -> 44, and the last column's proportion grows by 19.
  DragEdge(f, 2, -21);
  EXPECT_EQ(f.Widths(), (std::vector<int>{62, 45, 49, 102}));
}

TEST(GridResize, NoDriftAfterAHundredWindowResizes) {
  GridForm f;
  f.Show(3);
  DragEdge(f, 1, -12);
  const std::vector<int> after_drag = f.Widths();
  EXPECT_EQ(Sum(after_drag) + 4, 262);
  std::mt19937 random(12);
  for (int i = 0; i < 100; ++i) {
    const int width = std::uniform_int_distribution<int>(120, 700)(random);
    f.grid.SetWidth(width);
    EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth()) << width;
  }
  f.grid.SetWidth(266);
  EXPECT_EQ(f.Widths(), after_drag);
}

TEST(GridResize, WithoutFittingTheDraggedColumnTakesTheWidthWithinItsBounds) {
  GridForm f;
  f.grid.SetAutoFitColWidths(false);
  (*f.grid.Columns())[1]->SetMaxWidth(60);
  DragEdge(f, 1, 30);
  EXPECT_EQ(f.Widths(), (std::vector<int>{46, 60, 63, 72}));
  DragEdge(f, 0, -6);
  EXPECT_EQ(f.Widths(), (std::vector<int>{40, 60, 63, 72}));
  EXPECT_EQ((*f.grid.Columns())[0]->Width(), 40);
}

TEST(GridResize, ABoundedColumnUnderFittingStaysInItsBounds) {
  GridForm f;
  f.Show(3);
  (*f.grid.Columns())[0]->SetMaxWidth(56);
  DragEdge(f, 0, 30);
  EXPECT_EQ(f.Widths()[0], 56);
  EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth());
}

}  // namespace
}  // namespace hm::test
