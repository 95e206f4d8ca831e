// The skin component as a stored component: its published options, the
// SkinStream record, SkinFile, the designer's rules, the wrong-version
// message, and the glyphs it loads from the program.
#include "skin/core/win_skin_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/core/form_description.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "skin/core/skin3rd_defaults.h"
#include "skin/core/skin_reader.h"
#include "tests/skin/core/test_skin.h"

namespace hm {
namespace {

using test::Bytes;
using test::HexRecord;
using test::Load;
using test::ReadStream;
using test::StreamValue;
using test::TTestSkin;

std::string AsText(const Bytes& b) { return std::string(b.begin(), b.end()); }

TTestSkin NamedSkin(const std::string& name) {
  return TTestSkin().Ini("[TitlebarSkin]\nSkinName=" + name + "\n[Colour0]\ncolor=1 2 3\n");
}

// A description of one skin component with the given property lines.
std::string Description(const std::string& lines) {
  return "object Root: TComponent\n  object SkinData1: TSkinData\n" + lines + "  end\nend\n";
}

TSkinData& SkinDataOf(TComponent& root) { return dynamic_cast<TSkinData&>(*root.FindComponent("SkinData1")); }

TEST(SkinDataOptions, PublishedInOrderWithTheirDefaults) {
  auto data = MakeRoot<TSkinData>();
  std::vector<std::string> names;
  for (const TPropInfo* p : data->ClassType().Properties())
    if (p->Name != "Name" && p->Name != "Tag") names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Active", "DisableTag", "SkinControls", "Skin3rd", "SkinFile",
                                             "SkinStore", "SkinFormtype", "Version", "MenuUpdate", "OnFormSkin",
                                             "OnSkinChanged", "OnSkinControl", "SkinStream"}));
  EXPECT_EQ(GetPropEnumName(data.get(), "Active"), "False");
  EXPECT_EQ(GetPropInt(data.get(), "DisableTag"), 99);
  EXPECT_EQ(data->SkinControls(), kDefaultSkinControls);
  EXPECT_EQ(data->Skin3rd()->Count(), kDefaultSkin3rdCount);
  EXPECT_EQ(data->Skin3rd()->Get(14), data->Skin3rd()->Get(15));  // TDBCheckboxEh twice
  EXPECT_EQ(GetPropString(data.get(), "SkinFile"), "");
  EXPECT_EQ(GetPropString(data.get(), "SkinStore"), "(none)");
  EXPECT_EQ(GetPropEnumName(data.get(), "SkinFormtype"), "sfMainform");
  EXPECT_EQ(GetPropString(data.get(), "Version"), "2.68.9.07");
  EXPECT_EQ(GetPropEnumName(data.get(), "MenuUpdate"), "True");
  EXPECT_TRUE(data->SkinNotLoaded());
  EXPECT_TRUE(data->FramePainting());
  EXPECT_TRUE(data->CacheBitmap().Empty());
  EXPECT_EQ(data->ButtonFaceBrush(), nullptr);
}

TEST(SkinDataOptions, VersionAndSkinStoreIgnoreWhatIsAssigned) {
  auto data = MakeRoot<TSkinData>();
  SetPropString(data.get(), "Version", "1.0");
  SetPropString(data.get(), "SkinStore", "(Good)");
  EXPECT_EQ(data->Version(), "2.68.9.07");
  EXPECT_EQ(data->SkinStore(), "(none)");

  auto root = MakeRoot<TComponent>();
  ReadComponent(*root, Description("    Version = '9.9'\n    SkinStore = '(Good)'\n    DisableTag = 7\n"));
  EXPECT_EQ(SkinDataOf(*root).Version(), "2.68.9.07");
  EXPECT_EQ(SkinDataOf(*root).SkinStore(), "(none)");
  EXPECT_EQ(SkinDataOf(*root).DisableTag(), 7);
  // Neither is written back.
  const std::string written = WriteComponent(*root);
  EXPECT_EQ(written.find("Version"), std::string::npos);
  EXPECT_EQ(written.find("SkinStore"), std::string::npos);
}

TEST(SkinDataStream, WrittenAlwaysAndReadBackIntoAFreshComponent) {
  auto root = MakeRoot<TComponent>();
  root->SetName("Root");
  TSkinData& empty = *MakeOwned<TSkinData>(*root);
  empty.SetName("SkinData1");
  const std::string none = WriteComponent(*root);
  EXPECT_NE(none.find("SkinStream = {"), std::string::npos);
  EXPECT_NE(none.find(" 00000000}"), std::string::npos);

  const Bytes archive = NamedSkin("first").Archive();
  Load(empty, NamedSkin("first"));
  const std::string written = WriteComponent(*root);
  auto copy = MakeRoot<TComponent>();
  ReadComponent(*copy, written);
  EXPECT_EQ(SkinDataOf(*copy).StoredArchive(), AsText(archive));
  EXPECT_FALSE(SkinDataOf(*copy).SkinNotLoaded());
  EXPECT_EQ(SkinDataOf(*copy).SkinName(), "first");
}

TEST(SkinDataStream, ALengthOfZeroOrLessKeepsTheStoreAndLoadsNothing) {
  auto data = MakeRoot<TSkinData>();
  const Bytes archive = NamedSkin("kept").Archive();
  Load(*data, NamedSkin("kept"));
  for (std::int32_t length : {0, -5}) {
    ReadStream(*data, StreamValue(length, NamedSkin("other").Archive()));
    EXPECT_EQ(data->StoredArchive(), AsText(archive));
    EXPECT_EQ(data->SkinName(), "kept");
    EXPECT_FALSE(data->SkinNotLoaded());
  }
}

TEST(SkinDataStream, AShortRecordIsAReadErrorAndChangesNothing) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, NamedSkin("kept"));
  const std::string before(data->StoredArchive());
  EXPECT_THROW(ReadStream(*data, StreamValue(0x7FFFFFF0, Bytes(10, 1))), EReadError);
  EXPECT_EQ(data->StoredArchive(), before);

  auto root = MakeRoot<TComponent>();
  EXPECT_THROW(ReadComponent(*root, Description("    SkinStream = { 05000000 4142 }\n")), EDescriptionError);
}

TEST(SkinDataStream, AWrongVersionIsShownOnceAndLeavesTheWindowsUnskinned) {
  MessageBoxCapture boxes;
  auto root = MakeRoot<TComponent>();
  ReadComponent(*root, Description("    Active = True\n    SkinStream = " +
                                   HexRecord(StreamValue(test::ArchiveOfVersion(19999, "[Button0]\n"))) + "\n"));
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(boxes.Boxes()[0].caption, Application().Title());
  const TSkinData& data = SkinDataOf(*root);
  EXPECT_TRUE(data.SkinNotLoaded());
  EXPECT_FALSE(data.Active());  // turned off when the form was loaded
  EXPECT_TRUE(data.CaptionButtons().empty());  // nothing of it was read

  // A loaded skin keeps Active.
  auto good = MakeRoot<TComponent>();
  ReadComponent(*good, Description("    Active = True\n    SkinStream = " +
                                   HexRecord(StreamValue(NamedSkin("good").Archive())) + "\n"));
  EXPECT_TRUE(SkinDataOf(*good).Active());
  EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST(SkinDataStream, AWrongVersionLeavesThePreviousSkin) {
  MessageBoxCapture boxes;
  auto data = MakeRoot<TSkinData>();
  Load(*data, NamedSkin("kept"));
  ReadStream(*data, StreamValue(test::ArchiveOfVersion(20001, "[TitlebarSkin]\nSkinName=new\n")));
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(data->SkinNotLoaded());
  EXPECT_EQ(data->SkinName(), "kept");
  EXPECT_EQ(data->ColourTable().size(), 1u);
}

TEST(SkinDataDesigner, StoresWithoutLoadingAndShowsTheStore) {
  auto data = MakeRoot<TSkinData>();
  data->SetDesigning(true);
  Load(*data, NamedSkin("design"));
  EXPECT_TRUE(data->SkinNotLoaded());
  EXPECT_TRUE(data->SkinName().empty());
  EXPECT_EQ(data->SkinStore(), "(Good)");
  EXPECT_FALSE(data->LoadSkin());

  data->SetSkinFile("");
  EXPECT_EQ(data->SkinStore(), "(Good)");
  data->SetSkinFile("c:\\no\\such.skn");  // a non-empty path only empties the store
  EXPECT_EQ(data->SkinStore(), "(none)");
  EXPECT_TRUE(data->StoredArchive().empty());
  EXPECT_EQ(data->SkinFile(), "c:\\no\\such.skn");
}

class SkinDataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("skin_data_test_" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::filesystem::path path = folder_ / name;
    TMemoryStream(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
        .SaveToFile(Narrow(path.wstring()));
    return Narrow(path.wstring());
  }
  std::filesystem::path folder_;
};

TEST_F(SkinDataFile, AnExistingFileReplacesTheStoreAndLoads) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, NamedSkin("stored"));
  const Bytes archive = NamedSkin("皮肤").Archive();
  const std::string path = Write("新皮肤.skn", archive);
  data->SetSkinFile(path);
  EXPECT_EQ(data->SkinFile(), path);
  EXPECT_EQ(data->StoredArchive(), AsText(archive));
  EXPECT_FALSE(data->SkinNotLoaded());
  EXPECT_EQ(data->SkinName(), "皮肤");
}

TEST_F(SkinDataFile, AMissingFileChangesNothingButSkinNotLoaded) {
  auto data = MakeRoot<TSkinData>();
  Load(*data, NamedSkin("stored"));
  const std::string before(data->StoredArchive());
  data->SetSkinFile(Narrow((folder_ / "missing.skn").wstring()));
  EXPECT_EQ(data->StoredArchive(), before);
  EXPECT_EQ(data->SkinName(), "stored");
  EXPECT_TRUE(data->SkinNotLoaded());
}

TEST(SkinDataGlyphs, FourGlyphsFromTheProgramWhiteSeeThrough) {
  auto data = MakeRoot<TSkinData>();
  TImageList& glyphs = data->SystemMenuGlyphs();
  ASSERT_EQ(glyphs.Count(), 4);
  EXPECT_EQ(glyphs.Width(), 16);
  EXPECT_EQ(glyphs.Height(), 16);
  for (int i = 0; i < 4; ++i) {
    TBitmap canvas(16, 16);
    canvas.Canvas().Brush().SetColor(clRed);
    canvas.Canvas().FillRect(RECT{0, 0, 16, 16});
    glyphs.Draw(canvas.Canvas(), 0, 0, i);
    int red = 0, black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const std::uint32_t p = test::PixelAt(canvas, x, y);
        red += p == 0x0000FF;
        black += p == 0;
      }
    SCOPED_TRACE(i);
    EXPECT_GT(black, 8);
    EXPECT_EQ(red + black, 256);
    EXPECT_EQ(test::PixelAt(canvas, 0, 0), 0x0000FFu);
  }
}

}  // namespace
}  // namespace hm
