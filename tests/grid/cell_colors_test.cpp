// When a data cell is highlighted and in which look; the lightened colour.
#include <gtest/gtest.h>

#include "grid/portable/cell_colors.h"

namespace hm {
namespace {

// The main window's grid: row select, highlight on focus.
TCellHighlightState MainGridCell(bool current_row, bool focused) {
  TCellHighlightState s;
  s.row_select = true;
  s.highlight_focus = true;
  s.current_row = current_row;
  s.selected = current_row;  // with row select the selection is the current row
  s.focused = focused;
  return s;
}

TEST(CellLook, TheCurrentRowIsHighlightedOnlyWhileTheGridHasTheFocus) {
  EXPECT_EQ(CellLook(MainGridCell(true, true)), TCellLook::Highlight);
  EXPECT_EQ(CellLook(MainGridCell(true, false)), TCellLook::Normal);
  EXPECT_EQ(CellLook(MainGridCell(false, true)), TCellLook::Normal);
  TCellHighlightState no_highlight_focus = MainGridCell(true, true);
  no_highlight_focus.highlight_focus = false;
  EXPECT_EQ(CellLook(no_highlight_focus), TCellLook::Normal);
}

TEST(CellLook, AlwaysShowSelectionKeepsTheRowInShadowWithoutFocus) {
  TCellHighlightState s = MainGridCell(true, false);
  s.always_show_selection = true;
  EXPECT_EQ(CellLook(s), TCellLook::Shadow);
  s.focused = true;
  EXPECT_EQ(CellLook(s), TCellLook::Highlight);
}

TEST(CellLook, OtherHighlightedCellsAreLightenedOnManyColours) {
  TCellHighlightState s;
  s.multi_selected = true;
  s.focused = true;
  EXPECT_EQ(CellLook(s), TCellLook::LightHighlight);
  s.many_colors = false;
  EXPECT_EQ(CellLook(s), TCellLook::Highlight);
  s.focused = false;
  EXPECT_EQ(CellLook(s), TCellLook::Face);
  s.many_colors = true;
  EXPECT_EQ(CellLook(s), TCellLook::LightShadow);
}

TEST(CellLook, WithoutRowSelectOnlyTheCurrentCellOfTheRow) {
  TCellHighlightState current;
  current.highlight_focus = true;
  current.focused = true;
  current.current_row = true;
  current.current_cell = true;
  current.selected = true;
  EXPECT_EQ(CellLook(current), TCellLook::Highlight);
  TCellHighlightState neighbour = current;
  neighbour.current_cell = false;
  neighbour.selected = false;
  EXPECT_EQ(CellLook(neighbour), TCellLook::Normal);
}

TEST(LightenedColor, KnownInputs) {
  const TRgb white{255, 255, 255}, black{0, 0, 0};
  // Highlight glass: (C + G + 553) / 4.
  EXPECT_EQ(LightenedColor(white, black, true), (TRgb{202, 202, 202}));  // 808 / 4
  // 818 / 4 = 204.5 and 914 / 4 = 228.5 go down to the even value.
  EXPECT_EQ(LightenedColor(white, TRgb{10, 36, 106}, true), (TRgb{204, 211, 228}));
}

TEST(LightenedColor, HalvesGoToTheEvenNeighbour) {
  // 1 + 553 = 554 / 4 = 138.5 → 138; 5 + 553 = 558 / 4 = 139.5 → 140.
  EXPECT_EQ(LightenedColor(TRgb{1, 5, 3}, TRgb{0, 0, 0}, true), (TRgb{138, 140, 139}));
  // The button-shadow glass has no third step: (C + G + 675) / 5.
  EXPECT_EQ(LightenedColor(TRgb{255, 0, 128}, TRgb{128, 128, 128}, false), (TRgb{212, 161, 186}));
}

TEST(LightenedColor, ClampsAtWhite) {
  EXPECT_EQ(LightenedColor(TRgb{255, 255, 255}, TRgb{255, 255, 255}, true), (TRgb{255, 255, 255}));  // 265.75
  EXPECT_EQ(LightenedColor(TRgb{255, 255, 255}, TRgb{255, 255, 255}, false), (TRgb{237, 237, 237}));
}

}  // namespace
}  // namespace hm
