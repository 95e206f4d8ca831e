// Watches the mouse of this thread while a drop-down list is shown: a
// button pressed on any window the drop-down does not count as its own
// makes the drop-down hear CM_CANCELMODE, with that window in lParam. The
// press itself goes on to its window as usual.
#pragma once

#include <functional>

#include "framework/ui/platform/handles.h"

namespace hm {

class TDropDownWatch {
 public:
  // `own` tells the windows that belong to the drop-down (no cancel);
  // `notify` is the window told.
  TDropDownWatch(HWND notify, std::function<bool(HWND)> own);
  ~TDropDownWatch();
  TDropDownWatch(const TDropDownWatch&) = delete;
  TDropDownWatch& operator=(const TDropDownWatch&) = delete;

 private:
  static LRESULT CALLBACK MouseProc(int code, WPARAM wparam, LPARAM lparam);

  HWND notify_;
  std::function<bool(HWND)> own_;
  UniqueHook hook_;
  TDropDownWatch* previous_ = nullptr;  // an outer watch, restored afterwards
};

}  // namespace hm
