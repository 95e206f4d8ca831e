// Failures of system calls become exceptions carrying the call's name and the
// system's error text.
#pragma once

#include <string>
#include <string_view>

#include "framework/ui/portable/exceptions.h"

namespace hm {

class EOSError : public Exception {
 public:
  EOSError(std::string message, unsigned long code) : Exception(std::move(message)), code_(code) {}
  unsigned long ErrorCode() const { return code_; }

 private:
  unsigned long code_;
};

// Throws EOSError for GetLastError() after the named call failed.
[[noreturn]] void RaiseLastWin32Error(std::string_view call);

}  // namespace hm
