#include <gtest/gtest.h>

#include "framework/ui/platform/win32.h"

#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/portable/edit_mask.h"
#include "framework/ui/controls/item_strings.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/forms/form.h"
#include "showcase_form.h"

namespace hm::test {
namespace {

class EditsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlClasses();
    Application().Initialize();
  }
  void SetUp() override {
    form_ = MakeRoot<TForm>();
    form_->SetBounds(50, 50, 400, 300);
    edit_ = MakeOwned<TEdit>(*form_);
    edit_->SetParent(form_.get());
    memo_ = MakeOwned<TMemo>(*form_);
    memo_->SetParent(form_.get());
    memo_->SetBounds(8, 40, 200, 100);
  }
  Owned<TForm> form_;
  TEdit* edit_ = nullptr;
  TMemo* memo_ = nullptr;
};

TEST_F(EditsTest, StyleChangesMakeANewWindowButKeepTextAndModified) {
  edit_->HandleNeeded();
  edit_->SetText("密码abc");
  edit_->SetModified(true);
  HWND before = edit_->Handle();
  edit_->SetPasswordChar("*");
  EXPECT_NE(edit_->Handle(), before);
  EXPECT_EQ(edit_->GetText(), "密码abc");
  EXPECT_TRUE(edit_->Modified());
  EXPECT_EQ(SendMessageW(edit_->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  edit_->SetCharCase(ecUpperCase);
  EXPECT_EQ(edit_->GetText(), "密码ABC");
  EXPECT_NE(GetWindowLongPtrW(edit_->Handle(), GWL_STYLE) & ES_UPPERCASE, 0);
}

TEST_F(EditsTest, OnChangeFollowsTextChangesButNotLoading) {
  int changes = 0;
  edit_->OnChange = [&](TObject*) { ++changes; };
  edit_->SetText("a");  // no window yet
  edit_->HandleNeeded();
  edit_->SetText("b");
  SendMessageW(edit_->Handle(), EM_SETSEL, 1, 1);
  SendMessageW(edit_->Handle(), WM_CHAR, 'c', 1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(edit_->GetText(), "bc");
}

TEST_F(EditsTest, MemoLinesAreTheHardLinesOfItsText) {
  TStrings& lines = *memo_->Lines();
  lines.Add("区号: 010");
  lines.Add("邮编: 100000");
  lines.Insert(0, "北京");
  EXPECT_EQ(memo_->GetText(), "北京\r\n区号: 010\r\n邮编: 100000");
  lines.Put(1, "区号: 0755");
  lines.Delete(2);
  memo_->SetWordWrap(false);  // a new window, the same lines
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Get(1), "区号: 0755");
  EXPECT_THROW(lines.Get(2), EListError);
  lines.Clear();
  EXPECT_EQ(lines.Count(), 0);
}

// With WantReturns off, Enter in the memo is the dialog's again.
TEST_F(EditsTest, MemoWithoutWantReturnsLeavesEnterToTheDefaultButton) {
  memo_->SetWantReturns(false);
  auto* ok = MakeOwned<TBitBtn>(*form_);
  ok->SetParent(form_.get());
  ok->SetKind(bkOK);
  ok->SetBounds(220, 8, 75, 25);
  form_->OnShow = [this](TObject*) { PostMessageW(memo_->Handle(), WM_KEYDOWN, VK_RETURN, 1); };
  EXPECT_EQ(form_->ShowModal(), mrOk);
  Application().ProcessMessages();
  EXPECT_EQ(memo_->GetText(), "");
}

TEST(EditMask, FieldsEscapesAndOptionalPositions) {
  const TEditMask mask("\\A99-LL;0;*");
  ASSERT_EQ(mask.Size(), 6);
  EXPECT_TRUE(mask.IsLiteral(0));
  EXPECT_FALSE(mask.SaveLiterals());
  EXPECT_EQ(mask.Blank(), u'*');
  // Positional: a space leaves its position blank, a misfit too.
  EXPECT_EQ(mask.Format(u"1 ab"), u"A1*-ab");
  EXPECT_EQ(mask.Value(u"A1*-ab"), u"1 ab");
  EXPECT_EQ(mask.Format(u"1xab"), u"A1*-ab");
  EXPECT_EQ(mask.FirstMissing(u"A1*-a*"), 5);
  EXPECT_EQ(mask.FirstMissing(u"A**-ab"), -1);
  EXPECT_EQ(mask.Accept(1, u'x'), 0);
  EXPECT_EQ(mask.Accept(4, u'7'), 0);

  // A single trailing field is the save-literals one.
  const TEditMask one("00/00;0");
  EXPECT_FALSE(one.SaveLiterals());
  EXPECT_EQ(one.Blank(), u'_');
  EXPECT_EQ(one.Format(u"1231"), u"12/31");
}

TEST(ItemStrings, SortedListsKeepTheirOrderAndReportEachChange) {
  std::vector<std::string> events;
  TItemStrings::Listener listener;
  listener.Inserted = [&](int i, const std::string& s) { events.push_back("+" + std::to_string(i) + s); };
  listener.Deleted = [&](int i) { events.push_back("-" + std::to_string(i)); };
  listener.Cleared = [&] { events.push_back("clear"); };
  TItemStrings items(listener);
  items.Add("b");
  items.Add("A");
  items.SetSorted(true);
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"A", "b"}));
  items.Add("a2");
  EXPECT_EQ(items.Get(1), "a2");
  items.Put(0, "c");  // moves to its place
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"a2", "b", "c"}));
  EXPECT_EQ(events.back(), "+2c");
  EXPECT_THROW(items.Delete(3), EListError);
}

}  // namespace
}  // namespace hm::test
