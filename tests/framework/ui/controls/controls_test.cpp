#include <gtest/gtest.h>

#include "framework/ui/platform/win32.h"
#include <commctrl.h>

#include "fixture.h"
#include "framework/core/text.h"
#include "framework/ui/controls/button_layout.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/edits.h"
#include "framework/ui/controls/group_box.h"
#include "framework/ui/controls/list_controls.h"
#include "framework/ui/controls/range_controls.h"

namespace hm::test {
namespace {

class ControlsTest : public ShowcaseTest {
 protected:
  void SetUp() override {
    ShowcaseTest::SetUp();
    ShowForm();
  }
};

TEST(ButtonLayout, EmptyGlyphCentresTheCaptionWithoutSpacing) {
  // 54 x 42 button, no glyph, Margin -1, Spacing 4: the spacing drops out.
  const TButtonPlacement at = PlaceGlyphAndText(SIZE{54, 42}, SIZE{0, 0}, SIZE{40, 13}, blGlyphLeft, -1, 4);
  EXPECT_EQ(at.text.x, (54 - 40) / 2);
  EXPECT_EQ(at.text.y, (42 - 13 + 1) / 2);
}

TEST(ButtonLayout, MarginAndSpacingShareTheRoomAsAsked) {
  const SIZE client{75, 25}, glyph{16, 16}, text{30, 13};
  TButtonPlacement at = PlaceGlyphAndText(client, glyph, text, blGlyphLeft, -1, 4);
  EXPECT_EQ(at.glyph.x, (75 - (16 + 4 + 30)) / 2);
  EXPECT_EQ(at.text.x, at.glyph.x + 16 + 4);
  EXPECT_EQ(at.glyph.y, (25 - 16 + 1) / 2);

  at = PlaceGlyphAndText(client, glyph, text, blGlyphLeft, -1, -1);
  EXPECT_EQ(at.glyph.x, (75 - 46) / 3);
  EXPECT_EQ(at.text.x, 2 * ((75 - 46) / 3) + 16);

  at = PlaceGlyphAndText(client, glyph, text, blGlyphRight, 2, -1);
  EXPECT_EQ(at.glyph.x, 75 - 2 - 16);
  EXPECT_EQ(at.text.x, at.glyph.x - (75 - 18 - 30) / 2 - 30);
  EXPECT_EQ(at.text_align, static_cast<UINT>(DT_RIGHT));

  at = PlaceGlyphAndText(SIZE{60, 60}, glyph, text, blGlyphBottom, 4, 2);
  EXPECT_EQ(at.glyph.y, 60 - 4 - 16);
  EXPECT_EQ(at.text.y, at.glyph.y - 2 - 13);
  EXPECT_EQ(at.glyph.x, (60 - 16 + 1) / 2);
}

TEST_F(ControlsTest, BitBtnKindGivesCaptionRoleAndResultButKeepsAStoredCaption) {
  auto* b = MakeOwned<TBitBtn>(*form_);
  b->SetKind(bkCancel);
  EXPECT_EQ(b->Caption(), "Cancel");
  EXPECT_TRUE(b->Cancel());
  EXPECT_EQ(b->ModalResult(), mrCancel);
  b->SetCaption("取消");
  b->SetKind(bkNo);
  EXPECT_EQ(b->Caption(), "取消");
  EXPECT_EQ(b->ModalResult(), mrNo);
}

TEST_F(ControlsTest, SpeedButtonsOfAGroupStayExclusive) {
  auto& a = Get<TSpeedButton>("SpeedButton1");
  auto& b = Get<TSpeedButton>("SpeedButton2");
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  const LPARAM inside = MAKELPARAM(b.Left() + 5, b.Top() + 5);
  SendMessageW(form_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  EXPECT_TRUE(b.Pressed());
  SendMessageW(form_->Handle(), WM_LBUTTONUP, 0, inside);
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(clicks, 1);

  // Released away from the button: no click; a down button stays down.
  SendMessageW(form_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageW(form_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 400));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b.Down());
  b.SetDown(false);  // no AllowAllUp: the group keeps it
  EXPECT_TRUE(b.Down());
}

TEST_F(ControlsTest, CheckBoxClicksStepThroughGreyOnlyWhenAllowed) {
  auto& plain = Get<TCheckBox>("CheckBox1");
  auto& grey = Get<TCheckBox>("CheckBox2");
  int clicks = 0;
  plain.OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(plain.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(plain.State(), cbUnchecked);
  SendMessageW(plain.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(plain.State(), cbChecked);
  EXPECT_EQ(clicks, 2);
  SendMessageW(grey.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(grey.State(), cbChecked);
  SendMessageW(grey.Handle(), BM_CLICK, 0, 0);
  SendMessageW(grey.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(grey.State(), cbGrayed);
  EXPECT_EQ(SendMessageW(grey.Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(ControlsTest, RadioGroupAndItsButtonsAgree) {
  auto& group = Get<TRadioGroup>("RadioGroup1");
  int clicks = 0;
  group.OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(group.Buttons(0)->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(group.Buttons(2)->Checked());
  EXPECT_EQ(SendMessageW(group.Buttons(2)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  group.SetItemIndex(3);
  EXPECT_TRUE(group.Buttons(3)->Checked());
  group.Items()->Delete(3);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_EQ(group.ControlCount(), 3);
  // Two columns: the third button starts the second column.
  EXPECT_GT(group.Buttons(2)->Left(), group.Buttons(0)->Left());
}

// The group's buttons are made while its window exists; they must still
// show the group's font, not a deleted one.
TEST_F(ControlsTest, RadioGroupButtonsShowTheGroupsFont) {
  auto& group = Get<TRadioGroup>("RadioGroup1");
  for (int i = 0; i < group.Items()->Count(); ++i) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(group.Buttons(i)->Handle(), WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    ASSERT_NE(GetObjectW(font, sizeof(lf), &lf), 0) << i;
    EXPECT_EQ(Narrow(lf.lfFaceName), "Tahoma") << i;
  }
}

TEST_F(ControlsTest, ListBoxItemsFollowChangesAndSurviveANewWindow) {
  auto& list = Get<TListBox>("ListBox1");
  list.Items()->Add("深圳");
  list.Items()->Delete(0);
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 3);
  list.SetItemIndex(2);
  list.SetMultiSelect(true);  // makes the window again
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(list.ItemIndex(), 2);
  wchar_t text[16] = {};
  SendMessageW(list.Handle(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"深圳");
  list.SetSorted(true);
  EXPECT_EQ(list.Items()->Count(), 3);
  SendMessageW(list.Handle(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(Narrow(text), list.Items()->Get(0));
}

TEST_F(ControlsTest, ASortedListKeepsEachObjectWithItsItem) {
  auto& list = Get<TListBox>("ListBox1");
  list.Items()->Clear();
  list.SetSorted(true);
  TStringList tag_c, tag_a, tag_b;  // any objects will do as tags
  EXPECT_EQ(list.Items()->AddObject("c", &tag_c), 0);
  EXPECT_EQ(list.Items()->AddObject("a", &tag_a), 0);
  EXPECT_EQ(list.Items()->AddObject("b", &tag_b), 1);
  EXPECT_EQ(list.Items()->GetObject(list.Items()->IndexOf("a")), &tag_a);
  EXPECT_EQ(list.Items()->GetObject(list.Items()->IndexOf("b")), &tag_b);
  EXPECT_EQ(list.Items()->GetObject(list.Items()->IndexOf("c")), &tag_c);
}

TEST_F(ControlsTest, ListOnlyComboTakesOnlyItemTextsAndReportsKeyChoices) {
  auto& combo = Get<TComboBox>("ComboBox1");
  combo.SetText("省份");
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.SetText("不存在");
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(0);
  int changes = 0;
  combo.OnChange = [&](TObject*) { ++changes; };
  SendMessageW(combo.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.GetText(), "邮编");
  EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, ScrollBarFollowsItsScrollMessages) {
  auto& bar = Get<TScrollBar>("ScrollBar1");
  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  const LPARAM from = reinterpret_cast<LPARAM>(bar.Handle());
  SendMessageW(form_->Handle(), WM_HSCROLL, SB_LINEDOWN, from);
  EXPECT_EQ(bar.Position(), 51);
  SendMessageW(form_->Handle(), WM_HSCROLL, SB_BOTTOM, from);
  EXPECT_EQ(bar.Position(), 200 - 20 + 1);  // the last page, not past it
  EXPECT_EQ(GetScrollPos(bar.Handle(), SB_CTL), 181);
  EXPECT_EQ(changes, 2);
  bar.OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 7; };
  SendMessageW(form_->Handle(), WM_HSCROLL, SB_PAGEUP, from);
  EXPECT_EQ(bar.Position(), 7);
}

TEST_F(ControlsTest, TrackBarReportsThumbMovesByTheKeyboard) {
  auto& track = Get<TTrackBar>("TrackBar1");
  int changes = 0;
  track.OnChange = [&](TObject*) { ++changes; };
  SendMessageW(track.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(track.Position(), 9);
  EXPECT_EQ(changes, 1);
  track.SetPosition(100);
  EXPECT_EQ(track.Position(), 20);
}

TEST_F(ControlsTest, UpDownSitsBesideItsAssociateAndWritesItsPosition) {
  auto& up = Get<TUpDown>("UpDown1");
  auto& edit = Get<TEdit>("Edit3");
  EXPECT_EQ(edit.Width(), 60);  // not narrowed
  EXPECT_EQ(up.Left(), edit.Left() + edit.Width());
  EXPECT_EQ(up.Height(), edit.Height());
  up.SetPosition(7);
  wchar_t text[8] = {};
  GetWindowTextW(edit.Handle(), text, 8);
  EXPECT_STREQ(text, L"7");
  up.SetPosition(50);
  EXPECT_EQ(up.Position(), 10);
}

TEST_F(ControlsTest, ProgressBarStepsWithinItsRange) {
  auto& bar = Get<TProgressBar>("ProgressBar1");
  bar.StepIt();
  EXPECT_EQ(bar.Position(), 70);
  EXPECT_EQ(SendMessageW(bar.Handle(), PBM_GETPOS, 0, 0), 70);
  bar.StepBy(100);
  EXPECT_EQ(bar.Position(), 100);
}

}  // namespace
}  // namespace hm::test
