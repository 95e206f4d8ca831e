// Columns: finding their fields, defaults that follow the grid until a
// value is assigned, width bounds, and the columns a grid makes itself.
#include <gtest/gtest.h>

#include "framework/data/field.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

// A grid of its own (no stored columns) on the test form.
struct PlainGrid : GridForm {
  TDBGridEh* plain = MakeOwned<TDBGridEh>(*form);
  TDataSource* source = MakeOwned<TDataSource>(*form);
  PlainGrid() {
    plain->SetParent(form.get());
    plain->SetBounds(0, 220, 200, 80);
    plain->SetDataSource(source);
  }
  void Link(const std::string& sql) {
    data->Run(sql);
    source->SetDataSet(data);
  }
};

TEST(GridColumns, AFieldIsFoundWithoutRegardToCaseAndTakesItsSpelling) {
  PlainGrid f;
  TColumnEh& c = f.plain->Columns()->AddColumn();
  c.SetFieldName("areacode");
  f.Link("SELECT '010' AS AreaCode");
  ASSERT_NE(c.Field(), nullptr);
  EXPECT_EQ(c.FieldName(), "AreaCode");
  EXPECT_EQ(c.DisplayText(), "010");
  EXPECT_EQ(c.Title()->Caption(), "AreaCode");
}

TEST(GridColumns, AnUnknownFieldNameShowsEmptyCellsAndNoError) {
  PlainGrid f;
  TColumnEh& c = f.plain->Columns()->AddColumn();
  c.SetFieldName("Nowhere");
  EXPECT_NO_THROW(f.Link("SELECT '010' AS AreaCode"));
  EXPECT_EQ(c.Field(), nullptr);
  EXPECT_EQ(c.DisplayText(), "");
  EXPECT_EQ(c.Title()->Caption(), "Nowhere");
  EXPECT_NO_THROW(f.plain->Repaint());
}

TEST(GridColumns, FieldLinksGoWhenTheDatasetClosesOrIsReplaced) {
  PlainGrid f;
  TColumnEh& c = f.plain->Columns()->AddColumn();
  c.SetFieldName("A");
  f.Link("SELECT 1 AS A");
  TField* first = c.Field();
  ASSERT_NE(first, nullptr);
  f.data->Close();
  EXPECT_EQ(c.Field(), nullptr);
  f.data->Run("SELECT 2 AS B, 3 AS a");
  ASSERT_NE(c.Field(), nullptr);
  EXPECT_EQ(c.DisplayText(), "3");
  // Another open dataset behind the same source: the old field is not used.
  auto* other = MakeOwned<TSqlDataSet>(*f.form);
  other->Run("SELECT 4 AS A");
  f.source->SetDataSet(other);
  EXPECT_EQ(c.DisplayText(), "4");
}

TEST(GridColumns, WidthsStayWithinTheirBounds) {
  PlainGrid f;
  TColumnEh& c = f.plain->Columns()->AddColumn();
  EXPECT_FALSE(c.WidthAssigned());
  c.SetWidth(80);
  EXPECT_EQ(c.Width(), 80);
  c.SetWidth(-1);  // changes nothing
  EXPECT_EQ(c.Width(), 80);
  c.SetMaxWidth(60);
  EXPECT_EQ(c.Width(), 60);
  c.SetWidth(-7);
  EXPECT_EQ(c.Width(), 0);
  c.SetMinWidth(20);
  EXPECT_EQ(c.Width(), 20);
  c.SetWidth(100);
  EXPECT_EQ(c.Width(), 60);
  c.SetMinWidth(70);  // the minimum wins over the maximum
  EXPECT_EQ(c.Width(), 70);
  EXPECT_EQ(f.plain->ColWidths(f.plain->GridColumnOf(&c)), 70);
}

TEST(GridColumns, UnassignedValuesFollowTheGridAndTheField) {
  PlainGrid f;
  TColumnEh& text = f.plain->Columns()->AddColumn();
  text.SetFieldName("T");
  TColumnEh& number = f.plain->Columns()->AddColumn();
  number.SetFieldName("N");
  f.Link("SELECT 'x' AS T, 12 AS N");
  EXPECT_EQ(text.Alignment(), taLeftJustify);
  EXPECT_EQ(number.Alignment(), taRightJustify);
  number.SetAlignment(taCenter);
  EXPECT_EQ(number.Alignment(), taCenter);

  f.plain->SetColor(clInfoBk);
  f.plain->SetFixedColor(clSilver);
  EXPECT_EQ(text.Color(), clInfoBk);
  EXPECT_EQ(text.Title()->Color(), clSilver);
  text.SetColor(clYellow);
  f.plain->SetColor(clWhite);
  EXPECT_EQ(text.Color(), clYellow);
  EXPECT_EQ(number.Color(), clWhite);

  f.plain->TitleFont()->SetHeight(-20);
  EXPECT_EQ(text.Title()->DrawFont().Height(), -20);
  EXPECT_FALSE(text.Title()->FontAssigned());
  text.Title()->Font()->SetStyle(TFontStyles{fsBold});
  EXPECT_TRUE(text.Title()->FontAssigned());
  f.plain->TitleFont()->SetHeight(-9);
  EXPECT_EQ(text.Title()->DrawFont().Height(), -20);  // a copy taken when it was assigned
  EXPECT_EQ(number.Title()->DrawFont().Height(), -9);

  // Width from the field until assigned.
  const int from_field = text.Width();
  EXPECT_GT(from_field, kDefaultColumnWidth);  // 20 characters
  f.plain->Font()->SetHeight(-24);
  EXPECT_GT(text.Width(), from_field);
  text.SetWidth(33);
  f.plain->Font()->SetHeight(-11);
  EXPECT_EQ(text.Width(), 33);
}

TEST(GridColumns, DefaultColumnsAreMadeFromTheFieldsAndKeptByLaterLayouts) {
  PlainGrid f;
  EXPECT_EQ(f.plain->Columns()->State(), csDefault);
  f.Link("SELECT 1 AS A, 2 AS B, 3 AS C");
  ASSERT_EQ(f.plain->Columns()->Count(), 3);
  EXPECT_EQ(f.plain->Columns()->State(), csDefault);
  EXPECT_EQ((*f.plain->Columns())[2]->Field(), f.data->Fields(2));
  TColumnEh* b = (*f.plain->Columns())[1];
  b->SetWidth(77);
  b->Title()->SetCaption("Bee");
  f.plain->SetRowHeight(30);  // a layout: the same column, with what was set on it
  ASSERT_EQ(f.plain->Columns()->Count(), 3);
  EXPECT_EQ((*f.plain->Columns())[1], b);
  EXPECT_EQ(b->Width(), 77);
  EXPECT_EQ(b->Title()->Caption(), "Bee");
  EXPECT_EQ(f.plain->Columns()->State(), csDefault);
  // Closed, there are no fields and so no columns; opened, new ones.
  f.data->Close();
  EXPECT_EQ(f.plain->Columns()->Count(), 0);
  EXPECT_EQ(f.plain->ColCount(), 2);  // the indicator and an empty column
  f.data->Run("SELECT 5 AS C, 6 AS b");
  ASSERT_EQ(f.plain->Columns()->Count(), 2);
  EXPECT_EQ((*f.plain->Columns())[0]->FieldName(), "C");
  EXPECT_FALSE((*f.plain->Columns())[1]->WidthAssigned());
}

TEST(GridColumns, AddingAColumnInCodeCustomizesTheGrid) {
  PlainGrid f;
  f.Link("SELECT 1 AS A, 2 AS B");
  f.plain->Columns()->AddColumn().SetFieldName("B");
  EXPECT_EQ(f.plain->Columns()->State(), csCustomized);
  f.data->Run("SELECT 1 AS A, 2 AS B, 3 AS C");
  EXPECT_EQ(f.plain->Columns()->Count(), 3);  // the two made before and the added one
  f.plain->Columns()->SetState(csDefault);
  EXPECT_EQ(f.plain->Columns()->Count(), 3);  // made anew, one per field
  EXPECT_EQ((*f.plain->Columns())[2]->FieldName(), "C");
}

TEST(GridColumns, HiddenColumnsTakeNoGridSpace) {
  PlainGrid f;
  f.Link("SELECT 1 AS A, 2 AS B, 3 AS C");
  (*f.plain->Columns())[1]->SetVisible(false);
  EXPECT_EQ(f.plain->VisibleColumns().size(), 2u);
  EXPECT_EQ(f.plain->ColCount(), 3);  // indicator + two
  EXPECT_EQ(f.plain->ColumnAt(2), (*f.plain->Columns())[2]);
  EXPECT_EQ(f.plain->GridColumnOf((*f.plain->Columns())[1]), -1);
}

}  // namespace
}  // namespace hm::test
