// The keyboard and the wheel on a real area-search result: records by the
// key table, columns where the table says columns, Tab leaving the grid,
// and the vertical bar following the current record in each of its modes.
#include <gtest/gtest.h>

#include <numeric>

#include "framework/data/field.h"
#include "tests/grid/grid_input.h"

namespace hm::test {
namespace {

// The stored grid, focused, showing all of AreaData (3,183 rows).
struct AllAreas {
  GridForm f;
  AreaSearch search{*f.form};
  TDataSet& data = *search.query;

  explicit AllAreas(const std::string& sql = "Select * from AreaData") {
    search.Run(sql);
    f.form->DataSource1->SetDataSet(search.query);
    f.grid.SetFocus();
    Pump();
  }
  int RecNo() const { return data.RecNo(); }
  // The grid row of the highlight matches the current record's place in the window.
  bool RowFollows() { return f.grid.Row() == 1 + f.grid.DataLink().ActiveRecord(); }
};

SCROLLINFO VerticalBar(HWND window) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(window, SB_VERT, &si);
  return si;
}

bool BarShown(HWND window) { return GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL; }

TEST(GridKeys, TheKeyTableMovesThroughTheRecords) {
  AllAreas a;
  const int count = a.data.RecordCount();
  ASSERT_GT(count, 3000);
  ASSERT_EQ(a.f.grid.VisibleRowCount(), 9);
  ASSERT_EQ(a.RecNo(), 1);

  Key(VK_DOWN);
  EXPECT_EQ(a.RecNo(), 2);
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(a.RecNo(), 1) << "Up at the first record stays";
  Key(VK_NEXT);
  EXPECT_EQ(a.RecNo(), 10) << "Page Down moves by the nine rows shown";
  Key(VK_NEXT);
  EXPECT_EQ(a.RecNo(), 19);
  Key(VK_PRIOR);
  EXPECT_EQ(a.RecNo(), 10);
  EXPECT_TRUE(a.RowFollows());

  // Ctrl with Up / Page Up: the first row shown; with Down / Page Down the last.
  const int top = a.f.grid.DataLink().FirstRecord() + 1;
  Key(VK_PRIOR, true);
  EXPECT_EQ(a.RecNo(), top);
  Key(VK_NEXT, true);
  EXPECT_EQ(a.RecNo(), top + 8);
  Key(VK_UP, true);
  EXPECT_EQ(a.RecNo(), top);
  Key(VK_DOWN, true);
  EXPECT_EQ(a.RecNo(), top + 8);
  EXPECT_EQ(a.f.grid.DataLink().FirstRecord() + 1, top) << "none of these scrolls";

  // With dgRowSelect Home and End are the first and last record, not columns.
  Key(VK_END);
  EXPECT_EQ(a.RecNo(), count);
  EXPECT_EQ(a.f.grid.Row(), a.f.grid.RowCount() - 1);
  EXPECT_EQ(a.data.FieldByName("区号").AsString(), a.f.grid.Columns()->operator[](0)->DisplayText());
  Key(VK_DOWN);
  EXPECT_EQ(a.RecNo(), count) << "Down at the last record appends nothing";
  EXPECT_EQ(a.data.RecordCount(), count);
  Key(VK_HOME);
  EXPECT_EQ(a.RecNo(), 1);
  EXPECT_EQ(a.f.grid.Col(), 0);
  Key(VK_END, true);
  EXPECT_EQ(a.RecNo(), count);
  Key(VK_HOME, true);
  EXPECT_EQ(a.RecNo(), 1);
  EXPECT_TRUE(a.RowFollows());
}

TEST(GridKeys, KeysThatNeedEditingOrEditActionsChangeNothing) {
  AllAreas a;
  Key(VK_DOWN);
  const std::string before = a.data.FieldByName("县市名").AsString();
  for (WPARAM key : {WPARAM{VK_INSERT}, WPARAM{VK_F2}, WPARAM{VK_RETURN}, WPARAM{VK_DELETE}}) Key(key);
  for (WPARAM key : {WPARAM{'C'}, WPARAM{'V'}, WPARAM{'X'}, WPARAM{'A'}, WPARAM{VK_INSERT}}) Key(key, true);
  EXPECT_EQ(a.RecNo(), 2);
  EXPECT_EQ(a.data.State(), dsBrowse);
  EXPECT_EQ(a.data.FieldByName("县市名").AsString(), before);
  EXPECT_EQ(a.data.RecordCount(), 3183);
}

TEST(GridKeys, WithoutRowSelectHomeEndAndCtrlArrowsGoToColumns) {
  AllAreas a;
  a.f.grid.SetOptions(a.f.grid.Options() - TDBGridOptions{dgRowSelect});
  Key(VK_DOWN);
  Key(VK_END);
  EXPECT_EQ(a.f.grid.Col(), 3);
  EXPECT_EQ(a.RecNo(), 2) << "End alone stays in the record";
  Key(VK_HOME);
  EXPECT_EQ(a.f.grid.Col(), 0);
  Key(VK_RIGHT);
  EXPECT_EQ(a.f.grid.SelectedIndex(), 1);
  Key(VK_RIGHT, true);
  EXPECT_EQ(a.f.grid.SelectedIndex(), 3);
  Key(VK_LEFT, true);
  EXPECT_EQ(a.f.grid.SelectedIndex(), 0);
  Key(VK_END, true);
  EXPECT_EQ(a.RecNo(), a.data.RecordCount());
}

TEST(GridKeys, LeftAndRightScrollTheColumnsOnlyWhenTheyDoNotFit) {
  AllAreas a;
  Key(VK_RIGHT);
  EXPECT_EQ(a.f.grid.LeftCol(), 0) << "fitted columns all show";
  a.f.grid.SetAutoFitColWidths(false);
  (*a.f.grid.Columns())[0]->SetWidth(200);
  Pump();
  Key(VK_RIGHT);
  EXPECT_EQ(a.f.grid.LeftCol(), 1);
  Key(VK_RIGHT, true);
  EXPECT_EQ(a.f.grid.SelectedIndex(), 3);
  Key(VK_LEFT);
  Key(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(a.f.grid.LeftCol(), 0);
  EXPECT_EQ(a.RecNo(), 1) << "columns, not records";
}

TEST(GridKeys, TabLeavesTheGridForTheNextControl) {
  AllAreas a;
  ASSERT_EQ(GetFocus(), a.f.Window());
  EXPECT_EQ(SendMessageW(a.f.Window(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), a.f.form->Button1->Handle());
  EXPECT_EQ(a.RecNo(), 1);
  EXPECT_EQ(a.f.grid.Col(), 0);
}

TEST(GridKeys, TheWheelScrollsTheRowsByTheSystemsWheelLines) {
  AllAreas a;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step = lines == WHEEL_PAGESCROLL ? 9 : static_cast<int>(lines);
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(a.RecNo(), 1 + step);
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(a.RecNo(), 1 + 4 * step);
  EXPECT_GT(a.f.grid.DataLink().FirstRecord(), 0) << "the rows scrolled";
  // Half notches add up to one.
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  EXPECT_EQ(a.RecNo(), 1 + 4 * step);
  SendMessageW(a.f.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  EXPECT_EQ(a.RecNo(), 1 + 3 * step);
  EXPECT_TRUE(a.RowFollows());
}

TEST(GridScrollBar, RangePageAndPositionFollowTheCurrentRecord) {
  AllAreas a;
  const int count = a.data.RecordCount();
  ASSERT_TRUE(BarShown(a.f.Window()));
  SCROLLINFO si = VerticalBar(a.f.Window());
  EXPECT_EQ(si.nMin, 1);
  EXPECT_EQ(si.nMax, count + 9 - 1);
  EXPECT_EQ(si.nPage, 9u);
  EXPECT_EQ(si.nPos, 1);
  Key(VK_NEXT);
  EXPECT_EQ(VerticalBar(a.f.Window()).nPos, 10);
  Key(VK_END);
  EXPECT_EQ(VerticalBar(a.f.Window()).nPos, count);
  // The bar's own page: the dataset moves by the rows shown.
  SendMessageW(a.f.Window(), WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(a.RecNo(), count - 9);
  EXPECT_EQ(VerticalBar(a.f.Window()).nPos, count - 9);
  SendMessageW(a.f.Window(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(a.RecNo(), 1);
  // Moved from elsewhere, the highlight and the bar follow.
  a.data.SetRecNo(1234);
  Pump(2);
  EXPECT_EQ(VerticalBar(a.f.Window()).nPos, 1234);
  EXPECT_TRUE(a.RowFollows());
}

TEST(GridScrollBar, AutoShowNarrowsTheClientAndTheColumnsRefit) {
  AllAreas a("Select * from AreaData where 区号 like '%0756%'");
  ASSERT_LE(a.data.RecordCount(), 9);
  auto total = [&] {
    const std::vector<int> w = a.f.Widths();
    return std::accumulate(w.begin(), w.end(), 0) + 4;
  };
  EXPECT_FALSE(BarShown(a.f.Window())) << "every record fits";
  EXPECT_EQ(a.f.grid.ClientWidth(), 262);
  EXPECT_EQ(total(), 262);

  a.f.grid.VertScrollBar()->SetVisibleMode(sbAlwaysShowEh);
  Pump();
  ASSERT_TRUE(BarShown(a.f.Window()));
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(a.f.Window(), OBJID_VSCROLL, &info));
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "shown but disabled while not needed";
  EXPECT_EQ(a.f.grid.ClientWidth(), 262 - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(total(), a.f.grid.ClientWidth());

  a.search.Run("Select * from AreaData");
  Pump();
  ASSERT_TRUE(GetScrollBarInfo(a.f.Window(), OBJID_VSCROLL, &info));
  EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "enabled once the records do not fit";

  a.f.grid.VertScrollBar()->SetVisibleMode(sbNeverShowEh);
  Pump();
  EXPECT_FALSE(BarShown(a.f.Window()));
  EXPECT_EQ(a.f.grid.ClientWidth(), 262);
  EXPECT_EQ(total(), 262);
  Key(VK_END);
  EXPECT_EQ(a.RecNo(), a.data.RecordCount()) << "the keys still reach every record";
}

}  // namespace
}  // namespace hm::test
