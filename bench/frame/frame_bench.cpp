// The skinned frame of a window shaped like the main one (303 x 335, border
// icons the system menu only, the kolvane skin): how many frame paints one
// activation change costs (the aim is one), and the time of a full frame
// paint skinned against the same window with the system's frame. The
// labels carry the medians.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/frame/frame_bench_util.h"
#include "bench/medians.h"

namespace {

using namespace hm;
using bench::Pump;
using bench::TMedians;
using Clock = std::chrono::steady_clock;

class TBenchWindow {
 public:
  explicit TBenchWindow(bool skinned) {
    bench::StartSkinEngine();
    form_ = MakeRoot<TForm>();
    form_->SetBorderIcons(TBorderIcons{biSystemMenu});
    form_->SetCaption("Haomiso");
    form_->SetBounds(60, 60, 303, 335);
    auto* data = MakeOwned<TSkinData>(*form_);
    bench::LoadKolvane(*data);
    form_->Show();
    Pump();
    if (skinned) skin_ = bench::SkinFrame(*form_, *data);
  }
  HWND Handle() const { return form_->Handle(); }
  TWinSkinForm* Skin() const { return skin_; }

 private:
  Owned<TForm> form_;
  TWinSkinForm* skin_ = nullptr;
};

// Activation moves to another window and back, as the user clicks; each
// change is counted with the frame paints it caused.
void FramePaintsPerActivationChange(benchmark::State& state) {
  TBenchWindow window(true);
  Owned<TForm> other = MakeRoot<TForm>();
  other->SetBounds(420, 60, 200, 150);
  other->Show();
  Pump();
  // Only changes that happened count: the first switch may find the
  // activation where it was asked to go.
  int changes = 0;
  auto activate = [&](HWND to) {
    const HWND from = GetForegroundWindow();
    SetForegroundWindow(to);
    Pump();
    if (from != to && GetForegroundWindow() == to) ++changes;
  };
  activate(window.Handle());
  changes = 0;
  const int before = window.Skin()->FramePaints();
  for (auto _ : state) {
    activate(other->Handle());
    activate(window.Handle());
  }
  char label[80];
  std::snprintf(label, sizeof label, "%.2f frame paints per activation change (%d changes)",
                changes ? static_cast<double>(window.Skin()->FramePaints() - before) / changes : 0.0, changes);
  state.SetLabel(label);
}
BENCHMARK(FramePaintsPerActivationChange)->Iterations(50);

void FullFramePaint(benchmark::State& state, bool skinned) {
  TBenchWindow window(skinned);
  TMedians medians(state, "frame paint");
  for (auto _ : state) {
    const auto start = Clock::now();
    SendMessageW(window.Handle(), WM_NCPAINT, 1, 0);
    GdiFlush();
    medians.Add(Clock::now() - start);
  }
}
void FullFramePaintSkinned(benchmark::State& state) { FullFramePaint(state, true); }
void FullFramePaintUnskinned(benchmark::State& state) { FullFramePaint(state, false); }
BENCHMARK(FullFramePaintSkinned)->Iterations(500);
BENCHMARK(FullFramePaintUnskinned)->Iterations(500);

}  // namespace
