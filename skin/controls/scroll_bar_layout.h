// The geometry of skinned scroll bars: where the bars of a scrolling window
// lie, how long the thumb is and where it sits, which part a press hit, and
// the position a thumb dragged so far stands for. Only numbers, so the
// rules are checked without a screen; the scroll-bar skins draw with them.
#pragma once

#include "framework/core/mul_div.h"
#include "skin/controls/nine_part_layout.h"

namespace hm {

// PressedPart of the scroll-bar skins.
constexpr int kPartNone = 0;
constexpr int kPartLeftArrow = 1;
constexpr int kPartRightArrow = 2;
constexpr int kPartUpArrow = 3;
constexpr int kPartDownArrow = 4;
constexpr int kPartHorzThumb = 5;
constexpr int kPartVertThumb = 6;

// Frames of the 23-frame [Scrollbar] arrow strip.
constexpr int kScrollArrowFrames = 23;
struct TArrowFrames {
  int first;
  int second;
};
// The two arrows of a bar as they are drawn now; a pressed arrow shows its
// pressed frame.
TArrowFrames ArrowFramesOf(bool vertical, int pressed_part);

// What a bar holds (as a SCROLLINFO).
struct TScrollData {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  int track_pos = 0;
};

// Lengths along one bar, in pixels. thumb_pos counts from the end of the
// first arrow.
struct TBarGeometry {
  int arrow_size = 0;
  int track_length = 0;
  int thumb_size = 0;
  int thumb_pos = 0;
};

struct TThumbMetrics {
  int bar_width = 16;      // SM_CXHSCROLL: the arrows are this long
  int min_thumb = 8;       // the smallest thumb
  int default_thumb = 16;  // SM_CXHTHUMB: the thumb of a bar without a page
};

// The thumb of a window scroll bar `bar_length` long. False (and `g`
// untouched) when the range is 0 or less: the previous thumb stays.
bool WindowBarGeometry(int bar_length, const TThumbMetrics& m, const TScrollData& info, TBarGeometry& g);
// The thumb of a scroll bar control from its Min, Max, PageSize and
// Position (a page of range + 1 shows everything). False for a negative
// range.
bool ControlBarGeometry(int bar_length, const TThumbMetrics& m, int min, int max, int page_size, int position,
                        TBarGeometry& g);

// Where the two window scroll bars and the size box between them lie, in
// window coordinates moved to 0,0.
struct TBarsPlace {
  bool horz = false;
  bool vert = false;
  TPieceRect horz_rect;
  TPieceRect vert_rect;
  bool size_box = false;  // both bars: the corner square between them
  TPieceRect size_box_rect;
};
struct TBarsFrame {
  int width = 0;  // the window
  int height = 0;
  int client_width = 0;
  int client_height = 0;
  int bar_width = 16;   // SM_CXHSCROLL
  int edge = 2;         // SM_CXEDGE, used when no bar tells the border's width
  bool horz = false;    // WS_HSCROLL
  bool vert = false;    // WS_VSCROLL
  bool left_bar = false;  // WS_EX_LEFTSCROLLBAR
};
TBarsPlace PlaceBars(const TBarsFrame& frame);

// The arrows of a bar: the bar width, or half the bar when it is shorter
// than two of them.
int ArrowLength(int bar_length, int bar_width);

// The rectangles of a bar `length` long and `thickness` thick (origin at
// its top-left), along x for horizontal bars.
struct TBarPieces {
  TPieceRect first_arrow;
  TPieceRect second_arrow;
  TPieceRect track;  // between the arrows of the bar width; may be empty
  TPieceRect thumb;  // empty when the bar has no room for one
};
TBarPieces BarPieces(int length, int thickness, bool vertical, int bar_width, const TBarGeometry& g);

enum class TBarHit { None, FirstArrow, PageBefore, Thumb, PageAfter, SecondArrow };
// `c` counts along the bar from its start.
TBarHit HitBar(int c, const TBarGeometry& g);

// One step of a thumb drag: the thumb moved `moved` pixels from where it
// was when the drag began.
struct TDragStep {
  int offset = 0;    // the thumb's place, counted as thumb_pos
  int position = 0;  // the scroll position it stands for
};
TDragStep ThumbDragStep(int start_thumb_pos, int moved, const TBarGeometry& g, const TScrollData& info);

}  // namespace hm
