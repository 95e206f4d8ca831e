#include "skin/core/skin_definitions.h"

#include <iterator>

namespace hm {

namespace {

constexpr std::string_view kSectionNames[] = {
    "Progress",           "GroupBoxEdge",        "GroupBox",           "Toolbars",
    "Tabs",               "StatusBarEdges",      "ComboButton",        "SunkEdge",
    "ExtraImages",        "Headerbar",           "MenuItem",           "MenuBackground",
    "Scrollbar",          "HorzScroll",          "VertScroll",         "HorzScrollThumb",
    "VertScrollThumb",    "Trackbar.ThumbHorz",  "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
    "Trackbar.ThumbRight", "Trackbar.ThumbUp",   "Trackbar.ThumbDown", "UpDown.Horz",
    "UpDown.Vert",
};
static_assert(std::size(kSectionNames) == kSkinSectionCount);

}  // namespace

std::string_view SkinSectionName(TSkinSection section) {
  return section >= 0 && section < kSkinSectionCount ? kSectionNames[section] : std::string_view{};
}

TSkinDefinitions::TSkinDefinitions() {
  Borders[sbLeft].Name = "Left";
  Borders[sbRight].Name = "Right";
  Borders[sbTop].Name = "Top";
  Borders[sbBottom].Name = "Bottom";
}

}  // namespace hm
