// The layout of the main window's grid in a real window: fitted widths at
// its client widths, with and without the vertical bar, row and title
// heights, the rows it holds, following the parent's font, and one layout
// per bracket.
#include <gtest/gtest.h>

#include <numeric>

#include "framework/ui/platform/handles.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

SCROLLINFO ScrollInfo() {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  return si;
}

TEXTMETRICW MetricsOf(TFont& font) {
  WindowDC screen(nullptr);
  SelectScope select(screen.get(), font.Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(screen.get(), &tm);
  return tm;
}

// Counts the layouts a grid runs.
class CountingGrid : public TDBGridEh {
 public:
  using TDBGridEh::TDBGridEh;
  int layouts = 0;

 protected:
  void InternalLayout() override {
    ++layouts;
    TDBGridEh::InternalLayout();
  }
};

TEST(GridLayout, GridsKeepTheWindowColourOnAButtonFaceForm) {
  GridForm f;
  EXPECT_EQ(f.form->Color(), clBtnFace);
  EXPECT_EQ(f.grid.Color(), clWindow);
  auto* generic = MakeOwned<TCustomGrid>(*f.form);
  generic->SetParent(f.form.get());
  EXPECT_EQ(generic->Color(), clWindow);
  EXPECT_FALSE(generic->ParentColor());
  f.form->SetColor(clInfoBk);
  EXPECT_EQ(generic->Color(), clWindow);
}

TEST(GridLayout, FitsTheStoredColumnsAtTheClientWidthsOfTheMainWindow) {
  GridForm f;
  // Without border and bars the client is the width itself.
  f.grid.SetBorderStyle(bsNone);
  f.grid.SetScrollBars(ssNone);
  const struct {
    int client;
    std::vector<int> widths;
  } cases[] = {
      {246, {48, 52, 66, 76}},
      {262, {52, 55, 71, 80}},  // rounded they would be 259: the last gives one back
      {245, {48, 51, 66, 76}},  // rounded 240: the last takes one more
  };
  for (const auto& c : cases) {
    f.grid.SetWidth(c.client);
    ASSERT_EQ(f.grid.ClientWidth(), c.client);
    EXPECT_EQ(f.Widths(), c.widths) << c.client;
    std::vector<int> column_widths;
    for (TColumnEh* column : f.grid.VisibleColumns()) column_widths.push_back(column->Width());
    EXPECT_EQ(column_widths, c.widths) << c.client;
  }
}

TEST(GridLayout, TheVerticalBarNarrowsTheFitWhenTheRowsDoNotAllFit) {
  GridForm f;
  f.Show(3);
  EXPECT_EQ(f.grid.ClientWidth(), 262);  // 266 less the sunken edge
  EXPECT_EQ(f.Widths(), (std::vector<int>{52, 55, 71, 80}));
  f.Show(30);
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  ASSERT_EQ(f.grid.ClientWidth(), 262 - bar);
  EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth());
  if (bar == 16) {
    EXPECT_EQ(f.Widths(), (std::vector<int>{48, 52, 66, 76}));
  }
  SCROLLINFO si = ScrollInfo();
  ASSERT_TRUE(GetScrollInfo(f.Window(), SB_VERT, &si));
  EXPECT_EQ(si.nMin, 1);
  EXPECT_EQ(si.nMax, 30 + 9 - 1);
  EXPECT_EQ(si.nPage, 9u);
  EXPECT_EQ(si.nPos, 1);
  f.data->Last();
  ASSERT_TRUE(GetScrollInfo(f.Window(), SB_VERT, &si));
  EXPECT_EQ(si.nPos, 30);
  // Another bar style hides both bars for a moment; the wanted one comes back.
  f.grid.SetScrollBars(ssVertical);
  EXPECT_EQ(f.grid.ClientWidth(), 262 - bar);
  // Back to a few rows: the bar goes and the columns widen again.
  f.Show(2);
  EXPECT_EQ(f.grid.ClientWidth(), 262);
  EXPECT_EQ(f.Widths(), (std::vector<int>{52, 55, 71, 80}));
}

TEST(GridLayout, NarrowerThanMinAutoFitWidthTheColumnsGoPastTheEdge) {
  GridForm f;
  f.grid.SetMinAutoFitWidth(400);
  EXPECT_EQ(Sum(f.Widths()), 396);
  SCROLLINFO si = ScrollInfo();
  GetScrollInfo(f.Window(), SB_HORZ, &si);
  EXPECT_EQ(si.nMax, 0);  // fitting never shows the horizontal bar
}

TEST(GridLayout, FittingFailureCases) {
  GridForm f;
  TDBGridColumnsEh& columns = *f.grid.Columns();
  // A column too wide for the client leaves the fitting ones nothing.
  f.grid.BeginLayout();
  columns[0]->SetAutoFitColWidth(false);
  columns[0]->SetWidth(300);
  f.grid.EndLayout();
  EXPECT_EQ(f.Widths(), (std::vector<int>{300, 0, 0, 0}));
  // With no column fitting, nothing changes.
  f.grid.BeginLayout();
  for (int i = 0; i < 4; ++i) columns[i]->SetAutoFitColWidth(false);
  columns[0]->SetWidth(46);
  f.grid.EndLayout();
  EXPECT_EQ(f.Widths(), (std::vector<int>{46, 49, 63, 72}));  // each took its proportion back
  f.grid.SetWidth(400);
  EXPECT_EQ(f.Widths(), (std::vector<int>{46, 49, 63, 72}));
}

TEST(GridLayout, TurningFittingOffGivesTheStoredWidthsBack) {
  GridForm f;
  f.grid.SetAutoFitColWidths(false);
  EXPECT_EQ(f.Widths(), (std::vector<int>{46, 49, 63, 72}));
  f.grid.SetWidth(150);
  EXPECT_EQ(f.Widths(), (std::vector<int>{46, 49, 63, 72}));
  SCROLLINFO si = ScrollInfo();
  ASSERT_TRUE(GetScrollInfo(f.Window(), SB_HORZ, &si));
  EXPECT_GT(si.nMax, 0);  // the excess is scrolled to
  f.grid.SetAutoFitColWidths(true);
  EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth());
}

TEST(GridLayout, AColumnLeavingTheFitKeepsItsProportionAsWidth) {
  GridForm f;
  TColumnEh& second = *(*f.grid.Columns())[1];
  second.SetAutoFitColWidth(false);
  EXPECT_EQ(second.Width(), 49);
  EXPECT_EQ(f.Widths()[1], 49);
  EXPECT_EQ(Sum(f.Widths()) + 4, f.grid.ClientWidth());
  second.SetAutoFitColWidth(true);
  EXPECT_EQ(f.Widths(), (std::vector<int>{52, 55, 71, 80}));
}

TEST(GridLayout, TitleAndDataRowHeights) {
  GridForm f;
  f.Show(5);
  const TEXTMETRICW title = MetricsOf(*f.grid.TitleFont());
  // TitleHeight 16 + 2, + 1 for the row lines, + the font's leading.
  EXPECT_EQ(f.grid.RowHeights(0), 19 + title.tmExternalLeading);
  EXPECT_EQ(f.grid.RowHeights(1), 18);
  f.grid.Font()->SetHeight(-40);
  EXPECT_EQ(f.grid.RowHeights(1), 18);  // RowHeight wins over the font
  EXPECT_EQ(f.grid.RowHeights(5), 18);
  f.grid.SetRowHeight(0);
  const TEXTMETRICW data = MetricsOf(*f.grid.Font());
  EXPECT_GE(f.grid.RowHeights(1), static_cast<int>(data.tmHeight) + 3 + 1);
  f.grid.SetRowHeight(-5);
  EXPECT_EQ(f.grid.RowHeight(), 0);
  // Without TitleHeight the title font decides.
  f.grid.SetTitleHeight(0);
  f.grid.TitleFont()->SetHeight(-30);
  EXPECT_EQ(f.grid.RowHeights(0), static_cast<int>(MetricsOf(*f.grid.TitleFont()).tmHeight) + 4);
}

TEST(GridLayout, NineDataRowsInAClientOf199) {
  GridForm f;
  ASSERT_EQ(f.grid.ClientHeight(), 199);  // 203 less the sunken edge
  const int leading = MetricsOf(*f.grid.TitleFont()).tmExternalLeading;
  f.Show(30);
  // (199 - 19 - 1) / 19 with a title of 19: a partly shown tenth row is not held.
  EXPECT_EQ(f.grid.DataLink().BufferCount(), leading == 0 ? 9 : (199 - 19 - leading - 1) / 19);
  EXPECT_EQ(f.grid.RowCount(), 1 + f.grid.DataLink().BufferCount());
  f.Show(4);
  EXPECT_EQ(f.grid.RowCount(), 5);  // only the records there are
  f.data->Close();
  EXPECT_EQ(f.grid.RowCount(), 2);  // the title and one empty row
}

TEST(GridLayout, TheCurrentRowFollowsTheRecord) {
  GridForm f;
  f.Show(30);
  EXPECT_EQ(f.grid.Row(), 1);
  f.data->MoveBy(4);
  EXPECT_EQ(f.grid.Row(), 5);
  f.data->Last();
  EXPECT_EQ(f.grid.Row(), 9);  // the window moved to the end
  EXPECT_EQ(f.grid.DataLink().FirstRecord(), 21);
  // A row asked of the grid moves the dataset.
  f.grid.SetRow(3);
  EXPECT_EQ(f.data->RecNo(), 24);
  EXPECT_EQ(f.grid.Row(), 3);
}

TEST(GridLayout, ParentFontBecomesTheDataTitleAndFooterFont) {
  GridForm f;
  auto* grid = MakeOwned<CountingGrid>(*f.form);
  grid->SetParent(f.form.get());
  grid->SetBounds(0, 210, 200, 90);
  grid->TitleFont()->SetName("Courier New");
  EXPECT_FALSE(grid->TitleFont()->SameAs(*f.form->Font()));
  const int before = grid->layouts;
  // What the main window does at start-up with the icon-title font.
  LOGFONTW lf{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0));
  lf.lfHeight = -15;
  f.form->Font()->AssignLogFont(lf);
  EXPECT_TRUE(grid->Font()->SameAs(*f.form->Font()));
  EXPECT_TRUE(grid->TitleFont()->SameAs(*f.form->Font()));
  EXPECT_TRUE(grid->FooterFont()->SameAs(*f.form->Font()));
  EXPECT_TRUE(f.grid.TitleFont()->SameAs(*f.form->Font()));  // the stored title font too
  EXPECT_EQ(grid->layouts, before + 1);
  // A grid with its own font keeps its title font.
  grid->Font()->SetHeight(-20);
  f.form->Font()->SetHeight(-12);
  EXPECT_FALSE(grid->ParentFont());
  EXPECT_EQ(grid->TitleFont()->Height(), -15);
}

TEST(GridLayout, OneLayoutForManyChangesInsideABracket) {
  GridForm f;
  auto* grid = MakeOwned<CountingGrid>(*f.form);
  grid->SetParent(f.form.get());
  grid->SetBounds(0, 210, 200, 90);
  auto* source = MakeOwned<TDataSource>(*f.form);
  const int before = grid->layouts;
  grid->BeginLayout();
  grid->SetRowHeight(20);
  grid->SetTitleHeight(12);
  grid->SetOptions(grid->Options() - TDBGridOptions{dgIndicator});
  grid->SetFlat(true);
  grid->BeginLayout();
  grid->Columns()->AddColumn().SetFieldName("A");
  grid->Columns()->AddColumn().SetWidth(30);
  grid->EndLayout();
  grid->TitleFont()->SetHeight(-20);
  grid->Font()->SetHeight(-14);
  grid->SetAutoFitColWidths(true);
  grid->SetMinAutoFitWidth(10);
  grid->SetFrozenCols(1);
  grid->SetDataSource(source);
  f.data->Run("SELECT 1 AS A");
  source->SetDataSet(f.data);
  EXPECT_EQ(grid->layouts, before);
  grid->EndLayout();
  EXPECT_EQ(grid->layouts, before + 1);
  EXPECT_EQ(grid->RowHeights(1), 20);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->ColCount(), 2);
  ASSERT_NE((*grid->Columns())[0]->Field(), nullptr);
  // Outside a bracket each change is one layout.
  grid->SetRowHeight(21);
  EXPECT_EQ(grid->layouts, before + 2);
}

}  // namespace
}  // namespace hm::test
