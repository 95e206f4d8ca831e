// The state rules and geometry of the button, box, spin and bar skins:
// which frame of a strip a state shows, where glyph and caption go, where
// a check box's box sits. Only numbers, so they are checked without a
// screen; the skins draw with them.
#pragma once

#include <cstdint>

#include "skin/controls/nine_part_layout.h"

namespace hm {

// ---- Button faces: frames of the five-frame [Buttons] strip.
constexpr int kFaceNormal = 1;
constexpr int kFacePressed = 2;
constexpr int kFaceDisabled = 3;
constexpr int kFaceHot = 4;  // also focused
constexpr int kFaceDefault = 5;

struct TButtonLook {
  bool pressed = false;
  bool hot = false;
  bool is_default = false;
  bool focused = false;
  bool enabled = true;
  bool down = false;  // speed buttons only
};
// Push buttons: a focused default button shows the default frame.
int PushButtonFace(const TButtonLook& look);
// Bit buttons: focus and hover win over the default frame.
int BitButtonFace(const TButtonLook& look);
// Speed buttons: a button that is down shows pressed whatever else holds.
int SpeedButtonFace(const TButtonLook& look);
// The glyph image for a face: pressed 3, disabled 2, otherwise 1.
int GlyphFrameOfFace(int face);

// ---- Glyph and caption of bit and speed buttons.
enum class TGlyphLayout { Left, Right, Top, Bottom };
enum class TTextAlign { Left, Centre, Right };

struct TGlyphTextInput {
  int client_width = 0;
  int client_height = 0;
  int glyph_width = 0;
  int glyph_height = 0;
  int text_width = 0;
  int text_height = 0;
  int margin = -1;   // -1: centred
  int spacing = 4;   // -1: spread
  TGlyphLayout layout = TGlyphLayout::Left;
  bool speed_button = false;  // a centred margin is one pixel more
};
struct TGlyphTextPlace {
  int glyph_x = 0;
  int glyph_y = 0;
  int text_x = 0;
  int text_y = 0;
  int margin = 0;   // as used
  int spacing = 0;  // as used
  TTextAlign align = TTextAlign::Left;
};
TGlyphTextPlace PlaceGlyphText(const TGlyphTextInput& in);
// "blGlyphRight" and the others, any case; anything else is Left.
TGlyphLayout GlyphLayoutFromName(const char* name);

// ---- Check boxes and radio buttons.
// Frames of a strip whose count the skin did not give: square frames.
int FramesOfStrip(int given, int width, int height);
int CheckBoxFrame(int frame_count, bool checked, bool indeterminate, bool enabled);
int RadioButtonFrame(int frame_count, bool checked, bool enabled);

struct TBoxPlace {
  TPieceRect box;         // where the frame is stretched
  TPieceRect background;  // filled with the face colour first
};
// rect: the control at 0,0; fw, fh: one frame; check: SM_CXMENUCHECK.
TBoxPlace PlaceBox(const TPieceRect& rect, int fw, int fh, int check, bool text_left, bool radio);

// ---- Up-downs: the two halves and the frame each shows (1..8).
struct TUpDownLook {
  bool horizontal = false;
  bool pressed = false;
  bool hot = false;
  bool enabled = true;
  int cursor_x = -1;  // client coordinates
  int cursor_y = -1;
};
struct TUpDownPlace {
  TPieceRect first;  // up or left
  TPieceRect second;
  int first_frame = 1;
  int second_frame = 5;
};
TUpDownPlace PlaceUpDown(const TPieceRect& client, const TUpDownLook& look);

// ---- Progress bars: how much of `extent` pixels the position fills.
// Positions outside the range are held to it; an empty range fills nothing.
int ProgressFill(std::int64_t position, std::int64_t low, std::int64_t high, int extent);

}  // namespace hm
