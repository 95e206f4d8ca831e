// The find dialog's rules: the three match kinds with and without case,
// the byte prefix of "From beging of field", the steps through columns and
// records, and the offset of the remembered middle row.
#include "grid/portable/find_rules.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

TEST(FindTextMatches, TheThreeKindsAndTheCaseRule) {
  EXPECT_TRUE(FindTextMatches("Shenzhen", "zhe", TFindMatchKind::AnyPart, false));
  EXPECT_TRUE(FindTextMatches("Shenzhen", "ZHE", TFindMatchKind::AnyPart, false));
  EXPECT_FALSE(FindTextMatches("Shenzhen", "ZHE", TFindMatchKind::AnyPart, true));
  EXPECT_TRUE(FindTextMatches("Shenzhen", "zhe", TFindMatchKind::AnyPart, true));
  EXPECT_TRUE(FindTextMatches("0755", "0755", TFindMatchKind::WholeField, false));
  EXPECT_FALSE(FindTextMatches("07551", "0755", TFindMatchKind::WholeField, false));
  EXPECT_TRUE(FindTextMatches("abc", "ABC", TFindMatchKind::WholeField, false));
  EXPECT_FALSE(FindTextMatches("abc", "ABC", TFindMatchKind::WholeField, true));
  EXPECT_TRUE(FindTextMatches("0755", "07", TFindMatchKind::FieldStart, false));
  EXPECT_FALSE(FindTextMatches("0755", "75", TFindMatchKind::FieldStart, false));
  EXPECT_TRUE(FindTextMatches("深圳市", "深圳", TFindMatchKind::FieldStart, false));
  EXPECT_TRUE(FindTextMatches("广东深圳", "深圳", TFindMatchKind::AnyPart, false));
  // Beyond ASCII the locale's rules upper-case too (full-width Latin).
  EXPECT_TRUE(FindTextMatches("ａｂｃ", "ＡＢ", TFindMatchKind::AnyPart, false));
  EXPECT_FALSE(FindTextMatches("ａｂｃ", "ＡＢ", TFindMatchKind::AnyPart, true));
}

TEST(FindTextMatches, AFieldStartLongerThanTheFieldNeverMatches) {
  EXPECT_FALSE(FindTextMatches("075", "0755", TFindMatchKind::FieldStart, false));
  EXPECT_FALSE(FindTextMatches("", "0", TFindMatchKind::FieldStart, false));
  EXPECT_TRUE(FindTextMatches("075", "075", TFindMatchKind::FieldStart, false));
  // Counted in bytes of the 8-bit text: one Chinese character is two.
  EXPECT_FALSE(FindTextMatches("深", "深a", TFindMatchKind::FieldStart, false));
  EXPECT_TRUE(FindTextMatches("深ab", "深a", TFindMatchKind::FieldStart, false));
}

TEST(NextFindStep, ColumnsThenRecordsBothWays) {
  EXPECT_EQ(NextFindStep(0, 4, true).column, 1);
  EXPECT_EQ(NextFindStep(0, 4, true).record_move, 0);
  EXPECT_EQ(NextFindStep(3, 4, true).column, 0);
  EXPECT_EQ(NextFindStep(3, 4, true).record_move, 1);
  EXPECT_EQ(NextFindStep(2, 4, false).column, 1);
  EXPECT_EQ(NextFindStep(2, 4, false).record_move, 0);
  EXPECT_EQ(NextFindStep(0, 4, false).column, 3);
  EXPECT_EQ(NextFindStep(0, 4, false).record_move, -1);
  // One column searched: every step is a record.
  EXPECT_EQ(NextFindStep(0, 1, true).record_move, 1);
  EXPECT_EQ(NextFindStep(0, 1, false).record_move, -1);
  EXPECT_EQ(NextFindStep(0, 1, false).column, 0);
}

TEST(MiddleRowOffset, FromTheCurrentRowToTheMiddleOne) {
  // Nine rows: the middle is row 4.
  EXPECT_EQ(MiddleRowOffset(4, 9), 0);
  EXPECT_EQ(MiddleRowOffset(0, 9), -4);
  EXPECT_EQ(MiddleRowOffset(8, 9), 4);
  // Eight rows: the middle is row 3 (p + 1 - 4).
  EXPECT_EQ(MiddleRowOffset(3, 8), 0);
  EXPECT_EQ(MiddleRowOffset(7, 8), 4);
  EXPECT_EQ(MiddleRowOffset(0, 1), 0);
  EXPECT_EQ(MiddleRowOffset(0, 2), 0);
  EXPECT_EQ(MiddleRowOffset(1, 2), 1);
}

}  // namespace
}  // namespace hm
