// The frame's menus: the skinned menu bar it creates and gives back, the
// owner-drawn items that reach the frame window, the form's popup menus
// that become owner-drawn, framework menu changes, accelerators and the
// MDI client's menu messages.
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/shortcut.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/menu_item_drawing.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"
#include "skin/frame/win_skin_pop_menu.h"

namespace hm {

namespace {

template <class T>
bool Listed(const std::vector<const T*>& list, const T* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T>
void Unlist(std::vector<const T*>& list, const T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

// ---- The form's popup menus

void TWinSkinForm::EquipPopupMenus() {
  if (!form_ || !skin_data_ || !frame_skinned_ || !skin_data_->SkinControls().Contains(xcPopupMenu)) return;
  const int disabled = skin_data_->DisableTag();
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* popup = dynamic_cast<TPopupMenu*>(form_->Components(i));
    if (!popup || popup->Tag() % 100 == disabled) continue;
    if (!popup->OwnerDraw()) {
      popup->SetOwnerDraw(true);
      if (!Listed<TPopupMenu>(equipped_popups_, popup)) equipped_popups_.push_back(popup);
    }
    EquipMenuItem(*popup->Items());
  }
}

void TWinSkinForm::EquipMenuItem(TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    // An item that draws itself keeps its drawing.
    if (!item.OnAdvancedDrawItem || Listed<TMenuItem>(equipped_draw_, &item)) {
      item.OnAdvancedDrawItem = [this](TObject* sender, TCanvas* canvas, RECT rect, TOwnerDrawState state) {
        auto* drawn = dynamic_cast<TMenuItem*>(sender);
        if (!drawn || !canvas || !skin_data_) return;
        DrawSkinnedItem(TMenuItemSkin{*skin_data_, menu_bar_ ? menu_bar_->Menu() : nullptr}, *drawn, *canvas,
                        state.Contains(odSelected), rect);
      };
      if (!Listed<TMenuItem>(equipped_draw_, &item)) equipped_draw_.push_back(&item);
    }
    item.OnMeasureItem = [this](TObject* sender, TCanvas* canvas, int& width, int&) {
      auto* measured = dynamic_cast<TMenuItem*>(sender);
      if (measured && canvas && skin_data_) MeasurePopupItem(*skin_data_, *measured, *canvas, width);
    };
    if (!Listed<TMenuItem>(equipped_measure_, &item)) equipped_measure_.push_back(&item);
    EquipMenuItem(item);
  }
}

void TWinSkinForm::RestorePopupMenus() {
  if (form_) {
    for (int i = 0; i < form_->ComponentCount(); ++i) {
      auto* popup = dynamic_cast<TPopupMenu*>(form_->Components(i));
      if (!popup) continue;
      RestoreMenuItem(*popup->Items());
      if (Listed<TPopupMenu>(equipped_popups_, popup)) popup->SetOwnerDraw(false);
    }
  }
  equipped_popups_.clear();
  equipped_draw_.clear();
  equipped_measure_.clear();
}

void TWinSkinForm::RestoreMenuItem(TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    if (Listed<TMenuItem>(equipped_draw_, &item)) {
      item.OnAdvancedDrawItem = nullptr;
      Unlist<TMenuItem>(equipped_draw_, &item);
    }
    // Ours point at this frame skin, which is going: they go too.
    if (Listed<TMenuItem>(equipped_measure_, &item)) {
      item.OnMeasureItem = nullptr;
      Unlist<TMenuItem>(equipped_measure_, &item);
    }
    RestoreMenuItem(item);
  }
}

// ---- The menu bar

void TWinSkinForm::TMenuBarDeleter::operator()(TWinSkinMenu* bar) const noexcept {
  std::default_delete<TWinSkinMenu>()(bar);
}

void TWinSkinForm::CreateMenuBar() {
  menu_bar_.reset(std::make_unique<TWinSkinMenu>(*this, *skin_data_).release());
  menu_bar_height_ = GetSystemMetrics(SM_CYMENU);
  menu_bar_->BuildFromForm();
}

void TWinSkinForm::GiveMenuBack() {
  if (!menu_bar_) return;
  hot_object_ = nullptr;
  HMENU native = menu_bar_->NativeMenu();
  menu_bar_.reset();
  if (native && IsMenu(native) && !GetMenu(handle_)) SetMenu(handle_, native);
}

bool TWinSkinForm::MenuAccelerator(int key) const {
  return menu_bar_ && menu_bar_->FindAccelerator(static_cast<WPARAM>(key)) != nullptr;
}

bool TWinSkinForm::DialogChar(TMessage& message) {
  if (!menu_bar_) return false;
  TMenuBtn* item = menu_bar_->FindAccelerator(message.WParam);
  if (!item || KeyboardShiftState() != TShiftState{ssAlt}) return false;
  menu_bar_->ClickItem(*item);
  message.Result = 1;
  return true;
}

void TWinSkinForm::MenuChanged(TMessage& message, const TCallNext* next) {
  if (!skin_data_) {
    next ? (*next)(message) : Default(message);
    return;
  }
  // The framework puts its native menu back on the window and redraws it:
  // that must not paint the skinned frame.
  const bool painting = skin_data_->FramePainting();
  skin_data_->SetFramePainting(false);
  try {
    next ? (*next)(message) : Default(message);
  } catch (...) {
    skin_data_->SetFramePainting(painting);
    throw;
  }
  skin_data_->SetFramePainting(painting);
  if (menu_bar_ && skin_data_->MenuUpdate()) {
    if (HMENU menu = GetMenu(handle_)) {
      menu_bar_->SetNativeMenu(menu);
      menu_bar_->BuildFromForm();
    }
  }
}

// ---- Owner-drawn items at the frame window

void TWinSkinForm::WMMeasureItem(TMessage& message) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  if (!measure || measure->CtlType != ODT_MENU || !native_menu_ || !skin_data_) {
    Default(message);
    return;
  }
  WindowDC dc(handle_, true);
  TCanvas canvas;
  canvas.SetHandle(dc.get());
  try {
    AssignSystemMenuFont(canvas.Font());
    TMenuItem* item = nullptr;
    if (form_) {
      MarkDropDowns();
      if (TMainMenu* menu = menu_bar_ ? menu_bar_->Menu() : form_->Menu())
        item = menu->FindItem(measure->itemID, fkCommand);
    }
    if (item) {
      int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
      MeasureMainItem(*skin_data_, *item, canvas, width, height);
      measure->itemWidth = static_cast<UINT>(std::max(width, 0));
      measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    } else {
      const std::string text = TrackedItemText(tracked_popup_, measure->itemID);
      RECT r{0, 0, 0, 0};
      canvas.DrawText(text.empty() ? " " : text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
      const TDataSkinObject* skin = MenuItemSkin(*skin_data_);
      const int left = skin ? skin->LeftWidth : 0;
      measure->itemWidth = static_cast<UINT>(std::max<LONG>((text.empty() ? 0 : r.right - r.left) + 26 + left, 0));
      measure->itemHeight = text.empty() ? 8u : static_cast<UINT>(r.bottom - r.top + 4);
    }
    message.Result = TRUE;
  } catch (...) {
    // The system's size stays.
  }
  canvas.SetHandle(nullptr);
}

void TWinSkinForm::WMDrawItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  if (!draw || draw->CtlType != ODT_MENU || !native_menu_ || !skin_data_ ||
      (form_kind_ == kFormMdiFrame && IsNT4Platform())) {
    Default(message);
    return;
  }
  auto* menu = reinterpret_cast<HMENU>(draw->hwndItem);
  TWinSkinPopMenu::ServePendingPopup(menu);
  MarkDropDowns();
  const bool selected = (draw->itemState & ODS_SELECTED) != 0;
  SavedDCState saved(draw->hDC);
  TCanvas canvas;
  canvas.SetHandle(draw->hDC);
  try {
    AssignSystemMenuFont(canvas.Font());
    TMainMenu* bar_menu = menu_bar_ ? menu_bar_->Menu() : nullptr;
    const TMenuItemSkin skin{*skin_data_, bar_menu};
    TMenuItem* item = form_ && bar_menu ? bar_menu->FindItem(draw->itemID, fkCommand) : nullptr;
    if (item) {
      if (MenuItemSkin(*skin_data_)) {
        DrawSkinnedItem(skin, *item, canvas, selected, draw->rcItem);
      } else {
        DrawFlatItem(skin, *item, canvas, selected, draw->rcItem);
      }
    } else {
      // An item of a native menu, drawn through a framework item made for the call.
      Owned<TMenuItem> temporary = MakeRoot<TMenuItem>();
      const std::string text = TrackedItemText(tracked_popup_ ? tracked_popup_ : menu, draw->itemID);
      temporary->SetCaption(text.empty() ? "-" : text);
      const UINT state = GetMenuState(menu, draw->itemID, MF_BYCOMMAND);
      if (state != static_cast<UINT>(-1)) {
        temporary->SetEnabled(!(state & (MFS_GRAYED | MFS_DISABLED)));
        temporary->SetChecked((state & MFS_CHECKED) != 0);
      }
      DrawSkinnedNativeItem(skin, menu, *temporary, selected, draw->rcItem, canvas);
    }
  } catch (...) {
    // Painting never fails outward.
  }
  canvas.SetHandle(nullptr);
  message.Result = TRUE;
}

// ---- The MDI client

void TWinSkinForm::MdiClientMessage(TMessage& message, TSubclass& client) {
  TSkinManage* manager = ExistingSkinManager();
  switch (message.Msg) {
    case WM_NCDESTROY:
      client.CallPrevious(message);
      client.Remove();
      return;
    case WM_NCCALCSIZE:
      if (frame_skinned_) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(client.Window(), GWL_STYLE));
        SetWindowLongPtrW(client.Window(), GWL_STYLE,
                          static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL)));
      }
      client.CallPrevious(message);
      return;
    case WM_MDICREATE:
      if (skin_data_) skin_data_->SetMenuUpdate(false);
      client.CallPrevious(message);
      new_mdi_child_ = reinterpret_cast<HWND>(message.Result);
      return;
    case WM_MDIDESTROY:
      client.CallPrevious(message);
      if (frame_skinned_ && manager) {
        BOOL maximized = FALSE;
        const auto active = SendMessageW(client.Window(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
        manager->SetMdiMaximized(active != 0 && maximized);
        // The destroyed child's skin is dead now: it does not count.
        manager->PurgeFormSkins();
        if (menu_bar_ && manager->CountMdiChildSkins() == 0) {
          if (skin_data_) skin_data_->SetMenuUpdate(menu_update_backup_);
          menu_bar_->RebuildFromForm();
        }
      }
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (frame_skinned_ && manager && manager->MdiMaximized()) manager->SetMdiMaximized(false);
      client.CallPrevious(message);
      return;
    case WM_MDISETMENU:
      client.CallPrevious(message);
      if (frame_skinned_) {
        const auto frame_menu = reinterpret_cast<HMENU>(message.WParam);
        if (frame_menu && menu_bar_ &&
            (reinterpret_cast<INT_PTR>(frame_menu) < 0 || frame_menu != menu_bar_->NativeMenu() || new_mdi_child_))
          menu_bar_->RebuildFromNative(GetMenu(handle_));
        if (GetMenu(handle_)) SetMenu(handle_, nullptr);
      }
      return;
    case WM_MDIREFRESHMENU:
      client.CallPrevious(message);
      if (new_mdi_child_) {
        if (manager) manager->SkinForm(new_mdi_child_);
        PostMessageW(handle_, WM_SKINFRAMEPAINT, 0, 0);
        new_mdi_child_ = nullptr;
      }
      return;
    default: client.CallPrevious(message); return;
  }
}

}  // namespace hm
