// The rules by which the skin loader turns INI values and image sizes into
// definition fields. Portable, so they are tested on their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/color.h"

namespace hm {

// Colour text: runs of decimal digits, each ended by any other character,
// give red, green and blue in turn (each modulo 256; missing ones are 0). A
// final run counts only after exactly two were stored; a run too large for
// 32 bits is never stored and so blocks every later component. Empty text
// (after trimming) gives `defaultColour`.
TColor ParseSkinColour(std::string_view text, TColor defaultColour);

// The explicit colour of three components, each taken modulo 256; clNone
// unless all three are at least 0.
TColor SkinRgb(std::int32_t red, std::int32_t green, std::int32_t blue);

// The archive member a bitmap value names: the text after the last '\' or
// ':' (skin texts are 8-bit GBK; a trail byte never counts), if its
// extension is exactly ".bmp". Nothing for an empty name or any other
// extension, ".BMP" included.
std::optional<std::string> SkinBitmapMember(std::string_view value);

// Caption buttons: sections whose upper-case name begins with "BUTTON" are
// caption buttons, except "BUTTON", "BUTTONS", "BUTTON.RADIO" and
// "BUTTON.CHECKBOX".
bool IsCaptionButtonSection(std::string_view section);
// ... and except one whose Action is -1 while its Visibility (read with -1
// as default) is not 0.
inline bool IsHiddenCaptionButton(std::int32_t action, std::int32_t visibility) {
  return action == -1 && visibility != 0;
}
// Frame count of a caption button without a frame key: 6, or for an image
// 3 when width / height is at most 3.8; 6 again whenever Action is negative.
int CaptionButtonFrameCount(int width, int height, std::int32_t action);
// Actions whose button keeps no image (the window icon, for instance).
inline bool IsImagelessAction(std::int32_t action) { return action == 3 || action == 11; }

// The three buttons of a maximized MDI child come from one image of 12
// equal frames, four per button in Action order (7, 8, 9).
struct TMdiButtonCut {
  int left = 0;   // source rectangle: left .. left + width, full height
  int width = 0;
  int xcoord = 0;
};
TMdiButtonCut MdiButtonCut(int imageWidth, int index);

// Check-box and radio-button frames when the skin gives no count: frames of
// 13 pixels for images lower than 16, else of 16; at least 4.
int CheckFrameCount(int width, int height);

// Sections of the colour table: upper-case name beginning with "COLOUR",
// other than "COLOURS".
bool IsColourTableSection(std::string_view section);

}  // namespace hm
