// Edits and combo boxes with their skins, read back by their pixels.
#include "framework/ui/platform/win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/ui/controls/edits.h"
#include "skin/controls/skin_com_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_up_down.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/scroll_skins_test_util.h"

namespace hm::test {
namespace {

struct EditSkinTest : ScrollSkinsTest {
  TEdit* AddEdit(int x, int y, bool bordered) {
    auto* edit = MakeOwned<TEdit>(*form);
    edit->SetParent(form.get());
    edit->SetBounds(x, y, 120, 22);
    edit->SetColor(clYellow);
    if (!bordered) edit->SetBorderStyle(bsNone);
    return edit;
  }
  TSkinEdit* SkinEdit(TWinControl& edit) {
    auto* skin = MakeOwned<TSkinEdit>(edit);
    skin->InitSkinHandle(edit.Handle(), *data, &host, &host.ControlCanvas());
    RedrawFrame(edit.Handle());
    return skin;
  }
  HWND NativeCombo(DWORD ex_style) {
    HWND combo = CreateWindowExW(ex_style, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 200, 140,
                                 200, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"区号"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return combo;
  }
  TSkinComBox* SkinCombo(HWND combo) {
    auto* skin = MakeOwned<TSkinComBox>(*form);
    skin->InitSkinHandle(combo, *data, &host, &host.ControlCanvas());
    RedrawFrame(combo);
    return skin;
  }
  static constexpr COLORREF kYellow = RGB(255, 255, 0);
};

TEST_F(EditSkinTest, ABorderedEditGetsTheTwoRingsAndABorderlessOneNone) {
  TEdit* bordered = AddEdit(10, 10, true);
  TEdit* borderless = AddEdit(10, 50, false);
  form->Show();
  Pump();
  SkinEdit(*bordered);
  SkinEdit(*borderless);
  HWND b = bordered->Handle(), n = borderless->Handle();
  RECT client{}, bw{}, nw{};
  GetClientRect(n, &client);
  GetWindowRect(b, &bw);
  GetWindowRect(n, &nw);
  ASSERT_EQ(client.right, nw.right - nw.left) << "no border: the client is the window";
  const int w = bw.right - bw.left, h = bw.bottom - bw.top, nh = nw.bottom - nw.top;
  EXPECT_EQ(WindowPixel(b, 0, 0), kBarShadow);
  EXPECT_EQ(WindowPixel(b, w - 1, h - 1), kBarShadow);
  EXPECT_EQ(WindowPixel(b, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(b, w - 2, h / 2), RGB(255, 255, 255));
  EXPECT_EQ(WindowPixel(n, 0, 0), kYellow);
  EXPECT_EQ(WindowPixel(n, 119, nh - 1), kYellow);
  EXPECT_EQ(WindowPixel(n, 1, 1), kYellow);

  // Focus and text changes repaint the edit: the rings come back each time.
  bordered->SetFocus();
  bordered->SetText("0755");
  Pump(2);
  EXPECT_EQ(WindowPixel(b, 0, 0), kBarShadow);
  EXPECT_EQ(WindowPixel(b, 1, 1), RGB(255, 255, 255));
}

TEST_F(EditSkinTest, ASpinButtonInsideTheEditGetsAnInsetSkinThatIsForgottenWhenItGoes) {
  TEdit* edit = AddEdit(10, 10, true);
  form->Show();
  Pump();
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 96, 0, 16, 18, edit->Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  TSkinEdit* skin = SkinEdit(*edit);
  ASSERT_NE(skin->UpDown(), nullptr);
  EXPECT_EQ(skin->UpDown()->Handle(), spin);
  EXPECT_TRUE(skin->UpDown()->Inset());
  EXPECT_EQ(skin->UpDown()->Owner(), edit) << "owned by the edit skin's owner";
  DestroyWindow(spin);
  host.list.PurgeDead();
  EXPECT_EQ(skin->UpDown(), nullptr) << "the freed spin skin is not kept";
  RedrawFrame(edit->Handle());
  EXPECT_EQ(skin->UpDown(), nullptr);
  EXPECT_EQ(WindowPixel(edit->Handle(), 0, 0), kBarShadow);
}

TEST_F(EditSkinTest, AComboBoxDrawsItsButtonAtTheRightOrMirroredAtTheLeft) {
  form->Show();
  Pump();
  HWND plain = NativeCombo(0);
  HWND left = NativeCombo(WS_EX_LEFTSCROLLBAR);
  SetWindowPos(left, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  TSkinComBox* plain_skin = SkinCombo(plain);
  TSkinComBox* left_skin = SkinCombo(left);
  RECT r{};
  GetWindowRect(plain, &r);
  const int w = r.right - r.left, h = r.bottom - r.top, e = GetSystemMetrics(SM_CXHSCROLL);
  const int y = h / 2;

  // Normal state: frame 1 of the strip, whichever way it is turned.
  EXPECT_EQ(plain_skin->LastButtonFrame(), 1);
  const COLORREF right_button = WindowPixel(plain, w - e / 2, y);
  EXPECT_EQ(RedOf(right_button), kComboRed);
  EXPECT_EQ(FrameOf(right_button, kComboFrameWidth), 1);
  EXPECT_NE(RedOf(WindowPixel(plain, 4, y)), kComboRed) << "no button at the left";

  EXPECT_TRUE(left_skin->ExStyle() & WS_EX_LEFTSCROLLBAR);
  EXPECT_EQ(left_skin->LastButtonFrame(), 4) << "the mirrored strip's frames run backwards";
  const COLORREF near_edge = WindowPixel(left, 3, y), further = WindowPixel(left, e - 2, y);
  EXPECT_EQ(RedOf(near_edge), kComboRed);
  EXPECT_EQ(FrameOf(near_edge, kComboFrameWidth), 1) << "the normal frame, not the hot one";
  EXPECT_GT(GetBValue(near_edge), GetBValue(further)) << "mirrored: the image's right end at the left";
  EXPECT_NE(RedOf(WindowPixel(left, w - 4, y)), kComboRed) << "no button at the right";
  // The border ring is the sunken edge, the text area the combo's own.
  EXPECT_EQ(RedOf(WindowPixel(left, w / 2, 0)), kSunkRed);
  EXPECT_NE(RedOf(WindowPixel(left, w / 2, y)), kSunkRed);

  // Hot while the pointer is over it: frame 4, the mirrored strip's first.
  SendMessageW(left, WM_MOUSEMOVE, 0, MAKELPARAM(w / 2, y));
  EXPECT_EQ(left_skin->LastButtonFrame(), 1);
  EXPECT_EQ(FrameOf(WindowPixel(left, 3, y), kComboFrameWidth), 4);
  SendMessageW(left, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(left_skin->LastButtonFrame(), 4);

  // Pressed: frame 2, which the mirrored strip holds as its third.
  SendMessageW(left, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, y));
  EXPECT_EQ(left_skin->LastButtonFrame(), 3);
  EXPECT_EQ(FrameOf(WindowPixel(left, 3, y), kComboFrameWidth), 2);
  SendMessageW(left, WM_LBUTTONUP, 0, MAKELPARAM(4, y));
  SendMessageW(left, CB_SHOWDROPDOWN, FALSE, 0);
  Pump(2);
  DestroyWindow(plain);
  DestroyWindow(left);
}

}  // namespace
}  // namespace hm::test
