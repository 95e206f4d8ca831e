#include "editors/drop_down_watch.h"

#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {
// The watch of the user-interface thread; hooks run on it alone.
TDropDownWatch* g_current = nullptr;

bool IsButtonDown(WPARAM msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: return true;
    default: return false;
  }
}
}  // namespace

TDropDownWatch::TDropDownWatch(HWND notify, std::function<bool(HWND)> own)
    : notify_(notify), own_(std::move(own)) {
  hook_.reset(SetWindowsHookExW(WH_MOUSE, &TDropDownWatch::MouseProc, nullptr, GetCurrentThreadId()));
  if (!hook_) RaiseLastWin32Error("SetWindowsHookEx");
  previous_ = g_current;
  g_current = this;
}

TDropDownWatch::~TDropDownWatch() {
  if (g_current == this) g_current = previous_;
}

LRESULT CALLBACK TDropDownWatch::MouseProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && g_current && IsButtonDown(wparam)) {
    const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lparam);
    // Posted: the drop-down closes after the press has reached its window,
    // never inside this hook.
    if (info && !g_current->own_(info->hwnd)) {
      PostMessageW(g_current->notify_, CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(info->hwnd));
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace hm
