// A skinned button hovered, pressed, clicked, left and repainted ten
// thousand times leaves no GDI or USER object behind.
#include <gtest/gtest.h>

#include "framework/ui/controls/buttons.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "skin/controls/skin_bit_button.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace hm::test {
namespace {

using ControlSkinObjectsTest = ControlSkinsTest;

TEST_F(ControlSkinObjectsTest, TenThousandHoverPressAndRepaintCyclesLeaveTheCountsFlat) {
  auto* button = MakeOwned<TBitBtn>(*form);
  button->SetParent(form.get());
  button->SetBounds(10, 10, 54, 42);
  button->SetCaption("查找(&S)");
  auto* other = MakeOwned<TBitBtn>(*form);
  other->SetParent(form.get());
  other->SetBounds(80, 10, 54, 42);
  form->Show();
  Pump();
  for (TBitBtn* b : {button, other}) MakeOwned<TSkinBitButton>(*b)->InitSkin(&host, *data, false, &host.ControlCanvas());
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  HWND h = button->Handle(), o = other->Handle();
  auto cycle = [&] {
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(o, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // the first is told it was left
    SendMessageW(o, WM_MOUSELEAVE, 0, 0);
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
  };
  for (int i = 0; i < 20; ++i) cycle();
  Pump();
  const int gdi = CountGdiObjects(), user = CountUserObjects();
  {
    // The counter sees what is made.
    TBrush probe;
    probe.SetColor(clRed);
    ASSERT_NE(probe.Handle(), nullptr);
    EXPECT_EQ(CountGdiObjects(), gdi + 1);
  }
  clicks = 0;
  for (int i = 0; i < 10000; ++i) cycle();
  Pump();
  EXPECT_EQ(clicks, 10000);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

}  // namespace
}  // namespace hm::test
