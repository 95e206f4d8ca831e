// The lookups as the program runs them: through TADOQuery on the real
// Code.BM, each statement closed, replaced and opened. Every benchmark also
// times its iterations one by one and puts their median in the label.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string DatabasePath() {
  std::string path = HAOMISO_CODE_BM;
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // Wine's drive for "/"
#endif
  return path;
}

std::string ConnectionString() {
  return "driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=" + DatabasePath() +
         ";Persist Security Info=False";
}

// Collects per-iteration times and reports their median.
class Medians {
 public:
  explicit Medians(benchmark::State& state) : state_(state) {}
  ~Medians() {
    if (times_.empty()) return;
    std::nth_element(times_.begin(), times_.begin() + static_cast<std::ptrdiff_t>(times_.size() / 2), times_.end());
    const double us = std::chrono::duration<double, std::micro>(times_[times_.size() / 2]).count();
    char label[64];
    std::snprintf(label, sizeof label, "median %.1f us", us);
    state_.SetLabel(label);
  }
  void Add(Clock::duration d) { times_.push_back(d); }

 private:
  benchmark::State& state_;
  std::vector<Clock::duration> times_;
};

struct Lookup {
  hm::Owned<hm::TComponent> form = hm::MakeRoot<hm::TComponent>();
  hm::TADOConnection* connection = hm::MakeOwned<hm::TADOConnection>(*form);
  hm::TADOQuery* query = hm::MakeOwned<hm::TADOQuery>(*form);

  Lookup() {
    connection->SetMode(hm::cmShareDenyNone);
    connection->SetConnectionString(ConnectionString());
    query->SetName("ADOQuery1");
    query->SetConnection(connection);
    query->SetCursorType(hm::ctStatic);
  }
  void Run(const std::string& sql) {
    query->Close();
    query->SQL()->SetText(sql);
    query->Open();
  }
};

void BM_ConnectionOpen(benchmark::State& state) {
  Lookup lookup;
  Medians medians(state);
  for (auto _ : state) {
    const auto t0 = Clock::now();
    lookup.connection->Open();
    medians.Add(Clock::now() - t0);
    lookup.connection->Close();
  }
}
BENCHMARK(BM_ConnectionOpen)->Unit(benchmark::kMicrosecond);

void BM_MobileLookup(benchmark::State& state) {
  Lookup lookup;
  lookup.connection->Open();
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> prefix(1300000, 1999999);
  Medians medians(state);
  for (auto _ : state) {
    const std::string n = std::to_string(prefix(random));
    const auto t0 = Clock::now();
    lookup.Run("Select * from MobileCode where 号码B<=" + n + " and 号码E>=" + n);
    std::string lines;
    for (const char* f : {"地区", "城市", "区号", "类型"}) lines += lookup.query->FieldByName(f).AsString();
    lookup.query->Close();
    medians.Add(Clock::now() - t0);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_MobileLookup)->Unit(benchmark::kMicrosecond);

void BM_IdLookup(benchmark::State& state) {
  Lookup lookup;
  lookup.connection->Open();
  // Real codes and misses alike.
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> code(110000, 659999);
  Medians medians(state);
  for (auto _ : state) {
    const std::string n = std::to_string(code(random));
    const auto t0 = Clock::now();
    lookup.Run("Select * from ZipCode where BM=" + n);
    std::string dq = lookup.query->FieldByName("DQ").AsString();
    lookup.query->Close();
    medians.Add(Clock::now() - t0);
    benchmark::DoNotOptimize(dq);
  }
}
BENCHMARK(BM_IdLookup)->Unit(benchmark::kMicrosecond);

// One-character search texts, one per searchable column: the widest results.
void BM_AreaSearchOneCharacter(benchmark::State& state) {
  static const char* const kSearches[][2] = {{"区号", "7"}, {"邮编", "5"}, {"省名", "江"}, {"县市名", "州"}};
  const auto& search = kSearches[state.range(0)];
  Lookup lookup;
  lookup.connection->Open();
  Medians medians(state);
  for (auto _ : state) {
    const auto t0 = Clock::now();
    lookup.Run(std::string("Select * from AreaData where ") + search[0] + " like '%" + search[1] + "%'");
    medians.Add(Clock::now() - t0);
    benchmark::DoNotOptimize(lookup.query->RecordCount());
  }
}
BENCHMARK(BM_AreaSearchOneCharacter)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
