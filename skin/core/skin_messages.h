// The private window messages between the skin objects. The values are
// fixed: frame skins, menu skins and the manager of other builds exchange
// them too.
#pragma once

#include "framework/ui/platform/win32.h"

namespace hm {

constexpr UINT WM_SKINCHANGED = 0x3401;     // through a framework form's slot: the skin was replaced
constexpr UINT WM_SKINFRAMEPAINT = 0x3502;  // repaint the skinned frame now
constexpr UINT WM_SKINSTART = 0x3503;       // posted (lParam 1000) right after a frame skin was attached
constexpr UINT WM_SKINQUERY = 0x3504;       // a window carrying a frame or menu skin answers 1
constexpr UINT WM_SKINBUTTON = 0x3514;      // a caption button with an application-defined Action; wParam = Action

// The framework's release notification, as the button skins see it.
constexpr UINT CM_SKINRELEASE = 0xB021;

}  // namespace hm
