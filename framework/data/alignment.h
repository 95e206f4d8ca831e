// Horizontal text alignment, shared by fields and the controls showing them.
#pragma once

#include "framework/core/enum_type.h"

namespace hm {

HM_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

}  // namespace hm
