// Colours in the framework's encoding: 0x00BBGGRR for an explicit colour,
// 0xFF0000nn for the Windows system colour with index nn (the UI layer turns
// those into RGB with GetSysColor), plus the two special values clNone and
// clDefault. Descriptions store named colours by name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hm {

inline constexpr std::int32_t kSystemColorBase = static_cast<std::int32_t>(0xFF000000u);

enum TColor : std::int32_t {
  clBlack = 0x000000,
  clMaroon = 0x000080,
  clGreen = 0x008000,
  clOlive = 0x008080,
  clNavy = 0x800000,
  clPurple = 0x800080,
  clTeal = 0x808000,
  clGray = 0x808080,
  clSilver = 0xC0C0C0,
  clRed = 0x0000FF,
  clLime = 0x00FF00,
  clYellow = 0x00FFFF,
  clBlue = 0xFF0000,
  clFuchsia = 0xFF00FF,
  clAqua = 0xFFFF00,
  clWhite = 0xFFFFFF,
  clMoneyGreen = 0xC0DCC0,
  clSkyBlue = 0xF0CAA6,
  clCream = 0xF0FBFF,
  clMedGray = 0xA4A0A0,

  clScrollBar = kSystemColorBase | 0,
  clBackground = kSystemColorBase | 1,
  clActiveCaption = kSystemColorBase | 2,
  clInactiveCaption = kSystemColorBase | 3,
  clMenu = kSystemColorBase | 4,
  clWindow = kSystemColorBase | 5,
  clWindowFrame = kSystemColorBase | 6,
  clMenuText = kSystemColorBase | 7,
  clWindowText = kSystemColorBase | 8,
  clCaptionText = kSystemColorBase | 9,
  clActiveBorder = kSystemColorBase | 10,
  clInactiveBorder = kSystemColorBase | 11,
  clAppWorkSpace = kSystemColorBase | 12,
  clHighlight = kSystemColorBase | 13,
  clHighlightText = kSystemColorBase | 14,
  clBtnFace = kSystemColorBase | 15,
  clBtnShadow = kSystemColorBase | 16,
  clGrayText = kSystemColorBase | 17,
  clBtnText = kSystemColorBase | 18,
  clInactiveCaptionText = kSystemColorBase | 19,
  clBtnHighlight = kSystemColorBase | 20,
  cl3DDkShadow = kSystemColorBase | 21,
  cl3DLight = kSystemColorBase | 22,
  clInfoText = kSystemColorBase | 23,
  clInfoBk = kSystemColorBase | 24,
  clHotLight = kSystemColorBase | 26,
  clGradientActiveCaption = kSystemColorBase | 27,
  clGradientInactiveCaption = kSystemColorBase | 28,
  clMenuHighlight = kSystemColorBase | 29,
  clMenuBar = kSystemColorBase | 30,

  clNone = 0x1FFFFFFF,
  clDefault = 0x20000000,
};

constexpr TColor RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

// Any negative value is a system colour; older stored values use 0x80 as the
// high byte instead of 0xFF, and both mean the index in the low byte.
constexpr bool IsSystemColor(TColor c) { return static_cast<std::int32_t>(c) < 0; }
constexpr int SystemColorIndex(TColor c) { return static_cast<std::int32_t>(c) & 0xFF; }

// "clBtnFace" <-> value, ASCII case ignored when reading; names of the
// table above only.
std::optional<std::string> ColorToIdent(TColor c);
std::optional<TColor> IdentToColor(std::string_view ident);

}  // namespace hm
