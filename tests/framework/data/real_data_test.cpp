// The three lookups on the Code.BM the build produced from data/.
#include <gtest/gtest.h>

#include "tests/framework/data/ado_fixture.h"

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

}  // namespace
}  // namespace hm::test
