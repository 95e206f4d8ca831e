// The window frame of kolvane: a charcoal title bar and border around the
// client when active, a light one when inactive; an outer dark edge, a one
// pixel shine inside it, and a dark inner line that frames the client.
// Geometry follows the INI: caption 25 rows, sides 5 columns, bottom 13
// rows; the side borders keep their top 24 and bottom 13 rows unstretched.
#include <string>

#include "tools/skingen/kolvane_parts.h"
#include "tools/skingen/shapes.h"

namespace hm::skingen::kolvane {

namespace {

constexpr int kSide = 5;
constexpr int kSideHeight = 174;
constexpr int kSideTop = 24;
constexpr int kBottom = 13;

std::string Key(bool active, const char* name) { return std::string(active ? "a_" : "i_") + name; }

TRgb C(const TLook& look, bool active, const char* name) { return look.Colour(Key(active, name)); }

// Bottom band row k (0..12): inner line, fill, shine, edge.
TRgb BottomRow(const TLook& look, bool active, int k) {
  if (k == kBottom - 1) return C(look, active, "edge");
  if (k == kBottom - 2) return C(look, active, "shine");
  if (k == 0) return C(look, active, "inner");
  return C(look, active, "side");
}

TImage LeftFrame(const TLook& look, bool active) {
  TImage f(kSide, kSideHeight);
  const TRgb edge = C(look, active, "edge"), shine = C(look, active, "shine");
  const TRgb side = C(look, active, "side"), inner = C(look, active, "inner");
  for (int y = 0; y < kSideHeight; ++y)
    for (int x = 0; x < kSide; ++x) {
      TRgb c;
      if (y < kSideTop) {  // the left end of the title bar
        c = (y == 0 || x == 0) ? edge : (y == 1 || x == 1) ? shine : TitleRow(look, active, y);
      } else if (y < kSideHeight - kBottom) {
        c = x == 0 ? edge : x == 1 ? shine : x == kSide - 1 ? inner : side;
      } else {  // the left end of the bottom band
        const int k = y - (kSideHeight - kBottom);
        if (x == 0) c = edge;
        else if (x == 1 && k < kBottom - 1) c = shine;
        else if (k == 0) c = x == kSide - 1 ? inner : side;  // the inner line turns the corner
        else c = BottomRow(look, active, k);
      }
      f.Set(x, y, c);
    }
  // Rounded corners: the masks name each pixel's part; "." is cut away.
  const TGlyph& top = look.Glyph("corner_top");
  for (int y = 0; y < top.Height(); ++y)
    for (int x = 0; x < top.Width(); ++x) {
      const char cell = top.Cell(x, y);
      f.Set(x, y, cell == 'E' ? edge : cell == 'S' ? shine : cell == '.' ? kMagenta : TitleRow(look, active, y));
    }
  const TGlyph& bottom = look.Glyph("corner_bottom");
  for (int y = 0; y < bottom.Height(); ++y)
    for (int x = 0; x < bottom.Width(); ++x) {
      const char cell = bottom.Cell(x, y);
      const int fy = kSideHeight - bottom.Height() + y;
      if (cell == 'E') f.Set(x, fy, edge);
      if (cell == 'S') f.Set(x, fy, shine);
      if (cell == '.') f.Set(x, fy, kMagenta);
    }
  return f;
}

// A caption button frame: the title behind it (so a state change repaints
// every pixel it touches), an optional rounded plate, and the glyph.
TImage ButtonFrame(const TLook& look, bool active, const TGlyph& glyph, const char* plate, const char* rim,
                   const char* ink) {
  TImage f(14, 12);
  for (int y = 0; y < f.Height(); ++y) f.HLine(0, y, f.Width(), TitleRow(look, active, kCaptionButtonTop + y));
  const TBox box{0, 0, 14, 12};
  if (rim) FillRoundBox(f, box, 3, look.Colour(rim));
  if (plate) FillRoundBox(f, rim ? box.Inset(1) : box, rim ? 2 : 3, look.Colour(plate));
  DrawGlyphCentred(f, glyph, box, look.Colour(ink));
  return f;
}

TImage MdiFrame(const TLook& look, const TGlyph& glyph, const char* plate, const char* rim, const char* ink) {
  TImage f(15, 14, look.Colour("a_menubar"));
  const TBox box{0, 0, 15, 14};
  if (rim) FillRoundBox(f, box, 3, look.Colour(rim));
  if (plate) FillRoundBox(f, box.Inset(1), 2, look.Colour(plate));
  DrawGlyphCentred(f, glyph, box, look.Colour(ink));
  return f;
}

}  // namespace

TRgb TitleRow(const TLook& look, bool active, int y) {
  if (y <= 0) return C(look, active, "edge");
  if (y == 1) return C(look, active, "shine");
  if (y >= kCaptionHeight - 1) return C(look, active, "inner");
  return Gradient(C(look, active, "title_top"), C(look, active, "title_bottom"), y - 2, kCaptionHeight - 3);
}

TImage BodyTop(const TLook& look) {
  std::vector<TImage> frames;
  for (bool active : {true, false}) {
    TImage f(100, kCaptionHeight);
    for (int y = 0; y < kCaptionHeight; ++y) f.HLine(0, y, f.Width(), TitleRow(look, active, y));
    frames.push_back(f);
  }
  return JoinVertically(frames);
}

TImage BodyLeft(const TLook& look) { return JoinHorizontally({LeftFrame(look, true), LeftFrame(look, false)}); }

TImage BodyRight(const TLook& look) {
  return JoinHorizontally({LeftFrame(look, true).MirroredX(), LeftFrame(look, false).MirroredX()});
}

TImage BodyBottom(const TLook& look) {
  std::vector<TImage> frames;
  for (bool active : {true, false}) {
    TImage f(130, kBottom);
    for (int k = 0; k < kBottom; ++k) f.HLine(0, k, f.Width(), BottomRow(look, active, k));
    frames.push_back(f);
  }
  return JoinVertically(frames);
}

TImage TextBack(const TLook& look) {
  // 12-pixel caps (TXTBackLeft/Right) around an 8-pixel middle that the
  // painter repeats; the plate is drawn over the exact title colours, so its
  // soft edge blends with what lies behind it.
  std::vector<TImage> frames;
  for (bool active : {true, false}) {
    TImage f(32, kCaptionHeight);
    for (int y = 0; y < kCaptionHeight; ++y) f.HLine(0, y, f.Width(), TitleRow(look, active, y));
    const TBox plate{1, 3, 30, 18};
    FillRoundBox(f, plate, 9, C(look, active, "plate_rim"));
    const TBox inner = plate.Inset(1);
    const TRgb shine = C(look, active, "plate_shine");
    const TRowColour fill = VerticalGradient(C(look, active, "plate_top"), C(look, active, "plate_bottom"),
                                             inner.y + 1, inner.h - 1);
    FillRoundBox(f, inner, 8, [&](int y) { return y == inner.y ? shine : fill(y); });
    CutOutsideRoundBox(f, plate, 9);
    frames.push_back(f);
  }
  return JoinVertically(frames);
}

TImage MenuBar(const TLook& look) {
  std::vector<TImage> frames;
  for (bool active : {true, false}) frames.emplace_back(24, 20, C(look, active, "menubar"));
  return JoinVertically(frames);
}

TImage CaptionButton(const TLook& look, const char* glyphName, bool close) {
  const TGlyph& g = look.Glyph(glyphName);
  const char* hot = close ? "a_close_hot" : "a_hot_plate";
  const char* hotRim = close ? "a_close_hot_rim" : "a_hot_rim";
  const char* pressed = close ? "a_close_pressed" : "a_pressed_plate";
  return JoinHorizontally({
      ButtonFrame(look, true, g, nullptr, nullptr, "a_glyph"),
      ButtonFrame(look, true, g, pressed, nullptr, "a_glyph_hot"),
      ButtonFrame(look, true, g, hot, hotRim, "a_glyph_hot"),
      ButtonFrame(look, false, g, nullptr, nullptr, "i_glyph"),
      ButtonFrame(look, true, g, nullptr, nullptr, "a_glyph_disabled"),
      ButtonFrame(look, false, g, nullptr, nullptr, "i_glyph_disabled"),
  });
}

TImage MdiControls(const TLook& look) {
  // Four frames per button, buttons in Action order 7, 8, 9: minimize,
  // restore, close. They sit on the menu bar; frame 3 is never shown (a hot
  // MDI button shows frame 4).
  std::vector<TImage> frames;
  for (const char* name : {"minimize", "restore", "close"}) {
    const TGlyph& g = look.Glyph(name);
    frames.push_back(MdiFrame(look, g, nullptr, nullptr, "mdi_glyph"));
    frames.push_back(MdiFrame(look, g, "mdi_pressed", "mdi_pressed_rim", "mdi_glyph"));
    frames.push_back(MdiFrame(look, g, "mdi_hot", "mdi_hot_rim", "mdi_glyph"));
    frames.push_back(MdiFrame(look, g, "mdi_hot", "mdi_hot_rim", "mdi_glyph"));
  }
  return JoinHorizontally(frames);
}

}  // namespace hm::skingen::kolvane
