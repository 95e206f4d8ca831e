// The combo box's window-free rules and the data link, natively and under Wine.
#include <gtest/gtest.h>

#include "editors/combo_logic.h"
#include "editors/field_data_link.h"
#include "tests/framework/data/ado_fixture.h"

namespace hm::test {
namespace {

using combo::TRectI;

TEST(ComboLogic, FindsItemsWithoutRegardToCaseWithinTheUsableCount) {
  const TStringList items{"Alpha", "Beta", "区号", "ΣΙΓΜΑ"};
  EXPECT_EQ(combo::FindItem(items, 4, "beta"), 1);
  EXPECT_EQ(combo::FindItem(items, 4, "σιγμα"), 3);
  EXPECT_EQ(combo::FindItem(items, 1, "beta"), -1);  // past the usable items
  EXPECT_EQ(combo::FindItem(items, 4, "Bet"), -1);
  EXPECT_EQ(combo::FindPrefix(items, 4, "b"), 1);
  EXPECT_EQ(combo::FindPrefix(items, 4, "区"), 2);    // one character, three bytes
  EXPECT_EQ(combo::FindPrefix(items, 4, "alphax"), -1);
  EXPECT_EQ(combo::FindPrefix(items, 4, ""), -1);
}

TEST(ComboLogic, StepsStopAtTheEndsAndUpFromNoneIsTheLast) {
  EXPECT_EQ(combo::Step(0, 4, true), 1);
  EXPECT_EQ(combo::Step(3, 4, true), 3);
  EXPECT_EQ(combo::Step(-1, 4, true), 0);
  EXPECT_EQ(combo::Step(0, 4, false), 0);
  EXPECT_EQ(combo::Step(-1, 4, false), 3);
  EXPECT_EQ(combo::Step(-1, 0, false), -1);
}

TEST(ComboLogic, ListWidthFollowsTheSettingButNeverNarrowerThanTheCombo) {
  EXPECT_EQ(combo::ListWidth(0, 117, 300), 117);
  EXPECT_EQ(combo::ListWidth(-5, 117, 300), 117);
  EXPECT_EQ(combo::ListWidth(-1, 117, 300), 305);
  EXPECT_EQ(combo::ListWidth(-1, 117, 20), 117);
  EXPECT_EQ(combo::ListWidth(200, 117, 0), 200);
  EXPECT_EQ(combo::ListWidth(50, 117, 0), 117);
}

TEST(ComboLogic, ListOpensBelowAboveOrOnTheRoomierSideShortened) {
  const TRectI work{0, 0, 1024, 740};
  // Fits below.
  auto p = combo::PlaceList({87, 218, 204, 237}, work, 117, 4, 13, 2, daLeft);
  EXPECT_FALSE(p.upward);
  EXPECT_EQ(p.rect, (TRectI{87, 237, 204, 291}));
  EXPECT_EQ(p.rows, 4);
  // Near the bottom: upward, its bottom at the combo's top.
  p = combo::PlaceList({87, 700, 204, 719}, work, 117, 7, 13, 2, daLeft);
  EXPECT_TRUE(p.upward);
  EXPECT_EQ(p.rect.bottom, 700);
  EXPECT_EQ(p.rect.Height(), 7 * 13 + 2);
  // Fits neither way: the side with more room, whole rows of it.
  p = combo::PlaceList({10, 60, 100, 80}, {0, 0, 1024, 150}, 90, 20, 13, 2, daLeft);
  EXPECT_FALSE(p.upward);
  EXPECT_EQ(p.rows, 5);  // (70 - 2) / 13
  EXPECT_EQ(p.rect, (TRectI{10, 80, 100, 80 + 5 * 13 + 2}));
  p = combo::PlaceList({10, 100, 100, 120}, {0, 0, 1024, 150}, 90, 20, 13, 2, daLeft);
  EXPECT_TRUE(p.upward);
  EXPECT_EQ(p.rows, 7);  // (100 - 2) / 13
  EXPECT_EQ(p.rect.bottom, 100);
}

TEST(ComboLogic, ListIsAlignedAndKeptInsideTheWorkAreaHorizontally) {
  const TRectI work{0, 0, 1024, 740};
  EXPECT_EQ(combo::PlaceList({100, 10, 200, 30}, work, 160, 1, 13, 2, daRight).rect.left, 40);
  EXPECT_EQ(combo::PlaceList({100, 10, 200, 30}, work, 160, 1, 13, 2, daCenter).rect.left, 70);
  EXPECT_EQ(combo::PlaceList({950, 10, 1020, 30}, work, 160, 1, 13, 2, daLeft).rect.right, 1024);
  EXPECT_EQ(combo::PlaceList({5, 10, 60, 30}, work, 160, 1, 13, 2, daRight).rect.left, 0);
  const auto wide = combo::PlaceList({5, 10, 60, 30}, work, 2000, 1, 13, 2, daLeft).rect;
  EXPECT_EQ(wide.left, 0);
  EXPECT_EQ(wide.Width(), 1024);
}

// What an editor would do with its link's calls.
struct EditorProbe {
  std::string shown;
  int editing_changes = 0;
  TFieldDataLinkEh* link = nullptr;
  std::string text_to_post;
  TFieldDataLinkEh::Client Client() {
    TFieldDataLinkEh::Client c;
    c.DataChange = [this] {
      shown = link->DataIndependent() ? ValueToText(link->IndependentValue())
                                      : (link->Field() ? link->Field()->AsString() : "");
    };
    c.EditingChange = [this] { ++editing_changes; };
    c.UpdateData = [this] { link->PostText(text_to_post); };
    return c;
  }
};

TEST(FieldDataLink, UnboundLinkHoldsThePostedValueAndEditsOnce) {
  EditorProbe probe;
  TFieldDataLinkEh link(probe.Client());
  probe.link = &link;
  EXPECT_TRUE(link.DataIndependent());
  EXPECT_TRUE(IsNull(link.IndependentValue()));
  EXPECT_TRUE(link.LinkActive());
  link.PostText("010");
  EXPECT_EQ(std::get<std::string>(link.IndependentValue()), "010");
  EXPECT_EQ(probe.shown, "010");

  EXPECT_TRUE(link.Edit());
  EXPECT_TRUE(link.Edit());
  EXPECT_EQ(probe.editing_changes, 1);
  link.Modify();
  probe.text_to_post = "0755";
  link.UpdateRecord();  // leaving: the change is posted, editing ends
  EXPECT_EQ(std::get<std::string>(link.IndependentValue()), "0755");
  EXPECT_FALSE(link.Editing());
  EXPECT_FALSE(link.Modified());
  EXPECT_EQ(probe.editing_changes, 2);

  link.SetReadOnly(true);
  EXPECT_FALSE(link.Edit());
  EXPECT_FALSE(link.CanModify());
}

class BoundLink : public AdoFixture {};

TEST_F(BoundLink, SwitchingToBoundDropsTheHeldValueAndWritesTheField) {
  UseSampleDatabase();
  Run("Select * from ZipCode");
  EditorProbe probe;
  TFieldDataLinkEh link(probe.Client());
  probe.link = &link;
  link.PostText("held");
  link.SetDataSource(source_);
  EXPECT_FALSE(link.DataIndependent());
  EXPECT_TRUE(IsNull(link.IndependentValue()));
  source_->SetDataSet(query_);
  link.SetFieldName("dq");
  ASSERT_NE(link.Field(), nullptr);
  EXPECT_EQ(probe.shown, query_->FieldByName("DQ").AsString());
  EXPECT_TRUE(link.Edit());
  EXPECT_EQ(query_->State(), dsEdit);
  link.PostText("新地名");
  EXPECT_EQ(query_->FieldByName("DQ").AsString(), "新地名");
  // A number field refuses text that is no number; the caller sees it.
  link.SetFieldName("BM");
  EXPECT_ANY_THROW(link.PostText("abc"));
  // The data source going away unbinds the link.
  form_->FreeComponent(*source_);
  source_ = nullptr;
  link.CheckBinding();
  EXPECT_FALSE(link.DataIndependent());  // a field name is still set
  link.SetFieldName("");
  EXPECT_TRUE(link.DataIndependent());
  EXPECT_TRUE(IsNull(link.IndependentValue()));
}

}  // namespace
}  // namespace hm::test
