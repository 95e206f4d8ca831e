// Keyboard and mouse shift state, mouse buttons, and menu shortcuts. A shortcut is one 16-bit value:
// the virtual key in the low byte plus scShift, scCtrl and scAlt, as stored
// in descriptions (Alt+Down is 0x8028).
#pragma once

#include "framework/ui/platform/win32.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/enum_type.h"

namespace hm {

HM_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = Set<TShiftStateItem>;
HM_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortcut, WORD& key, TShiftState& shift);
// "Ctrl+S", "Shift+F4", "Alt+Down"; empty for 0 or a key without a name.
std::string ShortCutToText(TShortCut shortcut);
// The reverse, ASCII case ignored; 0 when the text names no shortcut.
TShortCut TextToShortCut(std::string_view text);

// The modifier keys held now, from the thread's key state.
TShiftState KeyboardShiftState();
// Modifier and button flags of a mouse message's wParam (MK_*).
TShiftState MouseShiftState(WPARAM flags);

}  // namespace hm
