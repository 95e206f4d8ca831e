// The loader's value rules, which decide what a skin's INI text means.
#include "skin/core/skin_values.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/core/skin3rd_defaults.h"
#include "skin/core/skin_options.h"

namespace hm {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

TEST(SkinColourText, ThreeNumbersInAnySeparation) {
  EXPECT_EQ(ParseSkinColour("51 51 51", clRed), Rgb(51, 51, 51));
  EXPECT_EQ(ParseSkinColour("10,20,30,", clRed), Rgb(10, 20, 30));
  EXPECT_EQ(ParseSkinColour("  1;2  x3 ", clRed), Rgb(1, 2, 3));
  EXPECT_EQ(ParseSkinColour("1 2 3 4 5", clRed), Rgb(1, 2, 3));  // further numbers ignored
}

TEST(SkinColourText, AFinalRunCountsOnlyAsTheThirdComponent) {
  EXPECT_EQ(ParseSkinColour("10 20", clRed), Rgb(10, 0, 0));
  EXPECT_EQ(ParseSkinColour("51", clRed), Rgb(0, 0, 0));
  EXPECT_EQ(ParseSkinColour("7;", clRed), Rgb(7, 0, 0));
  EXPECT_EQ(ParseSkinColour("7 ", clRed), Rgb(0, 0, 0));  // trimmed first: the run is still pending
}

TEST(SkinColourText, ComponentsWrapAtByteSizeAndSignsAreSeparators) {
  EXPECT_EQ(ParseSkinColour("300 256 -1", clRed), Rgb(44, 0, 1));
  EXPECT_EQ(ParseSkinColour("2147483647 0 0", clRed), Rgb(255, 0, 0));
}

TEST(SkinColourText, ARunTooLargeBlocksItAndEveryLaterComponent) {
  EXPECT_EQ(ParseSkinColour("2147483648 1 2", clRed), Rgb(0, 0, 0));
  EXPECT_EQ(ParseSkinColour("9 99999999999 2 3", clRed), Rgb(9, 0, 0));
  EXPECT_EQ(ParseSkinColour("9 8 99999999999", clRed), Rgb(9, 8, 0));
}

TEST(SkinColourText, EmptyTextGivesTheDefaultOtherTextIsBlack) {
  EXPECT_EQ(ParseSkinColour("", clBtnText), clBtnText);
  EXPECT_EQ(ParseSkinColour(" \t ", clBtnText), clBtnText);
  EXPECT_EQ(ParseSkinColour("none", clBtnText), clBlack);
}

TEST(SkinColourText, TitleTextColourNeedsAllThreeComponents) {
  EXPECT_EQ(SkinRgb(220, 220, 191), Rgb(220, 220, 191));
  EXPECT_EQ(SkinRgb(256, 257, 511), Rgb(0, 1, 255));
  EXPECT_EQ(SkinRgb(0, -1, 0), clNone);
  EXPECT_EQ(SkinRgb(-1, -1, -1), clNone);
}

TEST(SkinBitmapValue, OnlyALowerCaseBmpExtensionNamesAMember) {
  EXPECT_EQ(SkinBitmapMember("kol_body_top.bmp"), "kol_body_top.bmp");
  EXPECT_EQ(SkinBitmapMember("a.b.bmp"), "a.b.bmp");
  EXPECT_EQ(SkinBitmapMember(".bmp"), ".bmp");
  EXPECT_FALSE(SkinBitmapMember("kol_body_top.BMP"));
  EXPECT_FALSE(SkinBitmapMember("kol_body_top.Bmp"));
  EXPECT_FALSE(SkinBitmapMember("kol.bmp.txt"));
  EXPECT_FALSE(SkinBitmapMember("0"));
  EXPECT_FALSE(SkinBitmapMember(""));
}

TEST(SkinBitmapValue, TheFolderPartIsIgnored) {
  EXPECT_EQ(SkinBitmapMember("c:\\skins\\old\\kol.bmp"), "kol.bmp");
  EXPECT_EQ(SkinBitmapMember("d:kol.bmp"), "kol.bmp");
  EXPECT_FALSE(SkinBitmapMember("skins\\"));
  EXPECT_FALSE(SkinBitmapMember("skins\\kol.bmp\\"));
  // Only '\' and ':' end a folder part.
  EXPECT_EQ(SkinBitmapMember("skins/kol.bmp"), "skins/kol.bmp");
}

TEST(SkinBitmapValue, ABackslashInsideADoubleByteCharacterIsNoSeparator) {
  // 0x81 0x5C is one GBK character whose second byte is '\'.
  EXPECT_EQ(SkinBitmapMember("\x81\x5C" "kol.bmp"), "\x81\x5C" "kol.bmp");
  EXPECT_EQ(SkinBitmapMember("x\\\x81\x5C" "kol.bmp"), "\x81\x5C" "kol.bmp");
}

TEST(SkinSections, CaptionButtonsAreButtonSectionsButTheControlOnes) {
  for (const char* name : {"Button0", "button5", "BUTTONX", "Buttonsx", "Button.Other"})
    EXPECT_TRUE(IsCaptionButtonSection(name)) << name;
  for (const char* name : {"Button", "Buttons", "BUTTONS", "Button.Radio", "button.checkbox", "MyButton", "Buton"})
    EXPECT_FALSE(IsCaptionButtonSection(name)) << name;
}

TEST(SkinSections, ColourTableSectionsBeginWithColour) {
  for (const char* name : {"Colour0", "COLOUR12", "colour", "ColourX"}) EXPECT_TRUE(IsColourTableSection(name)) << name;
  for (const char* name : {"Colours", "COLOURS", "Color0", "MyColour"}) EXPECT_FALSE(IsColourTableSection(name)) << name;
}

TEST(SkinFrames, CaptionButtonFramesFollowTheImageRatio) {
  EXPECT_EQ(CaptionButtonFrameCount(84, 12, 0), 6);
  EXPECT_EQ(CaptionButtonFrameCount(36, 12, 0), 3);
  EXPECT_EQ(CaptionButtonFrameCount(38, 10, 0), 3);  // exactly 3.8
  EXPECT_EQ(CaptionButtonFrameCount(39, 10, 0), 6);
  EXPECT_EQ(CaptionButtonFrameCount(0, 0, 1), 6);    // no image
  EXPECT_EQ(CaptionButtonFrameCount(36, 12, -1), 6); // negative actions always 6
  EXPECT_EQ(CaptionButtonFrameCount(36, 12, -7), 6);
}

TEST(SkinFrames, MdiButtonsAreCutFourFramesEach) {
  const int xcoords[] = {57, 38, 19};
  for (int i = 0; i < 3; ++i) {
    const TMdiButtonCut cut = MdiButtonCut(180, i);
    EXPECT_EQ(cut.left, 60 * i);
    EXPECT_EQ(cut.width, 60);
    EXPECT_EQ(cut.xcoord, xcoords[i]);
  }
  EXPECT_EQ(MdiButtonCut(11, 2).width, 0);  // narrower than 12 frames
  EXPECT_EQ(MdiButtonCut(11, 2).xcoord, 4);
}

TEST(SkinFrames, CheckFramesAre13Or16WideAndAtLeastFour) {
  EXPECT_EQ(CheckFrameCount(56, 14), 4);
  EXPECT_EQ(CheckFrameCount(40, 16), 4);  // 2, raised
  EXPECT_EQ(CheckFrameCount(96, 16), 6);
  EXPECT_EQ(CheckFrameCount(78, 15), 6);  // 13 wide below 16
  EXPECT_EQ(CheckFrameCount(0, 0), 4);
}

TEST(SkinOptions, DefaultsOfTheSkinComponent) {
  EXPECT_TRUE(kDefaultSkinControls.Contains(xcMainMenu));
  EXPECT_TRUE(kDefaultSkinControls.Contains(xcSystemMenu));
  EXPECT_FALSE(kDefaultSkinControls.Contains(xcFastReport));
  EXPECT_EQ(kDefaultSkinControls.Bits(), (1u << 18) - 1);

  const auto lines = DefaultSkin3rdLines();
  ASSERT_EQ(lines.size(), 85u);
  EXPECT_STREQ(lines.front(), "TTBDock=Panel");
  EXPECT_STREQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");
  std::multiset<std::string> all(lines.begin(), lines.end());
  std::set<std::string> repeated;
  for (const std::string& line : all)
    if (all.count(line) > 1) repeated.insert(line);
  EXPECT_EQ(repeated, (std::set<std::string>{"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox",
                                             "TWWDBCombobox=Combobox"}));
  EXPECT_EQ(all.count("TLMDCalculator=panel"), 1u);  // the kinds keep their letter case
}

}  // namespace
}  // namespace hm
