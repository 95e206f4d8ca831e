// The skinned system menu and the window-state commands it and the caption
// buttons issue; system commands that arrive as WM_COMMAND or
// WM_SYSCOMMAND.
#include "framework/ui/platform/shortcut.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"

namespace hm {

namespace {

constexpr int kSystemMenuTag = 33333;
constexpr int kTagRestore = 0;
constexpr int kTagMaximize = 1;
constexpr int kTagMinimize = 2;
constexpr int kTagClose = 3;
constexpr int kTagSeparator = 100;

// The system's minimize and maximize animation, off for this session only
// (it is never switched back on).
void AnimationOff() {
  ANIMATIONINFO info{};
  info.cbSize = sizeof info;
  info.iMinAnimate = 0;
  SystemParametersInfoW(SPI_SETANIMATION, sizeof info, &info, 0);
}

bool IsSystemCommand(WPARAM command) {
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE: return true;
    default: return false;
  }
}

}  // namespace

void TWinSkinForm::BuildSystemMenuPopup() {
  system_menu_popup_ = MakeRoot<TPopupMenu>();
  TPopupMenu& menu = *system_menu_popup_;
  menu.SetTag(kSystemMenuTag);
  menu.SetOwnerDraw(true);
  if (skin_data_) menu.SetImages(&skin_data_->SystemMenuGlyphs());
  auto add = [this, &menu](const std::string& caption, int tag, TShortCut shortcut = scNone) {
    auto* item = MakeOwned<TMenuItem>(menu);
    item->SetCaption(caption);
    item->SetTag(tag);
    if (tag != kTagSeparator) {
      item->SetImageIndex(tag);
      item->OnClick = [this, tag](TObject*) { SystemMenuClick(tag); };
    }
    if (shortcut != scNone) item->SetShortCut(shortcut);
    menu.Items()->Add(item);
  };
  add(" Restore ", kTagRestore);
  if (features_ & kFeatureMaximize) add(" Maximize ", kTagMaximize);
  if (features_ & kFeatureMinimize) add(" Minimize ", kTagMinimize);
  add("-", kTagSeparator);
  add(" Close ", kTagClose, ShortCut(VK_F4, TShiftState{ssShift}));
  EquipMenuItem(*menu.Items());
}

void TWinSkinForm::SystemMenuClick(int tag) {
  switch (tag) {
    case kTagRestore: Restore(); break;
    case kTagMaximize: MaximizeToggle(); break;
    case kTagMinimize: MinimizeToggle(); break;
    case kTagClose: CloseWindow(); break;
    default: break;
  }
}

void TWinSkinForm::ShowSystemMenu(POINT at) {
  if (system_menu_popup_) {
    TMenuItem& items = *system_menu_popup_->Items();
    for (int i = 0; i < items.Count(); ++i) {
      TMenuItem& item = *items.Items(i);
      const int tag = item.Tag();
      if (tag == kTagRestore || tag == kTagMaximize || tag == kTagMinimize) item.SetEnabled(tag != window_state_);
    }
  }
  const DWORD now = GetTickCount();
  const bool passed = static_cast<int>(double_click_time_) < 0 || now - last_click_tick_ > double_click_time_;
  if (!passed) {
    // A quick second request: a double click on the icon button closes.
    if (hot_object_) CloseWindow();
    return;
  }
  last_click_tick_ = now;
  last_menu_point_ = at;
  const bool skinned = skin_data_ && skin_data_->SkinControls().Contains(xcSystemMenu) && form_kind_ != kFormMdiChild;
  if (skinned && system_menu_popup_) {
    system_menu_popup_->Popup(at.x, at.y);
  } else if (system_menu_) {
    // Its choice comes back as WM_COMMAND.
    TrackPopupMenu(system_menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, handle_, nullptr);
  }
}

void TWinSkinForm::Restore() {
  window_state_ = kWindowNormal;
  PostMessageW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::MaximizeToggle() {
  if (window_state_ == kWindowMaximized) {
    Restore();
    return;
  }
  AnimationOff();
  window_state_ = kWindowMaximized;
  PostMessageW(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  hot_object_ = nullptr;
}

void TWinSkinForm::MinimizeToggle() {
  if (window_state_ == kWindowMinimized) {
    Restore();
    return;
  }
  AnimationOff();
  window_state_ = kWindowMinimized;
  PostMessageW(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::MDIChildCommand(WPARAM command) {
  AnimationOff();
  if (form_kind_ != kFormMdiFrame || !mdi_client_) return;
  if (HWND child = reinterpret_cast<HWND>(SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, 0)))
    SendMessageW(child, WM_SYSCOMMAND, command, 0);
  TSkinManage* manager = ExistingSkinManager();
  if (!manager || !manager->MdiMaximized()) return;
  BOOL maximized = FALSE;
  const auto active = SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  if (!active || !maximized) manager->SetMdiMaximized(false);
}

bool TWinSkinForm::SystemMenuCommand(TMessage& message) {
  if (message.Msg == WM_COMMAND) {
    const WPARAM command = LOWORD(message.WParam);
    if (!IsSystemCommand(command)) return false;
    // The window's own system menu, shown with TrackPopupMenu, answers so.
    PostMessageW(handle_, WM_SYSCOMMAND, command, 0);
    message.Result = 0;
    return true;
  }
  if (message.Msg != WM_SYSCOMMAND) return false;
  const auto key = static_cast<int>(message.LParam);
  if (!tracked_popup_ && (message.WParam & 0xFFF0) == SC_KEYMENU && key != ' ' && key != '-' && !GetCapture()) {
    // F10, Alt alone or a menu-bar accelerator: the system's own menu-bar
    // mode is not entered.
    if (key == 0 || MenuAccelerator(key)) {
      message.Result = 1;
      return true;
    }
  }
  switch (message.WParam) {
    case SC_MINIMIZE:
      window_state_ = kWindowMinimized;
      if (form_kind_ == kFormMdiChild) SetCaptionStyles(true);
      break;
    case SC_MAXIMIZE: window_state_ = kWindowMaximized; break;
    case SC_RESTORE:
      window_state_ = kWindowNormal;
      if (form_kind_ == kFormMdiChild) SetCaptionStyles(false);
      break;
    default: break;
  }
  return false;
}

}  // namespace hm
