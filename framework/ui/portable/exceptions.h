// Exceptions of the window framework, on top of the core ones.
#pragma once

#include "framework/core/exception.h"

namespace hm {

// The silent abort: it unwinds like any error, but the application's default
// error report shows nothing for it.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

[[noreturn]] inline void Abort() { throw EAbort(); }

// A bad image file or resource.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// Misuse of a control or form: no parent window, a hidden control asked for focus.
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace hm
