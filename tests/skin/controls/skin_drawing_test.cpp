// The shared drawing routines on real bitmaps: magenta stays see-through,
// the right state frame is cut, glyph frames and their grey state, skin
// images with and without transparency, and text in its states.
#include "skin/controls/skin_drawing.h"

#include <gtest/gtest.h>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "skin/core/data_skin_objects.h"
#include "tests/skin/controls/test_bitmaps.h"

namespace hm::test {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kBack = 0x204060;

// Four frames of 5 x 4 side by side, frame i filled with colour 0x10 * (i + 1),
// each with a magenta top-left pixel.
void Strip(TBitmap& strip) {
  strip.SetSize(20, 4);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 5; ++x) Put(strip, f * 5 + x, y, x == 0 && y == 0 ? kMagenta : 0x10u * (f + 1));
}

TEST(SkinDrawing, StripFramesAreCutStretchedAndSeeThroughOnEveryTarget) {
  TBitmap strip;
  Strip(strip);
  for (int variant = 0; variant < 3; ++variant) {
    TBitmap target;
    Fill(target, 30, 20, kBack);
    const RECT r{2, 2, 12, 10};  // frame stretched to twice its size
    HDC dc = target.Canvas().Handle();
    if (variant == 0) DrawStripFrame(dc, r, 4, 3, strip);
    if (variant == 1) DrawStripFrame(target.Canvas(), r, 4, 3, strip);
    if (variant == 2) DrawStripFrameMasked(dc, r, 4, 3, strip);
    EXPECT_EQ(At(target, 2, 2), kBack) << variant << ": magenta leaves the target";
    EXPECT_EQ(At(target, 3, 3), kBack) << variant << ": stretched magenta too";
    EXPECT_EQ(At(target, 11, 9), 0x30u) << variant << ": frame 3";
    EXPECT_EQ(At(target, 12, 10), kBack) << variant << ": nothing outside the rectangle";
  }
}

TEST(SkinDrawing, TransparentBlitCopiesOneToOneKeepingTheTargetUnderTheKey) {
  TBitmap image;
  Fill(image, 6, 6, 0x00AA00);
  Put(image, 2, 3, kMagenta);
  TBitmap target;
  Fill(target, 10, 10, kBack);
  TransparentBlit(target.Canvas().Handle(), RECT{1, 1, 20, 20}, image, static_cast<TColor>(kMagenta));
  EXPECT_EQ(At(target, 1, 1), 0x00AA00u);
  EXPECT_EQ(At(target, 3, 4), kBack);
  EXPECT_EQ(At(target, 6, 6), 0x00AA00u);
  EXPECT_EQ(At(target, 7, 7), kBack) << "the image's size, not the rectangle's";
  TransparentBlit(target.Canvas().Handle(), RECT{5, 5, 4, 9}, image, static_cast<TColor>(kMagenta));  // negative
  EXPECT_EQ(At(target, 7, 7), kBack);
}

TEST(SkinDrawing, GlyphFramesTakeTheirFrameOnlyFromFourAndTheSecondIsGrey) {
  TBitmap glyph;
  glyph.SetSize(16, 4);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) Put(glyph, f * 4 + x, y, y == 3 && x == 0 ? 0x0000FF : 0x300000u * (f + 1) + 0x90);
  auto draw = [&](int num, int frame) {
    TBitmap target;
    Fill(target, 10, 10, kBack);
    DrawGlyphFrame(target.Canvas(), RECT{2, 2, 3, 3}, num, frame, glyph);  // unstretched, rect's size ignored
    return std::pair(At(target, 3, 3), At(target, 2, 5));
  };
  EXPECT_EQ(draw(4, 3).first, 0x900000u + 0x90) << "third of four";
  EXPECT_EQ(draw(4, 3).second, kBack) << "the bottom-left colour is see-through";
  EXPECT_EQ(draw(2, 3).first, 0x300000u + 0x90) << "with two glyphs only the first frame";
  const std::uint32_t grey = draw(4, 2).first;
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
  EXPECT_EQ(grey & 0xFF, (0x60u + 0x90u) / 3);
}

TEST(SkinDrawing, SkinImagesHonourTransAndTheWorkBitmapIsFilledFirst) {
  TDataSkinObject definition;
  Fill(definition.Bitmap, 8, 4, 0x0000C0);
  Put(definition.Bitmap, 0, 0, kMagenta);
  definition.FrameCount = 2;
  TBitmap target;
  Fill(target, 10, 10, kBack);
  DrawSkinImage(target.Canvas().Handle(), RECT{0, 0, 4, 4}, 2, 1, definition);
  EXPECT_EQ(At(target, 0, 0), kMagenta) << "Trans 0: copied as it is";
  definition.Trans = 1;
  Fill(target, 10, 10, kBack);
  DrawSkinImage(target.Canvas().Handle(), RECT{0, 0, 4, 4}, 2, 1, definition);
  EXPECT_EQ(At(target, 0, 0), kBack);
  EXPECT_EQ(At(target, 3, 3), 0x0000C0u);

  StartSkinDrawing();
  ASSERT_NE(WorkBitmap(), nullptr);
  DrawSkinImageOnWork(RECT{0, 0, 6, 5}, definition, true, 2, 1, static_cast<TColor>(0x00AB00));
  EXPECT_EQ(WorkBitmap()->Width(), 6);
  EXPECT_EQ(At(*WorkBitmap(), 0, 0), 0x00AB00u) << "magenta shows the face colour";
  EXPECT_EQ(At(*WorkBitmap(), 5, 4), 0x0000C0u);
}

// The darkest channel sum of the pixels that are not the background.
int Darkest(TBitmap& bitmap, std::uint32_t background) {
  int darkest = 3 * 255;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint32_t p = At(bitmap, x, y);
      if (p != background)
        darkest = std::min(darkest, static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + (p >> 16)));
    }
  return darkest;
}

TEST(SkinDrawing, CentredTextIsDrawnTransparentlyAndGreyWhenDisabled) {
  const std::uint32_t shadow = ColorToRGB(clBtnShadow);
  const int shadow_sum = static_cast<int>((shadow & 0xFF) + ((shadow >> 8) & 0xFF) + (shadow >> 16));
  TBitmap target;
  Fill(target, 120, 30, 0xFFFFFF);
  TCanvas& canvas = target.Canvas();
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetColor(clRed);  // a solid brush would show: the routine clears it
  DrawCenteredText(canvas, RECT{0, 0, 120, 30}, DT_CENTER, true, "WWW");
  EXPECT_LT(Darkest(target, 0xFFFFFF), shadow_sum) << "black text";
  EXPECT_EQ(At(target, 1, 1), 0xFFFFFFu);
  // Centred: no ink near the left edge.
  for (int y = 0; y < 30; ++y) EXPECT_EQ(At(target, 3, y), 0xFFFFFFu);

  Fill(target, 120, 30, 0xFFFFFF);
  canvas.Font().SetColor(clBlack);
  DrawCenteredText(canvas, RECT{0, 0, 120, 30}, DT_LEFT, false, "WWW");
  EXPECT_GE(Darkest(target, 0xFFFFFF), shadow_sum) << "nothing darker than the shadow colour";
  EXPECT_LT(Darkest(target, 0xFFFFFF), 3 * 255);
  bool ink_at_left = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 6; ++x) ink_at_left |= At(target, x, y) != 0xFFFFFFu;
  EXPECT_TRUE(ink_at_left) << "left aligned";
}

}  // namespace
}  // namespace hm::test
