// The data-aware edit driven as a user would: typing, focus, mouse, keys.
#include "editors_fixture.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/ui/forms/message_box.h"
#include "tests/framework/data/test_database.h"

namespace hm::test {
namespace {

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

int Margin(TCustomEdit& edit, bool right) {
  const auto margins = static_cast<DWORD>(SendMessageW(edit.Handle(), EM_GETMARGINS, 0, 0));
  return right ? HIWORD(margins) : LOWORD(margins);
}

TDBEditEh& AddEdit(TForm& form, int top) {
  auto* e = MakeOwned<TDBEditEh>(form);
  e->SetParent(&form);
  e->SetBounds(8, top, 150, 21);
  return *e;
}

TEST_F(EditorsTest, UnboundTextIsHeldByTheLinkAndPostedOnLeaving) {
  ShowForm();
  edit_->SetText("010");
  EXPECT_EQ(edit_->GetText(), "010");
  EXPECT_EQ(std::get<std::string>(edit_->DataLink().IndependentValue()), "010");
  EXPECT_FALSE(edit_->DataLink().Modified());

  edit_->SetFocus();
  SendMessageW(edit_->Handle(), EM_SETSEL, 3, 3);
  Type(L"5");
  EXPECT_TRUE(edit_->DataLink().Editing());
  EXPECT_TRUE(edit_->DataLink().Modified());
  EXPECT_EQ(std::get<std::string>(edit_->DataLink().IndependentValue()), "010");  // not yet
  other_->SetFocus();
  Pump();
  EXPECT_EQ(std::get<std::string>(edit_->DataLink().IndependentValue()), "0105");
  EXPECT_FALSE(edit_->DataLink().Editing());
  EXPECT_EQ(edit_->GetText(), "0105");
}

TEST_F(EditorsTest, MainWindowInputIsNineteenHighWithItsFontAndBorder) {
  ShowForm();
  const int text_height = FontTextHeight(*form_->Font());
  EXPECT_EQ(text_height, 13) << "MS Sans Serif 8 pt";
  EXPECT_EQ(edit_->Height(), text_height + 6);
  EXPECT_EQ(combo_->Height(), text_height + 6);
  // The other border kinds: Ctl3D alone 8, Ctl3D and Flat 6, neither 6, Flat alone 4.
  struct Case {
    bool ctl3d, flat;
    int allowance;
  };
  int top = 40;
  for (const Case c : {Case{true, false, 8}, Case{true, true, 6}, Case{false, false, 6}, Case{false, true, 4}}) {
    TDBEditEh& e = AddEdit(*form_, top += 30);
    e.SetCtl3D(c.ctl3d);
    e.SetFlat(c.flat);
    e.HandleNeeded();
    EXPECT_EQ(e.Height(), text_height + c.allowance) << c.ctl3d << c.flat;
  }
}

TEST_F(EditorsTest, NoVisibleButtonsLeaveTheWholeClientToTheText) {
  ShowForm();
  EXPECT_EQ(edit_->ButtonsWidth(), 0);
  const RECT client = edit_->ClientRect();
  const RECT text = edit_->TextRect();
  EXPECT_TRUE(EqualRect(&client, &text));
  EXPECT_EQ(Margin(*edit_, true), 0);
  EXPECT_EQ(Margin(*edit_, false), 0);
  ASSERT_EQ(edit_->ButtonControlCount(), 1);
  EXPECT_FALSE(edit_->ButtonControl(0)->Visible());
}

TEST_F(EditorsTest, ButtonsArePlacedFromTheRightWithSeparatorsAndTheirWidths) {
  TDBEditEh& e = AddEdit(*form_, 60);
  e.SetFlat(true);
  e.EditButtons()->Add();                 // default width: the flat one
  e.EditButtons()->Add().SetWidth(20);    // the last item goes rightmost
  ShowForm();
  ASSERT_EQ(e.ButtonControlCount(), 3);
  const int client = e.ClientWidth();
  TEditButtonControlEh* last = e.ButtonControl(2);
  TEditButtonControlEh* first = e.ButtonControl(1);
  EXPECT_EQ(last->Left() + last->Width(), client);
  EXPECT_EQ(last->Width(), 20);
  EXPECT_EQ(e.ButtonSeparator(2)->Left(), last->Left() - 1);
  EXPECT_EQ(e.ButtonSeparator(2)->Width(), 1);
  EXPECT_EQ(first->Left() + first->Width(), last->Left() - 1);
  const int flat_width = first->Width();
  EXPECT_EQ(flat_width % 2, 1);
  EXPECT_LE(flat_width, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(e.ButtonsWidth(), 20 + 1 + flat_width + 1);
  EXPECT_EQ(Margin(e, true), e.ButtonsWidth());
  // 9 wide: 3/2 of it (14) is less than the client's 15, so a flat button is 14 high.
  EXPECT_EQ(e.ClientHeight(), 15);
  EXPECT_EQ(flat_width, 9);
  EXPECT_EQ(e.ButtonHeight(), 14);

  e.EditButtons()->Items(0)->SetVisible(false);
  EXPECT_EQ(e.ButtonsWidth(), 21);
  EXPECT_FALSE(e.ButtonSeparator(1)->Visible());
  e.EditButtons()->Clear();
  EXPECT_EQ(e.ButtonControlCount(), 1);  // the surplus controls are freed
  EXPECT_EQ(e.ButtonsWidth(), 0);

  // A tall edit keeps a button's proportions: flat 3/2 of its width, else square.
  e.SetAutoSize(false);
  e.SetHeight(60);
  e.EditButtons()->Add().SetWidth(16);
  EXPECT_EQ(e.ButtonHeight(), 24);
  e.SetFlat(false);
  EXPECT_EQ(e.ButtonHeight(), 16);
  EXPECT_EQ(e.ButtonsWidth(), 16);  // no separator without Flat
}

TEST_F(EditorsTest, ButtonShortcutActsAsAClickAndCtrlASelectsAll) {
  TDBEditEh& e = AddEdit(*form_, 60);
  TVisibleEditButtonEh& b = e.EditButtons()->Add();
  b.SetShortCut(ShortCut('E', {ssCtrl}));
  int clicks = 0;
  b.OnClick = [&](TObject*, bool&) { ++clicks; };
  ShowForm();
  e.SetText("abc");
  e.SetFocus();
  SendMessageW(e.Handle(), EM_SETSEL, 1, 1);
  {
    BYTE saved[256], state[256];
    GetKeyboardState(saved);
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    PressKey('E');
    PressKey('A');
    SetKeyboardState(saved);
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(e.SelStart(), 0);
  EXPECT_EQ(e.SelLength(), 3);
  EXPECT_EQ(e.GetText(), "abc");  // neither key typed a character
}

TEST_F(EditorsTest, KeyboardEntrySelectsAllButAClickPlacesTheCaret) {
  ShowForm();
  edit_->SetText("13800138000");
  other_->SetFocus();
  edit_->SetFocus();
  Pump();
  EXPECT_TRUE(edit_->IsFocused());
  EXPECT_EQ(edit_->SelLength(), 11);
  other_->SetFocus();
  Pump();
  EXPECT_FALSE(edit_->IsFocused());
  SendMouse(edit_->Handle(), WM_LBUTTONDOWN, {4, 4}, MK_LBUTTON);
  SendMouse(edit_->Handle(), WM_LBUTTONUP, {4, 4});
  Pump();
  EXPECT_TRUE(edit_->IsFocused());
  EXPECT_EQ(edit_->SelLength(), 0);
}

TEST_F(EditorsTest, FlatBorderIsTheSunkenEdgeAndFollowsTheMouseWithoutAlwaysShowBorder) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ShowForm();
  other_->SetFocus();
  MouseTo(POINT{2, 2});
  Pump();
  // AlwaysShowBorder: the edge is there without focus or mouse.
  EXPECT_TRUE(edit_->BorderActive());
  EXPECT_EQ(WindowPixel(edit_->Handle(), 0, 0), shadow);
  EXPECT_EQ(WindowPixel(edit_->Handle(), 1, 1), face);  // the ring inside

  edit_->SetAlwaysShowBorder(false);
  EXPECT_FALSE(edit_->BorderActive());
  EXPECT_EQ(WindowPixel(edit_->Handle(), 0, 0), face);

  MouseTo(CenterOf(edit_->Handle()));
  ASSERT_TRUE(PumpUntil([&] { return edit_->MouseInControl(); }));
  EXPECT_TRUE(edit_->BorderActive());
  EXPECT_EQ(WindowPixel(edit_->Handle(), 0, 0), shadow);

  MouseTo(CenterOf(other_->Handle()));
  ASSERT_TRUE(PumpUntil([&] { return !edit_->MouseInControl(); }));
  EXPECT_FALSE(edit_->BorderActive());
  EXPECT_EQ(WindowPixel(edit_->Handle(), 0, 0), face);

  // Focus shows it too.
  edit_->SetFocus();
  Pump();
  EXPECT_TRUE(edit_->BorderActive());
  EXPECT_EQ(WindowPixel(edit_->Handle(), 0, 0), shadow);
}

// Columns of the text rectangle holding text (any pixel not of the
// background: the text may be smoothed), and the darkest of them.
struct Ink {
  std::vector<int> columns;
  int darkest = 255 * 3;
};
Ink InkIn(HWND window, const RECT& r, COLORREF background) {
  Ink out;
  HDC dc = GetDC(window);
  for (int x = r.left; x < r.right; ++x) {
    bool any = false;
    for (int y = r.top; y < r.bottom; ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      if (c == background) continue;
      any = true;
      out.darkest = std::min(out.darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
    }
    if (any) out.columns.push_back(x);
  }
  ReleaseDC(window, dc);
  return out;
}

TEST_F(EditorsTest, RightAlignedTextIsPaintedAtTheRightWhileUnfocusedAndGreyWhenDisabled) {
  TDBEditEh& e = AddEdit(*form_, 60);
  e.SetAlignment(taRightJustify);
  e.SetFlat(true);
  e.EditButtons()->Add().SetWidth(16);
  ShowForm();
  e.SetText("888");
  other_->SetFocus();
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  const RECT text = e.TextRect();
  const Ink ink = InkIn(e.Handle(), text, GetSysColor(COLOR_WINDOW));
  ASSERT_FALSE(ink.columns.empty());
  EXPECT_GT(ink.columns.front(), text.right / 2);
  EXPECT_LT(ink.columns.back(), text.right);  // not under the button
  EXPECT_LT(ink.darkest, 300);                // window text: black, smoothed

  e.SetEnabled(false);
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  const Ink grey = InkIn(e.Handle(), text, GetSysColor(COLOR_WINDOW));
  ASSERT_FALSE(grey.columns.empty());
  EXPECT_GT(grey.columns.front(), text.right / 2);
  const COLORREF g = GetSysColor(COLOR_GRAYTEXT);
  EXPECT_GE(grey.darkest, GetRValue(g) + GetGValue(g) + GetBValue(g) - 30);  // nothing darker than grey text
}

TEST_F(EditorsTest, TextThatCannotBePostedKeepsTheFocusWithTheError) {
  TempDir dir;
  const std::string path = BuildSampleDatabase(dir);
  auto* connection = MakeOwned<TADOConnection>(*form_);
  connection->SetConnectionString(ConnectionStringFor(path));
  auto* query = MakeOwned<TADOQuery>(*form_);
  query->SetConnection(connection);
  query->SQL()->SetText("Select * from ZipCode");
  auto* source = MakeOwned<TDataSource>(*form_);
  source->SetDataSet(query);
  query->Open();
  edit_->SetDataSource(source);
  edit_->SetDataField("BM");
  ShowForm();
  EXPECT_EQ(edit_->GetText(), query->FieldByName("BM").AsString());

  MessageBoxCapture boxes;
  edit_->SetFocus();
  Pump();
  SendMessageW(edit_->Handle(), EM_SETSEL, 0, -1);
  Type(L"x");
  EXPECT_EQ(query->State(), dsEdit);
  other_->SetFocus();
  Pump();
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(edit_->Focused());
  EXPECT_EQ(edit_->SelLength(), 1);

  // A number goes into the field.
  Type(L"7");
  other_->SetFocus();
  Pump();
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(query->FieldByName("BM").AsString(), "7");
}

}  // namespace
}  // namespace hm::test
