// The modal loop of a form (TCustomForm::ShowModal).
#include "framework/ui/forms/form.h"

#include <algorithm>
#include <vector>

#include "framework/ui/forms/application.h"
#include "framework/ui/portable/exceptions.h"

namespace hm {

namespace {

// Every other enabled, visible top-level window of the thread, disabled
// for the dialog's lifetime and enabled again afterwards.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (HWND w : windows_) {
      if (IsWindow(w)) EnableWindow(w, TRUE);
    }
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self_param) {
    auto* self = reinterpret_cast<DisabledWindows*>(self_param);
    if (window != self->keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      self->windows_.push_back(window);
    }
    return TRUE;
  }
  HWND keep_;
  std::vector<HWND> windows_;
};

// The form's modal state lasts exactly as long as its loop, however it ends.
class ModalScope {
 public:
  ModalScope(bool& modal, TModalResult& result) : modal_(modal) {
    modal_ = true;
    result = mrNone;
  }
  ~ModalScope() { modal_ = false; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  bool& modal_;
};

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  const HWND previous = GetActiveWindow();
  TModalResult result = mrNone;
  {
    ModalScope scope(modal_, modal_result_);
    DisabledWindows disabled(Handle());
    Show();
    while (modal_result_ == mrNone) {
      Application().HandleMessage();
      // Closing counts as Cancel unless the message that closed it set a result.
      if ((Application().Terminated() || !Visible()) && modal_result_ == mrNone) modal_result_ = mrCancel;
    }
    result = modal_result_;
    // The windows behind come back before the dialog goes, so activation
    // passes to them rather than to some other application.
  }
  Hide();
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return result;
}

}  // namespace hm
