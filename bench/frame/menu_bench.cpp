// The skinned menus of a window with a six-item menu bar (the kolvane
// skin): a full bar paint against the repaint of one item when the mouse
// moves onto it (the bar keeps its background for that), and one
// owner-drawn drop-down item composed from the skin. The labels carry the
// medians.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "bench/frame/frame_bench_util.h"
#include "bench/medians.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/handles.h"
#include "skin/frame/menu_item_drawing.h"
#include "skin/frame/win_skin_menu.h"

namespace {

using namespace hm;
using bench::Pump;
using bench::TMedians;
using Clock = std::chrono::steady_clock;

class TMenuWindow {
 public:
  TMenuWindow() {
    bench::StartSkinEngine();
    form_ = MakeRoot<TForm>();
    form_->SetBounds(60, 60, 400, 300);
    data_ = MakeOwned<TSkinData>(*form_);
    bench::LoadKolvane(*data_);
    auto* menu = MakeOwned<TMainMenu>(*form_);
    for (const char* caption : {"&File", "&Edit", "&View", "&Go", "&Tools", "&Help"}) {
      auto* top = MakeOwned<TMenuItem>(*form_);
      top->SetCaption(caption);
      menu->Items()->Add(top);
      item_ = MakeOwned<TMenuItem>(*form_);
      item_->SetCaption("&Open the file");
      item_->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
      top->Add(item_);
    }
    form_->Show();
    form_->SetMenu(menu);
    Pump();
    skin_ = bench::SkinFrame(*form_, *data_);
  }
  HWND Handle() const { return form_->Handle(); }
  TWinSkinForm& Skin() const { return *skin_; }
  TSkinData& Data() const { return *data_; }
  TMenuItem& Item() const { return *item_; }

 private:
  Owned<TForm> form_;
  TSkinData* data_ = nullptr;
  TWinSkinForm* skin_ = nullptr;
  TMenuItem* item_ = nullptr;
};

void MenuBarPaint(benchmark::State& state) {
  TMenuWindow window;
  TWinSkinMenu& bar = *window.Skin().MenuBar();
  const RECT rect = bar.BarRect();
  WindowDC dc(window.Handle(), true);
  TMedians medians(state, "bar paint");
  for (auto _ : state) {
    const auto start = Clock::now();
    bar.PaintBar(dc.get(), rect);
    GdiFlush();
    medians.Add(Clock::now() - start);
  }
}
BENCHMARK(MenuBarPaint)->Iterations(500);

void MenuBarItemHover(benchmark::State& state) {
  TMenuWindow window;
  TMenuBtn& item = *window.Skin().MenuBar()->Items()[2];
  TMedians medians(state, "item repaint");
  for (auto _ : state) {
    const auto start = Clock::now();
    item.MouseMove();
    item.MouseLeave();
    GdiFlush();
    medians.Add((Clock::now() - start) / 2);
  }
}
BENCHMARK(MenuBarItemHover)->Iterations(500);

void DropDownItemDraw(benchmark::State& state) {
  TMenuWindow window;
  TBitmap target(200, 22);
  const TMenuItemSkin skin{window.Data(), nullptr};
  TMedians medians(state, "item");
  bool selected = false;
  for (auto _ : state) {
    const auto start = Clock::now();
    DrawSkinnedItem(skin, window.Item(), target.Canvas(), selected, RECT{0, 0, 200, 22});
    GdiFlush();
    medians.Add(Clock::now() - start);
    selected = !selected;
  }
}
BENCHMARK(DropDownItemDraw)->Iterations(1000);

}  // namespace
