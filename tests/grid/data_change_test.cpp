// The two keys that change data, on private copies of Code.BM: Ctrl+' and
// Esc, Ctrl+Delete where the grid or the data layer does not allow it (a
// result that cannot be changed, a read-only file), and a data source
// switched between two open datasets.
#include <gtest/gtest.h>

#include "framework/data/field.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "tests/grid/grid_input.h"

namespace hm::test {
namespace {

constexpr char kAll[] = "Select * from AreaData";

// The grid over a search of a copy of Code.BM, focused.
struct ChangingGrid {
  GridForm f;
  WritableAreaSearch search;
  TDataSet& data = *search.query;
  MessageBoxCapture boxes;

  ChangingGrid(const CodeBmCopy& file, const std::string& sql) : search(*f.form, file.Path()) {
    Application().SetTitle("工具箱");
    search.Run(sql);
    f.form->DataSource1->SetDataSet(search.query);
    f.grid.SetFocus();
    Pump();
  }
};

std::string AreaCode(const std::string& text) { return "Select * from AreaData where 区号 like '%" + text + "%'"; }

TEST(GridDataKeys, CtrlApostropheCopiesTheValueAboveAndEscTakesItBack) {
  CodeBmCopy file("copy-above");
  ChangingGrid g(file, kAll);
  TDataSet& data = g.data;
  const std::string first = data.FieldByName("省名").AsString();
  Key(VK_DOWN);
  const std::string second = data.FieldByName("省名").AsString();
  g.f.grid.SetSelectedIndex(2);
  ASSERT_EQ(g.f.grid.SelectedColumn()->FieldName(), "省名");

  Key(VK_OEM_7, true);
  EXPECT_EQ(data.State(), dsEdit);
  EXPECT_EQ(data.FieldByName("省名").AsString(), first);
  Key(VK_ESCAPE);
  EXPECT_EQ(data.State(), dsBrowse);
  EXPECT_EQ(data.FieldByName("省名").AsString(), second);

  // Copied again and moved away: written to the file.
  const std::string code = data.FieldByName("区号").AsString();
  const std::string county = data.FieldByName("县市名").AsString();
  Key(VK_OEM_7, true);
  Key(VK_DOWN);
  EXPECT_EQ(data.State(), dsBrowse);
  EXPECT_TRUE(g.boxes.Boxes().empty());
  g.search.Run("Select * from AreaData where 区号='" + code + "' and 县市名='" + county + "'");
  ASSERT_GE(data.RecordCount(), 1);
  EXPECT_EQ(data.FieldByName("省名").AsString(), first);

  // On the first row shown there is no record above it.
  g.search.Run(kAll);
  Key(VK_OEM_7, true);
  EXPECT_EQ(data.State(), dsBrowse);
}

TEST(GridDataKeys, CtrlDeleteOnAResultThatCannotChangeSaysSoAndKeepsTheRow) {
  GridForm f;
  f.Show(20);
  f.grid.SetFocus();
  MessageBoxCapture boxes;
  Application().SetTitle("工具箱");
  ASSERT_FALSE(f.data->CanModify());
  Key(VK_DOWN);
  Key(VK_DELETE, true);
  ASSERT_EQ(boxes.Boxes().size(), 1u) << "no question first, only the refusal";
  EXPECT_NE(boxes.Boxes()[0].text.find("Cannot modify a read-only dataset"), std::string::npos)
      << boxes.Boxes()[0].text;
  EXPECT_EQ(boxes.Boxes()[0].caption, "工具箱");
  EXPECT_EQ(boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(f.data->RecordCount(), 20);
  EXPECT_EQ(f.data->RecNo(), 2);

  // Ctrl+' on it changes nothing and says nothing.
  Key(VK_OEM_7, true);
  EXPECT_EQ(f.data->State(), dsBrowse);
  EXPECT_EQ(boxes.Boxes().size(), 1u);
}

// Under Wine as root the system enforces no read-only attribute: the data
// layer's own refusal is what keeps the row.
TEST(GridDataKeys, CtrlDeleteOnAReadOnlyFileReportsTheRefusalAndKeepsTheRow) {
  CodeBmCopy file("read-only");
  file.SetReadOnly();
  ChangingGrid g(file, AreaCode("0755"));
  TDataSet& data = g.data;
  const int rows = data.RecordCount();
  const std::string county = data.FieldByName("县市名").AsString();
  Key(VK_DELETE, true);
  ASSERT_EQ(g.boxes.Boxes().size(), 2u);
  EXPECT_EQ(g.boxes.Boxes()[0].text, "Delete record?");
  EXPECT_EQ(g.boxes.Boxes()[1].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));
  EXPECT_NE(g.boxes.Boxes()[1].text.find("read"), std::string::npos) << g.boxes.Boxes()[1].text;
  EXPECT_EQ(data.RecordCount(), rows);
  EXPECT_EQ(data.FieldByName("县市名").AsString(), county);
  g.search.ByAreaCode("0755");
  EXPECT_EQ(data.RecordCount(), rows) << "nothing left the file";
}

TEST(GridDataKeys, CtrlDeleteDoesNothingWhereTheGridDoesNotAllowIt) {
  CodeBmCopy file("not-allowed");
  ChangingGrid g(file, AreaCode("0755"));
  TDataSet& data = g.data;
  const int rows = data.RecordCount();
  g.f.grid.SetReadOnly(true);
  Key(VK_DELETE, true);
  Key(VK_OEM_7, true);
  g.f.grid.SetReadOnly(false);
  g.f.grid.SetAllowedOperations(kDefaultAllowedOperations - TDataGridAllowedOperations{alopDeleteEh});
  Key(VK_DELETE, true);
  EXPECT_TRUE(g.boxes.Boxes().empty());
  EXPECT_EQ(data.RecordCount(), rows);
  EXPECT_EQ(data.State(), dsBrowse);

  // Without dgConfirmDelete it goes at once.
  g.f.grid.SetAllowedOperations(kDefaultAllowedOperations);
  g.f.grid.SetOptions(g.f.grid.Options() - TDBGridOptions{dgConfirmDelete});
  Key(VK_DELETE, true);
  EXPECT_TRUE(g.boxes.Boxes().empty());
  EXPECT_EQ(data.RecordCount(), rows - 1);
}

TEST(GridDataLink, ADataSourceSwitchedBetweenTwoOpenDatasetsLaysTheGridOutAnew) {
  GridForm f;
  f.Show(3);
  ASSERT_EQ(f.grid.RowCount(), 4);
  AreaSearch search(*f.form);
  search.Run(kAll);
  f.form->DataSource1->SetDataSet(search.query);  // both open all along
  Pump();
  EXPECT_EQ(f.grid.RowCount(), 10);
  TField* field = (*f.grid.Columns())[0]->Field();
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(&field->DataSet(), search.query);
  EXPECT_TRUE(GetWindowLongW(f.Window(), GWL_STYLE) & WS_VSCROLL);
  search.query->Last();
  EXPECT_EQ(f.grid.Row(), 9);

  // And back, through the grid's own source this time.
  auto* other = MakeOwned<TDataSource>(*f.form);
  other->SetDataSet(f.data);
  f.grid.SetDataSource(other);
  Pump();
  EXPECT_EQ(f.grid.RowCount(), 4);
  EXPECT_EQ(f.grid.Row(), 1);
  EXPECT_EQ(&(*f.grid.Columns())[0]->Field()->DataSet(), f.data);
  EXPECT_EQ((*f.grid.Columns())[0]->DisplayText(), "0001");
  EXPECT_FALSE(GetWindowLongW(f.Window(), GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
}  // namespace hm::test
