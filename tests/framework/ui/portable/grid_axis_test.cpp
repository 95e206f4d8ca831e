// One axis of a drawn grid, without a window: boundaries, the cell under a
// pixel and the scroll limits, at the edges where off-by-one faults hide.
#include "framework/ui/portable/grid_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace hm {
namespace {

// One fixed cell of 20 and four of 30, one-pixel lines: 0..19 | 21..50 | 52..81 ...
const std::vector<int> kCells{20, 30, 30, 30, 30};

TEST(GridAxis, ACellIsWhollyVisibleWhenItsLastPixelIsInsideEvenIfItsLineIsNot) {
  // 21 + 30 + 1 + 30 = 82 pixels hold the fixed cell and two cells exactly (no last line).
  const TGridAxisDrawInfo axis = CalcGridAxis(kCells, 1, 1, 1, 82);
  EXPECT_EQ(axis.FixedBoundary, 21);
  EXPECT_EQ(axis.LastFullVisibleCell, 2);
  EXPECT_EQ(axis.FullVisibleCount(), 2);
  EXPECT_EQ(axis.LastVisibleCell, 2);
  const TGridAxisDrawInfo one_less = CalcGridAxis(kCells, 1, 1, 1, 81);
  EXPECT_EQ(one_less.LastFullVisibleCell, 1);
  EXPECT_EQ(one_less.LastVisibleCell, 2) << "shown in part";
  EXPECT_EQ(one_less.GridBoundary, 81);
}

TEST(GridAxis, AClientNarrowerThanTheFixedCellsShowsNoScrollingCell) {
  const TGridAxisDrawInfo axis = CalcGridAxis(kCells, 1, 1, 1, 10);
  EXPECT_EQ(axis.FullVisibleCount(), 0);
  EXPECT_EQ(axis.LastVisibleCell, 0);
  EXPECT_EQ(axis.GridBoundary, axis.FixedBoundary);
}

TEST(GridAxis, ALinePixelBelongsToTheCellBeforeIt) {
  const TGridAxisDrawInfo axis = CalcGridAxis(kCells, 1, 1, 1, 500);
  EXPECT_EQ(GridCellAt(axis, kCells, 19), 0);
  EXPECT_EQ(GridCellAt(axis, kCells, 20), 0);  // the fixed cell's line
  EXPECT_EQ(GridCellAt(axis, kCells, 21), 1);
  EXPECT_EQ(GridCellAt(axis, kCells, 51), 1);
  EXPECT_EQ(GridCellAt(axis, kCells, 52), 2);
  EXPECT_EQ(GridCellAt(axis, kCells, axis.GridBoundary), -1) << "past the last cell";
  EXPECT_EQ(GridCellStart(axis, kCells, 2), 52);
}

TEST(GridAxis, ScrolledCellsStartBehindTheFixedOnesAndHiddenOnesHaveNoStart) {
  const TGridAxisDrawInfo axis = CalcGridAxis(kCells, 1, 3, 1, 500);
  EXPECT_EQ(GridCellStart(axis, kCells, 3), 21);
  EXPECT_EQ(GridCellStart(axis, kCells, 1), -1);
  EXPECT_EQ(GridCellStart(axis, kCells, 0), 0);
}

TEST(GridAxis, ScrollingStopsWhereTheLastCellFillsTheClient) {
  // Room for two scrolling cells: the last first cell that shows no empty space is 3.
  EXPECT_EQ(GridMaxFirstCell(kCells, 1, 1, 83), 3);
  EXPECT_EQ(GridMaxFirstCell(kCells, 1, 1, 1000), 1) << "everything fits";
  EXPECT_EQ(GridFirstCellShowing(kCells, 1, 1, 1, 83, 4), 3);
  EXPECT_EQ(GridFirstCellShowing(kCells, 1, 3, 1, 83, 1), 1);
  EXPECT_EQ(GridFirstCellShowing(kCells, 1, 1, 1, 83, 2), 1) << "already visible: no move";
}

}  // namespace
}  // namespace hm
