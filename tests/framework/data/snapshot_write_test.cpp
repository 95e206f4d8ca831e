#include <gtest/gtest.h>

#include "framework/data/snapshot.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"

namespace hm::test {
namespace {

class SnapshotWrite : public AdoFixture {
 protected:
  void SetUp() override { UseSampleDatabase(); }

  // What a second, independent connection sees.
  std::string OtherSees(const std::string& sql) {
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadOnly);
    TSqliteStatement s = db.Prepare(sql);
    std::string out;
    while (s.Step()) out += (out.empty() ? "" : "|") + s.ColumnText(0);
    return out;
  }
};

TEST(SelectStar, OnlyPlainSingleTableSelectsAreUpdatable) {
  EXPECT_EQ(SingleTableOfSelectStar("Select * from AreaData where 区号 like '%0755%'"), "AreaData");
  EXPECT_EQ(SingleTableOfSelectStar("select  *  FROM \"Zip Code\" order by 1"), "Zip Code");
  EXPECT_EQ(SingleTableOfSelectStar("Select * from ZipCode where BM in (select BM from ZipCode union select 1)"),
            "ZipCode");
  for (const char* sql : {"Select 区号 from AreaData", "Select * from AreaData a", "Select * from AreaData, ZipCode",
                          "Select * from AreaData join ZipCode", "Select * from main.AreaData",
                          "Select * from ZipCode union select * from ZipCode", "Select * from ZipCode group by DQ",
                          "Delete from ZipCode", "Select distinct * from ZipCode"}) {
    EXPECT_FALSE(SingleTableOfSelectStar(sql).has_value()) << sql;
  }
}

TEST_F(SnapshotWrite, DeleteRemovesTheRowFromTableAndResult) {
  Run("Select * from AreaData where 省名 like '%广东%'");
  ASSERT_EQ(query_->RecordCount(), 2);
  EXPECT_TRUE(query_->CanModify());
  EXPECT_EQ(Text("县市名"), "深圳市");
  query_->Delete();
  EXPECT_EQ(query_->RecordCount(), 1);
  EXPECT_EQ(Text("县市名"), "南山区");
  EXPECT_EQ(OtherSees("select 县市名 from AreaData where 省名='广东'"), "南山区");
  query_->Delete();
  EXPECT_TRUE(query_->IsEmpty());
  EXPECT_EQ(Text("县市名"), "");
  EXPECT_THROW(query_->Delete(), EDatabaseError);
}

TEST_F(SnapshotWrite, DeleteWorksOnTheRangeTable) {
  Run("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  query_->Delete();
  Run("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  EXPECT_TRUE(query_->IsEmpty());
  EXPECT_EQ(OtherSees("select count(*) from MobileCode"), "3");
}

TEST_F(SnapshotWrite, PostWritesTheEditedFieldBack) {
  Run("Select * from AreaData where 县市名 like '%北屯%'");
  TField& code = query_->FieldByName("区号");
  EXPECT_TRUE(code.CanModify());
  code.SetAsString("0906");
  EXPECT_EQ(query_->State(), dsEdit);
  EXPECT_EQ(code.AsString(), "0906");
  EXPECT_EQ(OtherSees("select 区号 from AreaData where 县市名='北屯市'"), "");  // not yet
  query_->Post();
  EXPECT_EQ(query_->State(), dsBrowse);
  EXPECT_EQ(OtherSees("select 区号 from AreaData where 县市名='北屯市'"), "0906");
  EXPECT_EQ(code.AsString(), "0906");
}

TEST_F(SnapshotWrite, CancelAndMovingBehaveLikeARecordBuffer) {
  Run("Select * from ZipCode");
  query_->FieldByName("DQ").SetAsString("改过");
  query_->Cancel();
  EXPECT_EQ(Text("DQ"), "北京市");
  // Moving away posts the pending edit.
  query_->FieldByName("DQ").SetAsString("北京");
  query_->Next();
  EXPECT_EQ(OtherSees("select DQ from ZipCode where BM=110000"), "北京");
  // Numbers are converted; text that is none is refused before anything changes.
  EXPECT_THROW(query_->FieldByName("BM").SetAsString("11x"), EConvertError);
  query_->FieldByName("BM").SetAsString("110102");
  query_->Post();
  EXPECT_EQ(OtherSees("select typeof(BM) || BM from ZipCode where DQ='北京市东城区'"), "integer110102");
}

TEST_F(SnapshotWrite, ResultsThatCannotBeUpdatedRefuse) {
  for (const char* sql : {"Select DQ from ZipCode", "Select * from ZipCode z where z.BM > 0",
                          "Select * from AreaData, ZipCode where BM=110000"}) {
    Run(sql);
    EXPECT_FALSE(query_->CanModify()) << sql;
    EXPECT_FALSE(query_->Fields(0)->CanModify()) << sql;
    EXPECT_EQ(ErrorOf([&] { query_->Delete(); }), "ADOQuery1: Cannot modify a read-only dataset") << sql;
    EXPECT_EQ(ErrorOf([&] { query_->Edit(); }), "ADOQuery1: Cannot modify a read-only dataset") << sql;
  }
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "3");
}

TEST_F(SnapshotWrite, ReadOnlyModeRefusesWithTheEnginesMessage) {
  connection_->SetMode(cmRead);
  Run("Select * from ZipCode");
  const std::string error = ErrorOf([&] { query_->Delete(); });
  EXPECT_NE(error.find("readonly"), std::string::npos) << error;
  EXPECT_EQ(query_->RecordCount(), 3);
}

TEST_F(SnapshotWrite, StaticResultIgnoresOtherWritersAndLosesNoWrites) {
  Run("Select * from ZipCode");
  ASSERT_EQ(query_->RecordCount(), 3);
  {
    // Another process, with the result open (share mode deny-none).
    TSqliteDatabase other(path_, TSqliteDatabase::OpenMode::ReadWrite);
    other.Exec("INSERT INTO ZipCode VALUES(120000, '天津市')");
    other.Exec("UPDATE ZipCode SET DQ='北京市(改)' WHERE BM=110000");
  }
  // The snapshot is what was read.
  EXPECT_EQ(query_->RecordCount(), 3);
  EXPECT_EQ(Text("DQ"), "北京市");
  // Overwriting what the other changed, or deleting it, is refused...
  query_->FieldByName("DQ").SetAsString("北京");
  EXPECT_EQ(ErrorOf([&] { query_->Post(); }),
            "The record was changed or deleted by another user since it was read");
  EXPECT_EQ(query_->State(), dsEdit);
  query_->Cancel();
  EXPECT_EQ(ErrorOf([&] { query_->Delete(); }),
            "The record was changed or deleted by another user since it was read");
  EXPECT_EQ(OtherSees("select DQ from ZipCode where BM=110000"), "北京市(改)");
  // ...while rows the other left alone can be changed.
  query_->Next();
  query_->Delete();
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "3");
  // Reopening shows everyone's changes.
  Run("Select * from ZipCode");
  EXPECT_EQ(query_->RecordCount(), 3);
  EXPECT_EQ(Text("DQ"), "北京市(改)");
}

TEST_F(SnapshotWrite, TwoConnectionsWriteTheSameFile) {
  auto second = MakeRoot<TADOConnection>();
  second->SetConnectionString(ConnectionStringFor(path_));
  second->SetMode(cmShareDenyNone);
  auto query2 = MakeRoot<TADOQuery>();
  query2->SetConnection(second.get());
  query2->SQL()->SetText("Select * from ZipCode where BM=440305");
  query2->Open();
  Run("Select * from ZipCode where BM=110101");
  query_->FieldByName("DQ").SetAsString("东城");
  query_->Post();
  query2->FieldByName("DQ").SetAsString("南山");
  query2->Post();
  EXPECT_EQ(OtherSees("select DQ from ZipCode order by BM"), "北京市|东城|南山");
}

}  // namespace
}  // namespace hm::test
