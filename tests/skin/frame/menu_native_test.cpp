// Menu bars built from native menus: a bare window's menu with its
// owner-drawn drop-down, and a bar of a skin without menu-bar image.
#include "skin/frame/win_skin_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/handles.h"
#include "skin/frame/nc_objects.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"
#include "tests/skin/frame/frame_test_util.h"
#include "tests/skin/frame/menu_test_util.h"

namespace hm::test {
namespace {

struct NativeMenuTest : MenuTest {};

constexpr UINT kAlpha = 501, kBeta = 502, kGamma = 503;

// A plain window of a class of its own with a native menu bar:
// "&Tools" (Alpha, a separator, Beta disabled, Gamma checked), "&More".
class BareWindow {
 public:
  BareWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HaomisoBareMenuWindow";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassExW(&wc);
    HMENU bar = CreateMenu();
    tools = CreatePopupMenu();
    AppendMenuW(tools, MF_STRING, kAlpha, L"Alpha");
    AppendMenuW(tools, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(tools, MF_STRING | MF_GRAYED, kBeta, L"Beta");
    AppendMenuW(tools, MF_STRING | MF_CHECKED, kGamma, L"Gamma");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
    HMENU more = CreatePopupMenu();
    AppendMenuW(more, MF_STRING, 504, L"Delta");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"&More");
    window = CreateWindowExW(0, wc.lpszClassName, L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 320, 220, nullptr,
                             bar, wc.hInstance, nullptr);
    Pump();
  }
  ~BareWindow() {
    HMENU bar = GetMenu(window);
    if (IsWindow(window)) DestroyWindow(window);
    if (bar) DestroyMenu(bar);
  }
  HWND window = nullptr;
  HMENU tools = nullptr;
};

TEST_F(NativeMenuTest, ABareWindowsMenuIsBuiltFromItsNativeMenuAndItsItemsAreSkinned) {
  auto* form = ShowForm<TForm>();
  TSkinData& data = DataOf(*form);
  TSkinManage& manager = SkinManager();
  manager.RegisterSkinData(data);
  manager.InstallHook();
  manager.SetEnabled(true);
  BareWindow bare;
  HWND h = bare.window;
  // Activated, the window got its frame skin from the manager.
  auto* skin = dynamic_cast<TWinSkinForm*>(manager.FindFormSkin(h));
  ASSERT_NE(skin, nullptr);
  Pump();
  TWinSkinMenu* bar = skin->MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenu(h), nullptr);
  ASSERT_EQ(bar->ItemCount(), 2);
  EXPECT_EQ(bar->Items()[0]->Caption, "&Tools");
  EXPECT_EQ(bar->Items()[0]->SubMenu, bare.tools);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);

  struct {
    int rim = 0, grey = 0, check = 0;
    bool etched = false;
  } seen;
  const bool ended = DriveMenus(
      [&] {
        const TMenuBtn& item = *bar->Items()[0];
        SendMessageW(h, WM_NCLBUTTONDOWN, HTMENU, ScreenLParam(h, item.Rect.left + 2, item.Rect.top + 2));
      },
      [&] {
        const auto windows = MenuWindows();
        if (windows.empty() || !Painted(windows.front()) || !(GetMenuState(bare.tools, 0, MF_BYPOSITION) & MF_HILITE))
          return false;
        RECT r{};
        GetMenuItemRect(h, bare.tools, 0, &r);
        for (int y = r.top - 2; y < r.top + 3; ++y) seen.rim += ScreenPixel((r.left + r.right) / 2, y) == kSelectedRim;
        GetMenuItemRect(h, bare.tools, 1, &r);
        for (int y = r.top; y < r.bottom; ++y) {
          const int x = (r.left + r.right) / 2;
          if (ScreenPixel(x, y) == GetSysColor(COLOR_BTNSHADOW) && ScreenPixel(x, y + 1) == GetSysColor(COLOR_BTNHIGHLIGHT))
            seen.etched = true;
        }
        GetMenuItemRect(h, bare.tools, 2, &r);
        for (int x = r.left; x < r.right; ++x)
          for (int y = r.top; y < r.bottom; ++y) {
            // The button-shadow grey, smoothed: neither black text nor the background.
            const COLORREF c = ScreenPixel(x, y);
            seen.grey += GetRValue(c) >= 140 && GetRValue(c) <= 200 && GetGValue(c) >= 140 && GetGValue(c) <= 200;
          }
        GetMenuItemRect(h, bare.tools, 3, &r);
        for (int x = r.left; x < r.left + 24; ++x)
          for (int y = r.top; y < r.bottom; ++y) seen.check += ScreenPixel(x, y) == GetSysColor(COLOR_BTNTEXT);
        Shot("bare_dropdown", UnionOf({h, windows.front()}));
        return true;
      });
  EXPECT_TRUE(ended);
  EXPECT_EQ(seen.rim, 1);
  EXPECT_TRUE(seen.etched);  // the native separator: an etched line
  EXPECT_GT(seen.grey, 5);    // Beta, disabled, read back from the native state
  EXPECT_GT(seen.check, 5);   // Gamma, checked
  EXPECT_FALSE(skin->MenuTracking());
}

TEST_F(NativeMenuTest, ABarWithoutMenuBarImageIsFilledWithTheBarColourAndStartsAtSix) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  Owned<TSkinData> plain = MakeRoot<TSkinData>();
  Load(*plain, TTestSkin().Ini("[Colours]\nMenubar=10 200 30\nMenuBarText=0 0 0\n"));
  ASSERT_EQ(plain->MenuBar(), nullptr);
  TWinSkinMenu other(*skin, *plain);
  menus->top[1]->SetEnabled(false);
  other.RebuildFromNative(menus->main->Handle());
  ASSERT_EQ(other.ItemCount(), 6);
  EXPECT_EQ(other.Items()[0]->Caption, "&File");
  EXPECT_FALSE(other.Items()[1]->Enabled);
  EXPECT_EQ(other.Items()[0]->SubMenu, menus->top[0]->Handle());
  TBitmap b(300, 20);
  other.PaintBar(b.Canvas().Handle(), RECT{0, 0, 300, 20});
  EXPECT_EQ(other.Items()[0]->Rect.left, 6);
  EXPECT_EQ(BitmapPixel(b, 2, 2), RGB(10, 200, 30));
  EXPECT_EQ(BitmapPixel(b, 299, 19), RGB(10, 200, 30));
}

// "TileMenu" 1 stretches the bar image's middle; any other value repeats
// it. An inactive window's bar takes the second frame.
TEST_F(NativeMenuTest, TheBarsMiddleIsStretchedOrRepeatedAndAnInactiveBarTakesTheSecondFrame) {
  TForm* form;
  TWinSkinForm* skin;
  Open(form, skin);
  auto bar_skin = [](int tile) {
    Owned<TSkinData> data = MakeRoot<TSkinData>();
    Load(*data, TTestSkin()
                    .Ini("[Personality]\nMenuBar=bar.bmp\nTileMenu=" + std::to_string(tile) +
                         "\nTileLeftMenu=2\nTileRightMenu=2\n")
                    .Bitmap("bar.bmp", 10, 40));
    return data;
  };
  Owned<TSkinData> strip = bar_skin(0);
  Owned<TSkinData> stretched = bar_skin(1);
  ASSERT_NE(strip->MenuBar(), nullptr);
  const TBitmap& image = strip->MenuBar()->Bitmap;
  TBitmap b(100, 20);
  {
    TWinSkinMenu bar(*skin, *strip);
    bar.PaintBar(b.Canvas().Handle(), RECT{0, 0, 100, 20});
    EXPECT_EQ(BitmapPixel(b, 0, 0), BitmapPixel(image, 0, 0));
    EXPECT_EQ(BitmapPixel(b, 2, 0), BitmapPixel(image, 2, 0));
    EXPECT_EQ(BitmapPixel(b, 50, 0), BitmapPixel(image, 2, 0));  // the middle (6 wide), the 9th time
    EXPECT_EQ(BitmapPixel(b, 99, 0), BitmapPixel(image, 9, 0));
  }
  {
    TWinSkinMenu bar(*skin, *stretched);
    bar.PaintBar(b.Canvas().Handle(), RECT{0, 0, 100, 20});
    EXPECT_EQ(BitmapPixel(b, 0, 0), BitmapPixel(image, 0, 0));
    EXPECT_EQ(BitmapPixel(b, 50, 0), BitmapPixel(image, 5, 0));  // half way: the middle's half way
    EXPECT_EQ(BitmapPixel(b, 99, 0), BitmapPixel(image, 9, 0));
    SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    ASSERT_FALSE(skin->Active());
    bar.PaintBar(b.Canvas().Handle(), RECT{0, 0, 100, 20});
    EXPECT_EQ(BitmapPixel(b, 0, 0), BitmapPixel(image, 0, 20));
  }
}

}  // namespace
}  // namespace hm::test

namespace hm::test {
namespace {

HWND g_mdi_client = nullptr;

LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return DefFrameProcW(window, g_mdi_client, msg, wparam, lparam);
}

TEST_F(NativeMenuTest, AnMdiFramesBarFollowsTheClientsMenusAndShowsTheMaximizedChildsButtons) {
  auto* form = ShowForm<TForm>();
  TSkinData& data = DataOf(*form);
  TSkinManage& manager = SkinManager();
  manager.RegisterSkinData(data);
  manager.InstallHook();
  manager.SetEnabled(true);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW frame_class{};
  frame_class.cbSize = sizeof frame_class;
  frame_class.lpfnWndProc = &MdiFrameProc;
  frame_class.hInstance = instance;
  frame_class.lpszClassName = L"HaomisoMdiFrame";
  RegisterClassExW(&frame_class);
  WNDCLASSEXW child_class = frame_class;
  child_class.lpfnWndProc = &DefMDIChildProcW;
  child_class.lpszClassName = L"HaomisoMdiChild";
  RegisterClassExW(&child_class);

  HMENU first = CreateMenu();
  HMENU window_menu = CreatePopupMenu();
  AppendMenuW(window_menu, MF_STRING, 601, L"Tile");
  AppendMenuW(first, MF_POPUP, reinterpret_cast<UINT_PTR>(window_menu), L"&Window");
  UniqueWindow frame(CreateWindowExW(0, frame_class.lpszClassName, L"MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 80, 80,
                                     420, 300, nullptr, first, instance, nullptr));
  CLIENTCREATESTRUCT ccs{window_menu, 1000};
  g_mdi_client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 240,
                                 frame.get(), nullptr, instance, &ccs);
  ASSERT_NE(g_mdi_client, nullptr);
  // Shown once the client exists: the manager then skins an MDI frame.
  ShowWindow(frame.get(), SW_SHOW);
  Pump();
  auto* skin = dynamic_cast<TWinSkinForm*>(manager.FindFormSkin(frame.get()));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->FormKind(), kFormMdiFrame);
  ASSERT_NE(skin->MenuBar(), nullptr);
  EXPECT_EQ(skin->MenuBar()->ItemCount(), 1);

  MDICREATESTRUCTW mcs{};
  mcs.szClass = child_class.lpszClassName;
  mcs.szTitle = L"Child";
  mcs.hOwner = instance;
  mcs.x = mcs.y = 0;
  mcs.cx = 200;
  mcs.cy = 120;
  auto child = reinterpret_cast<HWND>(SendMessageW(g_mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  ASSERT_NE(child, nullptr);
  EXPECT_FALSE(data.MenuUpdate());  // while a child comes
  Pump();

  HMENU second = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 602, L"Open");
  AppendMenuW(second, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(second, MF_STRING, 603, L"&Edit");
  SendMessageW(g_mdi_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(second), 0);
  ASSERT_EQ(skin->MenuBar()->ItemCount(), 2);
  EXPECT_EQ(skin->MenuBar()->Items()[0]->Caption, "&File");
  EXPECT_EQ(GetMenu(frame.get()), nullptr);

  SendMessageW(g_mdi_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  SendMessageW(frame.get(), WM_SKINFRAMEPAINT, 0, 0);
  EXPECT_TRUE(manager.MdiMaximized());
  TWinSysButton* close = ButtonOf(*skin, 9, 100);
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(close->Visible);
  // A pixel of the close button's first frame that is not see-through.
  const TBitmap& image = close->Definition().Bitmap;
  const int frame_width = image.Width() / std::max(close->Definition().FrameCount, 1);
  bool compared = false;
  for (int y = 0; y < image.Height() && !compared; ++y) {
    for (int x = 0; x < frame_width && !compared; ++x) {
      const COLORREF c = BitmapPixel(image, x, y);
      if (c == RGB(255, 0, 255)) continue;
      EXPECT_EQ(WindowPixel(frame.get(), close->Rect.left + x, close->Rect.top + y), c) << x << "," << y;
      compared = true;
    }
  }
  EXPECT_TRUE(compared);
  Shot("mdi_frame", WindowRectOf(frame.get()));

  SendMessageW(g_mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  Pump();
  EXPECT_FALSE(manager.MdiMaximized());
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_EQ(skin->MenuBar()->ItemCount(), 2);  // the frame's menu, not an empty bar
  frame.reset();
  g_mdi_client = nullptr;
  DestroyMenu(first);
  DestroyMenu(second);
  Pump();
}

}  // namespace
}  // namespace hm::test
