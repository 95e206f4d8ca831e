#include "framework/ui/forms/application.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/platform/error_sink.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/shortcut.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {

void ReportToApplication() noexcept {
  try {
    Application().HandleException();
  } catch (...) {
    // The report itself failed (out of memory); nothing more can be said.
  }
}

HWND MainFormWindow() { return Application().MainFormHandle(); }

}  // namespace

HM_PUBLISH(TApplication) {}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  SetErrorSink(&ReportToApplication);
  SetDefaultMessageBoxOwner(&MainFormWindow);
}

TApplication::~TApplication() {
  SetDefaultMessageBoxOwner(nullptr);
  SetErrorSink(nullptr);
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

HWND TApplication::MainFormHandle() const {
  return main_form_ && main_form_->HandleAllocated() ? main_form_->Handle() : nullptr;
}

void TApplication::AdoptForm(TCustomForm& form) {
  // Read the description first: if it fails, no main form is left behind
  // pointing at a half-made form (the owner frees it as usual).
  try {
    form.CreateFromDescription();
  } catch (...) {
    FreeComponent(form);
    throw;
  }
  if (!main_form_) {
    main_form_ = &form;
    FreeNotification(&form);
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == main_form_) main_form_ = nullptr;
  std::erase(releasing_, component);
}

void TApplication::ReleaseForm(TCustomForm& form) {
  if (!form.Owner() || std::find(releasing_.begin(), releasing_.end(), &form) != releasing_.end()) return;
  releasing_.push_back(&form);
  FreeNotification(&form);
  // To a window, not the thread: a thread message would be lost in the
  // loops of message boxes and menus, and the form never freed.
  if (!PostMessageW(ReleaseWindow(), CM_RELEASE, 0, 0)) RaiseLastWin32Error("PostMessage");
}

LRESULT CALLBACK TApplication::ReleaseWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg != CM_RELEASE) return DefWindowProcW(window, msg, wparam, lparam);
  try {
    Application().FreeReleasedForms();
  } catch (...) {
    HandleWindowProcException();
  }
  return 0;
}

HWND TApplication::ReleaseWindow() {
  if (!release_window_) {
    constexpr wchar_t kClassName[] = L"HaomisoRelease";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TApplication::ReleaseWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastWin32Error("RegisterClassEx");
    release_window_.reset(
        CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!release_window_) RaiseLastWin32Error("CreateWindowEx");
  }
  return release_window_.get();
}

void TApplication::FreeReleasedForms() {
  while (!releasing_.empty()) {
    TCustomForm* form = releasing_.back();
    releasing_.pop_back();
    RemoveFreeNotification(form);
    form->Owner()->FreeComponent(*form);
  }
}

void TApplication::Run() {
  terminated_ = false;
  if (main_form_ && !terminate_requested_) main_form_->Show();
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException();
    }
  }
  terminate_requested_ = false;
}

void TApplication::Terminate() {
  terminate_requested_ = true;
  PostQuitMessage(0);
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg) && !terminated_) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

// Keys go to the focused framework control first (as CN_KEYDOWN, CN_CHAR...)
// so tab, arrows, Enter and Alt accelerators can move the focus or click
// before the window sees them.
bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TWinControl* control = FindControlOrAncestor(msg.hwnd);
  if (!control) return false;
  // The form's menu bar sees its shortcuts before any control does.
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    TCustomForm* form = control->ParentForm();
    if (TMainMenu* menu = form ? form->Menu() : nullptr) {
      try {
        if (menu->IsShortCut(static_cast<WORD>(msg.wParam), KeyboardShiftState())) return true;
      } catch (...) {
        HandleException();
        return true;
      }
    }
  }
  TMessage message{CN_BASE + msg.message, msg.wParam, msg.lParam, 0};
  try {
    control->Perform(message);
  } catch (...) {
    HandleException();
    return true;
  }
  return message.Result != 0;
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const EAbort&) {
    // Silent: the operation was cancelled on purpose.
  } catch (const Exception& e) {
    ShowException(e.Message());
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown error");
  }
}

void TApplication::ShowException(std::string_view message) {
  ShowMessageBox(ErrorReportText(message), title_, MB_ICONERROR | MB_OK);
}

std::string ErrorReportText(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  const std::string gbk = Utf8ToGbk(text);
  // Walk characters from the start: a lead byte (0x81..0xFE) and its trail
  // byte form one character, so a trail byte is never taken for the last one.
  std::size_t last = 0;
  for (std::size_t i = 0; i < gbk.size();) {
    last = i;
    const auto byte = static_cast<unsigned char>(gbk[i]);
    i += (byte >= 0x81 && byte <= 0xFE && i + 1 < gbk.size()) ? 2 : 1;
  }
  if (static_cast<unsigned char>(gbk[last]) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

TApplication& Application() {
  static const Owned<TApplication> application = MakeRoot<TApplication>();
  return *application;
}

}  // namespace hm
