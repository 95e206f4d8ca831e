#include "editors/popup_listbox.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TPopupListboxEh) {}

TPopupListboxEh::TPopupListboxEh(TComponent* owner) : TCustomListBox(owner) {
  SetVisible(false);
  SetTabStop(false);
  SetIntegralHeight(false);
}

void TPopupListboxEh::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.style &= ~static_cast<DWORD>(WS_CHILD | WS_TABSTOP | WS_VISIBLE);
  params.style |= WS_POPUP | WS_BORDER | WS_VSCROLL | WS_CLIPSIBLINGS;
  if (sizable_) params.style |= WS_THICKFRAME;
  params.ex_style &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
  params.ex_style |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.class_style |= CS_SAVEBITS;
  params.parent = owner_window_;  // the owner of a popup window
}

void TPopupListboxEh::SetSizable(bool value) {
  if (value == sizable_) return;
  sizable_ = value;
  RecreateWnd();
}

int TPopupListboxEh::BorderHeight() {
  RECT window, client;
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  return (window.bottom - window.top) - client.bottom;
}

int TPopupListboxEh::ItemAtScreen(POINT screen) {
  if (!HandleAllocated()) return -1;
  POINT p = screen;
  ::ScreenToClient(Handle(), &p);
  RECT client;
  GetClientRect(Handle(), &client);
  if (!PtInRect(&client, p)) return -1;
  const auto hit = static_cast<DWORD>(SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y)));
  if (HIWORD(hit)) return -1;  // below the last item
  return static_cast<int>(LOWORD(hit));
}

void TPopupListboxEh::TrackAt(POINT screen) {
  const int item = ItemAtScreen(screen);
  if (item >= 0 && item != ItemIndex()) SetItemIndex(item);
}

void TPopupListboxEh::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      // The combo keeps the focus and its form the activation.
      message.Result = MA_NOACTIVATE;
      return;
    case WM_MOUSEMOVE: {
      TCustomListBox::WndProc(message);
      POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      ::ClientToScreen(Handle(), &p);
      TrackAt(p);
      return;
    }
    case WM_LBUTTONUP: {
      TCustomListBox::WndProc(message);
      const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      RECT client;
      GetClientRect(Handle(), &client);
      if (OnMouseRelease) OnMouseRelease(PtInRect(&client, p) != FALSE);
      return;
    }
    case WM_NCHITTEST:
      TCustomListBox::WndProc(message);
      if (!sizable_) return;
      // Only the edges away from the combo size the list.
      switch (message.Result) {
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
          if (!grip_at_top_) message.Result = message.Result == HTTOPRIGHT ? HTRIGHT : HTBORDER;
          break;
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
          if (grip_at_top_) message.Result = message.Result == HTBOTTOMRIGHT ? HTRIGHT : HTBORDER;
          break;
        case HTLEFT: message.Result = HTBORDER; break;
        default: break;
      }
      if (grip_at_top_ && message.Result == HTTOPLEFT) message.Result = HTTOP;
      if (!grip_at_top_ && message.Result == HTBOTTOMLEFT) message.Result = HTBOTTOM;
      return;
    case WM_ENTERSIZEMOVE:
      in_size_move_ = true;
      break;
    case WM_EXITSIZEMOVE:
      in_size_move_ = false;
      break;
    case WM_SIZE:
      if (in_size_move_) user_resized_ = true;
      break;
    default: break;
  }
  TCustomListBox::WndProc(message);
}

}  // namespace hm
