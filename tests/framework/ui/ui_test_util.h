// Helpers for tests that drive real windows: pump the queue, post keys.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/forms/application.h"

namespace hm::test {

// Lets posted and sent messages arrive (Wine delivers some a little later).
inline void Pump(int rounds = 5) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

// A key as the message loop sees it, posted to the focused window.
inline void PressKey(WPARAM key) {
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  Pump();
}

// Alt + character: the loop's system character.
inline void PressAlt(wchar_t character) {
  constexpr LPARAM kAltDown = 1 << 29;
  PostMessageW(GetFocus(), WM_SYSCHAR, character, kAltDown | 1);
  Pump();
}

// Holds Shift down in this thread's key state while alive.
class ShiftHeld {
 public:
  ShiftHeld() {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
  }
  ~ShiftHeld() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

}  // namespace hm::test
