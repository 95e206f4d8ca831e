// Subclassing a native window, also one the framework did not create
// (message boxes, menu windows, a combo box's edit). While a TSubclass
// lives, every message of the window reaches its procedure first; the
// procedure calls CallPrevious to let the window work.
//
// Giving the window back: when the subclass is removed while its stub is
// still the window's procedure, the previous procedure is put back. When
// someone subclassed the window after us, putting ours back would drop
// theirs, so the stub stays as a transparent pass-through until it is on
// top again or the window is destroyed. Removal is safe in any order, from
// inside the window's own messages too.
#pragma once

#include "framework/ui/platform/win32.h"

#include <functional>

#include "framework/ui/platform/messages.h"

namespace hm {

class TSubclass;

using TSubclassProc = std::function<void(TMessage& message, TSubclass& subclass)>;

class TSubclass {
 public:
  TSubclass() noexcept = default;
  // Raises EOSError when the window cannot be subclassed (not a window, or
  // one of another process).
  TSubclass(HWND window, TSubclassProc proc);
  ~TSubclass() { Remove(); }
  TSubclass(TSubclass&& other) noexcept;
  TSubclass& operator=(TSubclass&& other) noexcept;
  TSubclass(const TSubclass&) = delete;
  TSubclass& operator=(const TSubclass&) = delete;

  void Remove() noexcept;
  bool Installed() const noexcept { return stub_ != nullptr; }
  // The window, until it was destroyed.
  HWND Window() const noexcept;
  // The procedure in place before this subclass.
  WNDPROC PreviousProc() const noexcept;
  // Runs the previous procedure; the answer goes into message.Result.
  void CallPrevious(TMessage& message) const;

  struct Stub;  // outlives this object while it is a pass-through

 private:
  Stub* stub_ = nullptr;
};

}  // namespace hm
