// The main window on the real Code.BM: the program's start until its window
// is painted (a separate process, as a user starts it), and each lookup from
// the button's click until its answer is painted. Every benchmark also puts
// the median of its timed steps in the label.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Main.h"
#include "bench/medians.h"
#include "app/program.h"
#include "framework/core/text.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/platform/win32.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace hm;
using bench::TMedians;
constexpr auto kMs = TMedians::Unit::Milliseconds;

std::wstring Beside(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

struct WindowSearch {
  DWORD process;
  HWND found = nullptr;
};

BOOL CALLBACK TakePaintedWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<WindowSearch*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner != s->process || !IsWindowVisible(w) || GetUpdateRect(w, nullptr, FALSE)) return TRUE;
  s->found = w;
  return FALSE;
}

// The program's own top-level window, once it is visible and has nothing left to paint.
HWND PaintedWindowOf(DWORD process) {
  WindowSearch search{process};
  EnumWindows(TakePaintedWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ProgramStartToFirstPaint(benchmark::State& state) {
  TMedians medians(state, "start", kMs);
  std::wstring exe = Beside(L"Haomiso.exe");
  for (auto _ : state) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      state.SkipWithError("Haomiso.exe did not start");
      return;
    }
    HWND window = nullptr;
    while (!window && Clock::now() - start < std::chrono::seconds(20)) {
      window = PaintedWindowOf(process.dwProcessId);
      if (!window) Sleep(1);
    }
    medians.Add(Clock::now() - start);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!window) {
      state.SkipWithError("no painted window within 20 s");
      return;
    }
  }
}
BENCHMARK(ProgramStartToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

// One shown main window for the lookups.
TFrmMain& Window() {
  static TFrmMain* form = [] {
    Application().Initialize();
    Application().SetTitle(kApplicationTitle);
    TFrmMain* made = Application().CreateForm<TFrmMain>();
    made->Show();
    Application().ProcessMessages();
    return made;
  }();
  return *form;
}

// Clicks the button and lets the window paint what it answered.
void ClickAndPaint(TBitBtn& button, TWinControl& answer) {
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  RedrawWindow(answer.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Lookup(benchmark::State& state, TTabSheet* TFrmMain::*page, TDBEditEh* TFrmMain::*input, const char* text,
            TBitBtn* TFrmMain::*button, TWinControl& (*answer)(TFrmMain&), const char* unit) {
  TFrmMain& form = Window();
  MessageBoxCapture quiet;
  form.PageControl1->SetActivePage(form.*page);
  (form.*input)->SetText(text);
  Application().ProcessMessages();
  TMedians medians(state, unit, kMs);
  for (auto _ : state) {
    const auto start = Clock::now();
    ClickAndPaint(*(form.*button), answer(form));
    medians.Add(Clock::now() - start);
  }
  if (!quiet.Boxes().empty()) state.SkipWithError(quiet.Boxes()[0].text.c_str());
}

TWinControl& Memo1(TFrmMain& f) { return *f.Memo1; }
TWinControl& Memo2(TFrmMain& f) { return *f.Memo2; }
TWinControl& Grid(TFrmMain& f) { return *f.DBGridEh1; }

void MobileLookupToMemo(benchmark::State& state) {
  Lookup(state, &TFrmMain::TabSheet2, &TFrmMain::DBEditEh1, "13800138000", &TFrmMain::BitBtn2, Memo1, "lookup");
}
void IdLookupToMemo(benchmark::State& state) {
  Lookup(state, &TFrmMain::TabSheet3, &TFrmMain::DBEditEh3, "11010319800101123X", &TFrmMain::BitBtn3, Memo2,
         "lookup");
}
void AreaSearchOneDigitToGrid(benchmark::State& state) {
  Lookup(state, &TFrmMain::TabSheet1, &TFrmMain::DBEditEh2, "5", &TFrmMain::BitBtn1, Grid, "search");
}
void AreaSearchOneChineseCharacterToGrid(benchmark::State& state) {
  TFrmMain& form = Window();
  form.DBComboBoxEh1->SetText("县/市名");
  Lookup(state, &TFrmMain::TabSheet1, &TFrmMain::DBEditEh2, "山", &TFrmMain::BitBtn1, Grid, "search");
  form.DBComboBoxEh1->SetText("区号");
}
BENCHMARK(MobileLookupToMemo)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(IdLookupToMemo)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(AreaSearchOneDigitToGrid)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(AreaSearchOneChineseCharacterToGrid)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
