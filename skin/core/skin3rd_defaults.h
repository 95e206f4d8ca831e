// The default Skin3rd lines of the skin component: further control class
// names and the skin kind each gets ("TRzButton=button"). Kept exactly as
// forms store them, repeats and letter case included, so a stored list that
// equals the default is recognised as such and not written out.
#pragma once

#include <span>

namespace hm {

inline constexpr int kDefaultSkin3rdCount = 85;

std::span<const char* const> DefaultSkin3rdLines();

}  // namespace hm
