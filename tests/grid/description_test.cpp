// The grid read from a form description as the main window stores it:
// settings, the four stored columns and their captions, and writing back
// only what was assigned.
#include <gtest/gtest.h>

#include "framework/core/form_description.h"
#include "framework/core/typinfo.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

std::vector<std::string> Captions(TDBGridEh& grid) {
  std::vector<std::string> captions;
  for (int i = 0; i < grid.Columns()->Count(); ++i) captions.push_back((*grid.Columns())[i]->Title()->Caption());
  return captions;
}

TEST(GridDescription, StoredSettingsAndColumnsAreRead) {
  GridForm f;
  TDBGridEh& g = f.grid;
  EXPECT_EQ(g.DataSource(), f.form->DataSource1);
  EXPECT_TRUE(g.AutoFitColWidths());
  EXPECT_EQ(g.Options(), (TDBGridOptions{dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
                                         dgConfirmDelete, dgCancelOnExit}));
  EXPECT_EQ(g.OptionsEh(), (TDBGridEhOptions{dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind}));
  EXPECT_EQ(GetSetProp(&g, "OptionsEh"), "[dghFixed3D, dghHighlightFocus, dghClearSelection, dghDialogFind]");
  EXPECT_EQ(g.RowHeight(), 18);
  EXPECT_EQ(g.TitleHeight(), 16);
  EXPECT_EQ(g.FooterColor(), clWindow);
  EXPECT_FALSE(g.Flat());
  EXPECT_EQ(g.Color(), clWindow);
  EXPECT_EQ(g.FixedColor(), clBtnFace);
  EXPECT_EQ(g.IndicatorOffset(), 0);  // no indicator column
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.FixedCols(), 0);
  EXPECT_EQ(g.FixedRows(), 1);

  ASSERT_EQ(g.Columns()->Count(), 4);
  EXPECT_EQ(g.Columns()->State(), csCustomized);
  const char* names[] = {"区号", "邮编", "省名", "县市名"};
  const int widths[] = {46, 49, 63, 72};
  for (int i = 0; i < 4; ++i) {
    TColumnEh& c = *(*g.Columns())[i];
    EXPECT_EQ(c.FieldName(), names[i]);
    EXPECT_TRUE(c.Title()->TitleButton());
    EXPECT_TRUE(c.WidthAssigned());
    // The stored widths are the proportions of the fit.
    EXPECT_EQ(c.InitialWidth(), widths[i]);
  }
}

TEST(GridDescription, StoredColumnsShowTheirCaptionsBeforeAndAfterLinking) {
  GridForm f;
  const std::vector<std::string> expected{"区号", "邮编", "省份", "县/市名"};
  EXPECT_EQ(Captions(f.grid), expected);
  EXPECT_FALSE((*f.grid.Columns())[0]->Title()->CaptionAssigned());
  f.Show(3);
  ASSERT_NE((*f.grid.Columns())[0]->Field(), nullptr);
  EXPECT_EQ(Captions(f.grid), expected);
  // The default caption follows the field: its display label once it has one.
  (*f.grid.Columns())[0]->Field()->SetDisplayLabel("Area code");
  EXPECT_EQ((*f.grid.Columns())[0]->Title()->Caption(), "Area code");
  f.form->DataSource1->SetDataSet(nullptr);
  EXPECT_EQ(Captions(f.grid), expected);
  EXPECT_EQ(f.grid.Columns()->Count(), 4);  // unlinking keeps the stored columns
}

TEST(GridDescription, WritingKeepsOnlyWhatWasAssigned) {
  GridForm f;
  f.Show(3);  // bound and fitted: defaults and widths now differ from the stored text
  const std::string text = WriteComponent(*f.form);
  EXPECT_NE(text.find("Title.Caption = '省份'"), std::string::npos) << text;
  EXPECT_EQ(text.find("Title.Caption = '区号'"), std::string::npos) << text;
  EXPECT_EQ(text.find("ColCount"), std::string::npos);
  EXPECT_EQ(text.find("RowCount"), std::string::npos);
  EXPECT_NE(text.find("TitleHeight = 16"), std::string::npos);
  EXPECT_EQ(text.find("OptionsEh"), std::string::npos);  // the defaults are not written

  auto again = MakeRoot<TGridTestForm>();
  ReadComponent(*again, text);
  ASSERT_NE(again->DBGridEh1, nullptr);
  EXPECT_EQ(Captions(*again->DBGridEh1), (std::vector<std::string>{"区号", "邮编", "省份", "县/市名"}));
  EXPECT_FALSE((*again->DBGridEh1->Columns())[1]->Title()->CaptionAssigned());
  EXPECT_TRUE((*again->DBGridEh1->Columns())[2]->Title()->CaptionAssigned());
}

}  // namespace
}  // namespace hm::test
