// Everything one skin load fills: the skin's name, its colours and colour
// table, and its definitions. The skin component holds one of these and
// hands the parts out to the painters.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/color.h"
#include "skin/core/data_skin_objects.h"

namespace hm {

// The [Colours] section; each key's default applies when it is absent or
// empty.
struct TSkinColours {
  TColor WindowTextColor = clWindowText;
  TColor ButtonFaceColor = clBtnFace;
  TColor ScrollbarColor = clScrollBar;
  TColor HilightTextColor = clHighlightText;
  TColor HilightColor = clHighlight;
  TColor MenubarColor = clBtnFace;  // defaults to ButtonFaceColor
  TColor MenuColor = clMenu;
  TColor MenuTextColor = clMenuText;
  TColor ButtonTextColor = clBtnText;
  TColor ButtonHilightColor = clBtnHighlight;
  TColor ButtonLightColor = clBtnHighlight;
  TColor ButtonShadowColor = clBtnShadow;
  TColor ButtonDkShadowColor = cl3DDkShadow;
  TColor MenuBarTextColor = clMenuText;
  TColor TitleTextActiveColor = clCaptionText;
  TColor TitleTextNoActiveColor = clInactiveCaptionText;
};

HM_ENUM(TSkinBorderSide, sbLeft, sbRight, sbTop, sbBottom)

// The image sections that give a definition only when the skin has their
// image; in load order.
HM_ENUM(TSkinSection, ssProgress, ssGroupBoxEdge, ssGroupBox, ssToolbars, ssTabs, ssStatusBarEdges, ssComboButton,
        ssSunkEdge, ssExtraImages, ssHeaderbar, ssMenuItem, ssMenuBackground, ssScrollbar, ssHorzScroll,
        ssVertScroll, ssHorzScrollThumb, ssVertScrollThumb, ssTrackbarThumbHorz, ssTrackbarThumbVert,
        ssTrackbarThumbLeft, ssTrackbarThumbRight, ssTrackbarThumbUp, ssTrackbarThumbDown, ssUpDownHorz,
        ssUpDownVert)
inline constexpr int kSkinSectionCount = ssUpDownVert + 1;

// The INI section of each (also the definition's Name): "Progress",
// "Trackbar.ThumbHorz", "UpDown.Vert", ...
std::string_view SkinSectionName(TSkinSection section);

struct TSkinDefinitions {
  TSkinDefinitions();

  std::string SkinName;
  TSkinColours Colours;
  std::vector<TColor> ColourTable;  // one entry per [Colour...] section, in file order
  TDataSkinBorder Borders[4];       // by TSkinBorderSide, named "Left", "Right", "Top", "Bottom"
  TDataSkinTitle Title{"Title"};
  TDataSkinButton Buttons{"Buttons"};
  std::vector<std::unique_ptr<TDataSkinSysButton>> CaptionButtons;
  std::unique_ptr<TDataSkinObject> MenuBar;  // named "Personality"
  // Null while the skin lacks the section's image. Tabs, ComboButton,
  // Progress and the up-downs are TDataSkinBorder, GroupBox is
  // TDataSkinBoxLabel.
  std::array<std::unique_ptr<TDataSkinObject>, kSkinSectionCount> Sections;
};

}  // namespace hm
