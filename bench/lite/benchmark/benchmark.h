// A small stand-in for Google Benchmark where that library is not built
// (the Windows configurations). Same spelling for what our benchmarks use:
// BENCHMARK(fn) with ->Arg(n) / ->Unit(...), State with range-for, range(i),
// SetBytesProcessed, SetItemsProcessed, SetLabel, PauseTiming/ResumeTiming,
// DoNotOptimize, ClobberMemory. Each benchmark runs until about half a second
// of timed work has accumulated, then prints time per iteration and rates.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace benchmark {

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond, kSecond };

class State {
 public:
  State(std::int64_t iterations, std::vector<std::int64_t> args)
      : max_iterations(iterations), args_(std::move(args)) {}

  // Marked unused: `for (auto _ : state)` never reads it.
  struct __attribute__((unused)) Value {};

  struct Iterator {
    State* state;
    std::int64_t left;
    bool operator!=(const Iterator&) const {
      if (left > 0) return true;
      state->Finish();
      return false;
    }
    void operator++() { --left; }
    Value operator*() const { return {}; }
  };
  Iterator begin() {
    Start();
    return {this, max_iterations};
  }
  Iterator end() { return {this, 0}; }

  std::int64_t range(std::size_t i = 0) const { return i < args_.size() ? args_[i] : 0; }
  std::int64_t iterations() const { return max_iterations; }
  void SetBytesProcessed(std::int64_t bytes) { bytes_ = bytes; }
  void SetItemsProcessed(std::int64_t items) { items_ = items; }
  void SetLabel(const std::string& label) { label_ = label; }
  // Reported instead of the timing; the benchmark returns after calling it.
  void SkipWithError(const char* message) { error_ = message; }
  void PauseTiming();
  void ResumeTiming();

  const std::int64_t max_iterations;

 private:
  friend struct Runner;
  void Start();
  void Finish();

  std::vector<std::int64_t> args_;
  std::chrono::steady_clock::time_point started_;
  std::chrono::nanoseconds elapsed_{0};
  bool running_ = false;
  std::int64_t bytes_ = 0;
  std::int64_t items_ = 0;
  std::string label_;
  std::string error_;
};

namespace internal {

class Benchmark {
 public:
  Benchmark(std::string name, void (*fn)(State&)) : name_(std::move(name)), fn_(fn) {}
  Benchmark* Arg(std::int64_t a) {
    args_.push_back({a});
    return this;
  }
  Benchmark* Args(const std::vector<std::int64_t>& a) {
    args_.push_back(a);
    return this;
  }
  Benchmark* Unit(TimeUnit unit) {
    unit_ = unit;
    return this;
  }
  // Exactly this many iterations, however long they take.
  Benchmark* Iterations(std::int64_t n) {
    iterations_ = n;
    return this;
  }
  Benchmark* MinTime(double seconds) {
    min_seconds_ = seconds;
    return this;
  }

  std::string name_;
  void (*fn_)(State&);
  std::vector<std::vector<std::int64_t>> args_;
  TimeUnit unit_ = kNanosecond;
  std::int64_t iterations_ = 0;  // 0: grow until the minimum time
  double min_seconds_ = 0.5;
};

Benchmark* Register(const char* name, void (*fn)(State&));

}  // namespace internal

template <typename T>
inline void DoNotOptimize(T&& value) {
  asm volatile("" : : "r,m"(value) : "memory");
}
inline void ClobberMemory() { asm volatile("" : : : "memory"); }

int RunAll();

}  // namespace benchmark

#define BENCHMARK_LITE_CONCAT2(a, b) a##b
#define BENCHMARK_LITE_CONCAT(a, b) BENCHMARK_LITE_CONCAT2(a, b)
#define BENCHMARK(fn)                                                                  \
  static ::benchmark::internal::Benchmark* BENCHMARK_LITE_CONCAT(benchmark_lite_, __LINE__) = \
      ::benchmark::internal::Register(#fn, fn)
