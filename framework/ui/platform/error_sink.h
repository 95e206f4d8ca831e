// Where errors go that reach a window procedure, a timer callback or a hook:
// none may cross the system's frames. The application registers its default
// error report here; until it does, such errors are dropped.
#pragma once

namespace hm {

// Called inside a catch block; it must not throw.
using TErrorSink = void (*)() noexcept;

void SetErrorSink(TErrorSink sink) noexcept;

// For window-procedure entry points: reports the current exception through
// the registered sink. Call it inside a catch block.
void HandleWindowProcException() noexcept;

}  // namespace hm
