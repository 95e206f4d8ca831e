// The whole-table indexes answer exactly as the lookup statements do, and
// step aside where the table's content could make them differ.
#include <gtest/gtest.h>

#include <random>

#include "app/lookups/lookup_index.h"
#include "app/lookups/lookup_run.h"
#include "app/lookups/lookup_statements.h"
#include "framework/core/string_list.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"

namespace hm::lookups {
namespace {

using test::AdoFixture;

TPrefixLookup Prefix(std::int32_t prefix, std::string (*statement)(std::int32_t)) {
  return {std::string(), prefix, statement(prefix)};
}

class RealIndex : public AdoFixture {
 protected:
  void SetUp() override {
    connection_->SetMode(cmRead);
    connection_->SetConnectionString(test::ConnectionStringFor(test::RealDatabasePath()));
  }
};

TEST_F(RealIndex, MobileAnswersAreTheStatementsAnswers) {
  const std::optional<TMobileIndex> index = TMobileIndex::Load(*query_);
  ASSERT_TRUE(index);
  EXPECT_GT(index->RangeCount(), 100000u);
  EXPECT_FALSE(query_->Active());
  // Both ends of ranges and their neighbours, where an off-by-one would show,
  // and random prefixes across every block, assigned or not.
  std::vector<std::int32_t> prefixes;
  const std::vector<std::string> lines = SplitLines(test::ReadFile(test::RealDataFolder() + "/MobileCode.csv"));
  for (std::size_t i = 1; i < lines.size(); i += 997) {
    const std::size_t comma = lines[i].find(',');
    for (const std::int32_t n : {std::stoi(lines[i]), std::stoi(lines[i].substr(comma + 1))}) {
      prefixes.insert(prefixes.end(), {n - 1, n, n + 1});
    }
  }
  std::mt19937 random(25);
  std::uniform_int_distribution<std::int32_t> any(1000000, 1999999);
  for (int i = 0; i < 200; ++i) prefixes.push_back(any(random));
  prefixes.insert(prefixes.end(), {0, -1, 1380013});
  for (const std::int32_t n : prefixes) {
    EXPECT_EQ(index->Find(n), RunMobileLookup(*query_, Prefix(n, MobileStatement), nullptr)) << n;
  }
  EXPECT_EQ(index->Find(1380013).region, "北京");
}

TEST_F(RealIndex, ZipAnswersAreTheStatementsAnswers) {
  const std::optional<TZipIndex> index = TZipIndex::Load(*query_);
  ASSERT_TRUE(index);
  EXPECT_GT(index->CodeCount(), 6000u);
  std::mt19937 random(25);
  std::uniform_int_distribution<std::int32_t> any(100000, 999999);
  std::vector<std::int32_t> codes = {110103, 110101, 440305, 110000, 0};
  for (int i = 0; i < 300; ++i) codes.push_back(any(random));
  for (const std::int32_t n : codes) {
    EXPECT_EQ(index->Find(n), RunIdLookup(*query_, Prefix(n, IdStatement), nullptr)) << n;
  }
  EXPECT_EQ(index->Find(110103).region, "北京市崇文区");
}

class SampleIndex : public AdoFixture {
 protected:
  void SetUp() override { UseSampleDatabase(); }
  void Change(const std::string& sql) {
    connection_->Close();
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec(sql);
  }
};

TEST_F(SampleIndex, OverlappingRangesLeaveTheAnswerToTheStatement) {
  ASSERT_TRUE(TMobileIndex::Load(*query_));
  Change("INSERT INTO MobileCode(ID, 号码B, 号码E, 地区, 城市, 区号, 类型) VALUES(99, 1380015, 1380025, '甲', '乙', '0', '丙');");
  EXPECT_FALSE(TMobileIndex::Load(*query_));
}

TEST_F(SampleIndex, RepeatedCodesLeaveTheAnswerToTheStatement) {
  ASSERT_TRUE(TZipIndex::Load(*query_));
  Change("INSERT INTO ZipCode VALUES(110101, '另一个名字');");
  EXPECT_FALSE(TZipIndex::Load(*query_));
}

TEST_F(SampleIndex, BoundsThatAreNotIntegersLeaveTheAnswerToTheStatement) {
  // Text compares with the statement's integer by other rules.
  Change(
      "DROP TABLE MobileCode;"
      "CREATE TABLE MobileCode(号码B TEXT, 号码E TEXT, 地区 TEXT, 城市 TEXT, 区号 TEXT, 类型 TEXT);"
      "INSERT INTO MobileCode VALUES('1380010', '1380019', '北京', '北京', '010', '中国移动');");
  EXPECT_FALSE(TMobileIndex::Load(*query_));
}

TEST_F(SampleIndex, RowsNoPrefixCanMatchAreLeftOut) {
  Change(
      "DROP TABLE MobileCode;"
      "CREATE TABLE MobileCode(号码B INTEGER, 号码E INTEGER, 地区 TEXT, 城市 TEXT, 区号 TEXT, 类型 TEXT);"
      "INSERT INTO MobileCode VALUES(1380010, 1380019, '北京', '北京', '010', '中国移动');"
      "INSERT INTO MobileCode VALUES(1380015, NULL, '甲', '乙', '0', '丙');"
      "INSERT INTO MobileCode VALUES(1380018, 1380012, '甲', '乙', '0', '丙');");
  const std::optional<TMobileIndex> index = TMobileIndex::Load(*query_);
  ASSERT_TRUE(index);
  for (const std::int32_t n : {1380009, 1380012, 1380015, 1380018, 1380020}) {
    EXPECT_EQ(index->Find(n), RunMobileLookup(*query_, Prefix(n, MobileStatement), nullptr)) << n;
  }
}

TEST_F(SampleIndex, AMissingColumnRaisesAsTheStatementWould) {
  Change("DROP TABLE ZipCode; CREATE TABLE ZipCode(BM INTEGER, 名称 TEXT);");
  EXPECT_EQ(ErrorOf([&] { TZipIndex::Load(*query_); }), "ADOQuery1: Field 'DQ' not found");
  EXPECT_FALSE(query_->Active());
}

}  // namespace
}  // namespace hm::lookups
