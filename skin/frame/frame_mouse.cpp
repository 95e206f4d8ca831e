// The mouse over the skinned frame: the hit test, the non-client mouse
// messages handed to the caption buttons, what a button's click does, the
// hover timer that notices the mouse has gone, and activation.
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_control.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"

namespace hm {

namespace {

// Screen coordinates arrive as signed 16-bit values: a monitor left of or
// above the primary one gives negative ones.
POINT ScreenPoint(LPARAM value) {
  return POINT{static_cast<short>(LOWORD(value)), static_cast<short>(HIWORD(value))};
}

// A push-button skin learns the mouse left through the message it gets
// from the system.
void TellMouseLeft(TSkinControl& button) {
  if (button.Handle()) SendMessageW(button.Handle(), WM_MOUSELEAVE, 0, 0);
}

}  // namespace

void TWinSkinForm::WMNcHitTest(TMessage& message) {
  Default(message);
  if (message.Result != HTNOWHERE && message.Result != HTCAPTION) return;
  // Below the top rows the title drags the window; the buttons are found
  // by the mouse messages, not by hit codes.
  const POINT p = WindowToFrame(ScreenPoint(message.LParam));
  if (p.y > 3) {
    message.Result = HTCAPTION;
    if (p.y > caption_height_) message.Result = HTMENU;
  }
}

void TWinSkinForm::WMNcMouseMove(TMessage& message) {
  if (!active_) {
    message.Result = 0;
    return;
  }
  if (TNCObject* object = FindNCObject(WindowToFrame(ScreenPoint(message.LParam)))) {
    object->MouseMove();
    message.Result = 0;
    return;
  }
  if (hot_object_) hot_object_->MouseLeave();
  Default(message);
}

void TWinSkinForm::WMNcLButtonDown(TMessage& message) {
  if (TNCObject* object = FindNCObject(WindowToFrame(ScreenPoint(message.LParam)))) {
    if (!active_) SetForegroundWindow(handle_);
    object->MouseDown();
    message.Result = 0;
    // Returns when the drop-down closed; the item may be gone by then.
    if (auto* item = dynamic_cast<TMenuBtn*>(object); item && menu_bar_) menu_bar_->OpenItem(*item);
    return;
  }
  // A maximized window is not dragged.
  if (window_state_ == kWindowMaximized && message.WParam == HTCAPTION && active_) message.WParam = HTMENU;
  Default(message);
}

void TWinSkinForm::WMNcLButtonUp(TMessage& message) {
  const POINT screen = ScreenPoint(message.LParam);
  TNCObject* object = FindNCObject(WindowToFrame(screen));
  if (!object) {
    Default(message);
    return;
  }
  message.Result = 0;
  // Pressed, left and released here: it lost HotObject and does nothing.
  auto* button = dynamic_cast<TWinSysButton*>(object);
  if (!button || object != hot_object_) return;
  button->MouseUp();
  ButtonAction(*button, screen);
}

void TWinSkinForm::WMNcLButtonDblClk(TMessage& message) {
  if (window_state_ != kWindowNormal) {
    Restore();
  } else if (features_ & kFeatureMaximize) {
    MaximizeToggle();
  }
  message.Result = 0;
}

void TWinSkinForm::WMNcRButtonDown(TMessage& message) {
  if (message.WParam == HTCAPTION && form_kind_ != kFormMdiChild) {
    ShowSystemMenu(ScreenPoint(message.LParam));
    message.Result = 0;
    return;
  }
  Default(message);
}

void TWinSkinForm::ButtonAction(const TWinSysButton& button, POINT screen) {
  const int action = button.Definition().Action;
  switch (action) {
    case 0: CloseWindow(); break;
    case 1:
    case 22: MaximizeToggle(); break;
    case 2:
    case 23: MinimizeToggle(); break;
    case 3:
    case 11:
    case 12: ShowSystemMenu(POINT{screen.x + 1, screen.y + 1}); break;
    case 7:
    case 60: MDIChildCommand(SC_MINIMIZE); break;
    case 8:
    case 61: MDIChildCommand(SC_RESTORE); break;
    case 9:
    case 62: MDIChildCommand(SC_CLOSE); break;
    default:
      if (action >= 0) PostMessageW(handle_, WM_SKINBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::CloseWindow() {
  if (timer_) timer_->SetEnabled(false);
  PostMessageW(handle_, WM_CLOSE, 0, 0);
}

void TWinSkinForm::HoverCheck() {
  if (menu_tracking_) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  if (hot_object_) {
    const POINT p = WindowToFrame(cursor);
    if (!PtInRect(&hot_object_->Rect, p)) hot_object_->MouseLeave();
  }
  if (!form_ && hot_native_button_ && !PtInRect(&hot_native_button_->WindowRect(), cursor)) {
    TSkinControl* button = hot_native_button_;
    hot_native_button_ = nullptr;
    TellMouseLeft(*button);
  }
}

void TWinSkinForm::WMNcActivate(TMessage& message) {
  active_ = LOBYTE(message.WParam) != 0;
  if (timer_) timer_->SetEnabled(active_);
  if (!active_ && hot_native_button_) {
    TSkinControl* button = hot_native_button_;
    hot_native_button_ = nullptr;
    TellMouseLeft(*button);
  }
  if (!(form_kind_ == kFormMdiChild && window_state_ != kWindowNormal)) PaintFrame(nullptr);
  // The system never draws its own inactive caption.
  message.Result = 1;
}

}  // namespace hm
