// The error every failure of the data-access layer raises; its message is
// the engine's own text, or ours for what the engine cannot know.
#pragma once

#include "framework/core/exception.h"

namespace hm {

class EDatabaseError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace hm
