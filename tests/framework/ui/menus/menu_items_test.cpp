// Menu items and the native menus that follow them; shortcut texts;
// menus made from a description.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/form_description.h"
#include "framework/core/text.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/menus/menus.h"

namespace hm {
namespace {

std::string NativeText(HMENU menu, int position) {
  wchar_t buffer[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), buffer, 128, MF_BYPOSITION);
  return Narrow(buffer);
}

TMenuItem* NewItem(TComponent& owner, TMenuItem& parent, const std::string& caption) {
  auto* item = MakeOwned<TMenuItem>(owner);
  item->SetCaption(caption);
  parent.Add(item);
  return item;
}

TEST(ShortCuts, TextsAndValuesRoundTrip) {
  EXPECT_EQ(ShortCut('S', TShiftState{ssCtrl}), 0x4053);
  EXPECT_EQ(ShortCutToText(0x4053), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, TShiftState{ssShift})), "Shift+F4");
  EXPECT_EQ(ShortCutToText(0x8028), "Alt+Down");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, TShiftState{ssCtrl, ssShift})), "Shift+Ctrl+Del");
  EXPECT_EQ(TextToShortCut("alt+down"), 0x8028);
  EXPECT_EQ(TextToShortCut("Shift+Ctrl+Del"), ShortCut(VK_DELETE, TShiftState{ssCtrl, ssShift}));
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Hyper+X"), 0);
  EXPECT_EQ(ShortCutToText(0), "");
}

TEST(MenuItems, NativeMenuFollowsCaptionsShortcutsAndStates) {
  auto owner = MakeRoot<TComponent>();
  auto* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* open = NewItem(*owner, *menu->Items(), "&Open");
  open->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
  NewItem(*owner, *menu->Items(), "-");
  TMenuItem* recent = NewItem(*owner, *menu->Items(), "&Recent");
  TMenuItem* first = NewItem(*owner, *recent, "地区.txt");

  HMENU h = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(h), 3);
  EXPECT_EQ(NativeText(h, 0), "&Open\tCtrl+O");
  EXPECT_EQ(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  HMENU sub = GetSubMenu(h, 2);
  ASSERT_EQ(sub, recent->Handle());
  EXPECT_EQ(NativeText(sub, 0), "地区.txt");
  EXPECT_EQ(GetMenuItemID(h, 0), open->Command());

  open->SetChecked(true);
  open->SetEnabled(false);
  const UINT state = GetMenuState(h, open->Command(), MF_BYCOMMAND);
  EXPECT_TRUE(state & MF_CHECKED);
  EXPECT_TRUE(state & MF_GRAYED);
  open->SetCaption("&Load");
  EXPECT_EQ(NativeText(h, 0), "&Load\tCtrl+O");

  // Hidden items leave the native menu; removing the last child leaves no submenu.
  open->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(h), 2);
  owner->FreeComponent(*first);
  EXPECT_EQ(recent->Count(), 0);
  EXPECT_EQ(GetSubMenu(h, 1), nullptr);
  EXPECT_EQ(menu->FindItem(open->Command(), fkCommand), open);
  EXPECT_EQ(menu->FindItem(ShortCut('O', TShiftState{ssCtrl}), fkShortCut), open);
}

TEST(MenuItems, CommandsAndShortCutsClickOnlyUsableItems) {
  auto owner = MakeRoot<TComponent>();
  auto* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* save = NewItem(*owner, *menu->Items(), "&Save");
  save->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
  int clicks = 0;
  save->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, save);
    ++clicks;
  };
  EXPECT_TRUE(menu->DispatchCommand(save->Command()));
  EXPECT_TRUE(menu->IsShortCut('S', TShiftState{ssCtrl}));
  EXPECT_FALSE(menu->IsShortCut('S', TShiftState{}));
  EXPECT_EQ(clicks, 2);
  save->SetEnabled(false);
  EXPECT_FALSE(menu->DispatchCommand(save->Command()));
  EXPECT_FALSE(menu->IsShortCut('S', TShiftState{ssCtrl}));
  EXPECT_EQ(clicks, 2);
  // Another menu's command is not ours.
  auto* other = MakeOwned<TPopupMenu>(*owner);
  EXPECT_FALSE(other->DispatchCommand(save->Command()));
}

TEST(MenuItems, FreeingTheMenuFirstLeavesItsItemsUsable) {
  auto owner = MakeRoot<TComponent>();
  auto* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* a = NewItem(*owner, *menu->Items(), "a");
  TMenuItem* b = NewItem(*owner, *a, "b");
  HMENU sub = a->Handle();
  menu->Handle();
  owner->FreeComponent(*menu);
  EXPECT_EQ(a->Parent(), nullptr);
  EXPECT_EQ(a->GetParentMenu(), nullptr);
  EXPECT_TRUE(IsMenu(sub));  // a's own list outlives the menu it sat in
  a->SetCaption("still here");
  EXPECT_EQ(TMenuItem::FromCommand(b->Command()), b);
  const UINT command = b->Command();
  owner->FreeComponent(*b);
  EXPECT_EQ(TMenuItem::FromCommand(command), nullptr);
  EXPECT_EQ(GetMenuItemCount(sub), 0);
}

TEST(MenuItems, InsertingAnItemIntoItselfOrTwiceFails) {
  auto owner = MakeRoot<TComponent>();
  auto* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* a = NewItem(*owner, *menu->Items(), "a");
  TMenuItem* b = NewItem(*owner, *a, "b");
  EXPECT_THROW(b->Add(a), EInvalidOperation);
  EXPECT_THROW(menu->Items()->Add(b), EInvalidOperation);
  EXPECT_EQ(a->Count(), 1);
}

TEST(MenuItems, AMeasureHandlerAdjustsTheItemsOwnSize) {
  auto owner = MakeRoot<TComponent>();
  auto* menu = MakeOwned<TPopupMenu>(*owner);
  TMenuItem* item = NewItem(*owner, *menu->Items(), "&Open");
  TCanvas canvas;
  HDC screen = GetDC(nullptr);
  canvas.SetHandle(screen);
  int own_w = 0, own_h = 0;
  item->MeasureOwnSize(canvas, own_w, own_h);
  item->OnMeasureItem = [](TObject*, TCanvas*, int& width, int& height) {
    width += 35;
    height += 1;
  };
  int w = 0, h = 0;
  item->MeasureItem(canvas, w, h);
  EXPECT_EQ(w, own_w + 35);
  EXPECT_EQ(h, own_h + 1);
  int again_w = 0, again_h = 0;
  item->MeasureOwnSize(canvas, again_w, again_h);  // the handler stays out
  EXPECT_EQ(again_w, own_w);
  // A separator is a thin strip whatever its font.
  TMenuItem* line = NewItem(*owner, *menu->Items(), "-");
  line->MeasureOwnSize(canvas, w, h);
  EXPECT_LT(h, own_h);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, screen);
}

constexpr char kForm[] = R"(object Form1: TForm
  object MainMenu1: TMainMenu
    object Bar1: TMenuItem
      Caption = '查询(&Q)'
    end
  end
  object PopupMenu1: TPopupMenu
    OwnerDraw = True
    Alignment = paRight
    Tag = 5
    object N1: TMenuItem
      Caption = '&File'
      object N2: TMenuItem
        Caption = '打开'
        ShortCut = 16463
        Checked = True
        ImageIndex = 3
        Default = True
      end
    end
    object N3: TMenuItem
      Caption = '-'
      Enabled = False
      Visible = False
      RadioItem = True
    end
  end
end
)";

void ExpectStoredMenu(TForm& form) {
  auto* bar = dynamic_cast<TMainMenu*>(form.FindComponent("MainMenu1"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Items()->Count(), 1);
  EXPECT_EQ(bar->Items()->Items(0)->Caption(), "查询(&Q)");
  EXPECT_TRUE(bar->Items()->Items(0)->TopLevel());
  auto* menu = dynamic_cast<TPopupMenu*>(form.FindComponent("PopupMenu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_EQ(menu->Alignment(), paRight);
  EXPECT_EQ(menu->Tag(), 5);
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* file = menu->Items()->Items(0);
  EXPECT_EQ(file->Name(), "N1");
  ASSERT_EQ(file->Count(), 1);
  TMenuItem* open = file->Items(0);
  EXPECT_EQ(open->Caption(), "打开");
  EXPECT_EQ(open->ShortCut(), ShortCut('O', TShiftState{ssCtrl}));
  EXPECT_TRUE(open->Checked());
  EXPECT_TRUE(open->Default());
  EXPECT_EQ(open->ImageIndex(), 3);
  TMenuItem* line = menu->Items()->Items(1);
  EXPECT_TRUE(line->IsLine());
  EXPECT_FALSE(line->Enabled());
  EXPECT_FALSE(line->Visible());
  EXPECT_TRUE(line->RadioItem());
}

TEST(MenuItems, DescriptionsBuildTheTreeAndRoundTrip) {
  auto form = MakeRoot<TForm>();
  ReadComponent(*form, kForm);
  ExpectStoredMenu(*form);
  const std::string written = WriteComponent(*form);
  auto again = MakeRoot<TForm>();
  ReadComponent(*again, written);
  ExpectStoredMenu(*again);
  EXPECT_EQ(WriteComponent(*again), written);
}

}  // namespace
}  // namespace hm
