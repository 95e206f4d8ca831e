#include "framework/core/text.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

// "工具箱" in UTF-8 and in GBK (code page 936).
const std::string kToolboxUtf8 = "\xE5\xB7\xA5\xE5\x85\xB7\xE7\xAE\xB1";
const std::string kToolboxGbk = "\xB9\xA4\xBE\xDF\xCF\xE4";

TEST(TextConversion, ChineseRoundTripsThroughUtf16) {
  const std::u16string utf16 = Utf8ToUtf16(kToolboxUtf8);
  ASSERT_EQ(utf16, u"\u5DE5\u5177\u7BB1");
  EXPECT_EQ(Utf16ToUtf8(utf16), kToolboxUtf8);
}

TEST(TextConversion, ChineseRoundTripsThroughGbk) {
  EXPECT_EQ(Utf8ToGbk(kToolboxUtf8), kToolboxGbk);
  EXPECT_EQ(GbkToUtf8(kToolboxGbk), kToolboxUtf8);
  const std::string mixed = "D:\\" + kToolboxUtf8 + "\\Code.BM";
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk(mixed)), mixed);
}

TEST(TextConversion, GbkTrailByteThatLooksLikeABackslashStaysInItsCharacter) {
  // "乗" is 0x81 0x5C in GBK: its second byte is the code of '\'.
  const std::string jou = "\xE4\xB9\x97";
  EXPECT_EQ(Utf8ToGbk(jou), std::string("\x81\x5C"));
  EXPECT_EQ(GbkToUtf8("C:\\\x81\x5C\\a"), "C:\\" + jou + "\\a");
}

TEST(TextConversion, SupplementaryCharactersUseSurrogatePairs) {
  const std::string grin = "\xF0\x9F\x98\x80";  // U+1F600
  const std::u16string utf16 = Utf8ToUtf16(grin);
  ASSERT_EQ(utf16.size(), 2u);
  EXPECT_EQ(utf16[0], 0xD83D);
  EXPECT_EQ(utf16[1], 0xDE00);
  EXPECT_EQ(Utf16ToUtf8(utf16), grin);
}

TEST(TextConversion, MalformedInputIsReplacedNotDropped) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xE5\xB7"), u"\uFFFD\uFFFD");      // truncated sequence
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");      // overlong '/'
  EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");    // lone surrogate
  const std::string notInGbk = Utf8ToGbk("\xF0\x9F\x98\x80");
  ASSERT_FALSE(notInGbk.empty());
  EXPECT_EQ(notInGbk.find_first_not_of('?'), std::string::npos) << notInGbk;
}

TEST(TextConversion, EmptyTextStaysEmpty) {
  EXPECT_EQ(Utf8ToUtf16(""), u"");
  EXPECT_EQ(Utf16ToUtf8(u""), "");
  EXPECT_EQ(Utf8ToGbk(""), "");
  EXPECT_EQ(GbkToUtf8(""), "");
}

}  // namespace
}  // namespace hm
