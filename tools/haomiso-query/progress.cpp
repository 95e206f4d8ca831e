#include "tools/haomiso-query/progress.h"

#include <string>

namespace hm::query {
namespace {

std::string Text(std::size_t lines) { return "\rhaomiso-query: 已处理 " + std::to_string(lines) + " 行"; }

}  // namespace

TProgress::TProgress(TTextOutput& err, bool enabled, Clock::duration delay)
    : err_(err), enabled_(enabled), next_(Clock::now() + delay) {}

void TProgress::Show(std::size_t lines) {
  const Clock::time_point now = Clock::now();
  if (now < next_) return;
  next_ = now + std::chrono::milliseconds(250);
  shown_ = true;
  err_.Write(Text(lines));
  err_.Flush();
}

void TProgress::Finish(std::size_t lines) {
  if (!shown_) return;
  err_.Write(Text(lines) + "\n");
  err_.Flush();
}

}  // namespace hm::query
