// Sizes of a Win32 rectangle.
#pragma once

#include "framework/ui/platform/win32.h"

namespace hm {

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace hm
