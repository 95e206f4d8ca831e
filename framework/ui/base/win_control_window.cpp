// Windowed controls: the native window, made on demand, subclassed before
// its first message, and given back.
#include "framework/ui/base/win_control.h"

#include <unordered_map>

#include "framework/core/text.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {

// Every framework window, for reflecting notifications to their controls.
// User-interface thread only.
std::unordered_map<HWND, TWinControl*>& Windows() {
  static std::unordered_map<HWND, TWinControl*> windows;
  return windows;
}

// The control whose window CreateWindowEx is making right now.
TWinControl* g_creating = nullptr;

constexpr wchar_t kOwnClassName[] = L"HaomisoWindow";

void RegisterOwnClass(const TCreateParams& params) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), params.class_name.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = params.class_style;
  // The class procedure only ever runs as the default behind a control's stub.
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = params.class_name.c_str();
  if (!RegisterClassExW(&wc)) RaiseLastWin32Error("RegisterClassEx");
}

}  // namespace

// Subclasses the window being made before it gets its first message.
LRESULT CALLBACK CreationHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && g_creating) {
    TWinControl* control = g_creating;
    g_creating = nullptr;
    control->AttachHandle(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TWinControl* FindControl(HWND window) {
  const auto found = Windows().find(window);
  return found == Windows().end() ? nullptr : found->second;
}

TWinControl* FindControlOrAncestor(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (TWinControl* control = FindControl(w)) return control;
  }
  return nullptr;
}

// ---- The native window

HWND TWinControl::Handle() {
  if (handle_) return handle_;
  // The parent first: making its window makes ours too (CreateHandleDone),
  // and a second window for the same control would be orphaned.
  if (Parent()) Parent()->HandleNeeded();
  if (!handle_) {
    CreateWnd();
    CreateHandleDone();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.class_name = kOwnClassName;
  params.own_class = true;
  params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tab_stop_) params.style |= WS_TABSTOP;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  params.caption = Widen(text_);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.style & WS_CHILD) {
    if (!Parent()) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    params.parent = Parent()->Handle();
  }
  if (params.own_class) RegisterOwnClass(params);
  UniqueHook hook(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()));
  if (!hook) RaiseLastWin32Error("SetWindowsHookEx");
  g_creating = this;
  HWND made = CreateWindowExW(params.ex_style, params.class_name.c_str(), params.caption.c_str(), params.style,
                              params.x, params.y, params.width, params.height, params.parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  g_creating = nullptr;
  if (!made) {
    DestroyWindowOnly();
    RaiseLastWin32Error("CreateWindowEx");
  }
}

void TWinControl::AttachHandle(HWND handle) {
  handle_ = handle;
  Windows()[handle] = this;
  default_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance_->Proc())));
}

void TWinControl::CreateHandleDone() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  // Child windows exist whenever their parent's does, in tab order, so the
  // z-order (and with it the system's own navigation) matches.
  for (TWinControl* child : tab_list_) child->HandleNeeded();
  UpdateBoundsFromWindow();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  SaveTreeState();
  DestroyWindowOnly();
}

void TWinControl::DestroyWindowOnly() noexcept {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
}

void TWinControl::SaveWindowState() { text_ = GetText(); }

void TWinControl::SaveTreeState() {
  if (!handle_) return;
  SaveWindowState();
  for (TWinControl* child : tab_list_) child->SaveTreeState();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  const bool had_focus = Focused();
  DestroyHandle();
  HandleNeeded();
  if (had_focus && CanFocus()) ::SetFocus(handle_);
}

void TWinControl::MainWndProc(TMessage& message) {
  TDispatchScope running(*this);
  Perform(message);
  if (message.Msg == WM_NCDESTROY && handle_) {
    Windows().erase(handle_);
    handle_ = nullptr;
    default_proc_ = nullptr;
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ && default_proc_) {
    message.Result = CallWindowProcW(default_proc_, handle_, message.Msg, message.WParam, message.LParam);
  } else {
    TControl::DefaultHandler(message);
  }
}

void TWinControl::RecreateFrame() {
  if (!HandleAllocated()) return;
  TCreateParams params;
  CreateParams(params);
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(params.style));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(params.ex_style));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace hm
