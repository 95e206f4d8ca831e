// Subclassing native windows: first look at every message, the previous
// procedure one call away, and giving the window back in any order.
#include "framework/ui/platform/subclass.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {
namespace {

constexpr UINT kProbe = WM_APP + 1;

// A plain window of its own class that answers kProbe with 1 and records
// every message that reaches it.
std::vector<UINT>* g_reached = nullptr;

LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (g_reached) g_reached->push_back(msg);
  if (msg == kProbe) return 1;
  return DefWindowProcW(window, msg, wparam, lparam);
}

UniqueWindow MakePlainWindow() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SubclassTestPlain";
    return RegisterClassExW(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return UniqueWindow(CreateWindowExW(0, L"SubclassTestPlain", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

WNDPROC CurrentProc(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// Adds `add` to the previous procedure's answer to kProbe.
TSubclassProc Adding(LRESULT add, std::vector<LRESULT>* seen = nullptr) {
  return [add, seen](TMessage& m, TSubclass& self) {
    self.CallPrevious(m);
    if (m.Msg == kProbe) {
      m.Result += add;
      if (seen) seen->push_back(add);
    }
  };
}

struct SubclassTest : ::testing::Test {
  void SetUp() override {
    g_reached = &reached;
    window = MakePlainWindow();
    ASSERT_TRUE(window);
    original = CurrentProc(window.get());
  }
  void TearDown() override { g_reached = nullptr; }
  LRESULT Probe() { return SendMessageW(window.get(), kProbe, 0, 0); }

  std::vector<UINT> reached;
  UniqueWindow window;
  WNDPROC original = nullptr;
};

TEST_F(SubclassTest, SeesMessagesFirstAndGivesTheWindowBack) {
  {
    TSubclass sub(window.get(), Adding(10));
    EXPECT_NE(CurrentProc(window.get()), original);
    EXPECT_EQ(sub.PreviousProc(), original);
    EXPECT_EQ(Probe(), 11);
  }
  EXPECT_EQ(CurrentProc(window.get()), original);
  EXPECT_EQ(Probe(), 1);
}

TEST_F(SubclassTest, AMessageNotPassedOnNeverReachesTheWindow) {
  TSubclass sub(window.get(), [](TMessage& m, TSubclass& self) {
    if (m.Msg == kProbe) {
      m.Result = 7;
      return;
    }
    self.CallPrevious(m);
  });
  reached.clear();
  EXPECT_EQ(Probe(), 7);
  EXPECT_TRUE(reached.empty());
}

TEST_F(SubclassTest, RemovedUnderneathAnotherItPassesThroughThenLeavesWhenOnTop) {
  std::vector<LRESULT> seen;
  auto lower = std::make_unique<TSubclass>(window.get(), Adding(10, &seen));
  auto upper = std::make_unique<TSubclass>(window.get(), Adding(100, &seen));
  const WNDPROC upper_stub = CurrentProc(window.get());

  lower.reset();  // not on top: putting the original back would drop `upper`
  EXPECT_EQ(CurrentProc(window.get()), upper_stub);
  EXPECT_EQ(Probe(), 101);
  EXPECT_EQ(seen, (std::vector<LRESULT>{100})) << "the removed one is never called";

  upper.reset();  // on top: its previous (the pass-through) comes back
  EXPECT_EQ(Probe(), 1);
  // The pass-through found itself on top again and left for good.
  EXPECT_EQ(CurrentProc(window.get()), original);
}

TEST_F(SubclassTest, RemovedInTheOrderMadeBothGiveTheWindowBack) {
  auto lower = std::make_unique<TSubclass>(window.get(), Adding(10));
  auto upper = std::make_unique<TSubclass>(window.get(), Adding(100));
  EXPECT_EQ(Probe(), 111);
  upper.reset();
  EXPECT_EQ(Probe(), 11);
  lower.reset();
  EXPECT_EQ(CurrentProc(window.get()), original);
}

TEST_F(SubclassTest, RemovingItselfInsideAMessageFinishesThatMessage) {
  std::unique_ptr<TSubclass> self_removing;
  int calls = 0;
  self_removing = std::make_unique<TSubclass>(window.get(), [&](TMessage& m, TSubclass& self) {
    if (m.Msg == kProbe) {
      ++calls;
      self.CallPrevious(m);
      self_removing.reset();  // frees the TSubclass we are running in
      m.Result += 5;          // the message still completes
      return;
    }
    self.CallPrevious(m);
  });
  EXPECT_EQ(Probe(), 6);
  EXPECT_EQ(CurrentProc(window.get()), original);
  EXPECT_EQ(Probe(), 1);
  EXPECT_EQ(calls, 1);
}

TEST_F(SubclassTest, TheProcedureSeesTheWindowDestroyedAndRemovalAfterwardsIsSafe) {
  bool saw_destroy = false;
  TSubclass sub(window.get(), [&](TMessage& m, TSubclass& self) {
    if (m.Msg == WM_NCDESTROY) saw_destroy = true;
    self.CallPrevious(m);
  });
  EXPECT_EQ(sub.Window(), window.get());
  window.reset();
  EXPECT_TRUE(saw_destroy);
  EXPECT_EQ(sub.Window(), nullptr);
  sub.Remove();
  EXPECT_FALSE(sub.Installed());
}

TEST(Subclass, RefusesWhatIsNotAWindowOfThisProcess) {
  EXPECT_THROW(TSubclass(nullptr, Adding(1)), EOSError);
  EXPECT_THROW(TSubclass(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7ffe)), Adding(1)), EOSError);
}

// A message box is a system dialog ("#32770") the program never made itself.
HHOOK g_hook = nullptr;
TSubclass* g_box = nullptr;
std::vector<UINT>* g_box_seen = nullptr;

LRESULT CALLBACK WatchActivation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && !g_box->Installed()) {
    HWND box = reinterpret_cast<HWND>(wparam);
    wchar_t cls[16] = {};
    GetClassNameW(box, cls, 16);
    if (std::wstring(cls) == L"#32770") {
      *g_box = TSubclass(box, [](TMessage& m, TSubclass& self) {
        g_box_seen->push_back(m.Msg);
        self.CallPrevious(m);
      });
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(g_hook, code, wparam, lparam);
}

TEST(Subclass, WorksOnAMessageBoxTheProgramDidNotMake) {
  std::vector<UINT> seen;
  TSubclass box;
  g_box = &box;
  g_box_seen = &seen;
  UniqueHook hook(SetWindowsHookExW(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId()));
  g_hook = hook.get();
  ASSERT_TRUE(hook);
  EXPECT_EQ(MessageBoxW(nullptr, L"text", L"caption", MB_OK), IDOK);
  hook.reset();
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_COMMAND)), seen.end());
  EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_NCDESTROY)), seen.end());
  EXPECT_EQ(box.Window(), nullptr);
  box.Remove();
}

}  // namespace
}  // namespace hm
