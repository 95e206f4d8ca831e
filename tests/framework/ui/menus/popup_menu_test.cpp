// Popup menus shown at a screen point, looked at while open, and
// dismissed or chosen from; owner-drawn items through their handlers.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/menus/menus.h"

namespace hm {
namespace {

// Runs `action` with the open menu window from inside the menu's own
// loop, as the user's input would arrive.
std::function<void(HWND)> g_while_open;
bool g_ran = false;

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;  // not shown yet: try again
  KillTimer(nullptr, id);
  g_ran = true;
  g_while_open(menu);
}

// Shows the menu at (x, y); `action` runs once the menu window is visible.
void PopupWith(TPopupMenu& menu, int x, int y, std::function<void(HWND)> action) {
  g_while_open = std::move(action);
  g_ran = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, WhileOpen);
  menu.Popup(x, y);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(g_ran) << "the menu never showed";
}

struct PopupFixture {
  Owned<TComponent> owner = MakeRoot<TComponent>();
  TPopupMenu* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* first = Add("&First");
  TMenuItem* second = Add("&Second");
  int first_clicks = 0, second_clicks = 0;

  PopupFixture() {
    first->OnClick = [this](TObject*) { ++first_clicks; };
    second->OnClick = [this](TObject*) { ++second_clicks; };
  }
  TMenuItem* Add(const std::string& caption) {
    auto* item = MakeOwned<TMenuItem>(*owner);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
  }
};

TEST(PopupMenu, ShowsAtThePointAndEscapeDismissesItWithoutAChoice) {
  PopupFixture f;
  int popups = 0;
  f.menu->OnPopup = [&](TObject* sender) {
    EXPECT_EQ(sender, f.menu);
    ++popups;
  };
  RECT shown{};
  PopupWith(*f.menu, 200, 150, [&](HWND window) {
    GetWindowRect(window, &shown);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(shown.left, 200);
  EXPECT_EQ(shown.top, 150);
  EXPECT_EQ(f.first_clicks + f.second_clicks, 0);
  EXPECT_EQ(FindWindowW(L"#32768", nullptr) && IsWindowVisible(FindWindowW(L"#32768", nullptr)), false);
}

TEST(PopupMenu, AChosenItemRunsItsClickAfterTheMenuCloses) {
  PopupFixture f;
  bool menu_gone_at_click = false;
  f.second->OnClick = [&](TObject*) {
    HWND w = FindWindowW(L"#32768", nullptr);
    menu_gone_at_click = !w || !IsWindowVisible(w);
    ++f.second_clicks;
  };
  PopupWith(*f.menu, 100, 100, [](HWND window) {
    // The accelerator of "&Second".
    PostMessageW(window, WM_CHAR, 'S', 0);
  });
  EXPECT_EQ(f.second_clicks, 1);
  EXPECT_EQ(f.first_clicks, 0);
  EXPECT_TRUE(menu_gone_at_click);
}

TEST(PopupMenu, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
  PopupFixture f;
  std::vector<RECT> rects;
  int measured = 0;
  for (TMenuItem* item : {f.first, f.second}) {
    item->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int& height) {
      width = 150;
      height = 30;
      ++measured;
    };
    item->OnAdvancedDrawItem = [&, item](TObject* sender, TCanvas* canvas, RECT r, TOwnerDrawState) {
      EXPECT_EQ(sender, item);
      canvas->Brush().SetColor(item == f.first ? clLime : clBlue);
      canvas->FillRect(r);
      rects.push_back(r);
    };
  }
  f.menu->SetOwnerDraw(true);
  COLORREF top = 0, bottom = 0;
  int client_width = 0;
  PopupWith(*f.menu, 120, 120, [&](HWND window) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    client_width = client.right;
    HDC dc = GetDC(window);
    top = GetPixel(dc, client.right / 2, client.bottom / 4);
    bottom = GetPixel(dc, client.right / 2, client.bottom * 3 / 4);
    ReleaseDC(window, dc);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(measured, 2);
  ASSERT_GE(rects.size(), 2u);
  EXPECT_EQ(rects[0].bottom - rects[0].top, 30);
  EXPECT_GE(client_width, 150);
  EXPECT_EQ(top, RGB(0, 255, 0));
  EXPECT_EQ(bottom, RGB(0, 0, 255));
}

TEST(PopupMenu, DefaultOwnerDrawingMeasuresCaptionAndShortcut) {
  PopupFixture f;
  f.menu->SetOwnerDraw(true);
  int plain_width = 0, with_shortcut = 0;
  f.first->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int&) { plain_width = width; };
  f.second->SetCaption("&First");
  f.second->SetShortCut(ShortCut('F', TShiftState{ssCtrl}));
  f.second->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int&) { with_shortcut = width; };
  PopupWith(*f.menu, 120, 120, [](HWND window) { PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0); });
  EXPECT_GT(plain_width, 16);
  EXPECT_GT(with_shortcut, plain_width);
}

}  // namespace
}  // namespace hm
