// haomiso-query on a file of 1,000,000 mobile numbers, the whole run as the
// program does it but in process: reading and classifying the lines, the
// lookups, formatting TSV (written nowhere). The goal: the whole file in
// under 10 s on one core.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "tools/haomiso-query/platform.h"
#include "tools/haomiso-query/query_tool.h"

namespace {

constexpr int kNumbers = 1000000;

std::string HostPath(std::string path) {
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // Wine's drive for "/"
#endif
  return path;
}

// Numbers across every block, assigned or not, a quarter of them written
// with +86, blanks or dashes; one in ten repeats an earlier prefix, as call
// records do.
const std::string& NumberFile() {
  static const std::string path = [] {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "haomiso-query-bench-numbers.txt";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::mt19937 random(20250101);
    std::uniform_int_distribution<int> prefix(1300000, 1999999);
    std::uniform_int_distribution<int> suffix(0, 9999);
    int last = prefix(random);
    char line[64];
    for (int i = 0; i < kNumbers; ++i) {
      const int p = i % 10 == 9 ? last : prefix(random);
      last = p;
      const int s = suffix(random);
      switch (i % 8) {
        case 1: std::snprintf(line, sizeof line, "+86 %07d%04d\n", p, s); break;
        case 5: std::snprintf(line, sizeof line, "%03d-%04d-%04d\n", p / 10000, p % 10000, s); break;
        default: std::snprintf(line, sizeof line, "%07d%04d\n", p, s);
      }
      out << line;
    }
    return file.string();
  }();
  return path;
}

class TNullOutput : public hm::query::TTextOutput {
 public:
  void Write(std::string_view text) override { bytes += text.size(); }
  std::size_t bytes = 0;
};

void BM_MillionMobileNumbers(benchmark::State& state) {
  const std::string file = NumberFile();
  TNullOutput out;
  TNullOutput err;
  hm::query::TToolContext context;
  context.out = &out;
  context.err = &err;
  context.openFile = hm::query::OpenFileInput;
  context.isFile = hm::query::IsRegularFile;
  context.today = hm::query::Today();
  double seconds = 0;
  int runs = 0;
  int failed = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    const int status = hm::query::RunQueryTool({"--db", HostPath(HAOMISO_CODE_BM), "--file", file}, context);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    ++runs;
    if (status != hm::query::kExitAnswered) ++failed;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(kNumbers) * runs);
  char label[96];
  std::snprintf(label, sizeof label, "%.0f lookups/s, %.2f s per file%s", kNumbers * runs / seconds, seconds / runs,
                failed ? ", NOT EVERY LINE ANSWERED" : "");
  state.SetLabel(label);
}
BENCHMARK(BM_MillionMobileNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
