// The combo's drop-down list: size and place, keys while shown, closing by
// keys, button, focus and clicks elsewhere, and the handles it leaves.
#include "editors_fixture.h"

#include <algorithm>
#include <vector>

#include "tests/framework/ui/gui_objects.h"

namespace hm::test {
namespace {

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

class DropDownTest : public EditorsTest {
 protected:
  HWND List() const { return combo_->PopupList()->Handle(); }
  bool ListShown() const { return combo_->PopupList() && IsWindowVisible(combo_->PopupList()->Handle()); }
  HWND Button() const { return combo_->ButtonControl(0)->Handle(); }
};

TEST_F(DropDownTest, MainWindowButtonIsTheFourteenPixelArrowAtTheRight) {
  ShowForm();
  TEditButtonControlEh* button = combo_->ButtonControl(0);
  EXPECT_TRUE(button->Visible());
  EXPECT_EQ(button->Width(), 14);
  EXPECT_EQ(button->Height(), combo_->ClientHeight());
  EXPECT_EQ(button->Left() + 14, combo_->ClientWidth());
  EXPECT_TRUE(combo_->ButtonSeparator(0)->Visible());
  EXPECT_EQ(combo_->ButtonsWidth(), 15);
  EXPECT_EQ(combo_->EditButton()->ShortCut(), 0x8028);
}

TEST_F(DropDownTest, AltDownDropsTheListFourRowsHighBelowTheCombo) {
  ShowForm();
  combo_->SetFocus();
  PressAltKey(VK_DOWN);
  ASSERT_TRUE(combo_->ListVisible());
  ASSERT_TRUE(ListShown());
  EXPECT_EQ(combo_->DropDownBox()->Rows(), 7);
  TPopupListboxEh& list = *combo_->PopupList();
  EXPECT_EQ(list.ClientHeight(), 4 * list.ItemHeight());  // 7 rows wanted, 4 items
  EXPECT_EQ(list.ItemHeight(), FontTextHeight(*combo_->Font()));
  const RECT c = WindowRect(combo_->Handle());
  const RECT l = WindowRect(List());
  EXPECT_EQ(l.top, c.bottom);
  EXPECT_EQ(l.left, c.left);
  EXPECT_EQ(l.right - l.left, c.right - c.left);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(GetFocus(), combo_->Handle());  // the list never takes the focus
  EXPECT_TRUE(combo_->ButtonControl(0)->AlwaysDown());
  PressAltKey(VK_DOWN);  // the shortcut again closes it
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_FALSE(ListShown());
  EXPECT_FALSE(combo_->ButtonControl(0)->AlwaysDown());
}

TEST_F(DropDownTest, KeysGoToTheListEscKeepsThePreviousItemEnterTakesTheNew) {
  ShowForm();
  combo_->SetFocus();
  combo_->DropDown();
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(combo_->PopupList()->ItemIndex(), 2);
  EXPECT_EQ(combo_->ItemIndex(), 0);  // the combo waits for Enter
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->GetText(), "区号");

  std::vector<bool> closes;
  combo_->OnCloseUp = [&](TObject*, bool accept) { closes.push_back(accept); };
  combo_->DropDown();
  PressKey(VK_NEXT);  // a page: to the last of four
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->GetText(), "省份");
  EXPECT_EQ(combo_->SelLength(), 2);
  EXPECT_EQ(closes, (std::vector<bool>{true}));
  EXPECT_EQ(std::get<std::string>(combo_->DataLink().IndependentValue()), "省份");
}

TEST_F(DropDownTest, TheButtonPressThatOpensDoesNotCloseTheNextOneDoes) {
  ShowForm();
  const POINT middle{7, 5};
  SendMouse(Button(), WM_LBUTTONDOWN, middle, MK_LBUTTON);
  EXPECT_TRUE(combo_->ListVisible());
  EXPECT_TRUE(combo_->DroppedByButton());
  EXPECT_EQ(GetFocus(), combo_->Handle());
  SendMouse(Button(), WM_LBUTTONUP, middle);
  EXPECT_TRUE(combo_->ListVisible());
  SendMouse(Button(), WM_LBUTTONDOWN, middle, MK_LBUTTON);
  EXPECT_TRUE(combo_->ListVisible());
  SendMouse(Button(), WM_LBUTTONUP, middle);
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_EQ(combo_->ItemIndex(), 0);
}

TEST_F(DropDownTest, UpDownEditButtonStepsInsteadOfDropping) {
  combo_->EditButton()->SetStyle(ebsUpDownEh);
  ShowForm();
  const int h = combo_->ButtonControl(0)->Height();
  SendMouse(Button(), WM_LBUTTONDOWN, {7, h - 2}, MK_LBUTTON);  // lower half: next
  SendMouse(Button(), WM_LBUTTONUP, {7, h - 2});
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_EQ(combo_->ItemIndex(), 1);
  SendMouse(Button(), WM_LBUTTONDOWN, {7, 1}, MK_LBUTTON);  // upper half: previous
  SendMouse(Button(), WM_LBUTTONUP, {7, 1});
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->GetText(), "区号");
}

TEST_F(DropDownTest, PressOnTheButtonDragIntoTheListReleaseChooses) {
  ShowForm();
  SendMouse(Button(), WM_LBUTTONDOWN, {7, 5}, MK_LBUTTON);
  ASSERT_TRUE(combo_->ListVisible());
  // The third row, in the button's coordinates (it holds the mouse).
  TPopupListboxEh& list = *combo_->PopupList();
  RECT row;
  SendMessageW(List(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  POINT p{row.left + 5, row.top + 3};
  ClientToScreen(List(), &p);
  ScreenToClient(Button(), &p);
  SendMouse(Button(), WM_MOUSEMOVE, p, MK_LBUTTON);
  EXPECT_EQ(list.ItemIndex(), 2);
  SendMouse(Button(), WM_LBUTTONUP, p);
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->GetText(), "省份");
}

TEST_F(DropDownTest, RealClicksChooseInTheListAndElsewhereCloseWithoutChoosing) {
  ShowForm();
  combo_->SetFocus();
  combo_->DropDown();
  RECT row;
  SendMessageW(List(), LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
  POINT p{row.left + 5, row.top + 3};
  ClientToScreen(List(), &p);
  ClickAt(p);
  EXPECT_TRUE(PumpUntil([&] { return !combo_->ListVisible(); }));
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(GetFocus(), combo_->Handle());

  // A click on the form's empty area takes the mouse from the combo.
  combo_->DropDown();
  POINT empty{150, 100};
  ClientToScreen(form_->Handle(), &empty);
  ClickAt(empty);
  EXPECT_TRUE(PumpUntil([&] { return !combo_->ListVisible(); }));
  EXPECT_EQ(combo_->ItemIndex(), 3);

  // A click into the combo's own text keeps it open.
  combo_->DropDown();
  ClickAt(POINT{WindowRect(combo_->Handle()).left + 10, CenterOf(combo_->Handle()).y});
  Pump();
  EXPECT_TRUE(combo_->ListVisible());
  combo_->CloseUp(false);
}

TEST_F(DropDownTest, LosingTheFocusClosesTheListWithoutChoosing) {
  ShowForm();
  combo_->SetFocus();
  combo_->DropDown();
  PressKey(VK_DOWN);
  other_->SetFocus();
  Pump();
  EXPECT_FALSE(combo_->ListVisible());
  EXPECT_FALSE(ListShown());
  EXPECT_EQ(combo_->ItemIndex(), 0);
  // The system's cancel-mode message (a dialog coming up) too.
  combo_->SetFocus();
  combo_->DropDown();
  SendMessageW(combo_->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(combo_->ListVisible());
}

TEST_F(DropDownTest, WheelScrollsTheShownListInsteadOfStepping) {
  TStringList many;
  for (int i = 0; i < 30; ++i) many.Add("item " + std::to_string(i));
  combo_->SetItems(many);
  ShowForm();
  combo_->SetFocus();
  combo_->DropDown();
  SendMessageW(combo_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  Pump();
  EXPECT_GT(combo_->PopupList()->TopIndex(), 0);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->PopupList()->ClientHeight(), 7 * combo_->PopupList()->ItemHeight());
  combo_->CloseUp(false);
}

TEST_F(DropDownTest, NearTheBottomOfTheWorkAreaTheListOpensUpward) {
  ShowForm();
  const RECT work = WorkAreaOf(form_->Handle());
  // Put the combo 30 pixels above the bottom of the work area.
  const RECT c0 = WindowRect(combo_->Handle());
  const RECT f0 = WindowRect(form_->Handle());
  const int dy = (work.bottom - 30) - c0.top;
  SetWindowPos(form_->Handle(), nullptr, f0.left, f0.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  combo_->SetFocus();
  combo_->DropDown();
  const RECT c = WindowRect(combo_->Handle());
  const RECT l = WindowRect(List());
  EXPECT_EQ(l.bottom, c.top);
  EXPECT_EQ(combo_->PopupList()->ClientHeight(), 4 * combo_->PopupList()->ItemHeight());
  EXPECT_TRUE(combo_->PopupList()->GripAtTop());
  combo_->CloseUp(false);

  // Too many rows for either side: the roomier side (above), shortened.
  combo_->DropDownBox()->SetRows(200);
  TStringList many;
  for (int i = 0; i < 200; ++i) many.Add(std::to_string(i));
  combo_->SetItems(many);
  combo_->DropDown();
  const RECT tall = WindowRect(List());
  EXPECT_EQ(tall.bottom, c.top);
  EXPECT_GE(tall.top, work.top);
  EXPECT_EQ(combo_->PopupList()->ClientHeight() % combo_->PopupList()->ItemHeight(), 0);
  combo_->CloseUp(false);
}

TEST_F(DropDownTest, ListWidthAndAlignmentFollowTheDropDownBox) {
  TStringList items{"短", "a much longer item than the combo is wide"};
  combo_->SetItems(items);
  combo_->DropDownBox()->SetWidth(-1);
  combo_->DropDownBox()->SetAlign(daRight);
  ShowForm();
  combo_->DropDown();
  const RECT c = WindowRect(combo_->Handle());
  const RECT l = WindowRect(List());
  EXPECT_GT(l.right - l.left, c.right - c.left);
  EXPECT_EQ(l.right, c.right);
  combo_->CloseUp(false);
  combo_->DropDownBox()->SetWidth(0);
  combo_->DropDown();
  EXPECT_EQ(WindowRect(List()).right - WindowRect(List()).left, c.right - c.left);
  combo_->CloseUp(false);
}

// The arrow button's face, as pixels of its window.
std::vector<COLORREF> FaceOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  std::vector<COLORREF> out;
  HDC dc = GetDC(window);
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) out.push_back(GetPixel(dc, x, y));
  ReleaseDC(window, dc);
  return out;
}

TEST_F(DropDownTest, ArrowButtonShowsPushedWhileDroppedAndInactiveWhenDisabled) {
  ShowForm();
  auto face = [this] {
    RedrawWindow(Button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(1);
    return FaceOf(Button());
  };
  const auto normal = face();
  // The combo-box arrow: dark arrow pixels on a button face.
  EXPECT_NE(std::count(normal.begin(), normal.end(), GetSysColor(COLOR_BTNTEXT)), 0);
  combo_->SetFocus();
  combo_->DropDown();
  const auto pushed = face();
  EXPECT_NE(pushed, normal);
  combo_->CloseUp(false);
  EXPECT_EQ(face(), normal);
  combo_->SetEnabled(false);
  const auto inactive = face();
  EXPECT_NE(inactive, normal);
  EXPECT_EQ(std::count(inactive.begin(), inactive.end(), GetSysColor(COLOR_BTNTEXT)), 0);
  // Without the border active a flat button sits one pixel inside, in the edit's colour.
  combo_->SetEnabled(true);
  combo_->SetAlwaysShowBorder(false);
  other_->SetFocus();
  MouseTo(POINT{2, 2});
  ASSERT_TRUE(PumpUntil([&] { return !combo_->BorderActive(); }));
  const auto away = face();
  EXPECT_EQ(away.front(), GetSysColor(COLOR_WINDOW));
}

TEST_F(DropDownTest, ThousandDropDownsLeaveNoHandlesBehind) {
  ShowForm();
  combo_->SetFocus();
  // The list window is made once and kept; brushes and fonts of a first
  // paint too: one round of every kind of cycle before counting.
  auto cycle = [this](int i) {
    combo_->DropDown();
    if (i % 2) SendMessageW(combo_->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    combo_->CloseUp(i % 3 == 0);
    if (i % 100 == 0) Pump(1);
  };
  for (int i = 0; i < 6; ++i) cycle(i);
  Pump();
  const int gdi = CountGdiObjects();
  const int user = CountUserObjects();
  for (int i = 0; i < 1000; ++i) cycle(i);
  Pump();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

}  // namespace
}  // namespace hm::test
