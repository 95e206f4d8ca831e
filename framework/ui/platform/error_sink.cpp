#include "framework/ui/platform/error_sink.h"

namespace hm {

namespace {
TErrorSink g_sink = nullptr;  // user-interface thread only
}

void SetErrorSink(TErrorSink sink) noexcept { g_sink = sink; }

void HandleWindowProcException() noexcept {
  if (g_sink) g_sink();
}

}  // namespace hm
