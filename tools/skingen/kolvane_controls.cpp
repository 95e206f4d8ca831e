// The control images of kolvane. Shapes are drawn over the colour the
// painter fills in behind them (ButtonFace for buttons, boxes, tabs and
// bars; the track for thumbs; the menu colour for items), so their soft
// edges are exact; pixels they do not touch are magenta.
#include <string>

#include "tools/skingen/kolvane_parts.h"
#include "tools/skingen/shapes.h"

namespace hm::skingen::kolvane {

namespace {

struct TFace {
  const char* rim;
  const char* top;
  const char* bottom;
  const char* shine;  // first inner row, or nullptr
};

// A rounded box with a one-pixel rim and a vertical gradient inside.
void DrawFace(TImage& f, const TLook& look, const TBox& box, int radius, const TFace& face) {
  FillRoundBox(f, box, radius, look.Colour(face.rim));
  const TBox inner = box.Inset(1);
  const int first = face.shine ? inner.y + 1 : inner.y;
  const TRowColour fill = VerticalGradient(look.Colour(face.top), look.Colour(face.bottom), first,
                                           inner.y + inner.h - first);
  const TRgb shine = face.shine ? look.Colour(face.shine) : TRgb{};
  FillRoundBox(f, inner, radius > 0 ? radius - 1 : 0, [&](int y) { return face.shine && y == inner.y ? shine : fill(y); });
}

TImage PushFrame(const TLook& look, const TFace& face, const char* innerRing = nullptr) {
  TImage f(75, 20, look.Colour("face"));
  const TBox box{0, 0, 75, 20};
  DrawFace(f, look, box, 3, face);
  if (innerRing) {  // the default button: a second, lighter ring inside the dark one
    const TBox ring = box.Inset(1);
    for (int x = ring.x + 1; x < ring.x + ring.w - 1; ++x) f.Blend(x, ring.y, look.Colour(innerRing), 160);
  }
  CutOutsideRoundBox(f, box, 3);
  return f;
}

TImage BoxFrame(const TLook& look, const TFace& face, const char* mark, bool round) {
  TImage f(14, 14, look.Colour("face"));
  const TBox box{0, 0, 13, 13};
  if (round) {
    FillEllipse(f, box, look.Colour(face.rim));
    FillEllipse(f, box.Inset(1), VerticalGradient(look.Colour(face.top), look.Colour(face.bottom), 1, 11));
    if (mark) FillEllipse(f, TBox{4, 4, 5, 5}, look.Colour(mark));
    CutOutsideEllipse(f, box);
  } else {
    DrawFace(f, look, box, 2, face);
    if (mark) DrawGlyphCentred(f, look.Glyph("check"), box, look.Colour(mark));
    CutOutsideRoundBox(f, box, 2);
  }
  return f;
}

// One arrow button of the scroll bar: opaque, since the painter draws it
// over the bare Scrollbar colour rather than the track.
TImage ArrowFrame(const TLook& look, const TGlyph& glyph, const char* plate, const char* ink) {
  TImage f(16, 16, look.Colour("track"));
  if (plate) FillRoundBox(f, TBox{1, 1, 14, 14}, 3, look.Colour(plate));
  DrawGlyphCentred(f, glyph, TBox{0, 0, 16, 16}, look.Colour(ink));
  return f;
}

// The thumb runs to both ends of its frame (the arrows keep their own
// one-pixel track border), so each cap is exactly the 4-pixel corner and
// the shortest thumb, 8 pixels, keeps both caps and loses only the flat
// middle.
TImage ThumbFrame(const TLook& look, const TFace& face) {
  TImage f(20, 16, look.Colour("track"));
  const TBox box{0, 3, 20, 10};
  DrawFace(f, look, box, 4, face);
  CutOutsideRoundBox(f, box, 4);
  return f;
}

// A tab. Unselected tabs stand two rows lower and close with a rim line at
// the bottom; the selected one is taller, carries a charcoal accent on top
// and stays open at the bottom in the page colour, so it runs into the page.
TImage TabFrame(const TLook& look, bool selected, const char* top, const char* bottom, const char* rim) {
  TImage f(40, 22, look.Colour("face"));
  const int y0 = selected ? 0 : 2;
  const TBox box{0, y0, 40, 22 - y0 + 4};  // bottom corners fall outside the frame
  FillRoundBox(f, box, 3, look.Colour(rim));
  const TBox inner{1, y0 + 1, 38, 22 - y0 + 4};
  if (selected) {
    const TRgb accent = look.Colour("tab_accent");
    const TRowColour body = VerticalGradient(look.Colour(top), look.Colour(bottom), 3, 10);
    FillRoundBox(f, inner, 2, [&](int y) { return y < 3 ? accent : body(y); });
  } else {
    FillRoundBox(f, inner, 2, VerticalGradient(look.Colour(top), look.Colour(bottom), inner.y, 21 - inner.y));
    f.HLine(0, 21, 40, look.Colour(rim));
  }
  CutOutsideRoundBox(f, box, 3);
  return f;
}

TImage ComboFrame(const TLook& look, const TFace& face, const char* rim, const char* ink) {
  TImage f(18, 21, look.Colour("white"));
  const TRgb r = look.Colour(rim);
  f.HLine(0, 0, 18, r);
  f.HLine(0, 20, 18, r);
  f.VLine(17, 0, 21, r);
  const TBox button{1, 1, 16, 19};
  const TRowColour fill = VerticalGradient(look.Colour(face.top), look.Colour(face.bottom), 1, 19);
  for (int y = button.y; y < button.y + button.h; ++y) f.HLine(button.x, y, button.w, fill(y));
  f.VLine(1, 1, 19, look.Colour(face.rim));
  DrawGlyphCentred(f, look.Glyph("arrow_down"), button, look.Colour(ink));
  return f;
}

TImage SunkFrame(const TLook& look, const char* rim, const char* ring, const char* fill) {
  TImage f(16, 16, look.Colour(fill));
  const TRgb r = look.Colour(rim), g = look.Colour(ring);
  f.HLine(0, 0, 16, r);
  f.HLine(0, 15, 16, r);
  f.VLine(0, 0, 16, r);
  f.VLine(15, 0, 16, r);
  f.HLine(1, 1, 14, g);
  f.HLine(1, 14, 14, g);
  f.VLine(1, 1, 14, g);
  f.VLine(14, 1, 14, g);
  return f;
}

TImage PlateFrame(int w, int h, TRgb back, const TLook& look, const TBox& box, int radius, const TFace* face) {
  TImage f(w, h, back);
  if (face) {
    DrawFace(f, look, box, radius, *face);
    CutOutsideRoundBox(f, box, radius);
  } else {
    f.FillRect(0, 0, w, h, kMagenta);
  }
  return f;
}

TImage HeaderFrame(const TLook& look, const char* top, const char* bottom, const char* accent) {
  TImage f(24, 20);
  const TRowColour fill = VerticalGradient(look.Colour(top), look.Colour(bottom), 0, 19);
  for (int y = 0; y < 19; ++y) f.HLine(0, y, 24, fill(y));
  if (accent) f.HLine(0, 0, 24, look.Colour(accent));
  f.HLine(0, 19, 24, look.Colour("header_rim"));
  f.VLine(23, 4, 12, look.Colour("header_rim"));
  f.VLine(0, 4, 12, look.Colour("white"));
  return f;
}

}  // namespace

TImage PushButtons(const TLook& look) {
  // normal, pressed, disabled, hot or focused, default
  return JoinHorizontally({
      PushFrame(look, {"btn_rim", "btn_top", "btn_bottom", "btn_shine"}),
      PushFrame(look, {"btn_pressed_rim", "btn_pressed_top", "btn_pressed_bottom", nullptr}),
      PushFrame(look, {"btn_disabled_rim", "btn_disabled_fill", "btn_disabled_fill", nullptr}),
      PushFrame(look, {"btn_hot_rim", "btn_hot_top", "btn_hot_bottom", "btn_shine"}),
      PushFrame(look, {"btn_default_rim", "btn_top", "btn_bottom", nullptr}, "btn_shine"),
  });
}

TImage CheckBox(const TLook& look) {
  // unchecked, checked, unchecked disabled, checked disabled (also shown
  // for the indeterminate state)
  return JoinHorizontally({
      BoxFrame(look, {"box_rim", "box_top", "box_bottom", nullptr}, nullptr, false),
      BoxFrame(look, {"box_on_rim", "box_on_top", "box_on_bottom", nullptr}, "box_mark", false),
      BoxFrame(look, {"box_disabled_rim", "box_disabled_fill", "box_disabled_fill", nullptr}, nullptr, false),
      BoxFrame(look, {"box_disabled_on", "box_disabled_on", "box_disabled_on", nullptr}, "box_disabled_mark", false),
  });
}

TImage RadioButton(const TLook& look) {
  return JoinHorizontally({
      BoxFrame(look, {"box_rim", "box_top", "box_bottom", nullptr}, nullptr, true),
      BoxFrame(look, {"box_on_rim", "box_on_top", "box_on_bottom", nullptr}, "box_mark", true),
      BoxFrame(look, {"box_disabled_rim", "box_disabled_fill", "box_disabled_fill", nullptr}, nullptr, true),
      BoxFrame(look, {"box_disabled_on", "box_disabled_on", "box_disabled_on", nullptr}, "box_disabled_mark", true),
  });
}

TImage Arrows(const TLook& look) {
  // Four frames per arrow, arrows left, right, up, down: normal, pressed,
  // hot, disabled (the painters read the first two). Frames 17 to 23 are
  // not read by the painters: the size box and plain track tiles.
  std::vector<TImage> frames;
  for (const char* name : {"arrow_left", "arrow_right", "arrow_up", "arrow_down"}) {
    const TGlyph& g = look.Glyph(name);
    frames.push_back(ArrowFrame(look, g, "arrow_plate", "arrow_glyph"));
    frames.push_back(ArrowFrame(look, g, "arrow_pressed", "arrow_glyph_pressed"));
    frames.push_back(ArrowFrame(look, g, "arrow_hot", "arrow_glyph"));
    frames.push_back(ArrowFrame(look, g, nullptr, "arrow_glyph_disabled"));
  }
  TImage grip(16, 16, look.Colour("face"));
  DrawGlyph(grip, look.Glyph("grip"), 16 - look.Glyph("grip").Width() - 1, 16 - look.Glyph("grip").Height() - 1,
            look.Colour("shadow"));
  frames.push_back(grip);
  while (frames.size() < 23) frames.emplace_back(16, 16, look.Colour("track"));
  return JoinHorizontally(frames);
}

TImage ScrollTrack(const TLook& look) {
  // Flat, so one strip serves the horizontal and the vertical track:
  // normal, pressed, hot, disabled.
  return JoinHorizontally({TImage(16, 16, look.Colour("track")), TImage(16, 16, look.Colour("track_pressed")),
                           TImage(16, 16, look.Colour("track_hot")), TImage(16, 16, look.Colour("track_disabled"))});
}

TImage HorzThumb(const TLook& look) {
  // normal, pressed, hot
  return JoinHorizontally({ThumbFrame(look, {"thumb_rim", "thumb_top", "thumb_bottom", nullptr}),
                           ThumbFrame(look, {"thumb_pressed_rim", "thumb_pressed", "thumb_pressed", nullptr}),
                           ThumbFrame(look, {"thumb_hot_rim", "thumb_hot_top", "thumb_hot_bottom", nullptr})});
}

TImage VertThumb(const TLook& look) {
  // The horizontal thumb turned on its side, frame by frame, so the light
  // falls from the left as it falls from the top on the horizontal one.
  const TImage h = HorzThumb(look);
  std::vector<TImage> frames;
  for (int i = 0; i < 3; ++i) frames.push_back(h.Crop(20 * i, 0, 20, 16).Transposed());
  return JoinHorizontally(frames);
}

TImage Tabs(const TLook& look) {
  // normal, selected (the two the painters read), hot, disabled, selected
  // disabled
  return JoinHorizontally({
      TabFrame(look, false, "tab_top", "tab_bottom", "tab_rim"),
      TabFrame(look, true, "tab_sel_top", "face", "tab_rim"),
      TabFrame(look, false, "tab_hot_top", "tab_hot_bottom", "tab_rim"),
      TabFrame(look, false, "tab_disabled", "tab_disabled", "tab_disabled_rim"),
      TabFrame(look, true, "face", "face", "tab_disabled_rim"),
  });
}

TImage TabBorder(const TLook& look) {
  // The page frame around the page rectangle: 4 columns at the sides and
  // the bottom, 5 rows at the top (the painter's fixed margins). The top
  // carries only a light line, so under the selected tab, which ends in the
  // page colour, nothing separates the two.
  TImage f(16, 16, look.Colour("face"));
  const TRgb rim = look.Colour("tab_rim"), shine = look.Colour("page_shine");
  f.HLine(0, 0, 16, shine);
  f.VLine(0, 0, 16, rim);
  f.VLine(15, 0, 16, rim);
  f.HLine(0, 15, 16, rim);
  f.VLine(1, 1, 14, shine);
  f.HLine(1, 14, 14, look.Colour("page_shade"));
  f.VLine(14, 1, 14, look.Colour("page_shade"));
  return f;
}

TImage SunkEdge(const TLook& look) {
  // normal, pressed, disabled, hot or focused
  return JoinHorizontally({SunkFrame(look, "shadow", "white", "white"), SunkFrame(look, "shadow", "white", "white"),
                           SunkFrame(look, "edit_disabled_rim", "edit_disabled", "edit_disabled"),
                           SunkFrame(look, "focus_rim", "white", "white")});
}

TImage ComboButton(const TLook& look) {
  // normal, pressed, disabled, hot or focused; the strip covers the right
  // end of the combo box border, so its outer rows match the SunkEdge rim
  return JoinHorizontally({
      ComboFrame(look, {"btn_rim_light", "btn_top", "btn_bottom", nullptr}, "shadow", "arrow_glyph"),
      ComboFrame(look, {"btn_rim_light", "btn_pressed_top", "btn_pressed_bottom", nullptr}, "shadow", "arrow_glyph"),
      ComboFrame(look, {"edit_disabled_rim", "btn_disabled_fill", "btn_disabled_fill", nullptr}, "edit_disabled_rim",
                 "arrow_glyph_disabled"),
      ComboFrame(look, {"btn_hot_rim", "btn_hot_top", "btn_hot_bottom", nullptr}, "focus_rim", "arrow_glyph"),
  });
}

TImage Progress(const TLook& look) {
  // the empty trough, the filled part
  const TRgb face = look.Colour("face");
  const TFace trough{"shadow", "prog_trough_top", "prog_trough", nullptr};
  const TFace fill{"prog_rim", "prog_top", "prog_bottom", "prog_shine"};
  return JoinHorizontally({PlateFrame(20, 14, face, look, {0, 0, 20, 14}, 3, &trough),
                           PlateFrame(20, 14, look.Colour("prog_trough"), look, {0, 0, 20, 14}, 3, &fill)});
}

TImage MenuBackground(const TLook& look) {
  // The three-pixel ring of the popup window around the menu colour.
  TImage f(16, 16, look.Colour("menu"));
  const TRgb rim = look.Colour("menu_rim");
  f.HLine(0, 0, 16, rim);
  f.HLine(0, 15, 16, rim);
  f.VLine(0, 0, 16, rim);
  f.VLine(15, 0, 16, rim);
  return f;
}

TImage MenuItem(const TLook& look) {
  // normal (see-through), separator (its bottom rows are used), disabled
  // selected, selected, checked
  const TRgb menu = look.Colour("menu");
  const TBox box{0, 0, 24, 20};
  const TFace selected{"menu_sel_rim", "menu_sel_top", "menu_sel_bottom", nullptr};
  const TFace muted{"menu_muted_rim", "menu_muted", "menu_muted", nullptr};
  const TFace checked{"menu_sel_rim", "menu_check", "menu_check", nullptr};
  TImage separator(24, 20, kMagenta);
  separator.HLine(3, 15, 18, look.Colour("menu_sep"));
  return JoinHorizontally({PlateFrame(24, 20, menu, look, box, 3, nullptr), separator,
                           PlateFrame(24, 20, menu, look, box, 3, &muted),
                           PlateFrame(24, 20, menu, look, box, 3, &selected),
                           PlateFrame(24, 20, menu, look, box, 3, &checked)});
}

TImage Toolbars(const TLook& look) {
  // flat tool button faces in push-button order: normal (see-through),
  // pressed, disabled (see-through), hot, checked
  const TRgb face = look.Colour("face");
  const TBox box{0, 0, 22, 22};
  const TFace pressed{"btn_pressed_rim", "btn_pressed_top", "btn_pressed_bottom", nullptr};
  const TFace hot{"btn_hot_rim", "btn_hot_top", "btn_hot_bottom", "btn_shine"};
  const TFace checked{"btn_rim", "tool_checked", "tool_checked", nullptr};
  return JoinHorizontally({PlateFrame(22, 22, face, look, box, 3, nullptr), PlateFrame(22, 22, face, look, box, 3, &pressed),
                           PlateFrame(22, 22, face, look, box, 3, nullptr), PlateFrame(22, 22, face, look, box, 3, &hot),
                           PlateFrame(22, 22, face, look, box, 3, &checked)});
}

TImage Headerbar(const TLook& look) {
  // column header sections in push-button order: normal, pressed,
  // disabled, hot, sorted
  return JoinHorizontally({HeaderFrame(look, "header_top", "header_bottom", nullptr),
                           HeaderFrame(look, "btn_pressed_top", "btn_pressed_bottom", nullptr),
                           HeaderFrame(look, "btn_disabled_fill", "btn_disabled_fill", nullptr),
                           HeaderFrame(look, "btn_hot_top", "btn_hot_bottom", nullptr),
                           HeaderFrame(look, "header_top", "header_bottom", "tab_accent")});
}

TImage GroupBoxEdge(const TLook& look) {
  // An etched rounded frame, normal and disabled; the inside is see-through.
  std::vector<TImage> frames;
  for (const char* rim : {"shadow", "edit_disabled_rim"}) {
    TImage f(16, 16, look.Colour("face"));
    const TBox box{0, 0, 16, 16};
    FillRoundBox(f, box, 4, look.Colour(rim));
    FillRoundBox(f, box.Inset(1), 3, look.Colour("white"));
    FillRoundBox(f, TBox{1, 1, 15, 15}.Inset(1), 2, look.Colour("face"));
    for (int y = 3; y < 13; ++y) f.HLine(3, y, 10, kMagenta);
    CutOutsideRoundBox(f, box, 4);
    frames.push_back(f);
  }
  return JoinHorizontally(frames);
}

TImage GroupBox(const TLook& look) {
  // The plate behind a group caption.
  const TFace plate{"face", "face_light", "face", nullptr};
  return PlateFrame(32, 16, look.Colour("face"), look, {0, 0, 32, 16}, 4, &plate);
}

TImage StatusBarEdges(const TLook& look) {
  // bar background, sunken panel, size grip
  TImage bar(20, 20);
  const TRowColour fill = VerticalGradient(look.Colour("face_light"), look.Colour("face"), 1, 19);
  for (int y = 0; y < 20; ++y) bar.HLine(0, y, 20, y == 0 ? look.Colour("shadow") : fill(y));
  TImage panel(20, 20, look.Colour("face"));
  panel.HLine(0, 0, 20, look.Colour("shadow"));
  panel.VLine(0, 0, 20, look.Colour("shadow"));
  panel.HLine(0, 19, 20, look.Colour("white"));
  panel.VLine(19, 0, 20, look.Colour("white"));
  TImage grip = bar;
  const TGlyph& g = look.Glyph("grip");
  DrawGlyph(grip, g, 20 - g.Width() - 2, 20 - g.Height() - 2, look.Colour("shadow"));
  return JoinHorizontally({bar, panel, grip});
}

}  // namespace hm::skingen::kolvane
