// The input checks and the statements they build, before any database.
#include <gtest/gtest.h>

#include "app/lookups/lookup_checks.h"
#include "app/lookups/lookup_database.h"
#include "app/lookups/lookup_statements.h"
#include "framework/core/exception.h"

namespace hm::lookups {
namespace {

std::string ConversionError(std::string_view text, TPrefixLookup (*check)(std::string_view)) {
  try {
    check(text);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "";
}

TEST(AreaSearchCheck, ColumnFollowsTheItemIndexAndFallsBackToAreaCode) {
  const std::pair<int, const char*> cases[] = {{0, "区号"}, {1, "邮编"}, {2, "省名"}, {3, "县市名"}, {-1, "区号"}, {4, "区号"}};
  for (const auto& [item, column] : cases) {
    EXPECT_EQ(CheckAreaSearch("x", "", item).column, column) << item;
  }
  EXPECT_EQ(AreaSearchItemIndex("省份"), 2);
  EXPECT_EQ(AreaSearchItemIndex("县/市名"), 3);
  EXPECT_EQ(AreaSearchItemIndex("省名"), -1);  // a column's name is not an item
}

TEST(AreaSearchCheck, EmptyTextIsRefusedWithTheComboText) {
  EXPECT_EQ(CheckAreaSearch("", "区号", 0).refusal, "请输入要查找的区号");
  // Blanks and control characters alone are empty too; a typed combo text
  // that is no item still completes the message.
  const TAreaSearch typed = CheckAreaSearch(" \t\r\n", "城市", -1);
  EXPECT_TRUE(typed.Refused());
  EXPECT_EQ(typed.refusal, "请输入要查找的城市");
  EXPECT_TRUE(typed.statement.empty());
}

TEST(AreaSearchCheck, StatementKeepsTheTextAsTyped) {
  EXPECT_EQ(CheckAreaSearch("3100", "邮编", 1).statement, "Select * from AreaData where 邮编 like '%3100%'");
  // Blanks around the text stay in the pattern; LIKE wildcards keep their meaning.
  EXPECT_EQ(CheckAreaSearch(" 深圳 ", "县/市名", 3).statement, "Select * from AreaData where 县市名 like '% 深圳 %'");
  EXPECT_EQ(AreaSearchStatement("区号", "07_5%"), "Select * from AreaData where 区号 like '%07_5%%'");
}

TEST(AreaSearchCheck, QuotesAreDoubledSoTheyCannotEndTheLiteral) {
  EXPECT_EQ(AreaSearchStatement("县市名", "O'Brien"), "Select * from AreaData where 县市名 like '%O''Brien%'");
  EXPECT_EQ(AreaSearchStatement("区号", "'; drop table AreaData; --"),
            "Select * from AreaData where 区号 like '%''; drop table AreaData; --%'");
  EXPECT_EQ(AreaSearchStatement("区号", "''"), "Select * from AreaData where 区号 like '%''''%'");
}

TEST(MobileCheck, SevenBytesOfTheTrimmedTextBecomeThePrefix) {
  const TPrefixLookup lookup = CheckMobileLookup("  13800138000 \t");
  ASSERT_FALSE(lookup.Refused());
  EXPECT_EQ(lookup.prefix, 1380013);
  EXPECT_EQ(lookup.statement, "Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  EXPECT_EQ(CheckMobileLookup("1380013").prefix, 1380013);
}

TEST(MobileCheck, SixBytesOrFewerAreRefusedCountingGbkBytes) {
  EXPECT_EQ(CheckMobileLookup("138001").refusal, "手机号码必须输入7位以上!");
  EXPECT_EQ(CheckMobileLookup("   138001   ").refusal, kMobileTooShortMessage);
  // Three Chinese characters are six bytes: refused, not converted.
  EXPECT_EQ(CheckMobileLookup("北京市").refusal, kMobileTooShortMessage);
}

TEST(MobileCheck, APrefixThatIsNoIntegerRaisesTheConversionError) {
  EXPECT_EQ(ConversionError("138 0013 8000", CheckMobileLookup), "'138 001' is not a valid integer value");
  EXPECT_EQ(ConversionError("北京市1", CheckMobileLookup), "'北京市1' is not a valid integer value");
  // Seven bytes end inside 长: the half character is no digit either.
  EXPECT_EQ(ConversionError("北京市长", CheckMobileLookup), "'北京市?' is not a valid integer value");
}

TEST(IdCheck, SixBytesPassAndTheCheckLetterNeverReachesTheConversion) {
  EXPECT_EQ(CheckIdLookup("11010").refusal, "身份证号码必须输入6位以上!");
  EXPECT_EQ(CheckIdLookup("110103").prefix, 110103);
  const TPrefixLookup id = CheckIdLookup("11010519491231002X");
  EXPECT_EQ(id.prefix, 110105);
  EXPECT_EQ(id.statement, "Select * from ZipCode where BM=110105");
  EXPECT_EQ(ConversionError("11O105", CheckIdLookup), "'11O105' is not a valid integer value");
}

TEST(GbkPrefix, CountsChineseCharactersTwice) {
  EXPECT_EQ(GbkPrefix("北京110", 5), "北京1");
  EXPECT_EQ(GbkPrefix("1北京", 3), "1北");
  EXPECT_EQ(GbkPrefix("1北京", 2), "1?");
  EXPECT_EQ(GbkPrefix("北京", 1), "?");
  EXPECT_EQ(GbkPrefix("abc", 7), "abc");
}

TEST(ConnectionString, PlainPathsAsTheWindowWritesThemOthersBraced) {
  EXPECT_EQ(LookupConnectionString("D:\\工具\\Code.BM"),
            "driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=D:\\工具\\Code.BM;"
            "Persist Security Info=False");
  EXPECT_NE(LookupConnectionString("/tmp/a;b/Code.BM").find("dbq={/tmp/a;b/Code.BM};"), std::string::npos);
  EXPECT_NE(LookupConnectionString("/tmp/{x}/Code.BM").find("dbq=/tmp/{x}/Code.BM;"), std::string::npos);
  EXPECT_NE(LookupConnectionString("{x}} ").find("dbq={{x}}}} };"), std::string::npos);
}

}  // namespace
}  // namespace hm::lookups
