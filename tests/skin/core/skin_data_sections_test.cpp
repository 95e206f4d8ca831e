// The image sections, the menu bar, and what a second skin leaves behind.
#include "skin/core/win_skin_data.h"

#include <gtest/gtest.h>

#include "tests/skin/core/test_skin.h"

namespace hm {
namespace {

using test::Load;
using test::PixelAt;
using test::TTestSkin;

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

// Every image section with a bitmap of its own, and `more` INI text.
TTestSkin AllSections(std::string more = "") {
  TTestSkin skin;
  std::string ini = std::move(more);
  for (int s = 0; s < kSkinSectionCount; ++s) {
    const std::string name(SkinSectionName(static_cast<TSkinSection>(s)));
    ini += "[" + name + "]\n" + (s == ssProgress ? "Bitmap" : "Image") + "=s" + std::to_string(s) + ".bmp\n";
    skin.Bitmap("s" + std::to_string(s) + ".bmp", 10 + s, 4);
  }
  return skin.Ini(ini);
}

TEST(SkinDataSections, EverySectionWithItsKindAndFixedFrameCount) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, AllSections());
  const int frames[kSkinSectionCount] = {2, 2, 1, 5, 5, 3, 4, 4, 5, 5, 5, 1, 23, 4, 4, 3, 3, 5, 5, 5, 5, 5, 5, 8, 8};
  for (int s = 0; s < kSkinSectionCount; ++s) {
    const auto section = static_cast<TSkinSection>(s);
    const TDataSkinObject* d = data->Section(section);
    SCOPED_TRACE(std::string(SkinSectionName(section)));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Name, SkinSectionName(section));
    EXPECT_EQ(d->Bitmap.Width(), 10 + s);
    EXPECT_EQ(d->FrameCount, frames[s]);
  }
  for (TSkinSection s : {ssProgress, ssTabs, ssComboButton, ssUpDownHorz, ssUpDownVert})
    EXPECT_NE(data->BorderSection(s), nullptr) << SkinSectionName(s);
  EXPECT_EQ(data->BorderSection(ssSunkEdge), nullptr);
  EXPECT_NE(data->GroupBox(), nullptr);
}

TEST(SkinDataSections, PlainKeysAndTheTileClamp) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[SunkEdge]\nImage=e.bmp\nStyle=2\nLeftWidth=1\nRightWidth=2\nTopHeight=3\nBottomHeight=4\n"
                       "Trans=1\nTile=2\nNormalColour=1\nPressedColour=2\nNormalColour2=5 6 7\n"
                       "[Headerbar]\nImage=e.bmp\nTile=1\n"
                       "[HorzScrollThumb]\nImage=e.bmp\nFrameCount=7\n"
                       "[GroupBox]\nImage=e.bmp\nBackgroundAlignment=1\nBackgroundLeftShift=4\n"
                       "BackgroundRightShift=5\n")
                  .Bitmap("e.bmp", 16, 16));
  const TDataSkinObject& sunk = *data->Section(ssSunkEdge);
  EXPECT_EQ(sunk.Style, 2);
  EXPECT_EQ(sunk.LeftWidth, 1);
  EXPECT_EQ(sunk.RightWidth, 2);
  EXPECT_EQ(sunk.TopHeight, 3);
  EXPECT_EQ(sunk.BottomHeight, 4);
  EXPECT_EQ(sunk.Trans, 1);
  EXPECT_EQ(sunk.Tile, 0);  // above 1
  EXPECT_EQ(sunk.NormalColour, 1);
  EXPECT_EQ(sunk.MouseOverColour, -1);
  EXPECT_EQ(sunk.PressedColour, 2);
  EXPECT_EQ(sunk.NormalColour2, Rgb(5, 6, 7));
  EXPECT_EQ(data->Section(ssHeaderbar)->Tile, 1);
  EXPECT_EQ(data->Section(ssHorzScrollThumb)->FrameCount, 7);
  const TDataSkinBoxLabel& box = *data->GroupBox();
  EXPECT_EQ(box.BackgroundAlignment, 1);
  EXPECT_EQ(box.BackgroundLeftShift, 4);
  EXPECT_EQ(box.BackgroundRightShift, 5);
  EXPECT_EQ(box.FrameCount, 1);
}

TEST(SkinDataSections, SecondImagesAndTheProgressRules) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin()
                  .Ini("[Tabs]\nImage=a.bmp\nBorder=b.bmp\nStyle=3\n"
                       "[Progress]\nBitmap=a.bmp\nChunk=b.bmp\nStyle=3\nTile=2\nNormalColour=1\nNormalColour2=1 1 1\n"
                       "[UpDown.Vert]\nImage=a.bmp\nGlyphImage=b.bmp\n")
                  .Bitmap("a.bmp", 20, 5)
                  .Bitmap("b.bmp", 16, 16));
  const TDataSkinBorder& tabs = *data->BorderSection(ssTabs);
  EXPECT_EQ(tabs.SecondBitmap.Width(), 16);
  EXPECT_EQ(tabs.Style, 0);  // not read for sections with a second image
  const TDataSkinBorder& progress = *data->BorderSection(ssProgress);
  EXPECT_EQ(progress.SecondBitmap.Width(), 16);
  EXPECT_EQ(progress.Style, 3);
  EXPECT_EQ(progress.Tile, 2);  // not clamped
  EXPECT_EQ(progress.NormalColour, -1);  // colours not read
  EXPECT_EQ(progress.NormalColour2, clBlack);
  EXPECT_EQ(data->BorderSection(ssUpDownVert)->SecondBitmap.Height(), 16);
}

TEST(SkinDataSections, AnImageKeyMakesTheDefinitionEvenWithoutItsBitmap) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[MenuItem]\nImage=0\n[SunkEdge]\nLeftWidth=3\n[Progress]\nImage=p.bmp\n"
                              "[Personality]\nMenuBar=none\n"));
  ASSERT_NE(data->Section(ssMenuItem), nullptr);
  EXPECT_TRUE(data->Section(ssMenuItem)->Bitmap.Empty());
  EXPECT_EQ(data->Section(ssSunkEdge), nullptr);
  EXPECT_EQ(data->Section(ssProgress), nullptr);  // Progress takes Bitmap, not Image
  ASSERT_NE(data->MenuBar(), nullptr);
  EXPECT_TRUE(data->MenuBar()->Bitmap.Empty());
}

TEST(SkinDataSections, MenuBarKeys) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[Personality]\nMenuBar=m.bmp\nTileMenu=1\nTileRightMenu=2\n").Bitmap("m.bmp", 24, 40));
  const TDataSkinObject& bar = *data->MenuBar();
  EXPECT_EQ(bar.Name, "Personality");
  EXPECT_EQ(bar.Bitmap.Height(), 40);
  EXPECT_EQ(bar.Tile, 1);
  EXPECT_EQ(bar.LeftWidth, 1);
  EXPECT_EQ(bar.RightWidth, 2);
  EXPECT_EQ(bar.FrameCount, 2);
}

TEST(SkinDataSections, ComboButtonGetsItsImageMirrored) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, TTestSkin().Ini("[ComboButton]\nImage=c.bmp\n").Bitmap("c.bmp", 73, 21));
  const TDataSkinBorder& combo = *data->BorderSection(ssComboButton);
  ASSERT_EQ(combo.SecondBitmap.Width(), 73);
  ASSERT_EQ(combo.SecondBitmap.Height(), 21);
  EXPECT_EQ(combo.SecondBitmap.BitsPerPixel(), 24);
  for (int y : {0, 20})
    for (int x : {0, 1, 36, 72}) EXPECT_EQ(PixelAt(combo.SecondBitmap, x, y), PixelAt(combo.Bitmap, 72 - x, y));
}

TEST(SkinDataReload, ASecondSkinRemovesWhatItLacks) {
  auto data = MakeRoot<TSkinData>();
  TTestSkin first = AllSections("[Personality]\nMenuBar=m.bmp\nTop=m.bmp\n[Button0]\n[Colour0]\ncolor=1 1 1\n"
                                 "[Colours]\nButtonFace=10 20 30\n[Buttons]\nBitmap=m.bmp\n");
  first.Bitmap("m.bmp", 8, 8);
  Load(*data, first);
  ASSERT_NE(data->MenuBar(), nullptr);
  ASSERT_NE(data->Section(ssTabs), nullptr);
  ASSERT_EQ(data->CaptionButtons().size(), 4u);
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectW(data->ButtonFaceBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));

  Load(*data, TTestSkin().Ini("[Colours]\nButtonFace=40 50 60\n[Tabs]\nImage=t.bmp\n").Bitmap("t.bmp", 5, 5));
  EXPECT_EQ(data->MenuBar(), nullptr);
  for (int s = 0; s < kSkinSectionCount; ++s) {
    if (s == ssTabs) continue;
    EXPECT_EQ(data->Section(static_cast<TSkinSection>(s)), nullptr) << s;
  }
  EXPECT_EQ(data->Section(ssTabs)->Bitmap.Width(), 5);
  EXPECT_EQ(data->CaptionButtons().size(), 3u);
  EXPECT_TRUE(data->ColourTable().empty());
  EXPECT_TRUE(data->Border(sbTop).Bitmap.Empty());
  EXPECT_TRUE(data->Buttons().Bitmap.Empty());
  ASSERT_TRUE(GetObjectW(data->ButtonFaceBrush(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, RGB(40, 50, 60));
}

TEST(SkinDataReload, AnArchiveWithoutIniCountsAsLoadedWithDefaults) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, AllSections());
  Load(*data, TTestSkin().Bitmap("kol.bmp", 4, 4));
  EXPECT_FALSE(data->SkinNotLoaded());
  EXPECT_EQ(data->Title().FontHeight, 14);
  EXPECT_EQ(data->Section(ssScrollbar), nullptr);
  EXPECT_EQ(data->CaptionButtons().size(), 3u);
  EXPECT_EQ(data->Buttons().CheckFrameCount, 4);
  EXPECT_EQ(data->Colours().ButtonFaceColor, clBtnFace);
  EXPECT_NE(data->ButtonFaceBrush(), nullptr);
}

}  // namespace
}  // namespace hm
