// Turning the framework's colour values into pixels.
#pragma once

#include <cstdint>

#include "framework/core/color.h"

namespace hm {

// The RGB value (0x00BBGGRR) to draw with; system colours are looked up now.
std::uint32_t ColorToRGB(TColor color);

}  // namespace hm
