#include "tests/skin/frame/menu_test_util.h"

#include <algorithm>
#include <cstdlib>

#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/menus/menus.h"
#include "skin/core/skin_manage.h"
#include "skin/frame/menu_item_drawing.h"
#include "skin/frame/skin_engine.h"
#include "skin/frame/win_skin_menu.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm::test {

namespace {

struct TDrive {
  const std::function<bool()>* step = nullptr;
  bool done = false;
  bool timed_out = false;
  DWORD start = 0;
  int limit = 0;
};
TDrive g_drive;

void CALLBACK DriveTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_drive.done) {
    if (GetTickCount() - g_drive.start > static_cast<DWORD>(g_drive.limit)) {
      g_drive.done = true;
      g_drive.timed_out = true;
    } else {
      try {
        if ((*g_drive.step)()) g_drive.done = true;
      } catch (...) {
        g_drive.done = true;
        g_drive.timed_out = true;
      }
    }
  }
  if (g_drive.done) EndMenu();
}

BOOL CALLBACK CollectMenuWindow(HWND window, LPARAM list) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32768" && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

bool DriveMenus(const std::function<void()>& open, const std::function<bool()>& step, int interval, int limit) {
  g_drive = TDrive{&step, false, false, GetTickCount(), limit};
  const UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(interval), &DriveTick);
  open();
  // The steps may go on after the first loop ended (a switch opens another).
  while (!g_drive.done && GetTickCount() - g_drive.start < static_cast<DWORD>(limit) + 1000) {
    Pump(1);
    Sleep(5);
  }
  KillTimer(nullptr, timer);
  // A menu opened by a message still queued ends at once.
  for (int i = 0; i < 20 && !MenuWindows().empty(); ++i) {
    EndMenu();
    Pump(1);
    Sleep(5);
  }
  Pump(2);
  const bool in_time = !g_drive.timed_out && g_drive.done;
  g_drive = TDrive{};
  return in_time;
}

std::vector<HWND> MenuWindows() {
  std::vector<HWND> list;
  EnumThreadWindows(GetCurrentThreadId(), &CollectMenuWindow, reinterpret_cast<LPARAM>(&list));
  return list;
}

bool Painted(HWND window) { return !GetUpdateRect(window, nullptr, FALSE); }

COLORREF ScreenPixel(int x, int y) {
  // Through the window there: Wine shows a window's drawing on the screen
  // a moment later.
  HWND window = WindowFromPoint(POINT{x, y});
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return CLR_INVALID;
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x - r.left, y - r.top);
  ReleaseDC(window, dc);
  return c;
}

RECT UnionOf(const std::vector<HWND>& windows) {
  RECT all{};
  for (HWND w : windows) {
    RECT r{};
    GetWindowRect(w, &r);
    UnionRect(&all, &all, &r);
  }
  return all;
}

void Shot(const std::string& name, const RECT& r) {
  const char* folder = std::getenv("HAOMISO_SHOTS");
  if (!folder || r.right <= r.left || r.bottom <= r.top) return;
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot.SaveToFile(std::string(folder) + "\\" + name + ".bmp");
}

void MenuTest::TearDown() {
  FrameTest::TearDown();
  // The next tests find the manager as the program starts it.
  DestroySkinManager();
  RegisterFrameSkins(SkinManager());
}

void MenuTest::Open(TForm*& form, TWinSkinForm*& skin) {
  form = ShowForm<TForm>();
  menus = BuildMenus(*form);
  Pump();
  TSkinManage& manager = SkinManager();
  manager.RegisterSkinData(DataOf(*form));
  manager.InstallHook();
  manager.SetEnabled(true);
  skin = Skin(*form);
  bar = skin->MenuBar();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  Pump();
  ASSERT_NE(bar, nullptr);
}

void MenuTest::Press(HWND window, const TMenuBtn& item) {
  SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU, ScreenLParam(window, item.Rect.left + 2, item.Rect.top + 2));
}

TMenuBtn& MenuTest::Item(int index) const { return *bar->Items().at(static_cast<std::size_t>(index)); }

int MenuTest::TextWidth(const std::string& caption) {
  TBitmap b(10, 10);
  AssignSystemMenuFont(b.Canvas().Font());
  RECT r{0, 0, 0, 0};
  b.Canvas().DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  return r.right - r.left;
}

TMenuItem* AddItem(TComponent& owner, TMenuItem& parent, const std::string& caption) {
  auto* item = MakeOwned<TMenuItem>(owner);
  item->SetCaption(caption);
  parent.Add(item);
  return item;
}

std::unique_ptr<TMenuForm> BuildMenus(TCustomForm& form) {
  auto m = std::make_unique<TMenuForm>();
  m->images = MakeOwned<TImageList>(form);
  TBitmap strip(32, 16);
  TCanvas& c = strip.Canvas();
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(clFuchsia);
  c.FillRect(RECT{0, 0, 32, 16});
  c.Brush().SetColor(clRed);
  c.FillRect(RECT{4, 4, 12, 12});
  c.Brush().SetColor(clBlue);
  c.FillRect(RECT{20, 4, 28, 12});
  m->images->Add(strip, clFuchsia);

  m->main = MakeOwned<TMainMenu>(form);
  m->main->SetImages(m->images);
  TMenuItem& bar = *m->main->Items();
  m->top[0] = AddItem(form, bar, "&File");
  m->top[1] = AddItem(form, bar, "&Edit");
  m->top[2] = AddItem(form, bar, "&View");
  m->top[3] = AddItem(form, bar, "");
  m->top[4] = AddItem(form, bar, "&Go");
  m->top[5] = AddItem(form, bar, "&Help");
  m->open = AddItem(form, *m->top[0], "&Open");
  m->open->SetImageIndex(0);
  m->open->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
  m->save = AddItem(form, *m->top[0], "&Save");
  m->save->SetChecked(true);
  AddItem(form, *m->top[0], "-");
  m->recent = AddItem(form, *m->top[0], "&Recent");
  AddItem(form, *m->recent, "One");
  AddItem(form, *m->recent, "Two");
  m->exit = AddItem(form, *m->top[0], "E&xit");
  m->exit->SetDefault(true);
  m->cut = AddItem(form, *m->top[1], "Cu&t");
  m->cut->SetEnabled(false);
  m->copy = AddItem(form, *m->top[1], "&Copy");
  m->copy->SetImageIndex(1);
  m->copy->SetChecked(true);
  AddItem(form, *m->top[1], "&Paste");
  AddItem(form, *m->top[2], "&Toolbar");
  AddItem(form, *m->top[2], "&Status bar");
  AddItem(form, *m->top[5], "&About");
  TMenuForm* self = m.get();
  m->top[4]->OnClick = [self](TObject*) { ++self->clicks; };

  m->popup = MakeOwned<TPopupMenu>(form);
  m->popup->SetImages(m->images);
  TMenuItem& pop = *m->popup->Items();
  m->pop_first = AddItem(form, pop, "&Properties");
  m->pop_first->SetImageIndex(0);
  m->pop_first->SetShortCut(ShortCut('P', TShiftState{ssCtrl}));
  m->pop_line = AddItem(form, pop, "-");
  m->pop_off = AddItem(form, pop, "&Disabled");
  m->pop_off->SetEnabled(false);
  AddItem(form, pop, "&Refresh");

  form.SetMenu(m->main);
  return m;
}

}  // namespace hm::test
