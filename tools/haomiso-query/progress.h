// A progress line on standard error while a long input runs, rewritten in
// place; only for a terminal, and only once the run has taken a second.
#pragma once

#include <chrono>
#include <cstddef>

#include "tools/haomiso-query/streams.h"

namespace hm::query {

class TProgress {
 public:
  using Clock = std::chrono::steady_clock;
  TProgress(TTextOutput& err, bool enabled, Clock::duration delay = std::chrono::seconds(1));
  // After each input line.
  void Step(std::size_t lines) {
    if (enabled_ && (lines & 1023) == 0) Show(lines);
  }
  // Ends the line when one was shown.
  void Finish(std::size_t lines);

 private:
  void Show(std::size_t lines);

  TTextOutput& err_;
  bool enabled_;
  Clock::time_point next_;
  bool shown_ = false;
};

}  // namespace hm::query
