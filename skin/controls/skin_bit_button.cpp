#include "skin/controls/skin_bit_button.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/glyph.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/data_skin_objects.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinBitButton) {}

namespace {

UINT AlignFlag(TTextAlign align) {
  switch (align) {
    case TTextAlign::Centre: return DT_CENTER;
    case TTextAlign::Right: return DT_RIGHT;
    case TTextAlign::Left: break;
  }
  return DT_LEFT;
}

}  // namespace

TGlyphTextPlace DrawGlyphCaption(TCanvas& canvas, const RECT& client, const TGlyphCaption& parts,
                                 const std::string& caption, TFont* font, const TDataSkinButton& definition,
                                 int face) {
  if (font) canvas.Font().Assign(*font);
  const bool has_glyph = parts.glyph && !parts.glyph->Empty();
  const int num_glyphs = parts.num_glyphs > 0 ? parts.num_glyphs : 1;
  TGlyphTextInput in;
  in.client_width = Width(client);
  in.client_height = Height(client);
  if (has_glyph) {
    in.glyph_width = parts.glyph->Width() / num_glyphs;
    in.glyph_height = parts.glyph->Height();
  }
  if (!caption.empty()) {
    RECT measured{0, 0, in.client_width, in.client_height};
    canvas.DrawText(caption, measured, DT_CALCRECT);
    in.text_width = Width(measured);
    in.text_height = Height(measured);
  }
  in.margin = parts.margin;
  in.spacing = parts.spacing;
  in.layout = parts.layout;
  in.speed_button = parts.speed_button;
  const TGlyphTextPlace place = PlaceGlyphText(in);

  if (has_glyph) {
    const RECT at{client.left + place.glyph_x, client.top + place.glyph_y, client.left + place.glyph_x + in.glyph_width,
                  client.top + place.glyph_y + in.glyph_height};
    DrawGlyphFrame(canvas, at, num_glyphs, GlyphFrameOfFace(face), *parts.glyph);
  }
  if (!caption.empty()) {
    TColor colour = canvas.Font().Color();
    if (face == kFaceDisabled) colour = clBtnShadow;
    colour = FaceTextColour(definition, face, colour);
    canvas.Font().SetColor(colour);
    canvas.Brush().SetStyle(bsClear);
    RECT t{client.left + place.text_x, client.top + place.text_y, client.left + place.text_x + in.text_width,
           client.top + place.text_y + in.text_height};
    canvas.DrawText(caption, t, AlignFlag(place.align));
  }
  return place;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* d = FaceDefinition();
  if (!d || !dc || Width(rect) <= 0 || Height(rect) <= 0) return;
  ReadWindowState();
  TButtonLook look;
  look.pressed = mouse_state_ & kMousePressed;
  look.hot = mouse_state_ & kMouseHot;
  look.is_default = LowerCase(GetPropEnumName("Default")) == "true";
  look.focused = focused_;
  look.enabled = enabled_;
  const int face = BitButtonFace(look);
  last_face_ = face;

  const RECT at{0, 0, Width(rect), Height(rect)};
  if (face_bitmap_.Width() != at.right || face_bitmap_.Height() != at.bottom) face_bitmap_.SetSize(at.right, at.bottom);
  TCanvas& canvas = face_bitmap_.Canvas();
  HDC out = canvas.Handle();
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0))) {
    LOGFONTW lf{};
    if (GetObjectW(font, sizeof lf, &lf)) canvas.Font().AssignLogFont(lf);
  }
  FillBackground(out, at);
  DrawSkinImage(out, at, FaceFrameCount(), face, *d);

  TGlyphCaption parts;
  auto* glyph = dynamic_cast<TGlyph*>(GetPropObject("Glyph"));
  parts.glyph = glyph ? &glyph->Bitmap() : nullptr;
  parts.num_glyphs = GetPropInt("NumGlyphs");
  parts.margin = GetPropInt("Margin");
  parts.spacing = GetPropInt("Spacing");
  parts.layout = GlyphLayoutFromName(GetPropEnumName("Layout").c_str());
  auto* font = dynamic_cast<TFont*>(GetPropObject("Font"));
  last_place_ = DrawGlyphCaption(canvas, at, parts, caption_, font, *d, face);
  GdiFlush();
  CopyFace(dc, rect);
}

}  // namespace hm
