#include "framework/ui/menus/menus.h"

#include <algorithm>
#include <memory>

#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/error_sink.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {

// The menu font of the system, as menus are drawn with it.
void AssignMenuFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    font.AssignLogFont(metrics.lfMenuFont);
}

TOwnerDrawState DrawState(UINT item_state) {
  TOwnerDrawState state;
  if (item_state & ODS_SELECTED) state.Include(odSelected);
  if (item_state & ODS_GRAYED) state.Include(odGrayed);
  if (item_state & ODS_DISABLED) state.Include(odDisabled);
  if (item_state & ODS_CHECKED) state.Include(odChecked);
  if (item_state & ODS_FOCUS) state.Include(odFocused);
  if (item_state & ODS_DEFAULT) state.Include(odDefault);
  if (item_state & ODS_HOTLIGHT) state.Include(odHotLight);
  if (item_state & ODS_INACTIVE) state.Include(odInactive);
  if (item_state & ODS_NOACCEL) state.Include(odNoAccel);
  return state;
}

// Items are tagged with their command in the item data as well as the
// identifier, so either finds them.
TMenuItem* OwnerDrawnItem(UINT id, ULONG_PTR data) {
  if (TMenuItem* item = TMenuItem::FromCommand(static_cast<UINT>(data))) return item;
  return TMenuItem::FromCommand(id);
}

void MeasureMenuItem(TMessage& message) {
  auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  TMenuItem* item = OwnerDrawnItem(measure->itemID, measure->itemData);
  if (!item) return;
  WindowDC screen(nullptr);
  TCanvas canvas;
  canvas.SetHandle(screen.get());
  try {
    AssignMenuFont(canvas.Font());
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    item->MeasureItem(canvas, width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
  } catch (...) {
    // A failing handler leaves the system's size; the menu still opens.
  }
  canvas.SetHandle(nullptr);
}

void DrawMenuItem(TMessage& message) {
  auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
  TMenuItem* item = OwnerDrawnItem(draw->itemID, draw->itemData);
  if (!item) return;
  SavedDCState saved(draw->hDC);
  TCanvas canvas;
  canvas.SetHandle(draw->hDC);
  try {
    AssignMenuFont(canvas.Font());
    item->AdvancedDrawItem(canvas, draw->rcItem, DrawState(draw->itemState), item->TopLevel());
  } catch (...) {
    // Painting never fails outward.
  }
  canvas.SetHandle(nullptr);
  message.Result = TRUE;
}

LRESULT CALLBACK PopupListProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  try {
    if (DispatchMenuMessage(message)) return message.Result;
  } catch (...) {
    HandleWindowProcException();
    return 0;
  }
  return DefWindowProcW(window, msg, wparam, lparam);
}

}  // namespace

// ---- TMenu

HM_PUBLISH(TMenu) {
  p.Prop("Images", &TMenu::Images, &TMenu::SetImages);
  p.Prop("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
  p.Prop("RightToLeft", &TMenu::IsRightToLeft, &TMenu::SetRightToLeft);
  p.Event("OnChange", &TMenu::OnChange);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(MakeRoot<TMenuItem>()) { items_->menu_ = this; }

TMenu::~TMenu() {
  // The root item goes last; it must not call back into a half-destroyed menu.
  items_->menu_ = nullptr;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    MenuChanged(nullptr, false);
  }
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images) FreeNotification(images);
  MenuChanged(nullptr, false);
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == owner_draw_) return;
  owner_draw_ = value;
  // Every native list carries the owner-drawn type or loses it.
  struct Walk {
    static void Run(TMenuItem& item) {
      item.RebuildHandle();
      for (int i = 0; i < item.Count(); ++i) Run(*item.Items(i));
    }
  };
  Walk::Run(*items_);
  MenuChanged(nullptr, true);
}

void TMenu::SetRightToLeft(bool value) {
  if (value == right_to_left_) return;
  right_to_left_ = value;
  MenuChanged(nullptr, false);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(nullptr, true);
}

void TMenu::MenuChanged(TMenuItem*, bool) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  OnChange(this);
}

TMenuItem* TMenu::FindItem(UINT_PTR value, TFindItemKind kind) const {
  struct Search {
    static TMenuItem* Run(TMenuItem& item, UINT_PTR value, TFindItemKind kind) {
      for (int i = 0; i < item.Count(); ++i) {
        TMenuItem* child = item.Items(i);
        switch (kind) {
          case fkCommand:
            if (child->Command() == value) return child;
            break;
          case fkHandle:
            if (child->HandleAllocated() && reinterpret_cast<UINT_PTR>(child->Handle()) == value) return child;
            break;
          case fkShortCut:
            if (child->ShortCut() != scNone && child->ShortCut() == value) return child;
            break;
        }
        if (TMenuItem* found = Run(*child, value, kind)) return found;
      }
      return nullptr;
    }
  };
  return Search::Run(*items_, value, kind);
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command, fkCommand);
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU submenu) {
  TMenuItem* item = FindItem(reinterpret_cast<UINT_PTR>(submenu), fkHandle);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
  const TShortCut shortcut = ShortCut(key, shift);
  if (shortcut == scNone) return false;
  TMenuItem* item = FindItem(shortcut, fkShortCut);
  if (!item) return false;
  // A hidden or disabled item, or one under a hidden or disabled parent, does not fire.
  for (const TMenuItem* p = item; p && p->Parent(); p = p->Parent()) {
    if (!p->Visible() || !p->Enabled()) return false;
  }
  item->Click();
  return true;
}

// ---- TMainMenu

HM_PUBLISH(TMainMenu) {}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() = default;

void TMainMenu::SetWindow(TWinControl* window) {
  if (window == window_) return;
  if (window_) RemoveFreeNotification(window_);
  window_ = window;
  if (window_) FreeNotification(window_);
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == window_) window_ = nullptr;
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  TMenu::MenuChanged(source, rebuild);
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  if (window_) window_->Perform(CM_MENUCHANGED);
}

// ---- TPopupMenu

HM_PUBLISH(TPopupMenu) {
  p.Prop("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment);
  p.Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup);
  p.Prop("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton);
  p.Event("OnPopup", &TPopupMenu::OnPopup);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popup_component_) popup_component_ = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (component == popup_component_) return;
  if (popup_component_) RemoveFreeNotification(popup_component_);
  popup_component_ = component;
  if (component) FreeNotification(component);
}

void TPopupMenu::Popup(int x, int y) {
  OnPopup(this);
  UINT flags = TPM_RETURNCMD;
  switch (alignment_) {
    case paLeft: flags |= TPM_LEFTALIGN; break;
    case paRight: flags |= TPM_RIGHTALIGN; break;
    case paCenter: flags |= TPM_CENTERALIGN; break;
  }
  flags |= track_button_ == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
  const UINT command = static_cast<UINT>(TrackPopupMenu(Handle(), flags, x, y, 0, PopupListWindow(), nullptr));
  // The choice runs after the menu is gone, never inside the menu loop.
  if (command) DispatchCommand(command);
}

// ---- Message routing

bool DispatchMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND: {
      if (HIWORD(message.WParam) != 0 || message.LParam != 0) return false;
      TMenuItem* item = TMenuItem::FromCommand(LOWORD(message.WParam));
      if (!item || !item->GetParentMenu()) return false;
      item->GetParentMenu()->DispatchCommand(item->Command());
      message.Result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(message.LParam);
      if (!measure || measure->CtlType != ODT_MENU) return false;
      MeasureMenuItem(message);
      return message.Result != 0;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      if (!draw || draw->CtlType != ODT_MENU) return false;
      DrawMenuItem(message);
      return message.Result != 0;
    }
    case WM_INITMENUPOPUP: {
      TMenuItem* item = TMenuItem::FromHandle(reinterpret_cast<HMENU>(message.WParam));
      if (!item) return false;
      item->Click();
      message.Result = 0;
      return true;
    }
    default: return false;
  }
}

HWND PopupListWindow() {
  static UniqueWindow window = [] {
    constexpr wchar_t kClassName[] = L"HaomisoPopupList";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PopupListProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastWin32Error("RegisterClassEx");
    HWND made = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!made) RaiseLastWin32Error("CreateWindowEx");
    return UniqueWindow(made);
  }();
  return window.get();
}

}  // namespace hm
