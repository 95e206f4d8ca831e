// Recognising inputs and checking identity-card numbers.
#include <gtest/gtest.h>

#include "tools/haomiso-query/classify.h"
#include "tools/haomiso-query/id_number.h"

namespace hm::query {
namespace {

void ExpectKind(std::string_view line, TInputKind kind, std::string_view value) {
  const TClassified c = Classify(line);
  EXPECT_EQ(c.kind, kind) << line << ": " << c.reason;
  EXPECT_EQ(c.value, value) << line;
}

std::string Reason(std::string_view line, TForcedKind as = TForcedKind::Auto) {
  const TClassified c = Classify(line, as);
  EXPECT_EQ(c.kind, TInputKind::Refused) << line;
  return c.reason;
}

TEST(Classify, MobileNumbersInTheirUsualSpellings) {
  for (const char* line : {"13800138000", "+8613800138000", "008613800138000", "+86 138-0013-8000", " 138 0013 8000\t",
                           "0086 138 0013 8000"}) {
    ExpectKind(line, TInputKind::Mobile, "13800138000");
  }
  EXPECT_EQ(Reason("23800138000"), "11位号码不是手机号码(应以1开头)");
  EXPECT_EQ(Reason("+86 010 12345678"), "+86或0086后应为11位手机号码");
  EXPECT_EQ(Reason("1380013800"), "无法识别的号码(10位数字)");
}

TEST(Classify, IdentityCardNumbersDivisionAndAreaCodes) {
  ExpectKind("11010519491231002X", TInputKind::IdNumber, "11010519491231002X");
  ExpectKind("110105 19491231 002x", TInputKind::IdNumber, "11010519491231002x");
  ExpectKind("110105491231002", TInputKind::IdNumber, "110105491231002");
  ExpectKind("440305", TInputKind::DivisionCode, "440305");
  ExpectKind("010", TInputKind::AreaCode, "010");
  ExpectKind("0755-", TInputKind::AreaCode, "0755");
  EXPECT_EQ(Reason("1101051949123100X"), "只有18位身份证号码的最后一位可以是X");
  EXPECT_EQ(Reason("1X0105194912310021"), "号码中有无法识别的字符'X'");
  EXPECT_EQ(Reason("012345678901234"), "15位号码不是身份证号码(不能以0开头)");
  EXPECT_EQ(Reason("755"), "无法识别的号码(3位数字)");
  EXPECT_EQ(Reason("07555"), "无法识别的号码(5位数字)");
}

TEST(Classify, TextIsSearchedUnlessItIsAMistypedNumber) {
  ExpectKind("  南山 ", TInputKind::Text, "南山");
  ExpectKind("O'Brien", TInputKind::Text, "O'Brien");
  ExpectKind("深圳0755", TInputKind::Text, "深圳0755");
  EXPECT_EQ(Reason("1380013800O"), "号码中有无法识别的字符'O'");
  ExpectKind(" \r", TInputKind::Empty, "");
  EXPECT_EQ(Reason("南\t山"), "含有控制字符");
  EXPECT_EQ(Reason(std::string(kMaxInputBytes + 1, 'a')), "输入过长(超过1000字节)");
}

TEST(Classify, ForcedKinds) {
  EXPECT_EQ(Classify("518052", TForcedKind::Text).kind, TInputKind::Text);
  EXPECT_EQ(Classify("+86 13800138000", TForcedKind::Mobile).value, "13800138000");
  EXPECT_EQ(Reason("440305", TForcedKind::Mobile), "不是11位手机号码");
  EXPECT_EQ(Reason("13800138000", TForcedKind::IdNumber), "不是15位或18位身份证号码");
  EXPECT_EQ(Classify("0755", TForcedKind::AreaCode).kind, TInputKind::AreaCode);
  EXPECT_EQ(Reason("755", TForcedKind::AreaCode), "不是区号(0加2或3位数字)");
}

const TDate kToday{2024, 6, 15};

TEST(IdNumber, ValidNumbersGiveBirthDateAndSex) {
  const TIdNumberCheck a = CheckIdNumber("11010519491231002X", kToday);
  EXPECT_TRUE(a.failures.empty());
  EXPECT_EQ(a.birthDate, "1949-12-31");
  EXPECT_EQ(a.sex, "女");
  const TIdNumberCheck b = CheckIdNumber("440524188001010014", kToday);
  EXPECT_TRUE(b.failures.empty());
  EXPECT_EQ(b.birthDate, "1880-01-01");
  EXPECT_EQ(b.sex, "男");
  // A lower-case x is the same check character.
  EXPECT_TRUE(CheckIdNumber("11010519491231002x", kToday).failures.empty());
  EXPECT_EQ(CheckIdNumber("11010519491231002x", kToday).id18, "11010519491231002X");
}

TEST(IdNumber, AWrongCheckCharacterNamesTheExpectedOne) {
  EXPECT_EQ(CheckIdNumber("110105194912310021", kToday).failures, std::vector<std::string>{"校验码错误(应为X)"});
  EXPECT_EQ(CheckIdNumber("44052418800101001X", kToday).failures, std::vector<std::string>{"校验码错误(应为4)"});
}

TEST(IdNumber, BirthDatesMustBeRealAndPast) {
  const auto failures = [](std::string_view first17) {
    std::string number(first17);
    number += IdCheckCharacter(number);
    return CheckIdNumber(number, kToday).failures;
  };
  EXPECT_EQ(failures("11010519900230123"), std::vector<std::string>{"出生日期无效(19900230)"});
  EXPECT_EQ(failures("11010519001301123"), std::vector<std::string>{"出生日期无效(19001301)"});
  EXPECT_EQ(failures("11010519000229123"), std::vector<std::string>{"出生日期无效(19000229)"});
  EXPECT_TRUE(failures("11010520000229123").empty());
  EXPECT_TRUE(failures("11010520240615123").empty());  // born today
  EXPECT_EQ(failures("11010520240616123"), std::vector<std::string>{"出生日期晚于今天(20240616)"});
  // Every failure is named, in the order of the digits.
  EXPECT_EQ(CheckIdNumber("110105199002301230", kToday).failures.size(), 2u);
}

TEST(IdNumber, FifteenDigitsBecomeEighteen) {
  const TIdNumberCheck old = CheckIdNumber("110105491231002", kToday);
  EXPECT_EQ(old.id18, "11010519491231002X");
  EXPECT_TRUE(old.failures.empty());
  EXPECT_EQ(old.sex, "女");
  EXPECT_EQ(CheckIdNumber("110105900230123", kToday).failures, std::vector<std::string>{"出生日期无效(900230)"});
}

}  // namespace
}  // namespace hm::query
