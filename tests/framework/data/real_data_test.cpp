// The Code.BM the build produced from data/: the three lookups, its figures and its record of the data.
#include <gtest/gtest.h>

#include "framework/data/sha256.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"
#include "tools/lookupdb/data_info.h"
#include "tools/lookupdb/mobile_ranges.h"

namespace hm::test {
namespace {

class RealData : public AdoFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FileExists(RealDatabasePath())) << RealDatabasePath();
    // Read-only, so the tests cannot change the shipped file.
    connection_->SetMode(cmRead);
    connection_->SetConnectionString(ConnectionStringFor(RealDatabasePath()));
  }
};

TEST_F(RealData, MobileLookup) {
  Run("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  EXPECT_EQ(Text("地区"), "北京");
  EXPECT_EQ(Text("城市"), "北京");
  EXPECT_EQ(Text("区号"), "010");
  EXPECT_EQ(Text("类型"), "中国移动");
  EXPECT_EQ(query_->RecordCount(), 1);  // ranges do not overlap
}

// The blocks of 2024 answer their operator and a place that AreaData knows
// under the same area code.
TEST_F(RealData, NewBlocksAnswerTheirOperatorsAndRealPlaces) {
  struct Case {
    int prefix;
    const char* region;
    const char* city;
    const char* areaCode;
    const char* type;
  };
  const Case cases[] = {
      {1920014, "广东", "深圳", "0755", "中国广电"},
      {1900060, "新疆", "克拉玛依", "0990", "中国电信"},
      {1930010, "贵州", "毕节", "0857", "中国电信"},
      {1960000, "北京", "北京", "010", "中国联通"},
      {1970000, "青海", "西宁", "0971", "中国移动"},
  };
  for (const Case& c : cases) {
    const std::string n = std::to_string(c.prefix);
    Run("Select * from MobileCode where 号码B<=" + n + " and 号码E>=" + n);
    ASSERT_EQ(query_->RecordCount(), 1) << n;
    EXPECT_EQ(Text("地区"), c.region) << n;
    EXPECT_EQ(Text("城市"), c.city) << n;
    EXPECT_EQ(Text("区号"), c.areaCode) << n;
    EXPECT_EQ(Text("类型"), c.type) << n;
    Run(std::string("Select * from AreaData where 省名='") + c.region + "' and 县市名='" + c.city + "市' and 区号='" +
        c.areaCode + "'");
    EXPECT_EQ(query_->RecordCount(), 1) << n;
  }
}

TEST_F(RealData, IdLookup) {
  Run("Select * from ZipCode where BM=110101");
  EXPECT_EQ(Text("DQ"), "北京市东城区");
}

TEST_F(RealData, AreaSearchFindsShenzhen) {
  Run("Select * from AreaData where 区号 like '%0755%'");
  std::vector<std::string> places;
  for (query_->First(); !query_->Eof(); query_->Next()) places.push_back(Text("县市名"));
  EXPECT_NE(std::find(places.begin(), places.end(), "深圳市"), places.end());
  EXPECT_NE(std::find(places.begin(), places.end(), "南山区"), places.end());
  for (query_->First(); !query_->Eof(); query_->Next()) EXPECT_EQ(Text("省名"), "广东");
}

TEST_F(RealData, TheShippedPasswordIsRequired) {
  connection_->SetConnectionString(ConnectionStringFor(RealDatabasePath(), "quorbane"));
  EXPECT_EQ(ErrorOf([&] { connection_->Open(); }), "Wrong password for the lookup database");
}

class RealFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FileExists(RealDatabasePath())) << RealDatabasePath(); }
  std::int64_t Count(const std::string& sql) {
    TSqliteStatement s = db_.Prepare(sql);
    return s.Step() ? s.ColumnInt64(0) : -1;
  }
  // Prefixes of the block (1920000..1929999 for 192) of the given type, or
  // of any type; a range may reach over the block's ends.
  std::int64_t BlockPrefixes(int block, const std::string& type = "") {
    const std::string lo = std::to_string(block * 10000), hi = std::to_string(block * 10000 + 9999);
    return Count("SELECT coalesce(sum(min(号码E, " + hi + ") - max(号码B, " + lo + ") + 1), 0) FROM MobileCode WHERE 号码B<=" +
                 hi + " AND 号码E>=" + lo + (type.empty() ? "" : " AND 类型='" + type + "'"));
  }
  TSqliteDatabase db_{RealDatabasePath(), TSqliteDatabase::OpenMode::ReadOnly};
};

// The figures data/PROVENANCE.md states for the tables.
TEST_F(RealFile, FiguresOfTheProvenance) {
  EXPECT_EQ(Count("SELECT count(*) FROM AreaData"), 3183);
  EXPECT_EQ(Count("SELECT count(*) FROM ZipCode"), 6687);
  TLookupCheckReport report;
  lookupdb::CheckMobileRanges(db_, report);
  EXPECT_NE(std::find(report.lines.begin(), report.lines.end(),
                      "ok   MobileCode: 505512 prefixes in 137710 ranges, none overlapping"),
            report.lines.end());
  struct Block {
    int block;
    std::int64_t prefixes;
    const char* type;  // of every prefix in the block
  };
  for (const Block& b : {Block{192, 5535, "中国广电"}, Block{190, 6252, "中国电信"}, Block{193, 8041, "中国电信"},
                         Block{196, 1441, "中国联通"}, Block{197, 2943, "中国移动"}}) {
    EXPECT_EQ(BlockPrefixes(b.block), b.prefixes) << b.block;
    EXPECT_EQ(BlockPrefixes(b.block, b.type), b.prefixes) << b.block;
  }
  EXPECT_EQ(BlockPrefixes(162), 6000);
  EXPECT_EQ(BlockPrefixes(148), 9498);
}

// A Code.BM left from other data would still answer; its record says.
TEST_F(RealFile, WasBuiltFromTheDataOfThisCheckout) {
  const std::vector<lookupdb::TDataInfoEntry> info = lookupdb::ReadDataInfo(db_);
  std::vector<lookupdb::TDataInfoEntry> expected =
      lookupdb::ReadDataManifest(RealDataFolder() + "/" + std::string(lookupdb::kManifestFile));
  for (const TLookupTableShape& table : LookupTables()) {
    expected.push_back({lookupdb::DigestKey(table.name),
                        ToHex(Sha256Of(ReadFile(RealDataFolder() + "/" + table.name + ".csv")))});
  }
  EXPECT_EQ(info, expected);
  const auto value = [&](const std::string& key) {
    for (const auto& e : info) {
      if (e.key == key) return e.value;
    }
    return std::string();
  };
  EXPECT_EQ(value("MobileCode.date"), "2024-05-01");
  EXPECT_EQ(value("MobileCode.licence"), "GPL-3.0");
  EXPECT_EQ(value("AreaData.licence"), "GPL-3.0");
}

std::vector<std::string> HexRuns(const std::string& text) {
  std::vector<std::string> runs;
  std::string run;
  for (char c : text + ' ') {
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) {
      run += c;
    } else if (!run.empty()) {
      runs.push_back(std::move(run));
      run.clear();
    }
  }
  return runs;
}

// The manifest is written by hand beside PROVENANCE.md; every commit it names
// must be one that PROVENANCE.md describes.
TEST(RealManifest, NamesOnlyCommitsOfTheProvenance) {
  const std::string provenance = ReadFile(RealDataFolder() + "/PROVENANCE.md");
  ASSERT_FALSE(provenance.empty());
  int commits = 0;
  for (const auto& e : lookupdb::ReadDataManifest(RealDataFolder() + "/" + std::string(lookupdb::kManifestFile))) {
    for (const std::string& hex : HexRuns(e.value)) {
      if (hex.size() != 40) continue;
      ++commits;
      EXPECT_NE(provenance.find(hex), std::string::npos) << e.key << ": " << hex;
    }
  }
  EXPECT_GT(commits, 0);
}

}  // namespace
}  // namespace hm::test
