#include "framework/ui/modal.h"

#include <algorithm>
#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/exceptions.h"

namespace hm {

namespace {

struct ModalLoop {
  const TCustomForm* form;
  TModalResult result = mrNone;
};

// Nested dialogs each push one entry; user-interface thread only.
std::vector<ModalLoop*>& Loops() {
  static std::vector<ModalLoop*> loops;
  return loops;
}

ModalLoop* FindLoop(const TCustomForm& form) {
  for (ModalLoop* loop : Loops()) {
    if (loop->form == &form) return loop;
  }
  return nullptr;
}

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

class LoopEntry {
 public:
  explicit LoopEntry(ModalLoop& loop) : loop_(loop) { Loops().push_back(&loop_); }
  ~LoopEntry() { std::erase(Loops(), &loop_); }
  LoopEntry(const LoopEntry&) = delete;
  LoopEntry& operator=(const LoopEntry&) = delete;

 private:
  ModalLoop& loop_;
};

}  // namespace

bool IsModal(const TCustomForm& form) { return FindLoop(form) != nullptr; }

TModalResult ModalResult(const TCustomForm& form) {
  const ModalLoop* loop = FindLoop(form);
  return loop ? loop->result : mrNone;
}

void SetModalResult(TCustomForm& form, TModalResult result) {
  if (ModalLoop* loop = FindLoop(form)) loop->result = result;
}

TModalResult ShowModal(TCustomForm& form) {
  if (form.Visible() || IsModal(form)) throw EInvalidOperation("Cannot make a visible window modal");
  const HWND previous = GetActiveWindow();
  ModalLoop loop{&form};
  LoopEntry entry(loop);
  {
    DisabledWindows disabled(form.Handle());
    form.Show();
    while (loop.result == mrNone) {
      Application().HandleMessage();
      if (Application().Terminated() || !form.Visible()) loop.result = mrCancel;
    }
    // The windows behind come back before the dialog goes, so activation
    // passes to them rather than to some other application.
  }
  form.Hide();
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return loop.result;
}

}  // namespace hm
