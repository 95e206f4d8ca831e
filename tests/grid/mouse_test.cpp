// The mouse on a real area-search result: title buttons that press, come
// up when the pointer leaves and go down again when it comes back, clicks
// that complete only over the same title, drags that become column moves,
// the right button, sizing beside a title button, and clicks in the data
// area moving the dataset.
#include <gtest/gtest.h>

#include <numeric>

#include "framework/data/field.h"
#include "tests/grid/grid_input.h"

namespace hm::test {
namespace {

struct Clicks {
  int title_buttons = 0;
  int last_index = -1;
  TColumnEh* last_column = nullptr;
  int title_clicks = 0;
  int cell_clicks = 0;
  int moves = 0;
  int widths = 0;
  int double_clicks = 0;
};

struct MouseGrid {
  GridForm f;
  AreaSearch search{*f.form};
  Clicks clicks;

  MouseGrid() {
    search.ByAreaCode("0");
    f.form->DataSource1->SetDataSet(search.query);
    Pump();
    TDBGridEh& g = f.grid;
    g.OnTitleBtnClick = [this](TObject*, int index, TColumnEh* column) {
      ++clicks.title_buttons;
      clicks.last_index = index;
      clicks.last_column = column;
    };
    g.OnTitleClick = [this](TColumnEh*) { ++clicks.title_clicks; };
    g.OnCellClick = [this](TColumnEh*) { ++clicks.cell_clicks; };
    g.OnColumnMoved = [this](TObject*, int, int) { ++clicks.moves; };
    g.OnColWidthsChanged = [this](TObject*) { ++clicks.widths; };
    g.OnDblClick = [this](TObject*) { ++clicks.double_clicks; };
  }
  HWND Window() { return f.Window(); }
  // The middle of a title cell and of a data cell.
  POINT Title(int col) {
    const RECT r = f.Cell(col, 0);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  POINT Data(int col, int row) {
    const RECT r = f.Cell(col, row);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::vector<std::string> FieldNames() {
    std::vector<std::string> names;
    for (int i = 0; i < f.grid.Columns()->Count(); ++i) names.push_back((*f.grid.Columns())[i]->FieldName());
    return names;
  }
};

const std::vector<std::string> kStoredOrder{"区号", "邮编", "省名", "县市名"};

TEST(GridTitleButton, PressMoveOffAndBackThenReleaseOnItCompletesTheClick) {
  MouseGrid m;
  const POINT p = m.Title(1);
  Press(m.Window(), p.x, p.y);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), 1);
  EXPECT_EQ(GetCapture(), m.Window());
  EXPECT_EQ(GetFocus(), m.Window());
  const POINT below = m.Data(1, 3);
  MoveTo(m.Window(), p.x, below.y);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1) << "off the title: drawn raised";
  EXPECT_EQ(m.f.grid.TrackingTitleColumn(), 1) << "still held";
  MoveTo(m.Window(), p.x + 2, -4);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1) << "above the client";
  MoveTo(m.Window(), p.x + 1, p.y);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), 1) << "back on it";
  Release(m.Window(), p.x + 1, p.y);
  EXPECT_EQ(m.clicks.title_buttons, 1);
  EXPECT_EQ(m.clicks.last_index, 1);
  EXPECT_EQ(m.clicks.last_column, (*m.f.grid.Columns())[1]);
  EXPECT_EQ(m.clicks.title_clicks, 1);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  EXPECT_EQ(m.f.grid.TrackingTitleColumn(), -1);
  EXPECT_NE(GetCapture(), m.Window());
  EXPECT_EQ(m.FieldNames(), kStoredOrder) << "a click changes nothing but the look";
  EXPECT_EQ(m.search.query->RecNo(), 1);
}

TEST(GridTitleButton, ReleasedElsewhereThereIsNoClick) {
  MouseGrid m;
  const POINT p = m.Title(1);
  // Over the data and above the window: straight down or up, which never
  // starts a column move.
  for (const POINT q : {m.Data(1, 2), POINT{p.x, -6}}) {
    Press(m.Window(), p.x, p.y);
    MoveTo(m.Window(), p.x, q.y);
    Release(m.Window(), p.x, q.y);
    EXPECT_EQ(m.f.grid.TrackingTitleColumn(), -1);
    EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  }
  // Sideways, without dgColumnResize (which would make it a move): over
  // another title and right of the window.
  m.f.grid.SetOptions(m.f.grid.Options() - TDBGridOptions{dgColumnResize});
  for (const POINT q : {m.Title(2), POINT{400, p.y}}) {
    Press(m.Window(), p.x, p.y);
    MoveTo(m.Window(), q.x, q.y);
    EXPECT_EQ(m.f.grid.GridState(), gsNormal);
    EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
    Release(m.Window(), q.x, q.y);
  }
  EXPECT_EQ(m.clicks.title_buttons, 0);
  m.f.grid.SetOptions(m.f.grid.Options() + TDBGridOptions{dgColumnResize});
  Press(m.Window(), p.x, p.y);
  MoveTo(m.Window(), p.x + 3, p.y);
  EXPECT_EQ(m.f.grid.GridState(), gsNormal) << "3 pixels is still a press";
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), 1);
  ReleaseCapture();  // the capture lost: the button comes up without a click
  Pump(1);
  EXPECT_EQ(m.f.grid.TrackingTitleColumn(), -1);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  Release(m.Window(), p.x, p.y);
  EXPECT_EQ(m.clicks.title_buttons, 0);
}

TEST(GridTitleButton, AFourPixelDragMovesTheColumnInsteadOfClickingIt) {
  MouseGrid m;
  const POINT p = m.Title(0);
  Press(m.Window(), p.x, p.y);
  MoveTo(m.Window(), p.x + 4, p.y);
  EXPECT_EQ(m.f.grid.GridState(), gsColMoving);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  EXPECT_EQ(GetCapture(), m.Window());
  const POINT target = m.Title(2);
  MoveTo(m.Window(), target.x, target.y);
  EXPECT_EQ(m.f.grid.MovePos(), 2);
  Release(m.Window(), target.x, target.y);
  EXPECT_EQ(m.clicks.title_buttons, 0);
  EXPECT_EQ(m.clicks.moves, 1);
  EXPECT_EQ(m.FieldNames(), (std::vector<std::string>{"邮编", "省名", "区号", "县市名"}));
  // Laid out again: the moved column shows its field and keeps its proportion.
  EXPECT_EQ(m.f.grid.ColumnAt(2)->FieldName(), "区号");
  EXPECT_EQ(m.f.grid.ColumnAt(2)->DisplayText(), m.search.query->FieldByName("区号").AsString());
  const std::vector<int> w = m.f.Widths();
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0) + 4, m.f.grid.ClientWidth());
}

TEST(GridTitleButton, EscCancelsTheMoveAndTheRightButtonMovesToo) {
  MouseGrid m;
  m.f.grid.SetFocus();
  const POINT p = m.Title(3);
  Press(m.Window(), p.x, p.y);
  MoveTo(m.Window(), p.x - 10, p.y);
  MoveTo(m.Window(), m.Title(0).x, p.y);
  ASSERT_EQ(m.f.grid.GridState(), gsColMoving);
  Key(VK_ESCAPE);
  EXPECT_EQ(m.f.grid.GridState(), gsNormal);
  Release(m.Window(), m.Title(0).x, p.y);
  EXPECT_EQ(m.FieldNames(), kStoredOrder);

  // A right press at a column's edge moves rather than sizes.
  const RECT first = m.f.Cell(0, 0);
  Press(m.Window(), first.right - 1, p.y, WM_RBUTTONDOWN);
  EXPECT_EQ(m.f.grid.GridState(), gsColMoving);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  MoveTo(m.Window(), m.Title(1).x, p.y);
  Release(m.Window(), m.Title(1).x, p.y, WM_RBUTTONUP);
  EXPECT_EQ(m.FieldNames(), (std::vector<std::string>{"邮编", "区号", "省名", "县市名"}));
  EXPECT_EQ(m.clicks.title_buttons, 0);
}

TEST(GridTitleButton, AtAnEdgeTheTitleButtonGivesWayToSizing) {
  MouseGrid m;
  const std::vector<int> before = m.f.Widths();
  const RECT first = m.f.Cell(0, 0);
  Press(m.Window(), first.right - 2, 8);
  EXPECT_EQ(m.f.grid.GridState(), gsColSizing);
  EXPECT_EQ(m.f.grid.PressedTitleColumn(), -1);
  MoveTo(m.Window(), first.right + 10, 8);
  Release(m.Window(), first.right + 10, 8);
  EXPECT_EQ(m.clicks.widths, 1);
  EXPECT_EQ(m.clicks.title_buttons, 0);
  const std::vector<int> after = m.f.Widths();
  EXPECT_GT(after[0], before[0]);
  EXPECT_LT(after[1], before[1]);
  EXPECT_EQ(std::accumulate(after.begin(), after.end(), 0) + 4, m.f.grid.ClientWidth())
      << "a fitted column sized by the mouse keeps the total at the client width";

  // The last 4 pixels of the client size the last column.
  const int edge = m.f.grid.ClientWidth();
  Press(m.Window(), edge - 2, 8);
  EXPECT_EQ(m.f.grid.GridState(), gsColSizing);
  EXPECT_EQ(m.f.grid.SizingIndex(), 3);
  MoveTo(m.Window(), edge - 30, 8);
  Release(m.Window(), edge - 30, 8);
  const std::vector<int> last = m.f.Widths();
  EXPECT_LT(last[3], after[3]);
  EXPECT_EQ(std::accumulate(last.begin(), last.end(), 0) + 4, m.f.grid.ClientWidth());
}

TEST(GridDataClicks, AClickMovesTheDatasetToTheRowAndMakesTheColumnCurrent) {
  MouseGrid m;
  TDataSet& data = *m.search.query;
  ASSERT_GT(data.RecordCount(), 30);
  const POINT p = m.Data(2, 5);
  Press(m.Window(), p.x, p.y);
  Release(m.Window(), p.x, p.y);
  EXPECT_EQ(data.RecNo(), 5);
  EXPECT_EQ(m.f.grid.Row(), 5);
  EXPECT_EQ(m.f.grid.SelectedIndex(), 2);
  EXPECT_EQ(m.clicks.cell_clicks, 1);
  EXPECT_EQ(m.clicks.title_clicks, 0);

  // After scrolling, the row clicked is a record further on.
  data.SetRecNo(25);
  Pump(2);
  const int first = m.f.grid.DataLink().FirstRecord();
  const POINT q = m.Data(0, 1);
  Press(m.Window(), q.x, q.y);
  Release(m.Window(), q.x, q.y);
  EXPECT_EQ(data.RecNo(), first + 1);
  EXPECT_EQ(m.f.grid.SelectedIndex(), 0);

  // A double click raises the event.
  SendMessageW(m.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(q.x, q.y));
  Release(m.Window(), q.x, q.y);
  EXPECT_EQ(m.clicks.double_clicks, 1);
}

TEST(GridDataClicks, BelowTheLastRowNothingMoves) {
  MouseGrid m;
  m.search.ByAreaCode("0756");
  Pump();
  const int rows = m.search.query->RecordCount();
  ASSERT_LT(rows, 9);
  const RECT last = m.f.Cell(0, rows);
  Press(m.Window(), 10, last.bottom + 10);
  Release(m.Window(), 10, last.bottom + 10);
  EXPECT_EQ(m.search.query->RecNo(), 1);
  EXPECT_EQ(m.clicks.cell_clicks, 0);
}

}  // namespace
}  // namespace hm::test
