// The options of the skin component that decide what gets skinned, apart
// from the component so portable code and tests can use them.
#pragma once

#include "framework/core/enum_type.h"

namespace hm {

// Kinds of controls and menus that may get a skin; bit i of a set is member i.
HM_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
        xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox, xcStatusBar, xcTab,
        xcSystemMenu, xcFastReport)
using TSkinControlTypes = Set<TSkinControlType>;

// Which windows a skin component governs.
HM_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog)

// Every kind but xcFastReport.
inline constexpr TSkinControlTypes kDefaultSkinControls =
    TSkinControlTypes::FromBits((std::uint64_t{1} << xcFastReport) - 1);

// What the component's Version reads, whatever is assigned to it.
inline constexpr const char* kSkinDataVersion = "2.68.9.07";

}  // namespace hm
