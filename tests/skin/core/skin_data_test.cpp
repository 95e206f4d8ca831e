// What a load makes of a skin's INI text and bitmaps: caption buttons, the
// button images, the frame borders, the title and the colours.
#include "skin/core/win_skin_data.h"

#include <gtest/gtest.h>

#include "tests/skin/core/test_skin.h"

namespace hm {
namespace {

using test::Load;
using test::PixelAt;
using test::TestPixel;
using test::TTestSkin;

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

const TDataSkinSysButton* FindButton(const TSkinData& data, const std::string& name) {
  for (const auto& b : data.CaptionButtons())
    if (b->Name == name) return b.get();
  return nullptr;
}

TEST(SkinDataCaptionButtons, FramesAreDerivedFromTheImageUnlessGiven) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Button0]\nButtonImage=wide.bmp\n"
                       "[Button1]\nAction=1\nButtonImage=three.bmp\n"
                       "[Button2]\nAction=2\nButtonImage=ratio.bmp\n"
                       "[Button3]\nAction=2\nframe=5\nButtonImage=wide.bmp\n"
                       "[Button4]\nAction=2\n")
                  .Bitmap("wide.bmp", 84, 12)
                  .Bitmap("three.bmp", 36, 12)
                  .Bitmap("ratio.bmp", 38, 10));
  ASSERT_FALSE(data->SkinNotLoaded());
  ASSERT_EQ(data->CaptionButtons().size(), 5u + 3u);
  EXPECT_EQ(FindButton(*data, "BUTTON0")->FrameCount, 6);
  EXPECT_EQ(FindButton(*data, "BUTTON1")->FrameCount, 3);
  EXPECT_EQ(FindButton(*data, "BUTTON2")->FrameCount, 3);
  EXPECT_EQ(FindButton(*data, "BUTTON3")->FrameCount, 5);
  EXPECT_EQ(FindButton(*data, "BUTTON4")->FrameCount, 6);  // no image
  EXPECT_EQ(FindButton(*data, "BUTTON1")->Bitmap.Width(), 36);
  EXPECT_EQ(PixelAt(FindButton(*data, "BUTTON1")->Bitmap, 35, 11), TestPixel(35, 11, 0x40));
}

TEST(SkinDataCaptionButtons, KeysDefaultsOrderAndNames) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini(
                  "[button7]\nAction=5\nAlign=1\nXcoord=24\nYcoord=5\nVisibility=2\nVisibility1=6\nCombineOp=3\n"
                  "[Buttons]\n[Button]\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
                  "[Button0]\n"));
  const auto& buttons = data->CaptionButtons();
  ASSERT_EQ(buttons.size(), 2u + 3u);
  const TDataSkinSysButton& first = *buttons[0];
  EXPECT_EQ(first.Name, "BUTTON7");  // file order, upper-case name
  EXPECT_EQ(first.Action, 5);
  EXPECT_EQ(first.Align, 1);
  EXPECT_EQ(first.XCoord, 24);
  EXPECT_EQ(first.YCoord, 5);
  EXPECT_EQ(first.Visibility, 2);
  EXPECT_EQ(first.Visibility1, 6);
  EXPECT_EQ(first.CombineOp, 3);
  const TDataSkinSysButton& plain = *buttons[1];
  EXPECT_EQ(plain.Name, "BUTTON0");
  EXPECT_EQ(plain.Action, 0);
  EXPECT_EQ(plain.Visibility, 0);
  EXPECT_EQ(plain.Visibility1, 0);
  EXPECT_EQ(plain.CombineOp, -1);
}

TEST(SkinDataCaptionButtons, ActionMinusOneNeedsVisibilityZero) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Button5]\nAction=-1\nButtonImage=three.bmp\n"
                       "[Button6]\nAction=-1\nVisibility=3\n"
                       "[Button7]\nAction=-1\nVisibility=0\nButtonImage=three.bmp\n")
                  .Bitmap("three.bmp", 36, 12));
  EXPECT_EQ(FindButton(*data, "BUTTON5"), nullptr);
  EXPECT_EQ(FindButton(*data, "BUTTON6"), nullptr);
  const TDataSkinSysButton* kept = FindButton(*data, "BUTTON7");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->FrameCount, 6);  // 36 x 12 would give 3
  EXPECT_EQ(kept->Visibility1, -1);
  EXPECT_EQ(kept->Bitmap.Width(), 36);
}

TEST(SkinDataCaptionButtons, Actions3And11LoseTheirImageUnlessFramesAreGiven) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Button0]\nAction=3\nButtonImage=three.bmp\n"
                       "[Button1]\nAction=11\nButtonImage=wide.bmp\n"
                       "[Button2]\nAction=3\nframe=2\nButtonImage=three.bmp\n")
                  .Bitmap("three.bmp", 36, 12)
                  .Bitmap("wide.bmp", 84, 12));
  EXPECT_TRUE(FindButton(*data, "BUTTON0")->Bitmap.Empty());
  EXPECT_EQ(FindButton(*data, "BUTTON0")->FrameCount, 3);  // counted before the image went
  EXPECT_TRUE(FindButton(*data, "BUTTON1")->Bitmap.Empty());
  EXPECT_EQ(FindButton(*data, "BUTTON1")->FrameCount, 6);
  EXPECT_EQ(FindButton(*data, "BUTTON2")->Bitmap.Width(), 36);
  EXPECT_EQ(FindButton(*data, "BUTTON2")->FrameCount, 2);
}

TEST(SkinDataCaptionButtons, MdiButtonsAreCutFromMdiControls) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Button0]\n[MdiControls]\nImage=mdi.bmp\n")
                  .Bitmap("mdi.bmp", 180, 14));
  const auto& buttons = data->CaptionButtons();
  ASSERT_EQ(buttons.size(), 4u);
  const int xcoords[] = {57, 38, 19};
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& b = *buttons[static_cast<std::size_t>(1 + i)];
    SCOPED_TRACE(i);
    EXPECT_EQ(b.Action, 7 + i);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.YCoord, 0);
    EXPECT_EQ(b.XCoord, xcoords[i]);
    ASSERT_EQ(b.Bitmap.Width(), 60);
    ASSERT_EQ(b.Bitmap.Height(), 14);
    EXPECT_EQ(PixelAt(b.Bitmap, 0, 0), TestPixel(60 * i, 0, 0x40));
    EXPECT_EQ(PixelAt(b.Bitmap, 59, 13), TestPixel(60 * i + 59, 13, 0x40));
  }
}

TEST(SkinDataCaptionButtons, WithoutMdiControlsTheThreeButtonsHaveNoImage) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[TitlebarSkin]\nSkinName=plain\n"));
  ASSERT_EQ(data->CaptionButtons().size(), 3u);
  for (const auto& b : data->CaptionButtons()) {
    EXPECT_TRUE(b->Bitmap.Empty());
    EXPECT_EQ(b->XCoord, 0);
    EXPECT_EQ(b->FrameCount, 4);
  }
  EXPECT_EQ(data->SkinName(), "plain");
}

TEST(SkinDataButtons, CheckAndRadioFramesAreDerivedWhenNotGiven) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Buttons]\nBitmap=push.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
                       "LeftWidth=4\nRightWidth=5\nTopHeight=6\nBottomHeight=7\nTrans=1\nTile=3\n"
                       "NormalColour=0\nMouseOverColour=1\nNormalColour2=51 51 51\n")
                  .Bitmap("push.bmp", 375, 20)
                  .Bitmap("check.bmp", 56, 14)
                  .Bitmap("radio.bmp", 40, 16));
  const TDataSkinButton& b = data->Buttons();
  EXPECT_EQ(b.Name, "Buttons");
  EXPECT_EQ(b.FrameCount, 5);
  EXPECT_EQ(b.CheckFrameCount, 4);
  EXPECT_EQ(b.RadioFrameCount, 4);
  EXPECT_EQ(b.Bitmap.Width(), 375);
  EXPECT_EQ(b.LeftWidth, 4);
  EXPECT_EQ(b.RightWidth, 5);
  EXPECT_EQ(b.TopHeight, 6);
  EXPECT_EQ(b.BottomHeight, 7);
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.Tile, 3);  // not clamped here
  EXPECT_EQ(b.NormalColour, 0);
  EXPECT_EQ(b.MouseOverColour, 1);
  EXPECT_EQ(b.PressedColour, -1);
  EXPECT_EQ(b.NormalColour2, Rgb(51, 51, 51));
  EXPECT_TRUE(b.HasNormalColour2);
  EXPECT_FALSE(b.HasPressedColour2);

  Load(*data, TTestSkin()
                  .Ini("[Buttons]\nCheckButton=check.bmp\nRadioButton=check.bmp\nRadioButtonFrame=7\n")
                  .Bitmap("check.bmp", 96, 16));
  EXPECT_EQ(data->Buttons().CheckFrameCount, 6);
  EXPECT_EQ(data->Buttons().RadioFrameCount, 7);
  EXPECT_TRUE(data->Buttons().Bitmap.Empty());
}

TEST(SkinDataBorders, MarginKeysRunAlongEachBorder) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Personality]\nLeft=side.bmp\nLeftTopHeight=24\nLeftBotHeight=13\nLeftFrame=2\n"
                       "LeftStretch=0\nLeftTrans=0\n"
                       "Top=top.bmp\nTopTopHeight=3\nTopBotHeight=4\n")
                  .Bitmap("side.bmp", 10, 174)
                  .Bitmap("top.bmp", 100, 50));
  const TDataSkinBorder& left = data->Border(sbLeft);
  EXPECT_EQ(left.Name, "Left");
  EXPECT_EQ(left.TopHeight, 24);
  EXPECT_EQ(left.BottomHeight, 13);
  EXPECT_EQ(left.LeftWidth, 0);
  EXPECT_EQ(left.FrameCount, 2);
  EXPECT_EQ(left.Tile, 0);
  EXPECT_EQ(left.Trans, 0);
  const TDataSkinBorder& top = data->Border(sbTop);
  EXPECT_EQ(top.LeftWidth, 3);
  EXPECT_EQ(top.RightWidth, 4);
  EXPECT_EQ(top.TopHeight, 0);
  EXPECT_EQ(top.Bitmap.Height(), 50);
  // Defaults of a border the skin does not describe.
  const TDataSkinBorder& bottom = data->Border(sbBottom);
  EXPECT_EQ(bottom.Name, "Bottom");
  EXPECT_TRUE(bottom.Bitmap.Empty());
  EXPECT_EQ(bottom.FrameCount, 1);
  EXPECT_EQ(bottom.Tile, 1);
  EXPECT_EQ(bottom.Trans, 1);
}

TEST(SkinDataBitmaps, OnlyLowerCaseBmpAndTheFolderPartIgnored) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Personality]\nTop=kol.BMP\nLeft=c:\\skins\\old\\kol.bmp\nRight=missing.bmp\n"
                       "Bottom=KOL.bmp\nTextBack=junk.bmp\n")
                  .Bitmap("kol.bmp", 12, 7)
                  .Member("junk.bmp", "not a bitmap"));
  EXPECT_TRUE(data->Border(sbTop).Bitmap.Empty());
  EXPECT_EQ(data->Border(sbLeft).Bitmap.Width(), 12);
  EXPECT_TRUE(data->Border(sbRight).Bitmap.Empty());
  EXPECT_EQ(data->Border(sbBottom).Bitmap.Height(), 7);  // member names ignore case
  EXPECT_TRUE(data->Title().Bitmap.Empty());             // undecodable: as if missing
  EXPECT_FALSE(data->SkinNotLoaded());
}

TEST(SkinDataTitle, TextKeysColoursAndFontHeight) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Personality]\nTextShift=60\nTextShiftVert=-2\nTextRightClip=61\nTextAlignment=1\n"
                       "Textbackground=1\nTXTBackLeft=12\nTXTBackRight=13\n"
                       "ActiveTextR=220\nActiveTextG=476\nActiveTextB=191\nInActiveTextR=90\nInActiveTextG=90\n"
                       "[Fonts]\nFontHeight=12\n"));
  const TDataSkinTitle& t = data->Title();
  EXPECT_EQ(t.Name, "Title");
  EXPECT_EQ(t.LeftWidth, 60);
  EXPECT_EQ(t.TopHeight, -2);
  EXPECT_EQ(t.RightWidth, 61);
  EXPECT_EQ(t.BottomHeight, 0);
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TextBackground, 1);
  EXPECT_EQ(t.TxtBackLeft, 12);
  EXPECT_EQ(t.TxtBackRight, 13);
  EXPECT_EQ(t.ActiveTextColor, Rgb(220, 220, 191));
  EXPECT_EQ(t.InactiveTextColor, clNone);  // no blue
  EXPECT_EQ(t.FontHeight, 12);
  EXPECT_EQ(t.FrameCount, 2);

  Load(*data, TTestSkin().Ini("[Fonts]\nFontHeight=twelve\n"));
  EXPECT_EQ(data->Title().FontHeight, 14);
  EXPECT_EQ(data->Title().ActiveTextColor, clNone);
}

TEST(SkinDataColours, KeysDefaultsAndTheMenubarFollowingButtonFace) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[Colours]\nButtonFace=223 223 219\nScrollbar=102 102 102\nMenu=\n"));
  const TSkinColours& c = data->Colours();
  EXPECT_EQ(c.ButtonFaceColor, Rgb(223, 223, 219));
  EXPECT_EQ(c.MenubarColor, Rgb(223, 223, 219));
  EXPECT_EQ(c.ScrollbarColor, Rgb(102, 102, 102));
  EXPECT_EQ(c.MenuColor, clMenu);  // empty value: default
  EXPECT_EQ(c.WindowTextColor, clWindowText);
  EXPECT_EQ(c.ButtonLightColor, clBtnHighlight);
  EXPECT_EQ(c.ButtonDkShadowColor, cl3DDkShadow);
  EXPECT_EQ(c.TitleTextNoActiveColor, clInactiveCaptionText);
}

TEST(SkinDataColours, TheTableFollowsSectionOrderNotTheDigits) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[Colour2]\ncolor=191 220 220\n[Colours]\nWindowText=1 1 1\n"
                              "[Colour0]\nCOLOR=51 51 51\n[colour7]\n"));
  EXPECT_EQ(data->ColourTable(), (std::vector<TColor>{Rgb(191, 220, 220), Rgb(51, 51, 51), clWindowText}));
}

TEST(SkinDataColours, DirectColoursDefaultToButtonText) {
  const std::string sections = "[Buttons]\nMouseOverColour2=1 2 3\n[Tabs]\nImage=tabs.bmp\n";
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini(sections).Bitmap("tabs.bmp", 20, 4));
  EXPECT_EQ(data->Buttons().NormalColour2, clBtnText);
  EXPECT_EQ(data->Buttons().MouseOverColour2, Rgb(1, 2, 3));
  EXPECT_FALSE(data->Buttons().HasNormalColour2);
  ASSERT_NE(data->Section(ssTabs), nullptr);
  EXPECT_EQ(data->Section(ssTabs)->PressedColour2, clBtnText);

  Load(*data, TTestSkin().Ini("[Colours]\nButtonText=9 8 7\n" + sections).Bitmap("tabs.bmp", 20, 4));
  EXPECT_EQ(data->Buttons().NormalColour2, Rgb(9, 8, 7));
  EXPECT_EQ(data->Section(ssTabs)->PressedColour2, Rgb(9, 8, 7));
}

}  // namespace
}  // namespace hm
