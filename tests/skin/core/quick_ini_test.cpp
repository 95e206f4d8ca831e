#include "skin/core/quick_ini.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/core/stream.h"
#include "framework/core/string_list.h"

namespace hm {
namespace {

TQuickIni Ini(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromText(text);
  return ini;
}

TEST(QuickIni, KeysAreTrimmedAndMatchedIgnoringCase) {
  const TQuickIni ini = Ini("[Personality]\r\n  TopHeight = 4 \r\n\tName=a b = c \r\n");
  EXPECT_EQ(ini.ReadString("Personality", "topheight", "x"), "4");
  EXPECT_EQ(ini.ReadInteger("personality", "TOPHEIGHT", -1), 4);
  // Inner blanks and further equals signs belong to the value.
  EXPECT_EQ(ini.ReadString("Personality", "name", ""), "a b = c");
}

TEST(QuickIni, FirstSectionAndFirstKeyWin) {
  const TQuickIni ini = Ini(
      "[Buttons]\nA=1\nB=\nB=5\n"
      "[buttons]\nA=2\nC=3\n");
  EXPECT_EQ(ini.ReadString("BUTTONS", "a", ""), "1");
  EXPECT_EQ(ini.FindSection("buttons"), 0);
  // An empty value gives the default and ends the search for that key.
  EXPECT_EQ(ini.ReadString("Buttons", "b", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Buttons", "b", 7), 7);
  // Keys under the second header are out of reach.
  EXPECT_EQ(ini.ReadString("Buttons", "c", "none"), "none");
}

TEST(QuickIni, ScanStopsAtTheNextSection) {
  const TQuickIni ini = Ini("[One]\nA=1\n[Two]\nB=2\n");
  EXPECT_EQ(ini.ReadString("One", "B", "-"), "-");
  EXPECT_EQ(ini.ReadString("Two", "B", "-"), "2");
  EXPECT_EQ(ini.ReadString("Three", "B", "-"), "-");
}

TEST(QuickIni, OnlyWholeLinesAreComments) {
  const TQuickIni ini = Ini("[S]\n; A=1\n  ;B=2\n#C=3\nD=4 ; not a comment\n#E\n");
  EXPECT_EQ(ini.ReadString("S", "A", "-"), "-");
  EXPECT_EQ(ini.ReadString("S", "B", "-"), "-");
  EXPECT_EQ(ini.ReadString("S", "#C", "-"), "3");
  EXPECT_EQ(ini.ReadString("S", "D", "-"), "4 ; not a comment");
  ASSERT_EQ(ini.Lines().size(), 4u);  // [S], #C=3, D=..., #E
}

TEST(QuickIni, IntegersInDecimalAndHex) {
  const TQuickIni ini = Ini(
      "[N]\nHex=0x1F\nHexUpper=0X1f\nDollar=$1F\nBareX=0x\nNeg=-12\nTriple=51 51 51\nTrail=12px\nBig=2147483648\n");
  EXPECT_EQ(ini.ReadInteger("N", "Hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "HexUpper", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "Dollar", -1), 31);
  EXPECT_EQ(ini.ReadInteger("N", "BareX", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "Neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("N", "Triple", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "Trail", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "Big", -1), -1);
  EXPECT_EQ(ini.ReadInteger("N", "Missing", 99), 99);
}

TEST(QuickIni, LineEndsAndNul) {
  const TQuickIni ini = Ini(std::string("[S]\rA=1\nB=2\r\nC=3\n\rD=4\0[S2]\nE=5\n", 31));
  EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
  EXPECT_EQ(ini.ReadString("S", "B", ""), "2");
  EXPECT_EQ(ini.ReadString("S", "C", ""), "3");
  EXPECT_EQ(ini.ReadString("S", "D", ""), "4");
  EXPECT_EQ(ini.FindSection("S2"), -1);  // after the NUL
}

TEST(QuickIni, BlanksInsideBracketsAreListedTrimmedButNotFound) {
  const TQuickIni ini = Ini("[Personality]\n[ Button9 ]\nX=1\n[]\n");
  TStringList sections;
  sections.Add("stale");
  ini.ReadSections(sections);
  ASSERT_EQ(sections.Count(), 3);
  EXPECT_EQ(sections[0], "Personality");
  EXPECT_EQ(sections[1], "Button9");
  EXPECT_EQ(sections[2], "");
  EXPECT_EQ(ini.FindSection("Button9"), -1);
  EXPECT_EQ(ini.ReadString("Button9", "X", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString(" Button9 ", "X", "dflt"), "1");
}

TEST(QuickIni, EightBitTextIsKeptAsItIs) {
  // GBK "工具" as a value: bytes above 0x7F are neither trimmed nor folded.
  const TQuickIni ini = Ini("[T]\nSkinName=\xB9\xA4\xBE\xDF\nK\xC4=v\n");
  EXPECT_EQ(ini.ReadString("T", "SkinName", ""), "\xB9\xA4\xBE\xDF");
  EXPECT_EQ(ini.ReadString("T", "k\xC4", ""), "v");
  EXPECT_EQ(ini.ReadString("T", "k\xE4", "-"), "-");
}

TEST(QuickIni, LoadReadsFromTheStreamPositionAndReplacesContent) {
  TQuickIni ini;
  ini.LoadFromText("[Old]\nA=1\n");
  TMemoryStream stream("junk\n[New]\nA=2\n");
  stream.SetPosition(5);
  ini.Load(stream);
  EXPECT_EQ(ini.FindSection("Old"), -1);
  EXPECT_EQ(ini.ReadString("New", "A", ""), "2");

  TMemoryStream empty;
  ini.Load(empty);
  EXPECT_TRUE(ini.Lines().empty());
  EXPECT_EQ(ini.ReadInteger("New", "A", 8), 8);
}

}  // namespace
}  // namespace hm
