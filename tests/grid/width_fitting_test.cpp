// Fitting column widths to the client: the figures of the main window's
// grid, the bounds, the failure cases, and the width traded by a drag.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "grid/portable/width_fitting.h"

namespace hm {
namespace {

// The main window's four columns: stored widths 46, 49, 63, 72; column
// lines, no indicator.
std::vector<TFitColumn> MainWindowColumns() {
  std::vector<TFitColumn> columns;
  for (int w : {46, 49, 63, 72}) columns.push_back(TFitColumn{w, w, 0, 0, true, false});
  return columns;
}

TFitSettings ColumnLines() {
  TFitSettings s;
  s.col_lines = true;
  return s;
}

std::vector<int> Widths(const std::vector<TFitColumn>& columns) {
  std::vector<int> w;
  for (const TFitColumn& c : columns) w.push_back(c.width);
  return w;
}

std::vector<int> FitTo(int client, std::vector<TFitColumn> columns, TFitSettings settings = ColumnLines()) {
  FitColumnWidths(columns, settings, [client] { return client; });
  return Widths(columns);
}

TEST(MulDivRound, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDivRound(46, 242, 230), 48);   // 48.4
  EXPECT_EQ(MulDivRound(49, 242, 230), 52);   // 51.56
  EXPECT_EQ(MulDivRound(1, 5, 2), 3);         // 2.5
  EXPECT_EQ(MulDivRound(1, -5, 2), -3);       // -2.5
  EXPECT_EQ(MulDivRound(-3, 1, 2), -2);       // -1.5
  EXPECT_EQ(MulDivRound(3, 1, -2), -2);
  EXPECT_EQ(MulDivRound(46, -4, 230), -1);    // -0.8
  EXPECT_EQ(MulDivRound(7, 3, 0), -1);
  EXPECT_EQ(MulDivRound(2000000000, 2000000000, 2000000000), 2000000000);  // no 32-bit overflow
}

TEST(ClampColumnWidth, MaxThenMinNeverNegative) {
  EXPECT_EQ(ClampColumnWidth(80, 0, 60), 60);
  EXPECT_EQ(ClampColumnWidth(10, 20, 0), 20);
  EXPECT_EQ(ClampColumnWidth(80, 70, 60), 70);  // the minimum is applied last
  EXPECT_EQ(ClampColumnWidth(-5, 0, 0), 0);
  EXPECT_EQ(ClampColumnWidth(-5, -9, 0), 0);
}

TEST(FitColumnWidths, MainWindowGridAtItsClientWidths) {
  // 246: A = 242 and the rounded widths add up exactly.
  EXPECT_EQ(FitTo(246, MainWindowColumns()), (std::vector<int>{48, 52, 66, 76}));
  // 262: A = 258, rounded 52 + 55 + 71 + 81 = 259; the last gives one back.
  EXPECT_EQ(FitTo(262, MainWindowColumns()), (std::vector<int>{52, 55, 71, 80}));
  // 245: A = 241, rounded 48 + 51 + 66 + 75 = 240; the last takes one more.
  EXPECT_EQ(FitTo(245, MainWindowColumns()), (std::vector<int>{48, 51, 66, 76}));
}

TEST(FitColumnWidths, TheWidthsFillTheClientLessTheLinesAndIndicator) {
  TFitSettings s = ColumnLines();
  s.indicator = true;
  s.indicator_width = 11;
  for (int client : {100, 246, 300, 517, 1000}) {
    const std::vector<int> w = FitTo(client, MainWindowColumns(), s);
    // Four lines, the indicator and its own line.
    EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), client - 4 - 11 - 1) << client;
  }
}

TEST(FitColumnWidths, NarrowClientFitsToMinAutoFitWidth) {
  TFitSettings s = ColumnLines();
  s.min_auto_fit_width = 400;
  const std::vector<int> w = FitTo(246, MainWindowColumns(), s);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 396);  // past the client's edge
  // A wider client wins over the minimum.
  const std::vector<int> wide = FitTo(500, MainWindowColumns(), s);
  EXPECT_EQ(std::accumulate(wide.begin(), wide.end(), 0), 496);
}

TEST(FitColumnWidths, BoundedColumnsKeepTheirBoundAndTheRestShare) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  columns[0].max_width = 40;   // would get 48
  columns[3].min_width = 100;  // would get 76
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });
  EXPECT_EQ(columns[0].width, 40);
  EXPECT_EQ(columns[3].width, 100);
  EXPECT_TRUE(columns[0].fixed);
  EXPECT_TRUE(columns[3].fixed);
  // The other two share 242 - 140 in their proportion 49 : 63.
  EXPECT_EQ(columns[1].width + columns[2].width, 102);
  EXPECT_EQ(columns[1].width, 45);  // 49 * 102 / 112 = 44.6
}

TEST(FitColumnWidths, ColumnsNotFittingKeepTheirWidthAndTakeTheirSpace) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  columns[1].auto_fit = false;
  columns[1].width = 100;
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });
  EXPECT_EQ(columns[1].width, 100);
  EXPECT_EQ(columns[0].width + columns[2].width + columns[3].width, 142);
}

TEST(FitColumnWidths, NoEligibleColumnChangesNothing) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  for (TFitColumn& c : columns) c.auto_fit = false;
  FitColumnWidths(columns, ColumnLines(), [] { return 500; });
  EXPECT_EQ(Widths(columns), (std::vector<int>{46, 49, 63, 72}));
  // Proportions of nothing: nothing to divide by, nothing changes either.
  std::vector<TFitColumn> zero = MainWindowColumns();
  for (TFitColumn& c : zero) c.initial = 0;
  FitColumnWidths(zero, ColumnLines(), [] { return 500; });
  EXPECT_EQ(Widths(zero), (std::vector<int>{46, 49, 63, 72}));
}

TEST(FitColumnWidths, ClientNarrowerThanTheFixedColumnsLeavesTheFittingOnesEmpty) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  columns[0].auto_fit = false;
  columns[0].width = 300;
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });
  EXPECT_EQ(Widths(columns), (std::vector<int>{300, 0, 0, 0}));
  EXPECT_TRUE(columns[1].fixed && columns[2].fixed && columns[3].fixed);
}

TEST(FitColumnWidths, AClientThatNarrowsDuringTheFitIsReadEveryPass) {
  // The first pass clamps a column, and the vertical bar appears meanwhile.
  std::vector<TFitColumn> columns = MainWindowColumns();
  columns[0].max_width = 30;
  int asked = 0;
  FitColumnWidths(columns, ColumnLines(), [&asked] { return ++asked == 1 ? 262 : 246; });
  EXPECT_EQ(asked, 2);
  const std::vector<int> w = Widths(columns);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 242);
}

TEST(TakeDraggedWidths, TheDraggedColumnAndItsNeighbourTradeWidth) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });  // 48 52 66 76
  TakeDraggedWidths(columns, {58, 52, 66, 76});
  EXPECT_EQ(columns[0].initial, 56);  // 46 * 58 / 48 = 55.6
  EXPECT_EQ(columns[1].initial, 39);  // 49 less the 10 the first gained
  EXPECT_EQ(columns[2].initial, 63);
  EXPECT_EQ(columns[3].initial, 72);
  EXPECT_EQ(Widths(columns), (std::vector<int>{48, 52, 66, 76}));  // Width itself is left to the refit
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });
  EXPECT_EQ(Widths(columns), (std::vector<int>{59, 41, 66, 76}));
}

TEST(TakeDraggedWidths, LastColumnHasNoNeighbourAndNoProportionGoesNegative) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  FitColumnWidths(columns, ColumnLines(), [] { return 246; });
  TakeDraggedWidths(columns, {48, 52, 66, 40});
  EXPECT_EQ(columns[3].initial, 38);  // 72 * 40 / 76 = 37.9
  EXPECT_EQ(columns[2].initial, 63);
  // Widening the first far past its neighbour's proportion.
  TakeDraggedWidths(columns, {400, 52, 66, 76});
  EXPECT_EQ(columns[1].initial, 0);
}

TEST(TakeDraggedWidths, BoundsApplyAndNonFittingColumnsTakeTheWidth) {
  std::vector<TFitColumn> columns = MainWindowColumns();
  columns[0].max_width = 50;
  columns[2].auto_fit = false;
  TakeDraggedWidths(columns, {90, 49, 20, 72});
  EXPECT_EQ(columns[0].initial, 50);  // dragged to 90, bounded to 50: 46 * 50 / 46
  EXPECT_EQ(columns[1].initial, 45);
  EXPECT_EQ(columns[2].width, 20);
  // A column squeezed to nothing takes the dragged width as its proportion.
  std::vector<TFitColumn> squeezed = MainWindowColumns();
  squeezed[1].width = 0;
  TakeDraggedWidths(squeezed, {46, 30, 63, 72});
  EXPECT_EQ(squeezed[1].initial, 30);
}

}  // namespace
}  // namespace hm
