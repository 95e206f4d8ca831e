// Skinned scroll bars scrolled and repainted ten thousand times, with a
// skinned edit and combo box beside them, leave no GDI or USER object
// behind.
#include <gtest/gtest.h>

#include "framework/ui/controls/edits.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "skin/controls/skin_com_box.h"
#include "skin/controls/skin_edit.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/scroll_skins_test_util.h"

namespace hm::test {
namespace {

using ScrollSkinObjectsTest = ScrollSkinsTest;

TEST_F(ScrollSkinObjectsTest, TenThousandScrollAndRepaintCyclesLeaveTheCountsFlat) {
  TMemo* memo = AddMemo(10, 10, 200, 120, ssBoth, 60, 60);
  auto* edit = MakeOwned<TEdit>(*form);
  edit->SetParent(form.get());
  edit->SetBounds(220, 10, 100, 22);
  HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 220, 50, 100, 200,
                               form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  Pump();
  SkinBars(*memo, true);
  MakeOwned<TSkinEdit>(*edit)->InitSkinHandle(edit->Handle(), *data, &host, &host.ControlCanvas());
  MakeOwned<TSkinComBox>(*form)->InitSkinHandle(combo, *data, &host, &host.ControlCanvas());
  HWND h = memo->Handle();
  int step = 0;
  // The thumb moved and a scroll message, which repaints the bars; every
  // 25th cycle a real line scroll of the memo, a thumb track and a repaint
  // of all three windows.
  auto cycle = [&] {
    ++step;
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, step % 30, 0};
    SetScrollInfo(h, SB_VERT, &info, FALSE);
    SendMessageW(h, WM_VSCROLL, SB_ENDSCROLL, 0);
    if (step % 25 != 0) return;
    SendMessageW(h, WM_VSCROLL, (step / 250) % 2 == 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    SendMessageW(h, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, step % 20), 0);
    SendMessageW(h, WM_HSCROLL, SB_ENDSCROLL, 0);
    for (HWND w : {h, edit->Handle(), combo})
      RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  };
  for (int i = 0; i < 40; ++i) cycle();
  Pump();
  const int gdi = CountGdiObjects(), user = CountUserObjects();
  {
    TBrush probe;
    probe.SetColor(clRed);
    ASSERT_NE(probe.Handle(), nullptr);
    EXPECT_EQ(CountGdiObjects(), gdi + 1) << "the counter sees what is made";
  }
  for (int i = 0; i < 10000; ++i) cycle();
  Pump();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  DestroyWindow(combo);
}

}  // namespace
}  // namespace hm::test
