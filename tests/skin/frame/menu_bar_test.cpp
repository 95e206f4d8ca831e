// The skinned menu bar on a real window: what it takes from the window and
// gives back, how it is drawn and laid out, its drop-downs with their
// owner-drawn items, moving between drop-downs by keys and mouse, and the
// accelerators.
#include "skin/frame/win_skin_menu.h"

#include <gtest/gtest.h>

#include "framework/ui/controls/edits.h"
#include "framework/ui/menus/menus.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/menu_item_drawing.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"
#include "tests/skin/frame/menu_test_util.h"

namespace hm::test {
namespace {

struct MenuBarTest : MenuTest {};

bool OwnerDrawn(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return GetMenuItemInfoW(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

// Adds the bar item the tracking is at to `path` once it moved on from the
// last one there; false while no drop-down of the bar is open or it did not
// move. `windows` are the menu windows then.
bool MovedOn(std::vector<int>& path, std::vector<HWND>& windows) {
  windows = MenuWindows();
  if (windows.empty() || !TWinSkinMenu::HookInstalled()) return false;
  const int index = TWinSkinMenu::CurrentIndex();
  if (!path.empty() && path.back() == index) return false;
  path.push_back(index);
  return true;
}

TEST_F(MenuBarTest, TheBarTakesTheNativeMenuKeepsTheClientAndGivesTheMenuBack) {
  auto* form = ShowForm<TForm>();
  menus = BuildMenus(*form);
  Pump();
  HWND h = form->Handle();
  HMENU native = GetMenu(h);
  ASSERT_NE(native, nullptr);
  const RECT client = ClientRectOf(h);
  TWinSkinForm* skin = Skin(*form);
  ASSERT_NE(skin->MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(h), nullptr);
  EXPECT_EQ(skin->MenuBarHeight(), GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(Height(ClientRectOf(h)), Height(client));
  const RECT window = WindowRectOf(h);
  EXPECT_EQ(Height(window), skin->CaptionHeight() + skin->MenuBarHeight() + Height(client) + skin->BorderBottom());
  ASSERT_EQ(skin->MenuBar()->ItemCount(), 6);
  EXPECT_EQ(skin->MenuBar()->Items()[0]->Caption, "&File");
  EXPECT_EQ(skin->MenuBar()->Items()[0]->SubMenu, menus->top[0]->Handle());
  EXPECT_EQ(skin->MenuBar()->Items()[4]->SubMenu, nullptr);
  EXPECT_EQ(skin->MenuBar()->Items()[4]->Command, menus->top[4]->Command());

  skin->Detach();
  EXPECT_EQ(GetMenu(h), native);
  EXPECT_EQ(skin->MenuBar(), nullptr);
  Pump();
  EXPECT_EQ(Height(ClientRectOf(h)), Height(client));
}

TEST_F(MenuBarTest, TheBarIsDrawnFromTheSkinWithItsItemsSideBySide) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  TSkinData& data = DataOf(*form);
  const RECT& r = bar->BarRect();
  EXPECT_EQ(r.left, skin->BorderLeft());
  EXPECT_EQ(r.top, skin->CaptionHeight());
  EXPECT_EQ(r.bottom - r.top, skin->MenuBarHeight());
  // The bar's left cap is copied as it is from the skin (frame 1, active).
  const TBitmap& image = data.MenuBar()->Bitmap;
  EXPECT_EQ(WindowPixel(h, r.left, r.top), BitmapPixel(image, 0, 0));
  EXPECT_EQ(WindowPixel(h, r.left + 1, r.top), BitmapPixel(image, 1, 0));

  const int start = data.MenuBar()->LeftWidth + 4;
  EXPECT_EQ(Item(0).Rect.left, r.left + start);
  for (int i = 0; i < 6; ++i) {
    const TMenuBtn& item = Item(i);
    const int w = TextWidth(item.Caption);
    EXPECT_EQ(item.Rect.right - item.Rect.left, w > 0 ? w + 10 : 0) << i;
    EXPECT_EQ(item.Rect.bottom, r.bottom - 1);
    if (i > 0) {
      EXPECT_EQ(item.Rect.left, Item(i - 1).Rect.right) << i;
    }
  }
  // Captions in the skin's bar text colour (black): some ink in the first item.
  int ink = 0;
  for (int x = Item(0).Rect.left; x < Item(0).Rect.right; ++x)
    for (int y = Item(0).Rect.top; y < Item(0).Rect.bottom; ++y) ink += WindowPixel(h, x, y) == RGB(0, 0, 0);
  EXPECT_GT(ink, 5);
  // The item with an empty caption takes no room and cannot be hit.
  EXPECT_EQ(Item(3).Rect.right, Item(3).Rect.left);
  EXPECT_EQ(bar->ItemAt(POINT{Item(3).Rect.left, Item(3).Rect.top + 2}), &Item(4));
  EXPECT_EQ(skin->FindNCObject(POINT{Item(1).Rect.left + 3, Item(1).Rect.top + 3}), &Item(1));
  Shot("menu_bar", WindowRectOf(h));
}

TEST_F(MenuBarTest, HiddenAndDisabledItemsNarrowAndRightToLeftBars) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  TSkinData& data = DataOf(*form);
  menus->top[1]->SetEnabled(false);
  menus->top[2]->SetVisible(false);
  Pump();
  ASSERT_EQ(bar->ItemCount(), 6);
  EXPECT_EQ(GetMenu(h), nullptr);
  SendMessageW(h, WM_SKINFRAMEPAINT, 0, 0);
  EXPECT_FALSE(Item(1).Enabled);
  EXPECT_EQ(Item(2).Rect.left | Item(2).Rect.right | Item(2).Rect.top | Item(2).Rect.bottom, 0);
  EXPECT_EQ(Item(4).Rect.left, Item(1).Rect.right);
  int grey = 0;
  for (int x = Item(1).Rect.left; x < Item(1).Rect.right; ++x)
    for (int y = Item(1).Rect.top; y < Item(1).Rect.bottom; ++y) grey += WindowPixel(h, x, y) == GetSysColor(COLOR_BTNSHADOW);
  EXPECT_GT(grey, 5);

  // A bar narrower than the start: items start at 12.
  TBitmap narrow(40, 20);
  bar->PaintBar(narrow.Canvas().Handle(), RECT{0, 0, 5, 20});
  EXPECT_EQ(Item(0).Rect.left, 12);

  // Right to left: from the right end, going left.
  menus->main->SetRightToLeft(true);
  TBitmap wide(300, 20);
  bar->PaintBar(wide.Canvas().Handle(), RECT{0, 0, 300, 20});
  EXPECT_EQ(Item(0).Rect.right, 300 - (data.MenuBar()->RightWidth + 8));
  EXPECT_EQ(Item(1).Rect.right, Item(0).Rect.left);
}

TEST_F(MenuBarTest, HoverFramesAnItemAndLeavingRestoresIt) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  const TMenuBtn& item = Item(1);
  const COLORREF resting = WindowPixel(h, item.Rect.left, item.Rect.top);
  SendMessageW(h, WM_NCMOUSEMOVE, HTMENU, ScreenLParam(h, item.Rect.left + 3, item.Rect.top + 3));
  EXPECT_EQ(skin->HotObject(), &item);
  EXPECT_EQ(WindowPixel(h, item.Rect.left, item.Rect.top), RGB(255, 255, 255));  // ButtonHilight
  EXPECT_EQ(WindowPixel(h, item.Rect.right - 1, item.Rect.bottom - 1), RGB(255, 255, 255));
  Item(1).MouseLeave();
  EXPECT_EQ(WindowPixel(h, item.Rect.left, item.Rect.top), resting);
}

TEST_F(MenuBarTest, ADropDownOpensUnderItsItemWithSkinnedItemsAndIsGivenBackAfter) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  const RECT window = WindowRectOf(h);
  HMENU sub = menus->top[0]->Handle();
  struct {
    RECT menu{};
    bool tracking = false, skinned = false, owner_drawn = false;
    int index = -1;
    COLORREF corner = 0;
    int selected_rim = 0;
    int check_ink = 0;
  } seen;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    const auto windows = MenuWindows();
    if (windows.empty()) return false;
    RECT first{};
    if (!GetMenuItemRect(h, sub, 0, &first) || !(GetMenuState(sub, 0, MF_BYPOSITION) & MF_HILITE)) return false;
    HWND menu = windows.front();
    if (!Painted(menu)) return false;
    GetWindowRect(menu, &seen.menu);
    seen.tracking = skin->MenuTracking();
    seen.index = TWinSkinMenu::CurrentIndex();
    seen.skinned = SendMessageW(menu, WM_SKINQUERY, 0, 0) == 1;
    seen.owner_drawn = OwnerDrawn(sub, 1);
    seen.corner = ScreenPixel(seen.menu.left, seen.menu.top);
    for (int y = first.top - 2; y < first.top + 3; ++y)
      seen.selected_rim += ScreenPixel((first.left + first.right) / 2, y) == kSelectedRim;
    RECT second{};
    GetMenuItemRect(h, sub, 1, &second);
    for (int x = second.left; x < second.left + 24; ++x)
      for (int y = second.top; y < second.bottom; ++y) seen.check_ink += ScreenPixel(x, y) == GetSysColor(COLOR_BTNTEXT);
    Shot("menu_dropdown", UnionOf({h, menu}));
    return true;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(seen.menu.left, window.left + Item(0).Rect.left);
  EXPECT_EQ(seen.menu.top, window.top + Item(0).Rect.bottom);
  EXPECT_TRUE(seen.tracking);
  EXPECT_EQ(seen.index, 0);
  EXPECT_TRUE(seen.skinned);
  EXPECT_TRUE(seen.owner_drawn);
  EXPECT_EQ(seen.corner, kMenuRim);
  EXPECT_EQ(seen.selected_rim, 1);  // the first item, selected on opening, in its frame
  EXPECT_GT(seen.check_ink, 5);                // Save is checked without image
  // Given back: no tracking, no hook, the items as the framework made them.
  EXPECT_FALSE(skin->MenuTracking());
  EXPECT_FALSE(TWinSkinMenu::HookInstalled());
  EXPECT_EQ(TWinSkinMenu::CurrentIndex(), -1);
  EXPECT_FALSE(OwnerDrawn(sub, 1));
}

TEST_F(MenuBarTest, ItemsWithoutDropDownOnlyPostTheirCommandAndDisabledOnesShowNone) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  Press(h, Item(4));
  EXPECT_FALSE(TWinSkinMenu::HookInstalled());
  Pump();
  EXPECT_EQ(menus->clicks, 1);
  menus->top[1]->SetEnabled(false);
  Pump();
  SendMessageW(h, WM_SKINFRAMEPAINT, 0, 0);
  int windows_seen = 0;
  DriveMenus([&] { Press(h, Item(1)); }, [&] {
    windows_seen += static_cast<int>(MenuWindows().size());
    return true;
  });
  EXPECT_EQ(windows_seen, 0);
  EXPECT_FALSE(skin->MenuTracking());
}

TEST_F(MenuBarTest, ArrowKeysMoveAlongTheBarAndWrapAround) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  std::vector<int> path;
  int stage = 0;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    std::vector<HWND> windows;
    if (!MovedOn(path, windows)) return false;
    if (stage == 0) PostMessageW(windows.front(), WM_KEYDOWN, VK_LEFT, 0);
    if (stage == 1) PostMessageW(windows.front(), WM_KEYDOWN, VK_RIGHT, 0);
    return ++stage == 3;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(path, (std::vector<int>{0, 5, 0}));
  EXPECT_FALSE(TWinSkinMenu::HookInstalled());
}

TEST_F(MenuBarTest, OnARightToLeftMenuTheArrowsAreSwapped) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  menus->main->SetRightToLeft(true);
  SendMessageW(h, WM_SKINFRAMEPAINT, 0, 0);
  std::vector<int> path;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    std::vector<HWND> windows;
    if (!MovedOn(path, windows)) return false;
    if (path.size() == 1) PostMessageW(windows.front(), WM_KEYDOWN, VK_LEFT, 0);
    return path.size() == 2;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(path, (std::vector<int>{0, 1}));
}

TEST_F(MenuBarTest, RightArrowOnAnItemWithSubmenuOpensTheSubmenu) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  HMENU sub = menus->top[0]->Handle();
  int stage = 0;
  std::size_t windows_after = 0;
  int index_after = -2;
  DWORD asked = 0;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    const auto windows = MenuWindows();
    if (windows.empty()) return false;
    if (stage == 0) {
      if (!(GetMenuState(sub, 0, MF_BYPOSITION) & MF_HILITE)) return false;
      // Open, Save, the line skipped, Recent.
      PostMessageW(windows.front(), WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(windows.front(), WM_KEYDOWN, VK_DOWN, 0);
      stage = 1;
      return false;
    }
    if (stage == 1) {
      if (!(GetMenuState(sub, 3, MF_BYPOSITION) & MF_HILITE)) return false;
      PostMessageW(windows.front(), WM_KEYDOWN, VK_RIGHT, 0);
      stage = 2;
      asked = GetTickCount();
      return false;
    }
    if (windows.size() < 2 && GetTickCount() - asked < 1500) return false;
    windows_after = windows.size();
    index_after = TWinSkinMenu::CurrentIndex();
    Shot("menu_submenu", UnionOf({h, windows.front(), windows.back()}));
    return true;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(windows_after, 2u);
  EXPECT_EQ(index_after, 0);
}

TEST_F(MenuBarTest, TheMouseOverAnotherItemSwitchesToItsDropDown) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  const RECT window = WindowRectOf(h);
  std::vector<int> path;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    std::vector<HWND> windows;
    if (!MovedOn(path, windows)) return false;
    if (path.size() == 1) {
      const TMenuBtn& target = Item(2);
      const POINT at{window.left + (target.Rect.left + target.Rect.right) / 2,
                     window.top + (target.Rect.top + target.Rect.bottom) / 2};
      SetCursorPos(at.x, at.y);
      POINT client = at;
      ScreenToClient(windows.front(), &client);
      PostMessageW(windows.front(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    }
    return path.size() == 2;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(path, (std::vector<int>{0, 2}));
}

TEST_F(MenuBarTest, AltWithAnAcceleratorOpensItsDropDownAndTheKeyAloneGoesToTheForm) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE alt[256];
  std::copy(std::begin(keys), std::end(keys), std::begin(alt));
  alt[VK_MENU] = 0x80;

  SetKeyboardState(keys);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'E', 0), 0);
  int opened = -1;
  DriveMenus([&] { Pump(); }, [&] {
    opened = TWinSkinMenu::CurrentIndex();
    return true;
  }, 60, 1000);
  EXPECT_EQ(opened, -1);

  SetKeyboardState(alt);
  const LRESULT answered = form->Perform(CM_DIALOGCHAR, 'e', 0);
  SetKeyboardState(keys);
  EXPECT_EQ(answered, 1);
  const bool ended = DriveMenus([&] { Pump(); }, [&] {
    if (!TWinSkinMenu::HookInstalled()) return false;
    opened = TWinSkinMenu::CurrentIndex();
    return true;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(opened, 1);
  // The system's keyboard menu is not entered for a bar accelerator.
  EXPECT_EQ(SendMessageW(h, WM_SYSCOMMAND, SC_KEYMENU, 'v'), 1);

  // The way a key takes: Alt+V typed in the focused edit.
  auto* edit = MakeOwned<TEdit>(*form);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 100, 22);
  Pump();
  SetFocus(edit->Handle());
  opened = -1;
  const bool typed = DriveMenus(
      [&] {
        SetKeyboardState(alt);
        PostMessageW(edit->Handle(), WM_SYSCHAR, 'v', LPARAM{1} << 29);
        Pump();
        SetKeyboardState(keys);
      },
      [&] {
        if (!TWinSkinMenu::HookInstalled()) return false;
        opened = TWinSkinMenu::CurrentIndex();
        return true;
      });
  SetKeyboardState(keys);
  EXPECT_TRUE(typed);
  EXPECT_EQ(opened, 2);
}

TEST_F(MenuBarTest, EscapeEndsTheTrackingAndTheNextPaintShowsTheBarResting) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  const COLORREF resting = WindowPixel(h, Item(0).Rect.left, Item(0).Rect.top);
  bool escaped = false;
  const bool ended = DriveMenus([&] { Press(h, Item(0)); }, [&] {
    const auto windows = MenuWindows();
    if (!escaped) {
      if (windows.empty()) return false;
      PostMessageW(windows.front(), WM_KEYDOWN, VK_ESCAPE, 0);
      escaped = true;
      return false;
    }
    return windows.empty() && !TWinSkinMenu::HookInstalled();
  });
  EXPECT_TRUE(ended);
  EXPECT_FALSE(skin->MenuTracking());
  SendMessageW(h, WM_SKINFRAMEPAINT, 0, 0);
  EXPECT_EQ(Item(0).State, kNCResting);
  EXPECT_EQ(WindowPixel(h, Item(0).Rect.left, Item(0).Rect.top), resting);
}

TEST_F(MenuBarTest, AFrameworkMenuChangeRebuildsTheBarUnlessMenuUpdateIsOff) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  TSkinData& data = DataOf(*form);
  const int paints = skin->FramePaints();
  menus->top[2]->SetCaption("&Window");
  EXPECT_EQ(Item(2).Caption, "&Window");
  EXPECT_EQ(GetMenu(h), nullptr);
  EXPECT_TRUE(data.FramePainting());
  // The framework's own redraw of its menu was not a skinned frame paint;
  // detaching the menu again repaints the frame at most once.
  EXPECT_LE(skin->FramePaints() - paints, 1);

  data.SetMenuUpdate(false);
  menus->top[2]->SetCaption("&Later");
  EXPECT_EQ(Item(2).Caption, "&Window");
  data.SetMenuUpdate(true);
}

TEST_F(MenuBarTest, AThousandDropDownsLeaveNoGdiOrUserObjectBehind) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  HWND h = form->Handle();
  TSkinManage& manager = SkinManager();
  const bool enabled = manager.Enabled();
  manager.SetEnabled(true);
  auto cycle = [&] {
    // The menu loop finds the Escape first: the drop-down shows, paints
    // its items and closes.
    PostMessageW(h, WM_KEYDOWN, VK_ESCAPE, 0);
    Press(h, Item(0));
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
  EXPECT_EQ(manager.MenuSkinCount(), 0);
  manager.SetEnabled(enabled);
}

}  // namespace
}  // namespace hm::test
