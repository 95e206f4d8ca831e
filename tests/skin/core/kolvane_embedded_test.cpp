// The skin the main window carries: its description, as compiled into the
// program, read the way the program reads it (without opening the
// database).
#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Main.h"
#include "framework/core/form_description.h"
#include "framework/core/stream.h"
#include "framework/ui/forms/message_box.h"
#include "skin/core/skin3rd_defaults.h"
#include "skin/core/win_skin_data.h"

namespace hm {
namespace {

std::string_view MainWindowDescription() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"TFrmMain", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return data ? std::string_view(static_cast<const char*>(data), SizeofResource(module, resource))
              : std::string_view{};
}

class KolvaneEmbedded : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string_view text = MainWindowDescription();
    ASSERT_FALSE(text.empty());
    form_ = MakeRoot<TFrmMain>();
    ReadComponent(*form_, text);
    data_ = dynamic_cast<TSkinData*>(form_->FindComponent("SkinData1"));
    ASSERT_NE(data_, nullptr);
  }
  MessageBoxCapture boxes_;  // a wrong archive would show its message here
  Owned<TFrmMain> form_;
  TSkinData* data_ = nullptr;
};

TEST_F(KolvaneEmbedded, TheStreamIsTheArchiveTheBuildPacked) {
  TMemoryStream archive;
  archive.LoadFromFile(KOLVANE_ARCHIVE);
  EXPECT_EQ(data_->StoredArchive(), archive.Bytes());
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_FALSE(data_->SkinNotLoaded());
  EXPECT_EQ(data_->SkinName(), "kolvane");
}

TEST_F(KolvaneEmbedded, StoredSettingsOfTheMainWindow) {
  EXPECT_TRUE(data_->Active());  // loaded, so it stays on
  EXPECT_EQ(data_->DisableTag(), 99);
  EXPECT_EQ(data_->SkinControls(), kDefaultSkinControls);
  EXPECT_EQ(data_->SkinFormtype(), sfMainform);
  EXPECT_TRUE(data_->MenuUpdate());
  EXPECT_EQ(data_->SkinStore(), "(none)");
  EXPECT_EQ(data_->Version(), "2.68.9.07");
  const auto lines = DefaultSkin3rdLines();
  ASSERT_EQ(data_->Skin3rd()->Count(), static_cast<int>(lines.size()));
  for (int i = 0; i < data_->Skin3rd()->Count(); ++i) EXPECT_EQ(data_->Skin3rd()->Get(i), lines[i]);
  EXPECT_EQ(data_->SystemMenuGlyphs().Count(), 4);
}

TEST_F(KolvaneEmbedded, FrameBordersTitleAndColours) {
  const TDataSkinBorder& top = data_->Border(sbTop);
  EXPECT_EQ(top.Bitmap.Width(), 100);
  EXPECT_EQ(top.Bitmap.Height(), 50);
  EXPECT_EQ(top.FrameCount, 2);
  for (TSkinBorderSide side : {sbLeft, sbRight}) {
    EXPECT_EQ(data_->Border(side).Bitmap.Width(), 10);
    EXPECT_EQ(data_->Border(side).Bitmap.Height(), 174);
    EXPECT_EQ(data_->Border(side).FrameCount, 2);
    EXPECT_EQ(data_->Border(side).TopHeight, 24);
    EXPECT_EQ(data_->Border(side).BottomHeight, 13);
  }
  EXPECT_EQ(data_->Border(sbBottom).Bitmap.Height(), 26);
  EXPECT_EQ(data_->Border(sbBottom).FrameCount, 2);
  EXPECT_EQ(data_->Title().FontHeight, 12);
  EXPECT_EQ(data_->Title().ActiveTextColor, static_cast<TColor>(220 | 220 << 8 | 191 << 16));
  EXPECT_EQ(data_->Colours().ButtonFaceColor, static_cast<TColor>(223 | 223 << 8 | 219 << 16));
  EXPECT_EQ(data_->ColourTable(), (std::vector<TColor>{static_cast<TColor>(0x333333), clBlack,
                                                       static_cast<TColor>(191 | 220 << 8 | 220 << 16)}));
}

TEST_F(KolvaneEmbedded, CaptionButtonsAndControlImages) {
  const auto& buttons = data_->CaptionButtons();
  ASSERT_EQ(buttons.size(), 8u);
  EXPECT_EQ(buttons[0]->Bitmap.Width(), 84);
  EXPECT_EQ(buttons[0]->FrameCount, 6);
  EXPECT_EQ(buttons[4]->Action, 3);
  EXPECT_TRUE(buttons[4]->Bitmap.Empty());
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& mdi = *buttons[static_cast<std::size_t>(5 + i)];
    EXPECT_EQ(mdi.Action, 7 + i);
    EXPECT_EQ(mdi.Bitmap.Width(), 60);
    EXPECT_EQ(mdi.XCoord, 57 - 19 * i);
  }
  EXPECT_EQ(data_->Buttons().Bitmap.Width(), 375);
  EXPECT_EQ(data_->Buttons().CheckFrameCount, 4);
  EXPECT_EQ(data_->Buttons().RadioFrameCount, 4);
  ASSERT_NE(data_->MenuBar(), nullptr);
  EXPECT_EQ(data_->Section(ssScrollbar)->Bitmap.Width(), 368);
  EXPECT_EQ(data_->BorderSection(ssComboButton)->SecondBitmap.Width(), 72);
  EXPECT_NE(data_->BorderSection(ssTabs), nullptr);
  EXPECT_EQ(data_->Section(ssExtraImages), nullptr);
}

}  // namespace
}  // namespace hm
