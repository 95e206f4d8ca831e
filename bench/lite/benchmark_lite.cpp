#include "benchmark/benchmark.h"

#include <cstdio>
#include <memory>

namespace benchmark {

namespace {

std::vector<std::unique_ptr<internal::Benchmark>>& Registry() {
  static std::vector<std::unique_ptr<internal::Benchmark>> registry;
  return registry;
}

}  // namespace

void State::Start() {
  running_ = true;
  started_ = std::chrono::steady_clock::now();
}

void State::Finish() {
  if (running_) elapsed_ += std::chrono::steady_clock::now() - started_;
  running_ = false;
}

void State::PauseTiming() { Finish(); }
void State::ResumeTiming() { Start(); }

internal::Benchmark* internal::Register(const char* name, void (*fn)(State&)) {
  Registry().push_back(std::make_unique<Benchmark>(name, fn));
  return Registry().back().get();
}

struct Runner {
  // Grows the iteration count until the timed work is long enough.
  static void Run(const internal::Benchmark& b, const std::vector<std::int64_t>& args) {
    const std::chrono::duration<double> min_time(b.min_seconds_);
    std::int64_t iterations = b.iterations_ > 0 ? b.iterations_ : 1;
    for (;;) {
      State state(iterations, args);
      b.fn_(state);
      if (b.iterations_ > 0 || !state.error_.empty() || state.elapsed_ >= min_time ||
          iterations >= (std::int64_t{1} << 30)) {
        Report(b, args, state);
        return;
      }
      const double seconds = std::chrono::duration<double>(state.elapsed_).count();
      const double factor = seconds > 0 ? 1.4 * min_time.count() / seconds : 10;
      iterations = static_cast<std::int64_t>(static_cast<double>(iterations) * (factor < 10 ? factor : 10)) + 1;
    }
  }

  static void Report(const internal::Benchmark& b, const std::vector<std::int64_t>& args, const State& s) {
    std::string name = b.name_;
    for (std::int64_t a : args) name += "/" + std::to_string(a);
    if (!s.error_.empty()) {
      std::printf("%-40s ERROR: %s\n", name.c_str(), s.error_.c_str());
      return;
    }
    const double seconds = std::chrono::duration<double>(s.elapsed_).count();
    const double perIteration = seconds / static_cast<double>(s.iterations());
    const char* unit = "ns";
    double scale = 1e9;
    if (b.unit_ == kMicrosecond) unit = "us", scale = 1e6;
    if (b.unit_ == kMillisecond) unit = "ms", scale = 1e3;
    if (b.unit_ == kSecond) unit = "s", scale = 1;
    std::printf("%-40s %12.3f %s %10lld", name.c_str(), perIteration * scale, unit,
                static_cast<long long>(s.iterations()));
    if (s.bytes_ > 0) std::printf("  bytes_per_second=%.2fM/s", static_cast<double>(s.bytes_) / seconds / 1048576.0);
    if (s.items_ > 0) std::printf("  items_per_second=%.3fk/s", static_cast<double>(s.items_) / seconds / 1000.0);
    if (!s.label_.empty()) std::printf("  %s", s.label_.c_str());
    std::printf("\n");
  }
};

int RunAll() {
  std::printf("%-40s %15s %10s\n", "Benchmark", "Time", "Iterations");
  for (const auto& b : Registry()) {
    if (b->args_.empty())
      Runner::Run(*b, {});
    else
      for (const auto& args : b->args_) Runner::Run(*b, args);
  }
  return 0;
}

}  // namespace benchmark

int main() { return benchmark::RunAll(); }
