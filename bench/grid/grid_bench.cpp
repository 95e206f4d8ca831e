// The main window's result grid on the real Code.BM: a full repaint of its
// nine rows by four columns, and scrolling record by record through the
// whole of AreaData (3,183 rows), each step painted before the next, by
// record, by the bar's arrow and by Page Down. Every
// benchmark also puts the median of its timed steps in the label.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/medians.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/data/data_source.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "grid/db_grid.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace hm;

std::string DatabasePath() {
  std::string path = HAOMISO_CODE_BM;
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // Wine's drive for "/"
  return path;
}

using Medians = hm::bench::TMedians;

// The first page's grid as stored for the main window, shown and focused,
// with the area-search query behind it.
struct MainGrid {
  Owned<TForm> form = MakeRoot<TForm>();
  TADOConnection* connection = MakeOwned<TADOConnection>(*form);
  TADOQuery* query = MakeOwned<TADOQuery>(*form);
  TDataSource* source = MakeOwned<TDataSource>(*form);
  TDBGridEh* grid = MakeOwned<TDBGridEh>(*form);

  MainGrid() {
    connection->SetMode(cmRead);
    connection->SetConnectionString("driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=" +
                                    DatabasePath() + ";Persist Security Info=False");
    query->SetConnection(connection);
    query->SetCursorType(ctStatic);
    form->SetBounds(279, 176, 303, 335);
    grid->BeginLayout();
    grid->SetParent(form.get());
    grid->SetBounds(7, 6, 266, 203);
    grid->SetOptions(TDBGridOptions{dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
                                    dgConfirmDelete, dgCancelOnExit});
    grid->SetRowHeight(18);
    grid->SetTitleHeight(16);
    grid->SetAutoFitColWidths(true);
    const char* names[] = {"区号", "邮编", "省名", "县市名"};
    const int widths[] = {46, 49, 63, 72};
    for (int i = 0; i < 4; ++i) {
      TColumnEh& c = grid->Columns()->AddColumn();
      c.SetFieldName(names[i]);
      c.SetWidth(widths[i]);
      c.SetInitialWidth(widths[i]);
      c.Title()->SetTitleButton(true);
    }
    (*grid->Columns())[2]->Title()->SetCaption("省份");
    (*grid->Columns())[3]->Title()->SetCaption("县/市名");
    grid->SetDataSource(source);
    grid->EndLayout();
    form->Show();
    grid->SetFocus();
    Pump();
  }
  void Run(const std::string& sql) {
    query->Close();
    query->SQL()->SetText(sql);
    query->Open();
    source->SetDataSet(query);
    Pump();
  }
  static void Pump() {
    for (int i = 0; i < 5; ++i) Application().ProcessMessages();
  }
  void Paint() { UpdateWindow(grid->Handle()); }
};

void BM_FullRepaintNineRows(benchmark::State& state) {
  MainGrid g;
  g.Run("Select * from AreaData where 区号 like '%0755%'");
  if (g.grid->DataRecordCount() < 9) state.SetLabel("fewer than 9 rows");
  Medians medians(state, "repaint");
  for (auto _ : state) {
    const auto t0 = Clock::now();
    g.grid->Invalidate();
    g.Paint();
    medians.Add(Clock::now() - t0);
  }
}
BENCHMARK(BM_FullRepaintNineRows)->Unit(benchmark::kMicrosecond);

// One iteration: from the first record to the last, one record at a time,
// painting after every step (the window moves by one row from the tenth on).
void BM_ScrollThroughAllRows(benchmark::State& state) {
  MainGrid g;
  g.Run("Select * from AreaData");
  const int rows = g.query->RecordCount();
  Medians medians(state, "row");
  for (auto _ : state) {
    g.query->First();
    g.Paint();
    while (!g.query->Eof()) {
      const auto t0 = Clock::now();
      g.query->Next();
      g.Paint();
      medians.Add(Clock::now() - t0);
    }
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ScrollThroughAllRows)->Unit(benchmark::kMillisecond);

// The same by the scroll bar's line-down arrow, as a user would.
void BM_ScrollBarLineDown(benchmark::State& state) {
  MainGrid g;
  g.Run("Select * from AreaData");
  const int rows = g.query->RecordCount();
  Medians medians(state, "row");
  for (auto _ : state) {
    g.query->First();
    g.Paint();
    for (int i = 1; i < rows; ++i) {
      const auto t0 = Clock::now();
      SendMessageW(g.grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
      g.Paint();
      medians.Add(Clock::now() - t0);
    }
  }
  state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ScrollBarLineDown)->Unit(benchmark::kMillisecond);

// Page Down from the first record to the last, as a user holding the key:
// the key through the grid's window procedure, each page painted.
void BM_PageDownThroughAllRows(benchmark::State& state) {
  MainGrid g;
  g.Run("Select * from AreaData");
  const int rows = g.query->RecordCount();
  Medians medians(state, "Page Down");
  std::int64_t pages = 0;
  for (auto _ : state) {
    g.query->First();
    g.Paint();
    while (g.query->RecNo() < rows) {
      const auto t0 = Clock::now();
      SendMessageW(g.grid->Handle(), WM_KEYDOWN, VK_NEXT, 1);
      g.Paint();
      medians.Add(Clock::now() - t0);
      ++pages;
    }
  }
  state.SetItemsProcessed(pages);
}
BENCHMARK(BM_PageDownThroughAllRows)->Unit(benchmark::kMillisecond);

}  // namespace
