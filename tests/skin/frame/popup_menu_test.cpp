// Menu windows skinned from the skin: a form's owner-drawn popup menu, one
// left alone by its tag, the edit control's own context menu, the skinned
// system menu, the print of a menu window, and giving the drawing back.
#include "skin/frame/win_skin_pop_menu.h"

#include <gtest/gtest.h>

#include "framework/ui/controls/edits.h"
#include "framework/ui/menus/menus.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "framework/ui/platform/handles.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"
#include "tests/skin/frame/frame_test_util.h"
#include "tests/skin/frame/menu_test_util.h"

namespace hm::test {
namespace {

struct PopupMenuTest : MenuTest {
  // Shows the popup menu at (x, y) of the screen and runs `look` once its
  // first item is drawn.
  static bool ShowAndLook(TPopupMenu& popup, const std::function<void(HWND menu)>& look) {
    return DriveMenus([&] { popup.Popup(200, 160); }, [&] {
      const auto windows = MenuWindows();
      if (windows.empty() || !Painted(windows.front())) return false;
      look(windows.front());
      return true;
    });
  }
};

int Ink(COLORREF colour, const RECT& screen) {
  int count = 0;
  for (int x = screen.left; x < screen.right; ++x)
    for (int y = screen.top; y < screen.bottom; ++y) count += ScreenPixel(x, y) == colour;
  return count;
}

TEST_F(PopupMenuTest, AFormsPopupMenuIsDrawnFromTheSkinInsideTheSkinnedRing) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  TPopupMenu& popup = *menus->popup;
  EXPECT_TRUE(popup.OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(menus->pop_first->OnAdvancedDrawItem));
  HMENU handle = popup.Handle();
  struct {
    bool skinned = false, paired = false;
    COLORREF corner = 0, inner = 0, far_corner = 0;
    int red = 0, grey = 0, line = 0;
    RECT first{};
  } seen;
  const bool ended = ShowAndLook(popup, [&](HWND menu) {
    RECT w{};
    GetWindowRect(menu, &w);
    seen.skinned = SendMessageW(menu, WM_SKINQUERY, 0, 0) == 1;
    TBitmap* background = SkinManager().MenuSkinBitmap(handle);
    seen.paired = background && background->Width() == Width(w) && background->Height() == Height(w);
    seen.corner = ScreenPixel(w.left, w.top);
    seen.inner = ScreenPixel(w.left + 1, w.top + 1);
    seen.far_corner = ScreenPixel(w.right - 1, w.bottom - 1);
    RECT item{};
    GetMenuItemRect(nullptr, handle, 0, &item);
    seen.first = item;
    seen.red = Ink(RGB(255, 0, 0), RECT{item.left, item.top, item.left + 30, item.bottom});
    GetMenuItemRect(nullptr, handle, 1, &item);
    seen.line = Ink(RGB(212, 212, 208), item);  // the skin's separator strip
    GetMenuItemRect(nullptr, handle, 2, &item);
    seen.grey = Ink(RGB(160, 160, 155), item);  // ButtonShadow: the disabled caption
    Shot("popup_menu", w);
  });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(seen.skinned);
  EXPECT_TRUE(seen.paired);
  EXPECT_EQ(seen.corner, kMenuRim);
  EXPECT_EQ(seen.inner, kMenuColour);
  EXPECT_EQ(seen.far_corner, kMenuRim);
  EXPECT_GT(seen.red, 20);  // the glyph
  EXPECT_GT(seen.line, 10);
  EXPECT_GT(seen.grey, 5);
  // The window is gone and so is its skin.
  EXPECT_EQ(SkinManager().MenuSkinCount(), 0);
  EXPECT_EQ(SkinManager().MenuSkinBitmap(handle), nullptr);
}

TEST_F(PopupMenuTest, APopupMenuWithTheDisableTagKeepsTheSystemsItems) {
  auto* form = ShowForm<TForm>();
  menus = BuildMenus(*form);
  auto* own = MakeOwned<TPopupMenu>(*form);
  own->SetTag(199);  // mod 100: the skin's DisableTag 99
  TMenuItem* plain = AddItem(*form, *own->Items(), "Plain");
  // An item that draws itself keeps its handler, in and after the skin.
  bool own_drawn = false;
  menus->pop_line->OnAdvancedDrawItem = [&](TObject*, TCanvas*, RECT, TOwnerDrawState) { own_drawn = true; };
  TWinSkinForm* skin = Skin(*form);
  EXPECT_FALSE(own->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(plain->OnAdvancedDrawItem));
  EXPECT_FALSE(static_cast<bool>(plain->OnMeasureItem));
  EXPECT_TRUE(menus->popup->OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(menus->pop_first->OnMeasureItem));
  TCanvas canvas;
  menus->pop_line->OnAdvancedDrawItem(menus->pop_line, &canvas, RECT{}, TOwnerDrawState{});
  EXPECT_TRUE(own_drawn);

  skin->Detach();
  EXPECT_FALSE(menus->popup->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(menus->pop_first->OnAdvancedDrawItem));
  EXPECT_FALSE(static_cast<bool>(menus->pop_first->OnMeasureItem));
  own_drawn = false;
  ASSERT_TRUE(static_cast<bool>(menus->pop_line->OnAdvancedDrawItem));
  menus->pop_line->OnAdvancedDrawItem(menus->pop_line, &canvas, RECT{}, TOwnerDrawState{});
  EXPECT_TRUE(own_drawn);
}

TEST_F(PopupMenuTest, AFrameSkinFreedWithoutDetachLeavesNoHandlerOfItsOwnBehind) {
  auto* form = ShowForm<TForm>();
  menus = BuildMenus(*form);
  TWinSkinForm* skin = Skin(*form);
  ASSERT_TRUE(static_cast<bool>(menus->pop_first->OnAdvancedDrawItem));
  form->FreeComponent(*skin);
  EXPECT_FALSE(static_cast<bool>(menus->pop_first->OnAdvancedDrawItem));
  EXPECT_FALSE(static_cast<bool>(menus->pop_first->OnMeasureItem));
  EXPECT_FALSE(menus->popup->OwnerDraw());
}

TEST_F(PopupMenuTest, TheEditControlsOwnContextMenuGetsTheSkinnedRingAndSystemItems) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  auto* edit = MakeOwned<TEdit>(*form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 120, 22);
  Pump();
  HWND e = edit->Handle();
  struct {
    bool skinned = false;
    COLORREF corner = 0, inner = 0;
  } seen;
  const bool ended = DriveMenus([&] { SendMessageW(e, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(e), MAKELPARAM(220, 180)); },
                                [&] {
                                  const auto windows = MenuWindows();
                                  if (windows.empty() || !Painted(windows.front())) return false;
                                  RECT w{};
                                  GetWindowRect(windows.front(), &w);
                                  seen.skinned = SendMessageW(windows.front(), WM_SKINQUERY, 0, 0) == 1;
                                  seen.corner = ScreenPixel(w.left, w.top);
                                  seen.inner = ScreenPixel(w.right - 5, (w.top + w.bottom) / 2);
                                  Shot("edit_context_menu", w);
                                  return true;
                                });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(seen.skinned);
  EXPECT_EQ(seen.corner, kMenuRim);
  EXPECT_EQ(seen.inner, GetSysColor(COLOR_MENU));  // the system draws the items
}

TEST_F(PopupMenuTest, TheMainWindowsSystemMenuIsSkinned) {
  TFixedForm* form = ShowMainWindow();
  TSkinManage& manager = SkinManager();
  manager.RegisterSkinData(DataOf(*form));
  manager.InstallHook();
  manager.SetEnabled(true);
  TWinSkinForm* skin = Skin(*form);
  TPopupMenu& system = *skin->SystemMenuPopup();
  ASSERT_EQ(system.Items()->Count(), 3);  // the main window can neither maximize nor minimize
  TMenuItem& restore = *system.Items()->Items(0);
  TMenuItem& close = *system.Items()->Items(2);
  EXPECT_EQ(system.Items()->Items(1)->Caption(), "-");
  EXPECT_EQ(close.Caption(), " Close ");
  EXPECT_EQ(ShortCutToText(close.ShortCut()), "Shift+F4");
  HMENU handle = system.Handle();
  struct {
    bool restore_enabled = true;
    COLORREF corner = 0;
    int grey = 0, ink = 0;
  } seen;
  const bool ended = DriveMenus([&] { skin->ShowSystemMenu(POINT{120, 120}); }, [&] {
    const auto windows = MenuWindows();
    if (windows.empty() || !Painted(windows.front())) return false;
    RECT w{};
    GetWindowRect(windows.front(), &w);
    seen.restore_enabled = restore.Enabled();
    seen.corner = ScreenPixel(w.left, w.top);
    RECT item{};
    GetMenuItemRect(nullptr, handle, 0, &item);
    seen.grey = Ink(RGB(160, 160, 155), item);
    GetMenuItemRect(nullptr, handle, 2, &item);
    seen.ink = Ink(RGB(0, 0, 0), RECT{item.left + 24, item.top, item.right, item.bottom});
    Shot("system_menu", UnionOf({form->Handle(), windows.front()}));
    return true;
  });
  EXPECT_TRUE(ended);
  EXPECT_FALSE(seen.restore_enabled);
  EXPECT_EQ(seen.corner, kMenuRim);
  EXPECT_GT(seen.grey, 5);
  EXPECT_GT(seen.ink, 20);  // " Close " and "Shift+F4"
}

TEST_F(PopupMenuTest, PrintingAMenuWindowShowsTheBackgroundAndTheItems) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  TPopupMenu& popup = *menus->popup;
  HMENU handle = popup.Handle();
  COLORREF corner = 0, inner = 0;
  int red = 0;
  const bool ended = ShowAndLook(popup, [&](HWND menu) {
    RECT w{};
    GetWindowRect(menu, &w);
    TBitmap print(Width(w), Height(w));
    print.Canvas().Brush().SetColor(clLime);
    print.Canvas().FillRect(RECT{0, 0, print.Width(), print.Height()});
    SendMessageW(menu, WM_PRINT, reinterpret_cast<WPARAM>(print.Canvas().Handle()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    corner = BitmapPixel(print, 0, 0);
    inner = BitmapPixel(print, 1, 1);
    RECT item{};
    GetMenuItemRect(nullptr, handle, 0, &item);
    OffsetRect(&item, -w.left, -w.top);
    for (int x = item.left; x < item.left + 30; ++x)
      for (int y = item.top; y < item.bottom; ++y) red += BitmapPixel(print, x, y) == RGB(255, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(corner, kMenuRim);
  EXPECT_EQ(inner, kMenuColour);
  EXPECT_GT(red, 20);
}

// The skin on a window of its own: the ring, the pending window and its
// pairing, a skin without menu background, the manager switched off.
TEST_F(PopupMenuTest, TheRingThePendingWindowAndASkinWithoutMenuBackground) {
  auto* form = ShowForm<TForm>();
  TSkinData& data = DataOf(*form);
  TSkinManage& manager = SkinManager();
  manager.SetEnabled(true);
  UniqueWindow window(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_DLGFRAME | WS_VISIBLE, 300, 300,
                                      120, 80, nullptr, nullptr, nullptr, nullptr));
  HWND h = window.get();
  Pump();
  const COLORREF system_corner = WindowPixel(h, 0, 0);
  ASSERT_NE(system_corner, kMenuRim);
  {
    TWinSkinPopMenu skin;
    skin.Attach(h, data);
    EXPECT_EQ(SendMessageW(h, WM_SKINQUERY, 0, 0), 1);
    SendMessageW(h, WM_NCPAINT, 1, 0);
    EXPECT_EQ(WindowPixel(h, 0, 0), kMenuRim);
    EXPECT_EQ(WindowPixel(h, 119, 79), kMenuRim);
    EXPECT_EQ(WindowPixel(h, 2, 40), kMenuColour);
    EXPECT_EQ(TWinSkinPopMenu::PendingPopup(), &skin);
    auto* menu = reinterpret_cast<HMENU>(0x1234);
    POINT origin{};
    EXPECT_EQ(TWinSkinPopMenu::ItemBackground(menu, origin), nullptr);
    TWinSkinPopMenu::ServePendingPopup(menu);
    EXPECT_EQ(TWinSkinPopMenu::PendingPopup(), nullptr);
    EXPECT_EQ(skin.MenuHandle(), menu);
    EXPECT_EQ(TWinSkinPopMenu::ItemBackground(menu, origin), skin.Background());
    POINT client{0, 0};
    ClientToScreen(h, &client);
    EXPECT_EQ(origin.x, client.x - 300);
    EXPECT_EQ(origin.y, client.y - 300);
    // Paired: a second border paint leaves no pending window.
    SendMessageW(h, WM_NCPAINT, 1, 0);
    EXPECT_EQ(TWinSkinPopMenu::PendingPopup(), nullptr);
    // With the manager off every message goes on unchanged.
    manager.SetEnabled(false);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(WindowPixel(h, 0, 0), system_corner);
    manager.SetEnabled(true);
    skin.Detach();
    EXPECT_EQ(SendMessageW(h, WM_SKINQUERY, 0, 0), 0);
    EXPECT_TRUE(skin.Background()->Empty());
  }
  Owned<TSkinData> bare = MakeRoot<TSkinData>();
  Load(*bare, TTestSkin().Ini("[Colours]\nMenu=1 2 3\n"));
  TWinSkinPopMenu skin;
  skin.Attach(h, *bare);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_EQ(WindowPixel(h, 0, 0), system_corner);
  EXPECT_EQ(TWinSkinPopMenu::PendingPopup(), nullptr);
}

TEST_F(PopupMenuTest, AThousandPopupMenusLeaveNoGdiOrUserObjectBehind) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  TPopupMenu& popup = *menus->popup;
  auto cycle = [&] {
    PostMessageW(PopupListWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    popup.Popup(200, 160);
    Pump(1);
  };
  cycle();
  Pump(3);
  const int gdi = CountGdiObjects();
  const int user = CountUserObjects();
  for (int i = 0; i < 1000; ++i) cycle();
  Pump(3);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  EXPECT_EQ(SkinManager().MenuSkinCount(), 0);
  EXPECT_EQ(TWinSkinPopMenu::PendingPopup(), nullptr);
}

}  // namespace
}  // namespace hm::test
