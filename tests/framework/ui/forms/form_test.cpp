// Forms made from their stored description: creation order, OnCreate,
// navigation and accelerators, the can-resize handler, density scaling.
#include <gtest/gtest.h>

#include "framework/ui/forms/form.h"
#include "framework/ui/forms/message_box.h"
#include "tests/framework/ui/forms/demo_form.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm::test {
namespace {

TEST(FormDescription, CreatesNestedControlsInStoredOrderThenRunsOnCreate) {
  auto form = MakeForm<TDemoForm>();
  const char* stored[] = {"Label1", "Panel1", "Label2", "Button1", "Button2",
                          "Panel2", "Label3", "Button3", "Button4", "Button5"};
  ASSERT_EQ(form->ComponentCount(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(form->Components(i)->Name(), stored[i]);
  // Children sit in their blocks, in stored order.
  ASSERT_EQ(form->Panel1->ControlCount(), 3);
  EXPECT_EQ(form->Panel1->Controls(0), form->Label2);
  EXPECT_EQ(form->Panel1->Controls(2), form->Button2);
  EXPECT_EQ(form->Button1->Parent(), form->Panel1);
  EXPECT_EQ(form->Label1->Parent(), form.get());
  // Stored tab orders, applied after the whole block was read.
  EXPECT_EQ(form->Button2->TabOrder(), 0);
  EXPECT_EQ(form->Button1->TabOrder(), 1);
  // OnCreate ran once everything was loaded and references resolved.
  EXPECT_EQ(form->components_at_create, 10);
  EXPECT_EQ(form->button5_caption_at_create, "OK");
  EXPECT_TRUE(form->label1_focus_resolved_at_create);
  // Stored values override the constructors' defaults; fonts follow the form.
  EXPECT_EQ(form->Caption(), "Demo 演示");
  EXPECT_TRUE(form->BorderIcons() == TBorderIcons{biSystemMenu});
  EXPECT_EQ(form->Panel2->Color(), clWhite);
  EXPECT_FALSE(form->Panel2->Visible());
  EXPECT_EQ(form->Button1->Font()->Height(), -11);
  EXPECT_EQ(form->Label2->Color(), form->Panel1->Color());  // labels take the parent's colour
  EXPECT_GT(form->Label1->Width(), 10);                      // and their text's size
}

TEST(FormDescription, SystemMenuOnlyMeansACloseButtonAlone) {
  auto form = MakeForm<TDemoForm>();
  const LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 330);
  EXPECT_EQ(r.bottom - r.top, 270);
  EXPECT_EQ(r.left, 120);
}

class ShownDemoForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm<TDemoForm>();
    form->Show();
    Pump();
    ASSERT_EQ(GetForegroundWindow(), form->Handle());
  }
  Owned<TDemoForm> form;
};

TEST_F(ShownDemoForm, TabWalksTheVisibleControlsInTabOrder) {
  form->Button2->SetFocus();
  ASSERT_TRUE(form->Button2->Focused());
  EXPECT_EQ(form->ActiveControl(), form->Button2);
  PressKey(VK_TAB);
  EXPECT_TRUE(form->Button1->Focused());  // tab order, not stored order
  PressKey(VK_TAB);
  EXPECT_TRUE(form->Button5->Focused());  // the hidden panel's buttons are skipped
  PressKey(VK_TAB);
  EXPECT_TRUE(form->Button2->Focused());  // and around
  {
    ShiftHeld shift;
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Button5->Focused());
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Button1->Focused());
  }
  // The other panel shown: its buttons join the walk in their tab order.
  form->Panel2->Show();
  PressKey(VK_TAB);
  EXPECT_TRUE(form->Button3->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(form->Button4->Focused());
}

TEST_F(ShownDemoForm, AcceleratorsAnswerOnlyOnTheVisiblePanel) {
  form->Button5->SetFocus();
  PressAlt(L'a');
  EXPECT_TRUE(form->Button2->Focused());
  PressAlt(L'G');
  EXPECT_EQ(form->clicks, std::vector<std::string>{"Button1"});
  PressAlt(L'n');  // a double-byte caption with an accelerator
  EXPECT_TRUE(form->Button5->Focused());

  form->Panel1->Hide();
  form->Panel2->Show();
  PressAlt(L'a');
  EXPECT_TRUE(form->Button4->Focused());
  PressAlt(L'g');
  EXPECT_EQ(form->clicks, (std::vector<std::string>{"Button1", "Button3"}));
  PressAlt(L'z');  // nobody's: nothing happens
  EXPECT_TRUE(form->Button4->Focused());
}

TEST_F(ShownDemoForm, RefusedResizesKeepTheSizeButMovesStillWork) {
  form->allow_resize = false;
  HWND h = form->Handle();
  RECT before;
  GetWindowRect(h, &before);

  // What a border drag sends: the sizing rectangle, then the new position.
  RECT dragged = before;
  dragged.right += 40;
  dragged.bottom += 25;
  SendMessageW(h, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&dragged));
  EXPECT_EQ(dragged.right - dragged.left, before.right - before.left);
  EXPECT_EQ(dragged.bottom - dragged.top, before.bottom - before.top);

  const int asked = form->resize_asked;
  SetWindowPos(h, nullptr, before.left + 30, before.top + 20, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT after;
  GetWindowRect(h, &after);
  EXPECT_GT(form->resize_asked, asked);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  EXPECT_EQ(after.left, before.left + 30);  // the move went through
  EXPECT_EQ(after.top, before.top + 20);
  EXPECT_EQ(form->Left(), after.left);

  ShowWindow(h, SW_MAXIMIZE);
  Pump();
  GetWindowRect(h, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  ShowWindow(h, SW_RESTORE);
  Pump();

  form->SetBounds(form->Left(), form->Top(), 600, 500);
  EXPECT_EQ(form->Width(), before.right - before.left);

  // Allowed again, the same call resizes.
  form->allow_resize = true;
  SetWindowPos(h, nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  GetWindowRect(h, &after);
  EXPECT_EQ(after.right - after.left, 400);
  EXPECT_EQ(form->Width(), 400);
}

TEST_F(ShownDemoForm, AFrameResizeScopeLetsOnlyItsOwnSizeThroughARefusingHandler) {
  form->allow_resize = false;
  HWND h = form->Handle();
  RECT before;
  GetWindowRect(h, &before);
  const int w = before.right - before.left, hgt = before.bottom - before.top;
  const int asked = form->resize_asked;
  {
    TCustomForm::TFrameResize scope(*form, w + 6, hgt - 4);
    // Another size while the scope lives is still refused.
    SetWindowPos(h, nullptr, 0, 0, w + 50, hgt + 50, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, w);
    EXPECT_GT(form->resize_asked, asked);
    const int asked_own = form->resize_asked;
    SetWindowPos(h, nullptr, 0, 0, w + 6, hgt - 4, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, w + 6);
    EXPECT_EQ(r.bottom - r.top, hgt - 4);
    EXPECT_EQ(form->resize_asked, asked_own) << "the frame's own size is not asked";
    EXPECT_EQ(form->Width(), w + 6);
  }
  // The scope gone, the same size asked again by anyone else is refused.
  SetWindowPos(h, nullptr, 0, 0, w, hgt, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  RECT after;
  GetWindowRect(h, &after);
  EXPECT_EQ(after.right - after.left, w + 6);
}

TEST(FormDensity, PositionsFollowTheTextHeightOnAnotherDensity) {
  SetScreenPixelsPerInchForTesting(144);
  auto form = MakeForm<TDemoForm>();
  SetScreenPixelsPerInchForTesting(0);
  EXPECT_EQ(form->Font()->Height(), MulDiv(-11, 144, 96));
  EXPECT_EQ(form->Button1->Font()->Height(), form->Font()->Height());  // children follow
  TFont probe;
  probe.Assign(*form->Font());
  const int text_height = FontTextHeight(probe);
  ASSERT_NE(text_height, 13);
  EXPECT_EQ(form->Panel1->Left(), MulDiv(8, text_height, 13));
  EXPECT_EQ(form->Panel1->Width(), MulDiv(145, text_height, 13));
  EXPECT_EQ(form->Button1->Top(), MulDiv(30, text_height, 13));
  EXPECT_EQ(form->Button5->Top(), MulDiv(196, text_height, 13));
  EXPECT_EQ(form->Left(), 120);  // the screen position stays
  // The client area scales; the frame around it is the system's.
  auto plain = MakeForm<TDemoForm>();
  EXPECT_EQ(form->ClientWidth(), MulDiv(plain->ClientWidth(), text_height, 13));
  EXPECT_EQ(form->ClientHeight(), MulDiv(plain->ClientHeight(), text_height, 13));
}

TEST(FormDensity, SameDensityChangesNothing) {
  auto form = MakeForm<TDemoForm>();
  EXPECT_EQ(form->Font()->Height(), -11);
  EXPECT_EQ(form->Panel1->Left(), 8);
  EXPECT_EQ(form->Button5->Top(), 196);
}

}  // namespace
}  // namespace hm::test
