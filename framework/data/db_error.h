// The error every failure of the data-access layer raises; its message is
// the engine's own text, or ours for what the engine cannot know.
#pragma once

#include "framework/core/exception.h"

namespace hm {

class EDatabaseError : public Exception {
 public:
  explicit EDatabaseError(std::string message, int engineCode = 0, int systemError = 0)
      : Exception(std::move(message)), engineCode_(engineCode), systemError_(systemError) {}
  // The engine's extended result code, 0 for the layer's own errors.
  int EngineCode() const { return engineCode_; }
  // The operating system's error behind a failed open or read, when known.
  int SystemError() const { return systemError_; }

 private:
  int engineCode_;
  int systemError_;
};

}  // namespace hm
