#include <gtest/gtest.h>

#include "tests/framework/data/ado_fixture.h"

namespace hm::test {
namespace {

// A link that records what it hears, as a grid would.
class RecordingLink : public TDataLink {
 public:
  std::vector<std::string> heard;
  TDataSet* datasetAtActiveChange = nullptr;

 protected:
  void ActiveChanged() override { heard.push_back(Active() ? "active" : "inactive"); }
  void DataSetChanged() override { heard.push_back("changed"); }
  void RecordChanged(TField* field) override { heard.push_back("record " + (field ? field->FieldName() : "")); }
  void DataSetScrolled(int distance) override { heard.push_back("scrolled " + std::to_string(distance)); }
  void EditingChanged() override { heard.push_back(Editing() ? "editing" : "browsing"); }
};

class DataSetTest : public AdoFixture {
 protected:
  void SetUp() override {
    UseSampleDatabase();
    Run("Select * from AreaData");  // five rows
  }
  std::string Current() const { return Text("县市名"); }
};

TEST_F(DataSetTest, NavigationSetsBofEofAndRecNo) {
  EXPECT_EQ(query_->RecordCount(), 5);
  EXPECT_TRUE(query_->Bof());
  EXPECT_FALSE(query_->Eof());
  query_->Next();
  EXPECT_EQ(query_->RecNo(), 2);
  EXPECT_EQ(Current(), "深圳市");
  EXPECT_FALSE(query_->Bof());
  query_->Last();
  EXPECT_EQ(query_->RecNo(), 5);
  EXPECT_TRUE(query_->Eof());
  EXPECT_EQ(Current(), "北屯市");
  query_->Next();  // stays, still at the end
  EXPECT_EQ(query_->RecNo(), 5);
  EXPECT_TRUE(query_->Eof());
  query_->Prior();
  EXPECT_FALSE(query_->Eof());
  EXPECT_EQ(query_->MoveBy(-10), -3);
  EXPECT_TRUE(query_->Bof());
  EXPECT_EQ(query_->RecNo(), 1);
  EXPECT_EQ(query_->MoveBy(2), 2);
  EXPECT_EQ(Current(), "南山区");
  query_->SetRecNo(99);
  EXPECT_EQ(query_->RecNo(), 5);
  query_->First();
  EXPECT_EQ(query_->RecNo(), 1);
  EXPECT_TRUE(query_->Bof());
}

TEST_F(DataSetTest, FieldsDescribeTheirColumns) {
  ASSERT_EQ(query_->FieldCount(), 4);
  EXPECT_EQ(query_->Fields(0)->FieldName(), "区号");
  EXPECT_EQ(query_->Fields(3)->DisplayLabel(), "县市名");
  EXPECT_EQ(query_->Fields(0)->Alignment(), taLeftJustify);
  EXPECT_THROW(query_->Fields(4), EListError);
  Run("Select * from ZipCode");
  EXPECT_EQ(query_->FieldByName("BM").DataType(), ftLargeint);
  EXPECT_EQ(query_->FieldByName("BM").Alignment(), taRightJustify);
  EXPECT_EQ(query_->FieldByName("BM").AsInteger(), 110000);
  EXPECT_EQ(query_->FieldByName("DQ").Alignment(), taLeftJustify);
  // The R*Tree's columns carry no declared type; their values decide.
  Run("Select * from MobileCode");
  EXPECT_EQ(query_->FieldByName("号码B").Alignment(), taRightJustify);
  EXPECT_EQ(query_->FieldByName("类型").Alignment(), taLeftJustify);
}

TEST_F(DataSetTest, BookmarksSurviveDeletesOfOtherRecords) {
  query_->MoveBy(3);
  const TBookmark hangzhou = query_->GetBookmark();
  query_->First();
  const TBookmark first = query_->GetBookmark();
  query_->Delete();
  EXPECT_FALSE(query_->BookmarkValid(first));
  EXPECT_THROW(query_->GotoBookmark(first), EDatabaseError);
  query_->GotoBookmark(hangzhou);
  EXPECT_EQ(Current(), "杭州市");
  EXPECT_EQ(query_->RecNo(), 3);
}

TEST_F(DataSetTest, LinksHearOpenScrollAndClose) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  EXPECT_EQ(link.heard, (std::vector<std::string>{"active"}));
  link.heard.clear();
  query_->Next();
  EXPECT_EQ(link.heard, (std::vector<std::string>{"scrolled 1"}));  // one-row window moves with it
  link.heard.clear();
  query_->Close();
  EXPECT_EQ(link.heard, (std::vector<std::string>{"inactive"}));
  EXPECT_FALSE(link.Active());
  query_->Open();
  link.heard.clear();
  source_->SetDataSet(nullptr);
  EXPECT_EQ(link.heard, (std::vector<std::string>{"inactive"}));
  EXPECT_EQ(link.DataSet(), nullptr);
}

TEST_F(DataSetTest, LinkWindowFollowsTheCurrentRecord) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  link.SetBufferCount(3);
  EXPECT_EQ(link.RecordCount(), 3);
  EXPECT_EQ(link.ActiveRecord(), 0);
  query_->MoveBy(2);  // still inside rows 0..2
  EXPECT_EQ(link.FirstRecord(), 0);
  EXPECT_EQ(link.ActiveRecord(), 2);
  link.heard.clear();
  query_->Last();  // the window shifts by two: rows 2..4
  EXPECT_EQ(link.heard, (std::vector<std::string>{"scrolled 2"}));
  EXPECT_EQ(link.FirstRecord(), 2);
  EXPECT_EQ(link.ActiveRecord(), 2);
  // Reading another row of the window, as a grid paints.
  link.SetActiveRecord(0);
  EXPECT_EQ(Current(), "南山区");
  link.SetActiveRecord(2);
  EXPECT_EQ(Current(), "北屯市");
  // Deleting at the end keeps the window full.
  query_->Delete();
  EXPECT_EQ(query_->RecNo(), 4);
  EXPECT_EQ(link.FirstRecord(), 1);
  EXPECT_EQ(link.RecordCount(), 3);
  query_->First();
  EXPECT_EQ(link.FirstRecord(), 0);
  // A larger buffer than rows holds them all.
  link.SetBufferCount(10);
  EXPECT_EQ(link.RecordCount(), 4);
}

TEST_F(DataSetTest, DisabledControlsHearOneChangeAtTheEnd) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  link.heard.clear();
  query_->DisableControls();
  query_->DisableControls();
  query_->Next();
  query_->Next();
  query_->EnableControls();
  EXPECT_TRUE(link.heard.empty());
  EXPECT_TRUE(query_->ControlsDisabled());
  query_->EnableControls();
  EXPECT_EQ(link.heard, (std::vector<std::string>{"changed"}));
  EXPECT_FALSE(query_->ControlsDisabled());
  query_->EnableControls();  // unbalanced: ignored
  EXPECT_EQ(link.heard.size(), 1u);
}

TEST_F(DataSetTest, DisabledDataSourceSilencesItsLinks) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  source_->SetEnabled(false);
  EXPECT_FALSE(link.Active());
  link.heard.clear();
  query_->Next();
  EXPECT_TRUE(link.heard.empty());
}

TEST_F(DataSetTest, FreeingTheDataSetOrTheSourceUnlinks) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  form_->FreeComponent(*query_);
  query_ = nullptr;
  EXPECT_EQ(source_->DataSet(), nullptr);
  EXPECT_FALSE(link.Active());
  form_->FreeComponent(*source_);
  source_ = nullptr;
  EXPECT_EQ(link.DataSource(), nullptr);
}

TEST_F(DataSetTest, EditNotifiesTheLinks) {
  RecordingLink link;
  link.SetDataSource(source_);
  source_->SetDataSet(query_);
  link.heard.clear();
  query_->FieldByName("邮编").SetAsString("100011");
  EXPECT_EQ(link.heard, (std::vector<std::string>{"editing", "record 邮编"}));
  link.heard.clear();
  query_->Post();
  EXPECT_EQ(link.heard, (std::vector<std::string>{"browsing", "record "}));
}

}  // namespace
}  // namespace hm::test
