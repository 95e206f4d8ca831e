// winwait CAPTION [SECONDS]   waits until a visible top-level window with this
//                             caption has been shown and has painted; exit 1
//                             when it does not appear in time.
// winwait --close CAPTION     asks that window to close.
#include <windows.h>

#include <cwchar>
#include <cstdlib>

namespace {

HWND FindShown(const wchar_t* caption) {
  HWND window = FindWindowW(nullptr, caption);
  return window && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"--close") == 0) {
    HWND window = FindWindowW(nullptr, argv[2]);
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (argc < 2) return 2;
  const int seconds = argc >= 3 ? std::wcstol(argv[2], nullptr, 10) : 30;
  for (int waited = 0; waited < seconds * 20; ++waited) {
    if (HWND window = FindShown(argv[1])) {
      // Once the window answers a message its first paint has been handled;
      // the short pause lets the desktop catch up with it.
      DWORD_PTR result;
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
      Sleep(700);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
