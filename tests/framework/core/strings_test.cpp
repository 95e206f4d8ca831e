#include <gtest/gtest.h>

#include "framework/core/convert.h"
#include "framework/core/exception.h"
#include "framework/core/stream.h"
#include "framework/core/string_list.h"
#include "framework/core/text.h"

namespace hm {
namespace {

const std::string kToolbox = "\xE5\xB7\xA5\xE5\x85\xB7\xE7\xAE\xB1";  // 工具箱

TEST(StringList, SplitsAtCrLfLoneCrAndLoneLf) {
  TStringList l;
  l.SetText("a\r\nb\rc\nd");
  EXPECT_EQ(l.ToVector(), (std::vector<std::string>{"a", "b", "c", "d"}));
  l.SetText("a\r\n");
  EXPECT_EQ(l.ToVector(), (std::vector<std::string>{"a"})) << "a final line end adds no line";
  l.SetText("a\n\nb\r\r\n");
  EXPECT_EQ(l.ToVector(), (std::vector<std::string>{"a", "", "b", ""}));
  l.SetText("\n\r");
  EXPECT_EQ(l.ToVector(), (std::vector<std::string>{"", ""})) << "LF then CR are two line ends";
  l.SetText(std::string_view("a\nb\0c\nd", 7));
  EXPECT_EQ(l.ToVector(), (std::vector<std::string>{"a", "b"})) << "NUL ends the text";
  l.SetText("");
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, TextRoundTripsAndIndexOfIgnoresCase) {
  TStringList l{"TButton=button", "tedit=Edit", kToolbox};
  EXPECT_EQ(l.Text(), "TButton=button\r\ntedit=Edit\r\n" + kToolbox + "\r\n");
  TStringList m;
  m.SetText(l.Text());
  EXPECT_TRUE(m.Equals(l));
  EXPECT_EQ(l.IndexOf("TBUTTON=BUTTON"), 0);
  EXPECT_EQ(l.IndexOf(kToolbox), 2);
  EXPECT_EQ(l.IndexOf("tbutton"), -1);
  EXPECT_EQ(l.Values("TEdit"), "Edit");
  EXPECT_EQ(l.Names(0), "TButton");
  l.SetValue("TEdit", "");
  EXPECT_EQ(l.Count(), 2);
  EXPECT_THROW(l.Get(2), EListError);
  EXPECT_THROW(l.Insert(3, "x"), EListError);
  EXPECT_EQ(l.CommaText(), "TButton=button," + kToolbox);
}

TEST(IntegerConversion, AcceptsSignDecimalAndDollarHex) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-11"), -11);
  EXPECT_EQ(StrToInt("+42"), 42);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1) << "hex is a 32-bit pattern";
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(IntegerConversion, RejectsEverythingElseWithTheFrameworkMessage) {
  for (const char* bad : {"", " 1", "1 ", "1a", "--1", "+", "$", "$G", "0x10", "2147483648", "-2147483649",
                          "$100000000", "1.0", "１２"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef(bad, -7), -7) << bad;
  }
  EXPECT_EQ(StrToIntDef("13", -7), 13);
  EXPECT_EQ(TryStrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_FALSE(TryStrToInt64("9223372036854775808"));
  EXPECT_EQ(IntToHex(0xAB, 4), "00AB");
}

TEST(GbkText, TrimLengthAndLastDelimiter) {
  EXPECT_EQ(Trim(" \t\r\n" + kToolbox + " \x01"), kToolbox);
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \x1F"), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(GbkLength(kToolbox), 6u) << "a Chinese character counts two";
  EXPECT_EQ(GbkLength("ab" + kToolbox), 8u);
  // "乗" is 0x81 0x5C in GBK: its trail byte is a backslash code.
  const std::string gbk = "C:\\a\\\x81\x5C";
  EXPECT_EQ(GbkLastDelimiter(gbk, "\\"), 4u);
  EXPECT_EQ(GbkLastDelimiter("\x81\x5C", "\\"), std::string::npos);
  EXPECT_EQ(GbkLastDelimiter("a\\\x81", "\\"), 1u) << "a lone lead byte at the end";
  const std::string jou = "\xE4\xB9\x97";
  EXPECT_EQ(ExtractFilePath("D:\\" + kToolbox + "\\" + jou), "D:\\" + kToolbox + "\\");
  EXPECT_EQ(ExtractFileName("D:\\" + kToolbox + "\\" + jou), jou);
  EXPECT_EQ(ExtractFilePath("Code.BM"), "");
}

TEST(CaseRules, AsciiOnlyVersusTheLocale) {
  EXPECT_TRUE(SameText("TCustomPanel", "TCUSTOMPANEL"));
  EXPECT_FALSE(SameText("Ä", "ä")) << "ASCII rules leave other letters alone";
  EXPECT_TRUE(AnsiSameText("Ä", "ä"));
  EXPECT_TRUE(AnsiSameText("ＡＢＣ", "ａｂｃ"));
  EXPECT_TRUE(AnsiSameText("Жук", "жУК"));
  EXPECT_EQ(UpperCase("ab" + kToolbox), "AB" + kToolbox);
  EXPECT_EQ(AnsiUpperCase("äé"), "ÄÉ");
  EXPECT_EQ(AnsiLowerCase("ŁÓDŹ"), "łódź");
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_EQ(AnsiCompareText(kToolbox, kToolbox), 0);
}

TEST(Streams, MemoryStreamPositionSizeAndShortReads) {
  TMemoryStream s;
  s.WriteInt32(27588);
  s.WriteBuffer("abc", 3);
  EXPECT_EQ(s.Size(), 7);
  EXPECT_EQ(s.Position(), 7);
  s.SetPosition(0);
  EXPECT_EQ(s.ReadInt32(), 27588);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 3) << "Read moves what it can";
  EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_THROW(s.Seek(-3, TSeekOrigin::soCurrent), EStreamError);
  s.Seek(4, TSeekOrigin::soEnd);
  s.WriteBuffer("z", 1);
  EXPECT_EQ(s.Bytes(), std::string("\xC4\x6B\0\0\0\0z", 7)) << "a gap is zero-filled";
  TMemoryStream copy;
  EXPECT_EQ(copy.CopyFrom(s, 0), 7);
  EXPECT_EQ(copy.Bytes(), s.Bytes());
}

TEST(Streams, FileStreamWithChinesePathAndErrors) {
  const std::string dir = ::testing::TempDir();
  const std::string path = dir + kToolbox + ".bin";
  {
    TFileStream f(path, fmCreate);
    f.WriteInt32(-1);
    f.WriteBuffer("xyz", 3);
    EXPECT_EQ(f.Size(), 7);
  }
  EXPECT_TRUE(FileExists(path));
  TMemoryStream m;
  m.LoadFromFile(path);
  EXPECT_EQ(m.Bytes(), std::string("\xFF\xFF\xFF\xFFxyz", 7));
  {
    TFileStream f(path, fmOpenReadWrite);
    f.SetSize(2);
    EXPECT_EQ(f.Size(), 2);
  }
  EXPECT_TRUE(RemoveFile(path));
  EXPECT_FALSE(FileExists(path));
  try {
    TFileStream f(dir + "missing-" + kToolbox, fmOpenRead);
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + dir + "missing-" + kToolbox + "\".", 0), 0u) << e.Message();
  }
  EXPECT_THROW(TFileStream(dir + "no-such-dir/x", fmCreate), EFCreateError);
}

}  // namespace
}  // namespace hm
