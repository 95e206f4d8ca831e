// Builders of the single kolvane bitmaps, shared by kolvane.cpp and the
// preview. Each returns the whole strip with its frames in painter order.
#pragma once

#include "tools/skingen/image.h"
#include "tools/skingen/look.h"

namespace hm::skingen::kolvane {

// Heights the frame pieces are drawn for: the caption height the Top
// border gives, and the row where the caption buttons sit.
inline constexpr int kCaptionHeight = 25;
inline constexpr int kCaptionButtonTop = 5;

// Colour of title row y (0..24) for the active or the inactive frame.
TRgb TitleRow(const TLook& look, bool active, int y);

// Window frame
TImage BodyTop(const TLook& look);      // 100×50, 2 frames stacked
TImage BodyLeft(const TLook& look);     // 10×174, 2 frames side by side
TImage BodyRight(const TLook& look);    // mirror of the left border
TImage BodyBottom(const TLook& look);   // 130×26, 2 frames stacked
TImage TextBack(const TLook& look);     // 2 frames stacked, 25 high each
TImage MenuBar(const TLook& look);      // 2 frames stacked
// 84×12, 6 frames: rest, pressed, hot, inactive, disabled, inactive disabled.
TImage CaptionButton(const TLook& look, const char* glyph, bool close);
TImage MdiControls(const TLook& look);  // 180×14, 12 frames

// Controls
TImage PushButtons(const TLook& look);  // 375×20, 5 frames
TImage CheckBox(const TLook& look);     // 56×14, 4 frames of 14
TImage RadioButton(const TLook& look);  // 56×14, 4 frames of 14
TImage Arrows(const TLook& look);       // 368×16, 23 frames
TImage ScrollTrack(const TLook& look);  // 4 frames, horizontal and vertical alike
TImage HorzThumb(const TLook& look);    // 3 frames
TImage VertThumb(const TLook& look);    // 3 frames
TImage Tabs(const TLook& look);         // 5 frames
TImage TabBorder(const TLook& look);    // 1 frame
TImage SunkEdge(const TLook& look);     // 4 frames
TImage ComboButton(const TLook& look);  // 72×21, 4 frames
TImage Progress(const TLook& look);     // 2 frames
TImage MenuBackground(const TLook& look);
TImage MenuItem(const TLook& look);     // 5 frames
TImage Toolbars(const TLook& look);     // 5 frames
TImage Headerbar(const TLook& look);    // 5 frames
TImage GroupBoxEdge(const TLook& look); // 2 frames
TImage GroupBox(const TLook& look);     // 1 frame
TImage StatusBarEdges(const TLook& look);  // 3 frames

}  // namespace hm::skingen::kolvane
