// The stored grid showing real area searches of Code.BM.
#include <gtest/gtest.h>

#include <numeric>

#include "framework/data/field.h"
#include "tests/grid/area_search.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {
namespace {

TEST(GridRealData, AnAreaSearchFillsTheStoredColumns) {
  GridForm f;
  AreaSearch search(*f.form);
  search.ByAreaCode("0755");
  ASSERT_GT(search.query->RecordCount(), 0);
  f.form->DataSource1->SetDataSet(search.query);
  Pump();
  for (int i = 0; i < 4; ++i) ASSERT_NE((*f.grid.Columns())[i]->Field(), nullptr) << i;
  EXPECT_EQ((*f.grid.Columns())[0]->DisplayText(), search.query->FieldByName("区号").AsString());
  EXPECT_NE((*f.grid.Columns())[0]->DisplayText().find("0755"), std::string::npos);
  EXPECT_EQ((*f.grid.Columns())[2]->Title()->Caption(), "省份");
  const int shown = std::min(search.query->RecordCount(), f.grid.DataLink().BufferCount());
  EXPECT_EQ(f.grid.RowCount(), 1 + shown);
  const std::vector<int> w = f.Widths();
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0) + 4, f.grid.ClientWidth());

  // All of AreaData: the bar appears and the last record can be reached.
  search.Run("Select * from AreaData");
  ASSERT_GT(search.query->RecordCount(), 3000);
  EXPECT_EQ(f.grid.ClientWidth(), 262 - GetSystemMetrics(SM_CXVSCROLL));
  search.query->Last();
  EXPECT_EQ(f.grid.Row(), f.grid.RowCount() - 1);
  EXPECT_EQ(f.grid.SelectedColumn(), (*f.grid.Columns())[0]);
}

}  // namespace
}  // namespace hm::test
