// Collects the time of each timed step of a benchmark and puts their median
// in its label when it ends: the mean that benchmarks report hides the
// one-off stalls of a loaded machine, the median does not.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace hm::bench {

class TMedians {
 public:
  using Clock = std::chrono::steady_clock;
  enum class Unit { Microseconds, Milliseconds };

  TMedians(benchmark::State& state, const char* step, Unit unit = Unit::Microseconds)
      : state_(state), step_(step), unit_(unit) {}
  ~TMedians() {
    if (times_.empty()) return;
    const auto middle = times_.begin() + static_cast<std::ptrdiff_t>(times_.size() / 2);
    std::nth_element(times_.begin(), middle, times_.end());
    const bool ms = unit_ == Unit::Milliseconds;
    const double value = ms ? std::chrono::duration<double, std::milli>(*middle).count()
                            : std::chrono::duration<double, std::micro>(*middle).count();
    char label[80];
    std::snprintf(label, sizeof label, ms ? "median %.2f ms per %s" : "median %.1f us per %s", value, step_);
    state_.SetLabel(label);
  }
  TMedians(const TMedians&) = delete;
  TMedians& operator=(const TMedians&) = delete;

  void Add(Clock::duration d) { times_.push_back(d); }

 private:
  benchmark::State& state_;
  const char* step_;
  Unit unit_;
  std::vector<Clock::duration> times_;
};

}  // namespace hm::bench
