// Scroll bars, track bars and up-downs report to their parent window with
// WM_HSCROLL / WM_VSCROLL, which the windowed-control base does not reflect
// back to the child. While a control holds a TScrollNotifyScope, a thread
// hook hands these messages to it as CN_HSCROLL / CN_VSCROLL (the parent
// still gets the original and ignores it).
#pragma once

#include "framework/ui/win32.h"

#include "framework/ui/messages.h"

namespace hm {

class TWinControl;

constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;  // 0xBD14
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;  // 0xBD15

class TScrollNotifyScope {
 public:
  explicit TScrollNotifyScope(TWinControl& control);
  ~TScrollNotifyScope();
  TScrollNotifyScope(const TScrollNotifyScope&) = delete;
  TScrollNotifyScope& operator=(const TScrollNotifyScope&) = delete;

 private:
  TWinControl& control_;
};

}  // namespace hm
