// The combo box's item index, stepping, completion and posting, driven by
// keys, characters and the wheel.
#include "editors_fixture.h"

namespace hm::test {
namespace {

void Wheel(HWND window, int delta, WORD keys = 0) {
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<short>(delta))), 0);
}

TEST_F(EditorsTest, MainWindowComboKeepsItsIndexInStepWithTheText) {
  EXPECT_EQ(combo_->ItemIndex(), 0);  // loaded: Items, then Text
  EXPECT_EQ(combo_->GetText(), "区号");
  ShowForm();
  combo_->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(combo_->GetText(), "邮编");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->SelLength(), 2);  // stepping selects all
  PressKey(VK_UP);
  PressKey(VK_UP);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->GetText(), "区号");
  for (int i = 0; i < 5; ++i) PressKey(VK_DOWN);
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(combo_->GetText(), "县/市名");

  combo_->SetText("省份");
  EXPECT_EQ(combo_->ItemIndex(), 2);
  combo_->SetText("乡镇");
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->GetText(), "乡镇");
  PressKey(VK_UP);
  EXPECT_EQ(combo_->GetText(), "县/市名");
  EXPECT_EQ(combo_->ItemIndex(), 3);
  combo_->SetText("");
  PressKey(VK_DOWN);  // from none to the first
  EXPECT_EQ(combo_->ItemIndex(), 0);

  // The unbound value is the text itself.
  EXPECT_EQ(std::get<std::string>(combo_->DataLink().IndependentValue()), "区号");
}

TEST_F(EditorsTest, ChoosingByIndexSetsTheTextAndOutOfRangeEmptiesIt) {
  combo_->SetItemIndex(2);
  EXPECT_EQ(combo_->GetText(), "省份");
  combo_->SetItemIndex(9);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->GetText(), "");
  combo_->SetItemIndex(1);
  // Replacing the items re-derives the index from the text.
  TStringList other{"邮编", "区号"};
  combo_->SetItems(other);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->GetText(), "邮编");
}

TEST_F(EditorsTest, TypingCompletesTheFirstItemWithTheTailSelected) {
  TStringList items{"Alpha", "Beta"};
  combo_->SetItems(items);
  combo_->SetText("");
  ShowForm();
  combo_->SetFocus();
  Type(L"b");
  EXPECT_EQ(combo_->GetText(), "Beta");
  EXPECT_EQ(combo_->SelStart(), 1);
  EXPECT_EQ(combo_->SelLength(), 3);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  Type(L"E");  // replaces the selected tail, completes again
  EXPECT_EQ(combo_->GetText(), "Beta");
  EXPECT_EQ(combo_->SelStart(), 2);

  combo_->SetText("");
  Type(L"alphax");
  EXPECT_EQ(combo_->GetText(), "Alphax");
  EXPECT_EQ(combo_->ItemIndex(), -1);

  // Backspace does not complete; it leaves what is left.
  Type(L"\b");
  EXPECT_EQ(combo_->GetText(), "Alpha");
  EXPECT_EQ(combo_->ItemIndex(), 0);
  Type(L"\b");
  EXPECT_EQ(combo_->GetText(), "Alph");
  EXPECT_EQ(combo_->ItemIndex(), -1);
}

TEST_F(EditorsTest, WheelStepsLikeTheArrowsButNotWithShiftOrReadOnly) {
  ShowForm();
  combo_->SetFocus();
  Wheel(combo_->Handle(), -WHEEL_DELTA);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  Wheel(combo_->Handle(), WHEEL_DELTA);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  Wheel(combo_->Handle(), -WHEEL_DELTA, MK_SHIFT);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  combo_->SetReadOnly(true);
  Wheel(combo_->Handle(), -WHEEL_DELTA);
  PressKey(VK_DOWN);
  EXPECT_EQ(combo_->ItemIndex(), 0);
}

TEST_F(EditorsTest, KeyBasedComboTakesOnlyItemsAndPostsTheKey) {
  TStringList items{"Alpha", "Beta", "Gamma"};
  TStringList keys{"a", "b"};  // two usable items
  combo_->SetItems(items);
  combo_->SetKeyItems(keys);
  EXPECT_TRUE(combo_->KeyBased());
  EXPECT_EQ(combo_->ItemCount(), 2);
  EXPECT_EQ(combo_->GetText(), "");  // emptied when it became key-based
  combo_->SetText("Gamma");           // no key: ignored
  EXPECT_EQ(combo_->GetText(), "");
  combo_->SetText("beta");
  EXPECT_EQ(combo_->GetText(), "Beta");
  EXPECT_EQ(std::get<std::string>(combo_->KeyValue()), "b");
  EXPECT_EQ(std::get<std::string>(combo_->DataLink().IndependentValue()), "b");

  ShowForm();
  combo_->SetFocus();
  SendMessageW(combo_->Handle(), EM_SETSEL, 0, -1);
  Type(L"x");  // no item starts so: nothing changes
  EXPECT_EQ(combo_->GetText(), "Beta");
  Type(L"a");
  EXPECT_EQ(combo_->GetText(), "Alpha");
  EXPECT_EQ(combo_->SelStart(), 1);
  EXPECT_EQ(combo_->SelLength(), 4);
  // Backspace widens the selection instead of deleting.
  Type(L"\b");
  EXPECT_EQ(combo_->GetText(), "Alpha");
  EXPECT_EQ(combo_->SelStart(), 0);
  EXPECT_EQ(combo_->SelLength(), 5);
  Type(L"\b");
  EXPECT_EQ(combo_->SelStart(), 4);
  EXPECT_EQ(combo_->SelLength(), 1);

  combo_->SetKeyValue(std::string("b"));
  EXPECT_EQ(combo_->GetText(), "Beta");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  PressKey(VK_DELETE);  // clears the value
  EXPECT_TRUE(IsNull(combo_->KeyValue()));
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->GetText(), "");
}

TEST_F(EditorsTest, PostingATextInNoItemAsksOnNotInList) {
  std::vector<std::string> asked;
  combo_->OnNotInList = [&](TObject*, const std::string& text, bool&) { asked.push_back(text); };
  combo_->SetText("邮编");
  EXPECT_TRUE(asked.empty());
  combo_->SetText("街道");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "街道");
  EXPECT_EQ(std::get<std::string>(combo_->DataLink().IndependentValue()), "街道");
}

}  // namespace
}  // namespace hm::test
