// Canvas, bitmap and image-list results, checked by reading pixels back.
#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/graphics/image_list.h"
#include "tests/framework/ui/portable/bmp_file_builder.h"

namespace hm {
namespace {

// RGB (0x00BBGGRR, as COLORREF) of a bitmap pixel read from its rows.
COLORREF PixelOf(TBitmap& b, int x, int y) {
  const std::uint8_t* p = b.Row(y) + x * (b.BitsPerPixel() / 8);
  return RGB(p[2], p[1], p[0]);
}

void Fill(TBitmap& b, TColor color) {
  b.Canvas().Brush().SetColor(color);
  b.Canvas().FillRect(RECT{0, 0, b.Width(), b.Height()});
}

TEST(Bitmap, RowsRunTopToBottomAndFollowGdiDrawing) {
  TBitmap b(6, 4);
  Fill(b, clBlue);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect(RECT{0, 0, 6, 1});  // the top row only
  EXPECT_EQ(PixelOf(b, 3, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(b, 3, 3), RGB(0, 0, 255));
  // Writing through Row shows in GDI reads.
  b.Row(2)[0] = 0x11;
  b.Row(2)[1] = 0x22;
  b.Row(2)[2] = 0x33;
  EXPECT_EQ(b.Canvas().Pixel(0, 2), RGB(0x33, 0x22, 0x11));
}

TEST(Bitmap, ResizeKeepsOverlapAndFormatChangeKeepsPixels) {
  TBitmap b(4, 4);
  Fill(b, clLime);
  b.SetSize(6, 2);
  EXPECT_EQ(PixelOf(b, 3, 1), RGB(0, 255, 0));
  EXPECT_EQ(PixelOf(b, 5, 1), RGB(0, 0, 0));  // new area
  b.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(b.BitsPerPixel(), 32);
  EXPECT_EQ(PixelOf(b, 3, 1), RGB(0, 255, 0));
  IPixelBuffer& buffer = b;
  buffer.ConvertTo24Bit();
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_EQ(PixelOf(b, 0, 0), RGB(0, 255, 0));
}

TEST(Bitmap, SavesAndLoadsBmpFilesOfItsDepth) {
  for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
    TBitmap b(5, 3, format);
    Fill(b, clYellow);
    b.Canvas().SetPixel(4, 0, clNavy);
    const std::vector<std::uint8_t> bytes = b.SaveToMemory();
    TBitmap back;
    back.LoadFromMemory(bytes.data(), bytes.size());
    EXPECT_EQ(back.PixelFormat(), format);
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(PixelOf(back, 4, 0), RGB(0, 0, 128));
    EXPECT_EQ(PixelOf(back, 0, 2), RGB(255, 255, 0));
  }
}

TEST(Bitmap, LoadsPaletteFilesAsTrueColourAndRefusesBrokenOnes) {
  test::BmpFileFields fields;
  fields.bits = 1;
  fields.width = 3;
  fields.height = 2;
  fields.palette = {0x0000FF, 0xFF0000};  // blue, red
  fields.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 2); };
  const auto bytes = test::BuildBmp(fields);
  TBitmap b;
  b.LoadFromMemory(bytes.data(), bytes.size());
  EXPECT_EQ(b.BitsPerPixel(), 24);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(b.Canvas().Pixel(1, 0), RGB(255, 0, 0));
  EXPECT_EQ(b.Canvas().Pixel(0, 1), RGB(255, 0, 0));

  // A refused file leaves the bitmap as it was.
  std::vector<std::uint8_t> broken(bytes.begin(), bytes.begin() + 40);
  EXPECT_THROW(b.LoadFromMemory(broken.data(), broken.size()), EInvalidGraphic);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Canvas().Pixel(1, 0), RGB(255, 0, 0));
}

TEST(Canvas, ShapesTextAndLinesLandWhereAsked) {
  TBitmap b(40, 20);
  Fill(b, clWhite);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clRed);
  c.FrameRect(RECT{2, 2, 10, 10});
  EXPECT_EQ(c.Pixel(2, 5), RGB(255, 0, 0));
  EXPECT_EQ(c.Pixel(5, 5), RGB(255, 255, 255));  // a frame leaves the inside
  c.Pen().SetColor(clGreen);
  c.MoveTo(0, 15);
  c.LineTo(40, 15);
  EXPECT_EQ(c.Pixel(30, 15), RGB(0, 128, 0));
  EXPECT_EQ(c.PenPos().x, 40);

  // Text in the font colour on a clear brush leaves the background around it.
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(clBlack);
  c.Font().SetHeight(-14);
  c.TextOut(12, 0, "WW");
  int dark = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 12; x < 40; ++x) dark += c.Pixel(x, y) == RGB(0, 0, 0);
  EXPECT_GT(dark, 5);
  EXPECT_EQ(c.Pixel(39, 13), RGB(255, 255, 255));
}

TEST(Canvas, FontChangesReachTheDeviceContext) {
  TBitmap b(10, 10);
  TCanvas& c = b.Canvas();
  int notified = 0;
  TFont font;
  font.OnChange = [&](TGraphicsObject&) { ++notified; };
  font.SetHeight(-30);
  font.SetHeight(-30);  // no change, no notice
  EXPECT_EQ(notified, 1);
  c.Font().SetHeight(-10);
  const int small = c.TextHeight("Hg");
  c.Font().Assign(font);
  const int large = c.TextHeight("Hg");
  EXPECT_GT(large, small + 10);
  RECT r{0, 0, 0, 0};
  c.DrawText("Hg", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.bottom, large);
}

TEST(Canvas, StretchingNeverMixesColours) {
  TBitmap checker(2, 2);
  checker.Canvas().SetPixel(0, 0, clFuchsia);
  checker.Canvas().SetPixel(1, 1, clFuchsia);
  checker.Canvas().SetPixel(1, 0, clBlack);
  checker.Canvas().SetPixel(0, 1, clBlack);
  TBitmap big(7, 7);
  big.Canvas().StretchDraw(RECT{0, 0, 7, 7}, checker);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const COLORREF p = big.Canvas().Pixel(x, y);
      EXPECT_TRUE(p == RGB(255, 0, 255) || p == RGB(0, 0, 0)) << x << "," << y;
    }
  EXPECT_EQ(big.Canvas().Pixel(0, 0), RGB(255, 0, 255));
  EXPECT_EQ(big.Canvas().Pixel(6, 0), RGB(0, 0, 0));
}

TEST(Canvas, TransparentAndMaskedCopiesKeepTheDestination) {
  TBitmap glyph(4, 4);
  Fill(glyph, clFuchsia);
  glyph.Canvas().Brush().SetColor(clRed);
  glyph.Canvas().FillRect(RECT{1, 1, 3, 3});
  TBitmap target(10, 10);
  Fill(target, clBlue);
  target.Canvas().DrawTransparent(RECT{2, 2, 6, 6}, glyph, RECT{0, 0, 4, 4}, clFuchsia);
  EXPECT_EQ(target.Canvas().Pixel(2, 2), RGB(0, 0, 255));  // key: destination kept
  EXPECT_EQ(target.Canvas().Pixel(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(target.Canvas().Pixel(4, 4), RGB(255, 0, 0));
  EXPECT_EQ(target.Canvas().Pixel(5, 5), RGB(0, 0, 255));
  // Stretched: twice the size, the key still transparent.
  target.Canvas().DrawTransparent(RECT{0, 0, 8, 8}, glyph, RECT{0, 0, 4, 4}, clFuchsia);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(target.Canvas().Pixel(3, 3), RGB(255, 0, 0));

  // A monochrome mask: set bits keep the destination.
  // (1, 0) set: the first byte holds the leftmost pixels, rows are word aligned.
  const WORD rows[2] = {0x0040, 0x0000};
  UniqueGdi<HBITMAP> mask(CreateBitmap(2, 2, 1, 1, rows));
  TBitmap source(2, 2);
  Fill(source, clLime);
  Fill(target, clBlue);
  target.Canvas().MaskedCopy(RECT{0, 0, 2, 2}, source.Canvas(), 0, 0, mask.get());
  EXPECT_EQ(target.Canvas().Pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(target.Canvas().Pixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(target.Canvas().Pixel(1, 1), RGB(0, 255, 0));
}

TEST(ImageList, DrawsGlyphsNormallyAndGreyed) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  TBitmap strip(8, 4);
  Fill(strip, clFuchsia);
  strip.Canvas().Brush().SetColor(clRed);
  strip.Canvas().FillRect(RECT{0, 0, 2, 4});  // glyph 0: left half red
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect(RECT{4, 0, 8, 2});  // glyph 1: top half blue
  EXPECT_EQ(list.Add(strip, clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);

  TBitmap target(8, 4);
  Fill(target, clWhite);
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(target.Canvas().Pixel(1, 3), RGB(255, 255, 255));
  list.Draw(target.Canvas(), 4, 0, 0, false);
  const COLORREF greyed = target.Canvas().Pixel(4, 0);
  EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
  EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
  EXPECT_NE(greyed, RGB(255, 255, 255));
  EXPECT_EQ(target.Canvas().Pixel(7, 0), RGB(255, 255, 255));
  list.Draw(target.Canvas(), 0, 0, 5);  // outside the list: nothing
}

TEST(Colors, SystemColoursResolveThroughTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(ColorToRGB(clFuchsia), RGB(255, 0, 255));
}

}  // namespace
}  // namespace hm
