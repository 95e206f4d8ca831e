#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/skingen/bmp_file.h"
#include "tools/skingen/image.h"
#include "tools/skingen/look.h"
#include "tools/skingen/preview.h"
#include "tools/skingen/shapes.h"
#include "tools/skingen/skin_ini.h"

namespace hm::skingen {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(SkingenBmp, TwentyFourBitRowsAreBottomUpBgrAndPadded) {
  TImage image(5, 2, TRgb{1, 2, 3});
  image.Set(0, 0, TRgb{10, 20, 30});  // top-left
  image.Set(4, 1, TRgb{40, 50, 60});  // bottom-right
  const std::vector<std::uint8_t> b = EncodeBmp24(image);
  const std::size_t row = 16;  // 15 bytes of pixels padded to 16
  ASSERT_EQ(b.size(), 54 + 2 * row);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), b.size());
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(U32(b, 18)), 5);
  EXPECT_EQ(static_cast<std::int32_t>(U32(b, 22)), 2);  // positive: bottom-up
  EXPECT_EQ(U16(b, 28), 24);
  EXPECT_EQ(U32(b, 30), 0u);
  EXPECT_EQ(U32(b, 34), 2 * row);
  // First stored row is the bottom one: its last pixel is bottom-right.
  EXPECT_EQ(b[54 + 12], 60);
  EXPECT_EQ(b[54 + 13], 50);
  EXPECT_EQ(b[54 + 14], 40);
  EXPECT_EQ(b[54 + 15], 0);  // padding
  EXPECT_EQ(b[54 + row + 0], 30);
  EXPECT_EQ(b[54 + row + 1], 20);
  EXPECT_EQ(b[54 + row + 2], 10);
  EXPECT_THROW(EncodeBmp24(TImage()), std::runtime_error);
}

TEST(SkingenBmp, OneBitHasBlackWhitePaletteAndMsbFirstBits) {
  TImage image(33, 2, TRgb{255, 255, 255});
  image.Set(0, 0, TRgb{0, 0, 0});
  image.Set(32, 0, TRgb{127, 127, 127});  // below the midpoint: black
  image.Set(1, 1, TRgb{128, 128, 128});   // at it: white
  const std::vector<std::uint8_t> b = EncodeBmp1(image);
  const std::size_t row = 8;  // 33 bits padded to two 32-bit words
  ASSERT_EQ(b.size(), 62 + 2 * row);
  EXPECT_EQ(U16(b, 28), 1);
  EXPECT_EQ(U32(b, 10), 62u);
  EXPECT_EQ(U32(b, 46), 2u);
  EXPECT_EQ(U32(b, 54), 0x000000u);
  EXPECT_EQ(U32(b, 58), 0xFFFFFFu);
  // Bottom row first: all white.
  EXPECT_EQ(b[62], 0xFF);
  EXPECT_EQ(b[62 + 4], 0x80);  // pixel 32 white, padding bits 0
  // Top row: pixel 0 black, pixel 32 black.
  EXPECT_EQ(b[62 + row], 0x7F);
  EXPECT_EQ(b[62 + row + 4], 0x00);
}

TEST(SkingenImage, MixGradientAndCutting) {
  EXPECT_EQ(Mix(TRgb{0, 0, 0}, TRgb{255, 255, 255}, 0), (TRgb{0, 0, 0}));
  EXPECT_EQ(Mix(TRgb{0, 0, 0}, TRgb{255, 255, 255}, 255), (TRgb{255, 255, 255}));
  EXPECT_EQ(Mix(TRgb{0, 100, 200}, TRgb{100, 100, 0}, 128), (TRgb{50, 100, 100}));
  EXPECT_EQ(Gradient(TRgb{10, 10, 10}, TRgb{30, 30, 30}, 0, 3), (TRgb{10, 10, 10}));
  EXPECT_EQ(Gradient(TRgb{10, 10, 10}, TRgb{30, 30, 30}, 2, 3), (TRgb{30, 30, 30}));
  EXPECT_EQ(Gradient(TRgb{10, 10, 10}, TRgb{30, 30, 30}, 0, 1), (TRgb{10, 10, 10}));

  TImage strip = JoinHorizontally({TImage(2, 3, TRgb{1, 1, 1}), TImage(2, 3, TRgb{2, 2, 2})});
  EXPECT_EQ(strip.Width(), 4);
  EXPECT_EQ(FrameOf(strip, 2, 2, false), TImage(2, 3, TRgb{2, 2, 2}));
  EXPECT_THROW(JoinHorizontally({TImage(2, 3), TImage(3, 3)}), std::runtime_error);
  TImage tall = JoinVertically({TImage(2, 3, TRgb{1, 1, 1}), TImage(2, 3, TRgb{2, 2, 2})});
  EXPECT_EQ(FrameOf(tall, 2, 2, true), TImage(2, 3, TRgb{2, 2, 2}));

  TImage t(3, 2);
  t.Set(2, 0, TRgb{9, 9, 9});
  EXPECT_EQ(t.Transposed().At(0, 2), (TRgb{9, 9, 9}));
  EXPECT_EQ(t.MirroredX().At(0, 0), (TRgb{9, 9, 9}));
  // Writes outside are dropped, reads outside are black.
  t.Set(-1, 5, TRgb{1, 1, 1});
  EXPECT_EQ(t.At(-1, 5), TRgb{});
}

TEST(SkingenShapes, CoverageOfRoundBoxesAndEllipses) {
  const TBox box{0, 0, 10, 10};
  EXPECT_EQ(RoundBoxCoverage(5, 5, box, 3), 255);
  EXPECT_EQ(RoundBoxCoverage(10, 5, box, 3), 0);
  EXPECT_EQ(RoundBoxCoverage(-1, 5, box, 3), 0);
  EXPECT_EQ(RoundBoxCoverage(0, 0, box, 0), 255);  // square corner
  EXPECT_EQ(RoundBoxCoverage(0, 0, box, 3), 0);  // the corner pixel lies outside the arc
  const int corner = RoundBoxCoverage(1, 0, box, 3);
  EXPECT_GT(corner, 0);
  EXPECT_LT(corner, 255);
  // Symmetric: all four corners alike.
  EXPECT_EQ(RoundBoxCoverage(8, 0, box, 3), corner);
  EXPECT_EQ(RoundBoxCoverage(1, 9, box, 3), corner);
  EXPECT_EQ(RoundBoxCoverage(8, 9, box, 3), corner);
  EXPECT_EQ(RoundBoxCoverage(0, 1, box, 3), corner);

  const TBox odd{0, 0, 13, 13};
  EXPECT_EQ(EllipseCoverage(6, 6, odd), 255);
  EXPECT_EQ(EllipseCoverage(0, 0, odd), 0);
  EXPECT_EQ(EllipseCoverage(0, 6, odd), EllipseCoverage(12, 6, odd));
  EXPECT_EQ(EllipseCoverage(6, 0, odd), EllipseCoverage(6, 12, odd));
  EXPECT_EQ(EllipseCoverage(3, 3, TBox{0, 0, 0, 5}), 0);

  // Cutting leaves edge pixels blended and makes untouched ones the key.
  TImage image(10, 10, TRgb{200, 200, 200});
  FillRoundBox(image, box, 3, TRgb{0, 0, 0});
  CutOutsideRoundBox(image, box, 3);
  EXPECT_EQ(image.At(5, 5), (TRgb{0, 0, 0}));
  EXPECT_EQ(image.At(0, 0), kMagenta);
  EXPECT_NE(image.At(1, 0), kMagenta);
  EXPECT_NE(image.At(1, 0), (TRgb{0, 0, 0}));
  TImage wide(12, 10, TRgb{200, 200, 200});
  CutOutsideRoundBox(wide, box, 3);
  EXPECT_EQ(wide.At(11, 5), kMagenta);
}

TEST(SkingenLook, ParsesColoursAndGlyphs) {
  const TLook look = TLook::Parse(
      "# comment\n"
      "colour face 223 223 219\r\n"
      "  colour  ink\t0 0   0\n"
      "\n"
      "glyph dot\n"
      ".#.\n"
      "#o+\n"
      "end\n");
  EXPECT_EQ(look.Colour("face"), (TRgb{223, 223, 219}));
  EXPECT_EQ(look.Colour("ink"), (TRgb{0, 0, 0}));
  const TGlyph& dot = look.Glyph("dot");
  EXPECT_EQ(dot.Width(), 3);
  EXPECT_EQ(dot.Height(), 2);
  EXPECT_EQ(dot.Coverage(1, 0), 255);
  EXPECT_EQ(dot.Coverage(1, 1), 170);
  EXPECT_EQ(dot.Coverage(2, 1), 85);
  EXPECT_EQ(dot.Coverage(0, 0), 0);
  EXPECT_EQ(dot.Coverage(7, 7), 0);
  EXPECT_EQ(dot.MirroredX().Cell(0, 1), '+');
  EXPECT_EQ(dot.Transposed().Width(), 2);
  EXPECT_EQ(dot.Transposed().Cell(1, 2), '+');
  EXPECT_THROW(look.Colour("nothing"), std::runtime_error);
  EXPECT_THROW(look.Glyph("nothing"), std::runtime_error);
}

TEST(SkingenLook, FaultsNameTheirLine) {
  auto message = [](const char* text) {
    try {
      TLook::Parse(text);
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("no fault");
  };
  EXPECT_EQ(message("\ncolour a 1 2 256\n"), "look line 2: colour channel \"256\" is not 0..255");
  EXPECT_EQ(message("colour a 1 2\n"), "look line 1: colour takes a name and three channels");
  EXPECT_EQ(message("colour a 1 2 x3\n"), "look line 1: colour channel \"x3\" is not 0..255");
  EXPECT_EQ(message("colour a 1 2 3\ncolour a 1 2 3\n"), "look line 2: colour \"a\" given twice");
  EXPECT_EQ(message("glyph g\n..\n...\nend\n"), "look line 3: glyph \"g\" has rows of different lengths");
  EXPECT_EQ(message("glyph g\n..\n"), "look line 1: glyph \"g\" has no end");
  EXPECT_EQ(message("glyph g\nend\n"), "look line 2: glyph \"g\" has no rows");
  EXPECT_EQ(message("glyph g\n. .\nend\n"), "look line 2: glyph rows are one word of pixels");
  EXPECT_EQ(message("color a 1 2 3\n"), "look line 1: unknown statement \"color\"");
}

TEST(SkingenIni, CrLfLineEnds) {
  EXPECT_EQ(WithCrLf("a\nb"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLf("a\r\nb\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLf("a\rb\n\nc"), "a\r\nb\r\n\r\nc\r\n");
  EXPECT_EQ(WithCrLf(""), "");
}

TEST(SkingenIni, BitmapKeysMustNameDrawnMembers) {
  const std::string ini =
      "; Image=commented.bmp\n"
      "[Personality]\n"
      "Top = kol_top.bmp \n"
      "TextBack=Kol_Plate.bmp\n"
      "[Button4]\n"
      "ButtonImage=0\n"
      "[Tabs]\n"
      "Image=kol_tabs.BMP\n"
      "Border=skins\\kol_border.bmp\n"
      "[Scrollbar]\n"
      "Image=kol_missing.bmp\n";
  const std::vector<TBitmapKey> keys = BitmapKeys(ini);
  ASSERT_EQ(keys.size(), 5u);
  EXPECT_EQ(keys[0].line, 3);
  EXPECT_EQ(keys[0].section, "Personality");
  EXPECT_EQ(keys[0].key, "Top");
  EXPECT_EQ(keys[0].value, "kol_top.bmp");

  const std::vector<std::string> faults =
      CheckBitmapKeys(ini, {"kol_top.bmp", "kol_plate.bmp", "kol_tabs.bmp", "kol_border.bmp", "kol_spare.bmp"});
  ASSERT_EQ(faults.size(), 6u);
  EXPECT_EQ(faults[0], "line 8 [Tabs] Image: \"kol_tabs.BMP\" would not load: the extension must be \".bmp\" in lower case");
  EXPECT_EQ(faults[1], "line 9 [Tabs] Border: \"skins\\kol_border.bmp\" has a folder part; members are plain file names");
  EXPECT_EQ(faults[2], "line 11 [Scrollbar] Image: no bitmap \"kol_missing.bmp\" is drawn");
  EXPECT_EQ(faults[3], "bitmap \"kol_border.bmp\" is drawn but no key names it");
  EXPECT_EQ(faults[4], "bitmap \"kol_spare.bmp\" is drawn but no key names it");
  EXPECT_EQ(faults[5], "bitmap \"kol_tabs.bmp\" is drawn but no key names it");

  // Names differing only in case match, as archive lookups ignore case;
  // a member named twice is fine.
  EXPECT_TRUE(CheckBitmapKeys("[A]\nImage=KOL_X.bmp\n[B]\nImage=kol_x.bmp\n", {"kol_x.bmp"}).empty());
}

TEST(SkingenPreview, NinePartCutsLikeThePainters) {
  // 3×3 frame with distinct pixels; margins 1 each.
  TImage f(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) f.Set(x, y, TRgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
  const TImage n = NinePart(f, 5, 4, 1, 1, 1, 1, false);
  EXPECT_EQ(n.At(0, 0), f.At(0, 0));
  EXPECT_EQ(n.At(4, 3), f.At(2, 2));
  EXPECT_EQ(n.At(2, 0), f.At(1, 0));  // top edge stretched
  EXPECT_EQ(n.At(3, 2), f.At(1, 1));  // centre
  EXPECT_EQ(n.At(4, 1), f.At(2, 1));
  // Narrower than the two side margins: the frame is stretched whole.
  const TImage thin = NinePart(f, 1, 3, 1, 1, 1, 1, false);
  EXPECT_EQ(thin.At(0, 1), f.At(0, 1));
  // Tiled centre repeats the centre piece.
  TImage g(4, 1);
  g.Set(0, 0, TRgb{1, 0, 0});
  g.Set(1, 0, TRgb{2, 0, 0});
  g.Set(2, 0, TRgb{3, 0, 0});
  g.Set(3, 0, TRgb{4, 0, 0});
  const TImage tiled = NinePart(g, 7, 1, 1, 0, 1, 0, true);
  EXPECT_EQ(tiled.At(3, 0), (TRgb{2, 0, 0}));
  EXPECT_EQ(tiled.At(5, 0), (TRgb{2, 0, 0}));
  EXPECT_EQ(tiled.At(6, 0), (TRgb{4, 0, 0}));
  const TImage stretched = NinePart(g, 7, 1, 1, 0, 1, 0, false);
  EXPECT_EQ(stretched.At(3, 0), (TRgb{2, 0, 0}));
  EXPECT_EQ(stretched.At(4, 0), (TRgb{3, 0, 0}));
}

}  // namespace
}  // namespace hm::skingen
