#include "tools/skinpack/skinpack_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "framework/core/stream.h"
#include "skin/core/skin_reader.h"
#include "tools/skinpack/archive_writer.h"

namespace hm {
namespace {

namespace fs = std::filesystem;

class Skinpack : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("skinpack_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
  }
  void TearDown() override { fs::remove_all(root_); }

  static void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  int Run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunSkinpack(args, out_, err_);
  }

  fs::path root_;
  std::ostringstream out_, err_;
};

TEST_F(Skinpack, PackedFolderUnpacksToTheSameFiles) {
  std::mt19937 rng(5);
  std::string bitmap(40000, '\0');
  for (char& c : bitmap) c = static_cast<char>(rng() % 4 == 0 ? rng() : 0xFF);
  Write(root_ / "in" / "Kol_Body_Top.bmp", bitmap);
  Write(root_ / "in" / "kolvane.ini", "[TitlebarSkin]\r\nSkinName=kolvane\r\n");
  Write(root_ / "in" / "blank.bmp", "");

  const std::string archive = (root_ / "skin.skn").string();
  ASSERT_EQ(Run({"pack", (root_ / "in").string(), archive}), 0) << err_.str();
  EXPECT_EQ(err_.str(), "");

  // The archive is what the program's reader takes.
  TMemoryStream stored;
  stored.LoadFromFile(archive);
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(stored));
  TMemoryStream member;
  reader.FindMember("kol_body_top.bmp", member);
  EXPECT_EQ(member.Bytes(), bitmap);

  ASSERT_EQ(Run({"list", archive}), 0);
  EXPECT_EQ(out_.str(), "version 20000, 3 members\n0\tblank.bmp\n40000\tkol_body_top.bmp\n34\tkolvane.ini\n");

  ASSERT_EQ(Run({"unpack", archive, (root_ / "out").string()}), 0) << err_.str();
  EXPECT_EQ(Read(root_ / "out" / "kol_body_top.bmp"), bitmap);
  EXPECT_EQ(Read(root_ / "out" / "kolvane.ini"), "[TitlebarSkin]\r\nSkinName=kolvane\r\n");
  EXPECT_TRUE(fs::exists(root_ / "out" / "blank.bmp"));
}

TEST_F(Skinpack, RefusesMoreMembersThanTheFormatHolds) {
  for (int i = 0; i < 1002; ++i) Write(root_ / "in" / ("f" + std::to_string(i) + ".bmp"), "x");
  EXPECT_EQ(Run({"pack", (root_ / "in").string(), (root_ / "skin.skn").string()}), 1);
  EXPECT_NE(err_.str().find("at most 1001 members, not 1002"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(root_ / "skin.skn"));
}

TEST_F(Skinpack, UnpackKeepsMemberNamesInsideTheFolder) {
  const std::vector<std::uint8_t> stored =
      BuildStoredArchive({{"../escape.bmp", {'e'}}, {"ok.ini", {'o'}}, {"c:x", {'c'}}});
  Write(root_ / "evil.skn", std::string(stored.begin(), stored.end()));
  EXPECT_EQ(Run({"unpack", (root_ / "evil.skn").string(), (root_ / "out").string()}), 1);
  EXPECT_FALSE(fs::exists(root_ / "escape.bmp"));
  EXPECT_EQ(Read(root_ / "out" / "ok.ini"), "o");
  EXPECT_NE(err_.str().find("\"../escape.bmp\" skipped"), std::string::npos);
}

TEST_F(Skinpack, ReportsUnreadableArchivesAndWrongUsage) {
  Write(root_ / "old.skn", "\x05\x00\x00\x00garbage");
  EXPECT_EQ(Run({"list", (root_ / "old.skn").string()}), 1);
  EXPECT_NE(err_.str().find("not a readable skin archive"), std::string::npos);
  EXPECT_EQ(Run({"list", (root_ / "absent.skn").string()}), 1);
  EXPECT_EQ(Run({"pack", "only-one-arg"}), 2);
  EXPECT_NE(err_.str().find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace hm
