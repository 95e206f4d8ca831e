#pragma once

#include <string>

#include "framework/ui/platform/win32.h"

namespace hm {

// Whether `character` is the accelerator of `caption`: the character after
// its first single "&" ("&&" is a literal ampersand), compared case-blind.
bool IsAccelerator(WPARAM character, const std::string& caption);

}  // namespace hm
