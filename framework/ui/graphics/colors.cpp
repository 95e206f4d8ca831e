#include "framework/ui/graphics/colors.h"

#include "framework/ui/platform/win32.h"

namespace hm {

std::uint32_t ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<std::uint32_t>(color) & 0xFFFFFFu;
}

}  // namespace hm
