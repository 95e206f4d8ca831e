// Windowed controls: the message table, notifications reflected to the
// child they concern, and property changes that reach the window.
#include "framework/ui/base/win_control.h"

namespace hm {

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

}  // namespace

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TWinControl* form = ParentFormControl()) {
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
  }
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMWindowPosChanged(TMessage& message) {
  DefaultHandler(message);
  UpdateBoundsFromWindow();
}

void TWinControl::WMGetDlgCode(TMessage& message) {
  DefaultHandler(message);
  message.Result |= wanted_keys_;
}

// WM_COMMAND, WM_CTLCOLOR*, WM_HSCROLL and WM_VSCROLL name the child they
// concern in lParam (none for menus and the window's own scroll bars); the
// child gets them as CN_* and answers.
void TWinControl::WMReflectToChild(TMessage& message) {
  if (message.LParam) {
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam))) {
      message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header) {
    if (TWinControl* child = FindControl(header->hwndFrom)) {
      message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  if (item && item->CtlType != ODT_MENU) {
    if (TWinControl* child = FindControl(item->hwndItem)) {
      message.Result = child->Perform(CN_DRAWITEM, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (handle_) EnableWindow(handle_, Enabled());
  TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMFontChanged(TMessage& message) {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  NotifyControls(CM_PARENTFONTCHANGED);
  TControl::CMFontChanged(message);
}

void TWinControl::CMColorChanged(TMessage& message) {
  NotifyControls(CM_PARENTCOLORCHANGED);
  TControl::CMColorChanged(message);
}

void TWinControl::CMTextChanged(TMessage& message) { TControl::CMTextChanged(message); }

void TWinControl::CMCtl3DChanged(TMessage& message) {
  NotifyControls(CM_PARENTCTL3DCHANGED);
  TControl::CMCtl3DChanged(message);
}

// Mouse messages over a graphic child go to it, in its coordinates; a
// button pressed on one keeps sending to it until released.
bool TWinControl::ForwardMouseToGraphic(TMessage& message) {
  const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  TControl* target = mouse_capture_ ? mouse_capture_ : ControlAtPos(p);
  if (!target) return false;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    mouse_capture_ = target;
    SetCapture(handle_);
  }
  const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (message.Msg == WM_LBUTTONUP && mouse_capture_) {
    mouse_capture_ = nullptr;
    ReleaseCapture();
  }
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_GETDLGCODE: return WMGetDlgCode(message);
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return WMReflectToChild(message);
    case WM_NOTIFY: return WMNotify(message);
    case WM_DRAWITEM: return WMDrawItem(message);
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CN_KEYDOWN: return CNKeyDown(message);
    case CN_SYSCHAR: return CNSysChar(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    default: break;
  }
  if (IsMouseMessage(message.Msg) && handle_ && ForwardMouseToGraphic(message)) return;
  TControl::WndProc(message);
}

}  // namespace hm
