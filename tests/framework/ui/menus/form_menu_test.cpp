// A main menu as a form's menu bar: CM_MENUCHANGED, commands, owner-drawn
// bar items measured and drawn by their handlers.
#include <gtest/gtest.h>

#include <vector>

#include "framework/core/form_description.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/menus/menus.h"

namespace hm {
namespace {

struct MenuForm {
  Owned<TForm> form = MakeRoot<TForm>();
  TMainMenu* menu = MakeOwned<TMainMenu>(*form);
  TMenuItem* file = MakeOwned<TMenuItem>(*form);
  TMenuItem* exit = MakeOwned<TMenuItem>(*form);
  int menu_changes = 0;
  TLayerToken counting;

  MenuForm() {
    file->SetCaption("&File");
    exit->SetCaption("E&xit");
    menu->Items()->Add(file);
    file->Add(exit);
    form->SetBounds(60, 60, 320, 200);
    // Counts what reaches the form behind the menu's own handling.
    counting = form->WindowProc().Insert([this](TMessage& m, const TCallNext& next) {
      if (m.Msg == CM_MENUCHANGED) ++menu_changes;
      next(m);
    });
  }
};

TEST(FormMenu, AssigningAndChangingTheMenuTellsTheForm) {
  MenuForm f;
  f.form->HandleNeeded();
  f.form->SetMenu(f.menu);
  EXPECT_EQ(f.menu_changes, 1);
  EXPECT_EQ(f.form->Menu(), f.menu);
  EXPECT_EQ(GetMenu(f.form->Handle()), f.menu->Handle());
  f.file->SetCaption("&Data");
  EXPECT_GE(f.menu_changes, 2);
  const int before = f.menu_changes;
  f.form->SetMenu(nullptr);
  EXPECT_EQ(f.menu_changes, before + 1);
  EXPECT_EQ(GetMenu(f.form->Handle()), nullptr);
  f.file->SetCaption("&File");
  EXPECT_EQ(f.menu_changes, before + 1);  // no longer the form's menu
}

TEST(FormMenu, TheMenuIsAttachedWhenTheWindowIsMadeLaterAndSurvivesIt) {
  MenuForm f;
  f.form->SetMenu(f.menu);
  EXPECT_FALSE(f.form->HandleAllocated());
  EXPECT_EQ(GetMenu(f.form->Handle()), f.menu->Handle());
  HMENU native = f.menu->Handle();
  // Destroying the window must not destroy the menu it shows.
  DestroyWindow(f.form->Handle());
  EXPECT_TRUE(IsMenu(native));
  EXPECT_EQ(GetMenuItemCount(native), 1);
}

TEST(FormMenu, AlignedControlsMakeRoomForTheBar) {
  MenuForm f;
  auto* panel = MakeOwned<TCustomControl>(*f.form);
  panel->SetParent(f.form.get());
  panel->SetAlign(alClient);
  f.form->HandleNeeded();
  const int without_bar = panel->Height();
  f.form->SetMenu(f.menu);
  EXPECT_EQ(panel->Height(), f.form->ClientHeight());
  EXPECT_LT(panel->Height(), without_bar);
}

TEST(FormMenu, MenuCommandsClickTheirItems) {
  MenuForm f;
  int clicks = 0, opened = 0;
  f.exit->OnClick = [&](TObject*) { ++clicks; };
  f.file->OnClick = [&](TObject*) { ++opened; };
  f.form->SetMenu(f.menu);
  SendMessageW(f.form->Handle(), WM_COMMAND, MAKEWPARAM(f.exit->Command(), 0), 0);
  EXPECT_EQ(clicks, 1);
  // A drop-down opening runs the click of the item that owns it.
  SendMessageW(f.form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(f.file->Handle()), 0);
  EXPECT_EQ(opened, 1);
  // Commands of controls (lParam set) are not menu commands.
  SendMessageW(f.form->Handle(), WM_COMMAND, MAKEWPARAM(f.exit->Command(), BN_CLICKED),
               reinterpret_cast<LPARAM>(f.form->Handle()));
  EXPECT_EQ(clicks, 1);
}

TEST(FormMenu, LayersAboveTheFormSeeMenuCommandsWhicheverCameFirst) {
  MenuForm f;
  int clicks = 0;
  f.exit->OnClick = [&](TObject*) { ++clicks; };
  std::vector<UINT> before_seen, after_seen;
  TLayerToken before = f.form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_COMMAND) before_seen.push_back(LOWORD(m.WParam));
    next(m);
  });
  f.form->SetMenu(f.menu);
  TLayerToken after = f.form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_COMMAND) after_seen.push_back(LOWORD(m.WParam));
    next(m);
  });
  auto* second = MakeOwned<TMainMenu>(*f.form);
  f.form->SetMenu(second);  // a second menu adds no second route
  f.form->SetMenu(f.menu);
  SendMessageW(f.form->Handle(), WM_COMMAND, MAKEWPARAM(f.exit->Command(), 0), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(before_seen.size(), 1u);
  EXPECT_EQ(after_seen.size(), 1u);
  // Removed in the order they came, the menu still works.
  before.Remove();
  after.Remove();
  SendMessageW(f.form->Handle(), WM_COMMAND, MAKEWPARAM(f.exit->Command(), 0), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(second->Window(), nullptr);
  EXPECT_EQ(f.menu->Window(), f.form.get());
}

TEST(FormMenu, FreeingTheMenuTakesItOffTheForm) {
  MenuForm f;
  f.form->SetMenu(f.menu);
  f.form->HandleNeeded();
  ASSERT_EQ(GetMenu(f.form->Handle()), f.menu->Handle());
  f.form->FreeComponent(*f.exit);
  f.form->FreeComponent(*f.file);
  f.form->FreeComponent(*f.menu);
  EXPECT_EQ(f.form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(f.form->Handle()), nullptr);
}

TEST(FormMenu, OwnerDrawnBarItemsUseTheirMeasureAndDrawHandlers) {
  MenuForm f;
  std::vector<TOwnerDrawState> drawn;
  int measured = 0;
  f.file->OnMeasureItem = [&](TObject* sender, TCanvas* canvas, int& width, int& height) {
    EXPECT_EQ(sender, f.file);
    EXPECT_NE(canvas, nullptr);
    EXPECT_GT(width, 0);  // the item's own size comes first
    width = 90;
    height = 20;
    ++measured;
  };
  f.file->OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, RECT r, TOwnerDrawState state) {
    canvas->Brush().SetColor(clLime);
    canvas->FillRect(r);
    drawn.push_back(state);
  };
  f.menu->SetOwnerDraw(true);
  f.form->SetMenu(f.menu);
  f.form->Show();
  RedrawWindow(f.form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Application().ProcessMessages();
  EXPECT_GE(measured, 1);
  ASSERT_FALSE(drawn.empty());

  RECT item{};
  ASSERT_TRUE(GetMenuItemRect(f.form->Handle(), f.menu->Handle(), 0, &item));
  // The system adds a little room (two average characters) to what was asked.
  EXPECT_GE(item.right - item.left, 90);
  EXPECT_LT(item.right - item.left, 90 + 40);
  // The bar shows what the handler painted.
  RECT window{};
  GetWindowRect(f.form->Handle(), &window);
  HDC dc = GetWindowDC(f.form->Handle());
  const COLORREF pixel = GetPixel(dc, (item.left + item.right) / 2 - window.left, (item.top + item.bottom) / 2 - window.top);
  ReleaseDC(f.form->Handle(), dc);
  EXPECT_EQ(pixel, RGB(0, 255, 0));
  f.form->Hide();
}

}  // namespace
}  // namespace hm

namespace hm {
namespace {

constexpr char kMenuForm[] = R"(object Form1: TForm
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
      end
    end
  end
end
)";

TEST(FormMenu, ADescriptionSetsTheMenuBarAndItsShortcutsReachTheItems) {
  auto form = MakeRoot<TForm>();
  ReadComponent(*form, kMenuForm);
  auto* menu = static_cast<TMainMenu*>(form->FindComponent("MainMenu1"));
  auto* save = static_cast<TMenuItem*>(form->FindComponent("Save1"));
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(form->Menu(), menu);
  EXPECT_EQ(GetPropObject(form.get(), "Menu", "TMainMenu"), menu);
  int saves = 0;
  save->OnClick = [&](TObject*) { ++saves; };
  form->SetBounds(40, 40, 300, 200);
  form->Show();
  SetForegroundWindow(form->Handle());
  SetFocus(form->Handle());
  // Ctrl+S (16467 = Ctrl + 'S') as the message loop sees it; the key state
  // is set locally, as a key posted from outside would not set it.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(form->Handle(), WM_KEYDOWN, 'S', 0);
  Application().ProcessMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(saves, 1);
}

}  // namespace
}  // namespace hm
