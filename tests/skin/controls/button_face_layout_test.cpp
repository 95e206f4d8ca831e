// The state rules and geometry of the button, box, spin and bar skins.
#include "skin/controls/button_face_layout.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace hm {
namespace {

TButtonLook Look(bool pressed, bool hot, bool is_default, bool focused, bool enabled = true, bool down = false) {
  return TButtonLook{pressed, hot, is_default, focused, enabled, down};
}

TEST(ButtonFaces, AFocusedDefaultButtonIsDefaultWhenPlainAndHotWhenABitButton) {
  EXPECT_EQ(PushButtonFace(Look(false, false, true, true)), kFaceDefault);
  EXPECT_EQ(BitButtonFace(Look(false, false, true, true)), kFaceHot);
  EXPECT_EQ(BitButtonFace(Look(false, true, true, false)), kFaceHot);
  EXPECT_EQ(BitButtonFace(Look(false, false, true, false)), kFaceDefault);
  EXPECT_EQ(PushButtonFace(Look(false, true, true, false)), kFaceHot);
  EXPECT_EQ(PushButtonFace(Look(false, false, false, true)), kFaceHot);
  EXPECT_EQ(PushButtonFace(Look(false, false, false, false)), kFaceNormal);
  EXPECT_EQ(PushButtonFace(Look(true, true, true, true)), kFacePressed);
  EXPECT_EQ(BitButtonFace(Look(true, true, true, true)), kFacePressed);
}

TEST(ButtonFaces, DisabledWinsOverPressedAndHotButDownWinsOnASpeedButton) {
  for (bool pressed : {false, true})
    for (bool hot : {false, true}) {
      EXPECT_EQ(PushButtonFace(Look(pressed, hot, true, true, false)), kFaceDisabled);
      EXPECT_EQ(BitButtonFace(Look(pressed, hot, true, true, false)), kFaceDisabled);
      EXPECT_EQ(SpeedButtonFace(Look(pressed, hot, false, false, false)), kFaceDisabled);
      EXPECT_EQ(SpeedButtonFace(Look(pressed, hot, false, false, false, true)), kFacePressed);
    }
  EXPECT_EQ(SpeedButtonFace(Look(false, true, false, false)), kFaceHot);
  EXPECT_EQ(GlyphFrameOfFace(kFacePressed), 3);
  EXPECT_EQ(GlyphFrameOfFace(kFaceDisabled), 2);
  EXPECT_EQ(GlyphFrameOfFace(kFaceHot), 1);
  EXPECT_EQ(GlyphFrameOfFace(kFaceDefault), 1);
}

TGlyphTextInput Input(int cw, int ch, int gw, int gh, int tw, int th, int margin, int spacing,
                      TGlyphLayout layout = TGlyphLayout::Left) {
  TGlyphTextInput in;
  in.client_width = cw;
  in.client_height = ch;
  in.glyph_width = gw;
  in.glyph_height = gh;
  in.text_width = tw;
  in.text_height = th;
  in.margin = margin;
  in.spacing = spacing;
  in.layout = layout;
  return in;
}

TEST(GlyphTextLayout, TheSearchButtonCentresItsCaptionWithoutSpacing) {
  // 54 x 42, no glyph, Margin -1, Spacing 4: the main window's buttons.
  const TGlyphTextPlace p = PlaceGlyphText(Input(54, 42, 0, 0, 45, 13, -1, 4));
  EXPECT_EQ(p.spacing, 0);
  EXPECT_EQ(p.margin, (54 - 45) / 2);
  EXPECT_EQ(p.text_x, 4);
  EXPECT_EQ(p.text_y, (42 - 13 + 1) / 2);
  EXPECT_EQ(p.align, TTextAlign::Left);
}

TEST(GlyphTextLayout, MarginsAndSpacingsAlongEachLayout) {
  // A 16 x 16 glyph left of a 30-pixel caption in a 75-pixel button.
  TGlyphTextPlace p = PlaceGlyphText(Input(75, 25, 16, 16, 30, 13, -1, 4));
  EXPECT_EQ(p.margin, (75 - (16 + 4 + 30)) / 2);
  EXPECT_EQ(p.glyph_x, 12);
  EXPECT_EQ(p.text_x, 12 + 16 + 4);
  EXPECT_EQ(p.glyph_y, (25 - 16 + 1) / 2);
  EXPECT_EQ(p.text_y, (25 - 13 + 1) / 2);
  // Both -1: the room shared in three.
  p = PlaceGlyphText(Input(75, 25, 16, 16, 30, 13, -1, -1));
  EXPECT_EQ(p.margin, (75 - 46) / 3);
  EXPECT_EQ(p.spacing, p.margin);
  // A margin given, the spacing spread over what is left.
  p = PlaceGlyphText(Input(75, 25, 16, 16, 30, 13, 5, -1));
  EXPECT_EQ(p.spacing, (75 - 21 - 30) / 2);
  EXPECT_EQ(p.text_x, 5 + 16 + p.spacing);
  // Right: glyph against the right margin, caption before it.
  p = PlaceGlyphText(Input(75, 25, 16, 16, 30, 13, 3, 2, TGlyphLayout::Right));
  EXPECT_EQ(p.glyph_x, 75 - 3 - 16);
  EXPECT_EQ(p.text_x, p.glyph_x - 2 - 30);
  EXPECT_EQ(p.align, TTextAlign::Right);
  // Top and bottom: centred across, placed down the height.
  p = PlaceGlyphText(Input(60, 50, 16, 16, 30, 13, -1, 4, TGlyphLayout::Top));
  EXPECT_EQ(p.glyph_x, (60 - 16 + 1) / 2);
  EXPECT_EQ(p.text_x, (60 - 30 + 1) / 2);
  EXPECT_EQ(p.glyph_y, (50 - 33) / 2);
  EXPECT_EQ(p.text_y, p.glyph_y + 16 + 4);
  EXPECT_EQ(p.align, TTextAlign::Centre);
  p = PlaceGlyphText(Input(60, 50, 16, 16, 30, 13, 2, 3, TGlyphLayout::Bottom));
  EXPECT_EQ(p.glyph_y, 50 - 2 - 16);
  EXPECT_EQ(p.text_y, p.glyph_y - 3 - 13);
  // A speed button's centred margin is one more.
  TGlyphTextInput speed = Input(75, 25, 16, 16, 30, 13, -1, 4);
  speed.speed_button = true;
  EXPECT_EQ(PlaceGlyphText(speed).margin, 13);
  // A layout wider than the button gives a negative margin, not a crash.
  EXPECT_EQ(PlaceGlyphText(Input(20, 20, 16, 16, 30, 13, -1, 4)).margin, (20 - 50) / 2);
}

TEST(GlyphTextLayout, LayoutNamesInAnyCase) {
  EXPECT_EQ(GlyphLayoutFromName("blGlyphRight"), TGlyphLayout::Right);
  EXPECT_EQ(GlyphLayoutFromName("BLGLYPHTOP"), TGlyphLayout::Top);
  EXPECT_EQ(GlyphLayoutFromName("blglyphbottom"), TGlyphLayout::Bottom);
  EXPECT_EQ(GlyphLayoutFromName("blGlyphLeft"), TGlyphLayout::Left);
  EXPECT_EQ(GlyphLayoutFromName(""), TGlyphLayout::Left);
  EXPECT_EQ(GlyphLayoutFromName(nullptr), TGlyphLayout::Left);
}

TEST(BoxFrames, TwelveAndFourFrameCheckImagesAndRadioImages) {
  EXPECT_EQ(CheckBoxFrame(12, false, false, true), 1);
  EXPECT_EQ(CheckBoxFrame(12, true, false, true), 5);
  EXPECT_EQ(CheckBoxFrame(12, false, false, false), 4);
  EXPECT_EQ(CheckBoxFrame(12, true, false, false), 8);
  EXPECT_EQ(CheckBoxFrame(12, false, true, true), 9);
  EXPECT_EQ(CheckBoxFrame(12, true, true, false), 12);
  EXPECT_EQ(CheckBoxFrame(4, true, false, true), 2);
  EXPECT_EQ(CheckBoxFrame(4, false, false, false), 3);
  EXPECT_EQ(CheckBoxFrame(4, true, false, false), 4);
  EXPECT_EQ(CheckBoxFrame(4, false, true, true), 4);
  EXPECT_EQ(CheckBoxFrame(4, false, true, false), 4);
  EXPECT_EQ(RadioButtonFrame(8, true, true), 5);
  EXPECT_EQ(RadioButtonFrame(8, false, false), 4);
  EXPECT_EQ(RadioButtonFrame(8, true, false), 8);
  EXPECT_EQ(RadioButtonFrame(4, true, true), 2);
  EXPECT_EQ(RadioButtonFrame(4, false, false), 3);
  EXPECT_EQ(RadioButtonFrame(4, true, false), 4);
  // A skin without a frame count: square frames.
  EXPECT_EQ(FramesOfStrip(0, 56, 14), 4);
  EXPECT_EQ(FramesOfStrip(12, 56, 14), 12);
  EXPECT_EQ(FramesOfStrip(0, 10, 14), 1);
  EXPECT_EQ(FramesOfStrip(0, 10, 0), 1);
}

TEST(BoxFrames, WhereTheBoxGoes) {
  const TPieceRect r{0, 0, 120, 20};
  TBoxPlace p = PlaceBox(r, 13, 13, 13, false, false);
  EXPECT_EQ(p.box, (TPieceRect{2, 3, 15, 16}));
  EXPECT_EQ(p.background, (TPieceRect{0, 0, 16, 20}));
  p = PlaceBox(r, 13, 13, 13, false, true);
  EXPECT_EQ(p.box.left, 0);
  p = PlaceBox(r, 16, 16, 13, false, false);
  EXPECT_EQ(p.box, (TPieceRect{2, 2, 18, 18}));
  p = PlaceBox(r, 10, 10, 13, true, false);
  EXPECT_EQ(p.box, (TPieceRect{120 - 2 - 10, 5, 118, 15}));
  EXPECT_EQ(p.background, (TPieceRect{120 - 16, 0, 120, 20}));
  p = PlaceBox(r, 16, 16, 13, true, true);
  EXPECT_EQ(p.box.right, 119);
}

TEST(UpDownFrames, ThePressedHalfFollowsTheCursor) {
  const TPieceRect client{0, 0, 16, 30};
  TUpDownLook look;
  look.pressed = true;
  look.cursor_x = 8;
  look.cursor_y = 20;
  TUpDownPlace p = PlaceUpDown(client, look);
  EXPECT_EQ(p.first, (TPieceRect{0, 0, 16, 15}));
  EXPECT_EQ(p.second, (TPieceRect{0, 15, 16, 30}));
  EXPECT_EQ(p.first_frame, 1);
  EXPECT_EQ(p.second_frame, 6);
  look.pressed = false;
  look.hot = true;
  look.cursor_y = 3;
  p = PlaceUpDown(client, look);
  EXPECT_EQ(p.first_frame, 4);
  EXPECT_EQ(p.second_frame, 5);
  look.enabled = false;
  p = PlaceUpDown(client, look);
  EXPECT_EQ(p.first_frame, 3);
  EXPECT_EQ(p.second_frame, 7);
  // Horizontal: split across, the cursor's x decides.
  TUpDownLook across;
  across.horizontal = true;
  across.pressed = true;
  across.cursor_x = 20;
  p = PlaceUpDown(TPieceRect{1, 1, 31, 15}, across);
  EXPECT_EQ(p.first, (TPieceRect{1, 1, 16, 15}));
  EXPECT_EQ(p.first_frame, 1);
  EXPECT_EQ(p.second_frame, 6);
}

TEST(ProgressFills, PositionAgainstTheWholeRange) {
  EXPECT_EQ(ProgressFill(0, 0, 100, 200), 0);
  EXPECT_EQ(ProgressFill(50, 0, 100, 200), 100);
  EXPECT_EQ(ProgressFill(100, 0, 100, 200), 200);
  EXPECT_EQ(ProgressFill(100, 50, 150, 200), 100) << "the low end counts";
  EXPECT_EQ(ProgressFill(40, 50, 150, 200), 0);
  EXPECT_EQ(ProgressFill(400, 0, 100, 200), 200);
  EXPECT_EQ(ProgressFill(5, 10, 10, 200), 0);
  EXPECT_EQ(ProgressFill(2'000'000'000, 0, 2'100'000'000, 1000), 952) << "no overflow";
  EXPECT_EQ(ProgressFill(50, 0, 100, 0), 0);
}

}  // namespace
}  // namespace hm
