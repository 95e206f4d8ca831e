// Scrolling the 3,000-row area-search result of the real main window, its
// bars skinned and then the system's own, in one run: a step of a thumb
// drag (one pointer move the drag turns into a scroll message and a
// repaint of the bar), and a line step (the grid moves one row and paints
// it and its bar). The label of each also holds the median step.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/Main.h"
#include "app/program.h"
#include "bench/medians.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/platform/win32.h"
#include "skin/controls/control_skin_list.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/frame/skin_engine.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace hm;
using bench::TMedians;
constexpr auto kUs = TMedians::Unit::Microseconds;
constexpr int kDragSteps = 200;

TSkinScrollbar* GridBars(TFrmMain& form) {
  for (int i = 0; i < form.DBGridEh1->ComponentCount(); ++i)
    if (auto* skin = dynamic_cast<TSkinScrollbar*>(form.DBGridEh1->Components(i))) return skin;
  return nullptr;
}

void Settle() {
  for (int i = 0; i < 5; ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
}

// One shown main window with the area codes holding "0" (3,175 rows).
TFrmMain& Window() {
  static TFrmMain* form = [] {
    Application().Initialize();
    Application().SetTitle(kApplicationTitle);
    InstallSkinEngine();
    TFrmMain* made = Application().CreateForm<TFrmMain>();
    made->Show();
    Settle();
    made->DBEditEh2->SetText("0");
    SendMessageW(made->BitBtn1->Handle(), BM_CLICK, 0, 0);
    Settle();
    return made;
  }();
  return *form;
}

// The grid's bars are the system's from here on.
void Unskin(TFrmMain& form) {
  if (TSkinScrollbar* skin = GridBars(form)) {
    skin->UnSkin();
    FreeControlSkin(*skin);
  }
  Settle();
}

// A drag from the top of the bar to its bottom in kDragSteps moves: the
// skin's own drag when skinned, the system's otherwise.
void DragSteps(benchmark::State& state, bool skinned) {
  TFrmMain& form = Window();
  if (!skinned) Unskin(form);
  if (skinned && !GridBars(form)) {
    state.SkipWithError("the grid's bars are not skinned");
    return;
  }
  HWND grid = form.DBGridEh1->Handle();
  TMedians medians(state, "drag step", kUs);
  for (auto _ : state) {
    form.ADOQuery1->First();
    Settle();
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!GetScrollBarInfo(grid, OBJID_VSCROLL, &bar)) {
      state.SkipWithError("no vertical bar");
      return;
    }
    // The thumb where it is drawn: the skin's, or the system's.
    int thumb_middle = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    if (TSkinScrollbar* skin = GridBars(form)) {
      const TBarGeometry& g = skin->Geometry(true);
      thumb_middle = bar.rcScrollBar.top + g.arrow_size + g.thumb_pos + g.thumb_size / 2;
    }
    const POINT at{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, thumb_middle};
    POINT client = at;
    ScreenToClient(grid, &client);
    const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
    for (int i = 1; i <= kDragSteps; ++i)
      PostMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + length * i / kDragSteps));
    PostMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y + length));
    const auto start = Clock::now();
    SendMessageW(grid, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
    medians.Add((Clock::now() - start) / kDragSteps);
    if (form.ADOQuery1->RecNo() != form.ADOQuery1->RecordCount()) {
      state.SkipWithError("the drag did not reach the last row");
      return;
    }
  }
}

// A press of the down arrow's scroll: the grid moves one row and repaints.
void LineSteps(benchmark::State& state, bool skinned) {
  TFrmMain& form = Window();
  if (!skinned) Unskin(form);
  HWND grid = form.DBGridEh1->Handle();
  form.ADOQuery1->First();
  Settle();
  TMedians medians(state, "line step", kUs);
  int step = 0;
  for (auto _ : state) {
    const bool down = (step++ / 500) % 2 == 0;
    const auto start = Clock::now();
    SendMessageW(grid, WM_VSCROLL, down ? SB_LINEDOWN : SB_LINEUP, 0);
    UpdateWindow(grid);
    medians.Add(Clock::now() - start);
  }
  SendMessageW(grid, WM_VSCROLL, SB_ENDSCROLL, 0);
}

void SkinnedDragStep(benchmark::State& state) { DragSteps(state, true); }
void SkinnedLineStep(benchmark::State& state) { LineSteps(state, true); }
void UnskinnedDragStep(benchmark::State& state) { DragSteps(state, false); }
void UnskinnedLineStep(benchmark::State& state) { LineSteps(state, false); }
// Skinned first: unskinning is for good.
BENCHMARK(SkinnedDragStep)->Unit(benchmark::kMicrosecond)->Iterations(5);
BENCHMARK(SkinnedLineStep)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(UnskinnedDragStep)->Unit(benchmark::kMicrosecond)->Iterations(5);
BENCHMARK(UnskinnedLineStep)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
