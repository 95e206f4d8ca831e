// A generic grid made from a form description keeps its published values
// through writing and reading again.
#include <gtest/gtest.h>

#include "framework/core/form_description.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/grid/grids.h"

namespace hm {
namespace {

constexpr char kForm[] = R"(object Form1: TForm
  object Grid1: TCustomGrid
    Left = 4
    Top = 6
    Width = 200
    Height = 90
    BorderStyle = bsNone
    ColCount = 4
    DefaultColWidth = 33
    DefaultRowHeight = 17
    FixedColor = clSilver
    FixedCols = 0
    RowCount = 7
    FixedRows = 2
    GridLineWidth = 2
    Options = [goFixedVertLine, goVertLine, goColSizing, goColMoving, goRowSelect]
    ScrollBars = ssVertical
    Color = clInfoBk
  end
end
)";

void ExpectGrid(TCustomGrid& g) {
  EXPECT_EQ(g.Left(), 4);
  EXPECT_EQ(g.Width(), 200);
  EXPECT_EQ(g.BorderStyle(), bsNone);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.FixedCols(), 0);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.DefaultColWidth(), 33);
  EXPECT_EQ(g.ColWidths(3), 33);
  EXPECT_EQ(g.RowHeights(6), 17);
  EXPECT_EQ(g.GridLineWidth(), 2);
  EXPECT_EQ(g.FixedColor(), clSilver);
  EXPECT_EQ(g.Color(), clInfoBk);
  EXPECT_EQ(g.ScrollBars(), ssVertical);
  EXPECT_EQ(g.Options(), (TGridOptions{goFixedVertLine, goVertLine, goColSizing, goColMoving, goRowSelect}));
}

TEST(GridDescription, PublishedPropertiesRoundTrip) {
  auto form = MakeRoot<TForm>();
  ReadComponent(*form, kForm);
  auto* grid = dynamic_cast<TCustomGrid*>(form->FindComponent("Grid1"));
  ASSERT_NE(grid, nullptr);
  ExpectGrid(*grid);
  EXPECT_EQ(GetSetProp(grid, "Options"), "[goFixedVertLine, goVertLine, goColSizing, goColMoving, goRowSelect]");

  const std::string written = WriteComponent(*form);
  auto again = MakeRoot<TForm>();
  ReadComponent(*again, written);
  auto* copy = dynamic_cast<TCustomGrid*>(again->FindComponent("Grid1"));
  ASSERT_NE(copy, nullptr);
  ExpectGrid(*copy);
  EXPECT_EQ(WriteComponent(*again), written);
}

TEST(GridDescription, DefaultsAreNotWritten) {
  auto form = MakeRoot<TForm>();
  auto* grid = MakeOwned<TCustomGrid>(*form);
  grid->SetName("Grid1");
  const std::string text = WriteComponent(*form);
  EXPECT_EQ(text.find("ColCount"), std::string::npos);
  EXPECT_EQ(text.find("Options"), std::string::npos);
  EXPECT_EQ(text.find("FixedColor"), std::string::npos);
}

}  // namespace
}  // namespace hm
