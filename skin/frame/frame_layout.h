// Where the skinned frame puts things, without a screen: when a caption
// button shows, where it goes, where the caption text and its plate go,
// how a three-part strip is cut, how wide a message box must be for its
// caption, and which pixels of a border image are see-through.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/controls/nine_part_layout.h"

namespace hm {

// ---- Caption buttons

// Features bits, as the frame skin keeps them.
constexpr int kFrameHasMaximizeBox = 1;
constexpr int kFrameHasMinimizeBox = 2;
constexpr int kFrameHasSystemMenu = 8;

struct TCaptionButtonContext {
  int features = 0;
  bool maximized = false;
  bool active = true;
  // An MDI frame whose active child is maximized and that has a menu bar.
  bool mdi_child_maximized_in_bar = false;
};

// Whether a button with these definition values shows.
bool CaptionButtonVisible(int action, int visibility, int visibility1, const TCaptionButtonContext& context);

struct TCaptionPlaceContext {
  int window_width = 0;
  int border_left = 0;
  int border_right = 0;
  int caption_height = 0;
  int menu_bar_height = 0;
  int menu_left_margin = 0;  // the menu bar's left margin, 0 without a menu-bar definition
  bool right_to_left = false;
  TPieceRect text_rect;  // the caption text's plate at the last paint
};

// The top-left corner of a w x h button by its Align.
struct TCaptionPoint {
  int x = 0;
  int y = 0;
};
TCaptionPoint CaptionButtonOrigin(int align, int xcoord, int ycoord, int w, int h, const TCaptionPlaceContext& c);

// ---- Caption text

struct TCaptionTextInput {
  TPieceRect title;        // the title bar between the side borders
  int text_width = 0;      // the measured text, with its measuring space
  int text_height = 0;
  int alignment = 0;       // TextAlignment
  int shift = 0;           // TextShift
  int right_clip = 0;      // TextRightClip
  int shift_vert = 0;      // TextShiftVert
  int back_left = 0;       // TXTBackLeft
  int back_right = 0;      // TXTBackRight
  bool right_to_left = false;
  bool popup = false;          // the window has WS_POPUP
  int right_buttons_left = 0;  // from the previous layout
};

// The plate's rectangle (TextRect); the text goes inside it less the
// plate's caps.
TPieceRect PlaceCaptionText(const TCaptionTextInput& in);

// ---- Three-part strips: a left cap, the middle repeated, a right cap.

struct TStripPiece {
  int source_left = 0;  // within the frame
  int source_width = 0;
  int dest_left = 0;
  int dest_width = 0;
};
// In drawing order. Caps as wide as the frame or wider leave no middle:
// only the caps are drawn then.
std::vector<TStripPiece> ThreePartPieces(int frame_width, int left_cap, int right_cap, int dest_width);

// ---- Message boxes: the width a caption of `length` characters needs.
struct TMessageBoxWidthInput {
  int caption_length = 0;
  int space_width = 0;
  int border_left = 0;
  int border_right = 0;
  int shift = 0;
  int right_clip = 0;
  int back_left = 0;
  int back_right = 0;
};
int MessageBoxNeededWidth(const TMessageBoxWidthInput& in);

// ---- Outline: magenta and its near neighbours (red 255, green 0 or 1,
// blue 255) are see-through. `bgrx` is a 32-bit DIB pixel.
constexpr bool IsOutlineKey(std::uint32_t bgrx) {
  const std::uint32_t b = bgrx & 0xFF, g = (bgrx >> 8) & 0xFF, r = (bgrx >> 16) & 0xFF;
  return r == 255 && g <= 1 && b == 255;
}

struct TPixelRun {
  int left = 0;
  int right = 0;  // exclusive
  bool operator==(const TPixelRun&) const = default;
};
// The runs of pixels that are not see-through in one row, left to right.
void OpaqueRuns(const std::uint32_t* row, int width, std::vector<TPixelRun>& runs);

}  // namespace hm
