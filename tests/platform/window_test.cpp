// The window facilities the skin engine stands on: painting the non-client
// area and reading it back, and a thread's CBT hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr COLORREF kFrameColour = RGB(12, 200, 56);
const wchar_t kClassName[] = L"HaomisoPlatformTest";

LRESULT CALLBACK PaintFrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCPAINT) {
    HDC dc = GetWindowDC(hwnd);
    RECT r;
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    HBRUSH brush = CreateSolidBrush(kFrameColour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(hwnd, dc);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

struct WindowClass {
  WindowClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintFrameProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    atom = RegisterClassW(&wc);
  }
  ~WindowClass() { UnregisterClassW(kClassName, GetModuleHandleW(nullptr)); }
  ATOM atom;
};

struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

struct HookDeleter {
  void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;

void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 20; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

UniqueWindow CreateTestWindow() {
  return UniqueWindow(CreateWindowExW(0, kClassName, L"test", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

TEST(PlatformWindow, NonClientPaintReadsBackThroughTheWindowDC) {
  WindowClass cls;
  ASSERT_NE(cls.atom, 0);
  UniqueWindow window = CreateTestWindow();
  ASSERT_TRUE(window);
  ShowWindow(window.get(), SW_SHOW);
  RedrawWindow(window.get(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpMessages();

  HDC dc = GetWindowDC(window.get());
  ASSERT_NE(dc, nullptr);
  // A pixel of the caption area and one of the left border.
  const COLORREF caption = GetPixel(dc, 150, 5);
  const COLORREF border = GetPixel(dc, 1, 100);
  ReleaseDC(window.get(), dc);
  EXPECT_EQ(caption, kFrameColour);
  EXPECT_EQ(border, kFrameColour);

  HWND raw = window.get();
  window.reset();
  EXPECT_FALSE(IsWindow(raw));
}

// The hook procedure has no context argument; the test owns this record.
struct CbtRecord {
  std::vector<HWND> created;
  std::vector<HWND> activated;
} g_cbt;

LRESULT CALLBACK RecordCbt(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) g_cbt.created.push_back(reinterpret_cast<HWND>(wp));
  if (code == HCBT_ACTIVATE) g_cbt.activated.push_back(reinterpret_cast<HWND>(wp));
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(PlatformWindow, ThreadCbtHookSeesCreationAndActivation) {
  WindowClass cls;
  g_cbt = {};
  UniqueHook hook(SetWindowsHookExW(WH_CBT, RecordCbt, nullptr, GetCurrentThreadId()));
  ASSERT_TRUE(hook);
  UniqueWindow window = CreateTestWindow();
  ASSERT_TRUE(window);
  ShowWindow(window.get(), SW_SHOW);
  SetForegroundWindow(window.get());
  PumpMessages();
  hook.reset();

  EXPECT_NE(std::find(g_cbt.created.begin(), g_cbt.created.end(), window.get()), g_cbt.created.end());
  EXPECT_NE(std::find(g_cbt.activated.begin(), g_cbt.activated.end(), window.get()), g_cbt.activated.end());

  // Once unhooked, nothing more is recorded.
  g_cbt = {};
  UniqueWindow second = CreateTestWindow();
  EXPECT_TRUE(g_cbt.created.empty());
}

}  // namespace
