// The lookups run on the query as the window's handlers run them: the memo
// lines, what a refusal or an error leaves behind, and the answers of the
// real Code.BM.
#include <gtest/gtest.h>

#include "app/lookups/lookup_run.h"
#include "framework/core/string_list.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"

namespace hm::lookups {
namespace {

using test::AdoFixture;

class Lookups : public AdoFixture {
 protected:
  void SetUp() override { UseSampleDatabase(); }

  void Change(const std::string& sql) {
    connection_->Close();
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec(sql);
  }

  std::vector<std::string> Memo() const { return memo_.ToVector(); }

  TStringList memo_;
};

TEST_F(Lookups, MobileMemoHasTheFourLabelledLinesAndTheQueryEndsClosed) {
  memo_.Add("earlier text");
  const TMobileAnswer answer = RunMobileLookup(*query_, CheckMobileLookup(" 13800250000 "), &memo_);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"所属地区: 广东", "所属城市: 深圳", "所属区号: 0755", "手机类型: 中国移动"}));
  EXPECT_TRUE(answer.found);
  EXPECT_EQ(answer.city, "深圳");
  EXPECT_FALSE(query_->Active());
  EXPECT_EQ(query_->SQL()->Text(), "Select * from MobileCode where 号码B<=1380025 and 号码E>=1380025\r\n");
}

TEST_F(Lookups, NoMatchGivesLabelsWithNothingBehindThem) {
  const TMobileAnswer mobile = RunMobileLookup(*query_, CheckMobileLookup("1500000"), &memo_);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"所属地区: ", "所属城市: ", "所属区号: ", "手机类型: "}));
  EXPECT_EQ(mobile, TMobileAnswer{});
  const TIdAnswer id = RunIdLookup(*query_, CheckIdLookup("990000"), &memo_);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"原户籍所在地: ", ""}));
  EXPECT_FALSE(id.found);
}

TEST_F(Lookups, IdMemoIsTheLabelLineThenTheRegion) {
  memo_.Add("earlier text");
  const TIdAnswer answer = RunIdLookup(*query_, CheckIdLookup("440305199001011234"), &memo_);
  EXPECT_EQ(Memo(), (std::vector<std::string>{"原户籍所在地: ", "广东省深圳市南山区"}));
  EXPECT_EQ(answer.region, "广东省深圳市南山区");
}

TEST_F(Lookups, AMissingColumnStopsAfterTheLinesBeforeIt) {
  Change(
      "DROP TABLE MobileCode;"
      "CREATE TABLE MobileCode(号码B INTEGER, 号码E INTEGER, 地区 TEXT, 城市 TEXT, 区号 TEXT);"
      "INSERT INTO MobileCode VALUES(1380010, 1380019, '北京', '北京', '010');");
  EXPECT_EQ(ErrorOf([&] { RunMobileLookup(*query_, CheckMobileLookup("13800100000"), &memo_); }),
            "ADOQuery1: Field '类型' not found");
  EXPECT_EQ(Memo(), (std::vector<std::string>{"所属地区: 北京", "所属城市: 北京", "所属区号: 010"}));
}

TEST_F(Lookups, AFailedOpenLeavesTheMemoAsItWas) {
  memo_.Add("earlier text");
  Change("DROP TABLE ZipCode;");
  EXPECT_EQ(ErrorOf([&] { RunIdLookup(*query_, CheckIdLookup("110101"), &memo_); }), "no such table: ZipCode");
  EXPECT_EQ(Memo(), std::vector<std::string>{"earlier text"});
  EXPECT_FALSE(query_->Active());
}

TEST_F(Lookups, AreaSearchStaysOpenForTheGrid) {
  OpenAreaSearch(*query_, CheckAreaSearch("0755", "区号", 0));
  EXPECT_TRUE(query_->Active());
  EXPECT_EQ(query_->RecordCount(), 2);
  const std::vector<TAreaRow> rows = RunAreaSearch(*query_, CheckAreaSearch("广", "省份", 2));
  EXPECT_EQ(rows, (std::vector<TAreaRow>{{"0755", "518000", "广东", "深圳市"}, {"0755", "518052", "广东", "南山区"}}));
  EXPECT_FALSE(query_->Active());
}

TEST_F(Lookups, AQuoteInTheSearchTextMatchesItselfAndEndsNothing) {
  Change("INSERT INTO AreaData VALUES('0999', '999001', '测试', 'O''Brien镇');");
  const std::vector<TAreaRow> rows = RunAreaSearch(*query_, CheckAreaSearch("O'Brien", "县/市名", 3));
  EXPECT_EQ(rows, (std::vector<TAreaRow>{{"0999", "999001", "测试", "O'Brien镇"}}));
  // A quote that would have closed the literal and added a condition.
  EXPECT_TRUE(RunAreaSearch(*query_, CheckAreaSearch("x' or '1'='1", "区号", 0)).empty());
  EXPECT_TRUE(RunAreaSearch(*query_, CheckAreaSearch("'", "区号", 0)).empty());
}

TEST_F(Lookups, WildcardsKeepTheirMeaning) {
  EXPECT_EQ(RunAreaSearch(*query_, CheckAreaSearch("07_5", "区号", 0)).size(), 2u);
  EXPECT_EQ(RunAreaSearch(*query_, CheckAreaSearch("%", "区号", 0)).size(), 4u);  // the row with no area code is NULL
}

// The answers the window gives on the shipped data.
class RealLookups : public AdoFixture {
 protected:
  void SetUp() override {
    connection_->SetMode(cmRead);
    connection_->SetConnectionString(test::ConnectionStringFor(test::RealDatabasePath()));
  }
  TStringList memo_;
};

TEST_F(RealLookups, MobileAndIdAnswers) {
  RunMobileLookup(*query_, CheckMobileLookup("13800138000"), &memo_);
  EXPECT_EQ(memo_.ToVector(),
            (std::vector<std::string>{"所属地区: 北京", "所属城市: 北京", "所属区号: 010", "手机类型: 中国移动"}));
  RunIdLookup(*query_, CheckIdLookup("110103198001011234"), &memo_);
  EXPECT_EQ(memo_.ToVector(), (std::vector<std::string>{"原户籍所在地: ", "北京市崇文区"}));
}

TEST_F(RealLookups, AreaSearchByPostalCode) {
  const std::vector<TAreaRow> rows = RunAreaSearch(*query_, CheckAreaSearch("518052", "邮编", 1));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (TAreaRow{"0755", "518052", "广东", "南山区"}));
}

}  // namespace
}  // namespace hm::lookups
