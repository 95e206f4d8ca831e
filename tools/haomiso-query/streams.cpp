#include "tools/haomiso-query/streams.h"

#include <algorithm>
#include <cstring>

namespace hm::query {

std::size_t TStringInput::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, bytes_.size() - at_);
  std::memcpy(buffer, bytes_.data() + at_, n);
  at_ += n;
  return n;
}

TBufferedOutput::~TBufferedOutput() {
  try {
    Flush();
  } catch (const EToolIoError&) {
    // Whoever cares has flushed already and seen the error.
  }
}

void TBufferedOutput::Write(std::string_view text) {
  buffer_ += text;
  if (buffer_.size() >= capacity_) Flush();
}

void TBufferedOutput::Flush() {
  if (buffer_.empty()) return;
  const std::string pending = std::move(buffer_);
  buffer_.clear();
  target_.Write(pending);
  target_.Flush();
}

}  // namespace hm::query
