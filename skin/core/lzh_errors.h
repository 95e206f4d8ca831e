// ElzhException: failures of the LZH codec.
#pragma once

#include "framework/core/exception.h"

namespace hm {

class ElzhException : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* kLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
// Kept for callers that match on it; releasing the tables is an owner's
// destructor here and cannot fail, so the codec never raises it.
inline constexpr const char* kLzhFreeError = "LZH : Error freeing memory for dictionary tables";

}  // namespace hm
