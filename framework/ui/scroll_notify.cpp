#include "framework/ui/scroll_notify.h"

#include <algorithm>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/handles.h"
#include "framework/ui/win_control.h"

namespace hm {

namespace {

// User-interface thread only, like every window of the framework.
struct HookState {
  std::vector<TWinControl*> controls;  // not owned: each removes itself
  UniqueHook hook;
};

HookState& State() {
  static HookState state;
  return state;
}

LRESULT CALLBACK CallWndProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if ((call->message == WM_HSCROLL || call->message == WM_VSCROLL) && call->lParam) {
      TWinControl* control = FindControl(reinterpret_cast<HWND>(call->lParam));
      auto& list = State().controls;
      if (control && std::find(list.begin(), list.end(), control) != list.end()) {
        try {
          control->Perform(CN_BASE + call->message, call->wParam, call->lParam);
        } catch (...) {
          HandleWindowProcException();
        }
      }
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

TScrollNotifyScope::TScrollNotifyScope(TWinControl& control) : control_(control) {
  HookState& state = State();
  if (!state.hook) {
    // Without the hook the control still works; it only misses its events.
    state.hook.reset(SetWindowsHookExW(WH_CALLWNDPROC, CallWndProc, nullptr, GetCurrentThreadId()));
  }
  state.controls.push_back(&control_);
}

TScrollNotifyScope::~TScrollNotifyScope() {
  HookState& state = State();
  std::erase(state.controls, &control_);
  if (state.controls.empty()) state.hook.reset();
}

}  // namespace hm
