#include "framework/ui/platform/subclass.h"

#include <memory>

#include "framework/ui/platform/object_instance.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

// Lives as long as the window may call it: freed once it is off the window
// (put back, or the window destroyed), its owner let go and no call runs.
struct TSubclass::Stub {
  HWND window = nullptr;
  WNDPROC previous = nullptr;
  std::unique_ptr<TObjectInstance> instance;
  TSubclassProc proc;
  TSubclass* owner = nullptr;  // null once removed: pass messages through
  int busy = 0;
  bool off_window = false;  // the previous procedure is back, or the window is gone

  bool OnTop() const {
    return !off_window &&
           reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == instance->Proc();
  }
  // Puts the previous procedure back when nobody subclassed after us.
  void TryUnhook() {
    if (!OnTop()) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    off_window = true;
  }
  bool Disposable() const { return busy == 0 && !owner && off_window; }

  void Call(TMessage& message) {
    message.Result = CallWindowProcW(previous, window, message.Msg, message.WParam, message.LParam);
  }
  static void Dispatch(void* self, TMessage& message);
};

namespace {

class StubBusy {
 public:
  explicit StubBusy(TSubclass::Stub& stub) noexcept : stub_(stub) { ++stub_.busy; }
  ~StubBusy() {
    if (--stub_.busy > 0) return;
    if (!stub_.owner) stub_.proc = nullptr;  // not running any more: safe to let go
    if (stub_.Disposable()) delete &stub_;
  }
  StubBusy(const StubBusy&) = delete;
  StubBusy& operator=(const StubBusy&) = delete;

 private:
  TSubclass::Stub& stub_;
};

}  // namespace

void TSubclass::Stub::Dispatch(void* self, TMessage& message) {
  auto& stub = *static_cast<Stub*>(self);
  StubBusy busy(stub);
  if (stub.owner && stub.proc) {
    stub.proc(message, *stub.owner);
  } else {
    // A pass-through that is on top again can leave the window for good.
    if (message.Msg != WM_NCDESTROY) stub.TryUnhook();
    stub.Call(message);
  }
  if (message.Msg == WM_NCDESTROY) {
    // The window is gone; its handle may be reused, so it is never touched again.
    stub.off_window = true;
  }
}

TSubclass::TSubclass(HWND window, TSubclassProc proc) {
  DWORD process = 0;
  if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    RaiseLastWin32Error("SetWindowLongPtr");
  }
  auto stub = std::make_unique<Stub>();
  stub->window = window;
  stub->proc = std::move(proc);
  stub->owner = this;
  stub->instance = std::make_unique<TObjectInstance>(&Stub::Dispatch, stub.get());
  // The previous procedure is read and replaced in one call, so no message
  // can slip between the two.
  SetLastError(0);
  const LONG_PTR previous =
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub->instance->Proc()));
  if (!previous && GetLastError() != 0) RaiseLastWin32Error("SetWindowLongPtr");
  stub->previous = reinterpret_cast<WNDPROC>(previous);
  stub_ = stub.release();  // freed by Remove or by the last message it passes
}

TSubclass::TSubclass(TSubclass&& other) noexcept : stub_(other.stub_) {
  other.stub_ = nullptr;
  if (stub_) stub_->owner = this;
}

TSubclass& TSubclass::operator=(TSubclass&& other) noexcept {
  if (this != &other) {
    Remove();
    stub_ = other.stub_;
    other.stub_ = nullptr;
    if (stub_) stub_->owner = this;
  }
  return *this;
}

void TSubclass::Remove() noexcept {
  Stub* stub = stub_;
  if (!stub) return;
  stub_ = nullptr;
  stub->owner = nullptr;
  stub->TryUnhook();
  if (stub->busy == 0) stub->proc = nullptr;
  if (stub->Disposable()) delete stub;
}

HWND TSubclass::Window() const noexcept { return stub_ && !stub_->off_window ? stub_->window : nullptr; }

WNDPROC TSubclass::PreviousProc() const noexcept { return stub_ ? stub_->previous : nullptr; }

void TSubclass::CallPrevious(TMessage& message) const {
  if (stub_) {
    stub_->Call(message);
  } else {
    message.Result = 0;
  }
}

}  // namespace hm
