#include "skin/controls/button_face_layout.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace hm {

int PushButtonFace(const TButtonLook& look) {
  if (!look.enabled) return kFaceDisabled;
  if (look.pressed) return kFacePressed;
  if (look.hot) return kFaceHot;
  if (look.is_default) return kFaceDefault;
  if (look.focused) return kFaceHot;
  return kFaceNormal;
}

int BitButtonFace(const TButtonLook& look) {
  if (!look.enabled) return kFaceDisabled;
  if (look.pressed) return kFacePressed;
  if (look.focused || look.hot) return kFaceHot;
  if (look.is_default) return kFaceDefault;
  return kFaceNormal;
}

int SpeedButtonFace(const TButtonLook& look) {
  if (look.down) return kFacePressed;
  if (!look.enabled) return kFaceDisabled;
  if (look.pressed) return kFacePressed;
  if (look.hot) return kFaceHot;
  return kFaceNormal;
}

int GlyphFrameOfFace(int face) {
  if (face == kFacePressed) return 3;
  if (face == kFaceDisabled) return 2;
  return 1;
}

TGlyphTextPlace PlaceGlyphText(const TGlyphTextInput& in) {
  TGlyphTextPlace out;
  const bool across = in.layout == TGlyphLayout::Left || in.layout == TGlyphLayout::Right;
  if (across) {
    out.glyph_y = (in.client_height - in.glyph_height + 1) / 2;
    out.text_y = (in.client_height - in.text_height + 1) / 2;
  } else {
    out.glyph_x = (in.client_width - in.glyph_width + 1) / 2;
    out.text_x = (in.client_width - in.text_width + 1) / 2;
  }
  int margin = in.margin < 0 ? -1 : in.margin;
  int spacing = in.spacing < 0 ? -1 : in.spacing;
  if (in.text_width == 0 || in.glyph_width == 0) spacing = 0;
  const int client = across ? in.client_width : in.client_height;
  const int glyph = across ? in.glyph_width : in.glyph_height;
  const int text = across ? in.text_width : in.text_height;
  if (margin == -1 && spacing == -1) {
    margin = (client - (glyph + text)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (client - (glyph + spacing + text)) / 2 + (in.speed_button ? 1 : 0);
  } else if (spacing == -1) {
    spacing = (client - (margin + glyph) - text) / 2;
  }
  out.margin = margin;
  out.spacing = spacing;
  switch (in.layout) {
    case TGlyphLayout::Left:
      out.glyph_x = margin;
      out.text_x = margin + in.glyph_width + spacing;
      out.align = TTextAlign::Left;
      break;
    case TGlyphLayout::Right:
      out.glyph_x = in.client_width - margin - in.glyph_width;
      out.text_x = out.glyph_x - spacing - in.text_width;
      out.align = TTextAlign::Right;
      break;
    case TGlyphLayout::Top:
      out.glyph_y = margin;
      out.text_y = margin + in.glyph_height + spacing;
      out.align = TTextAlign::Centre;
      break;
    case TGlyphLayout::Bottom:
      out.glyph_y = in.client_height - margin - in.glyph_height;
      out.text_y = out.glyph_y - spacing - in.text_height;
      out.align = TTextAlign::Centre;
      break;
  }
  return out;
}

TGlyphLayout GlyphLayoutFromName(const char* name) {
  std::string lower = name ? name : "";
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "blglyphright") return TGlyphLayout::Right;
  if (lower == "blglyphtop") return TGlyphLayout::Top;
  if (lower == "blglyphbottom") return TGlyphLayout::Bottom;
  return TGlyphLayout::Left;
}

int FramesOfStrip(int given, int width, int height) {
  if (given > 0) return given;
  if (height <= 0 || width <= 0) return 1;
  return std::max(1, width / height);
}

int CheckBoxFrame(int frame_count, bool checked, bool indeterminate, bool enabled) {
  if (frame_count == 12) {
    if (indeterminate) return enabled ? 9 : 12;
    if (checked) return enabled ? 5 : 8;
    return enabled ? 1 : 4;
  }
  if (indeterminate) return 4;
  if (checked) return enabled ? 2 : 4;
  return enabled ? 1 : 3;
}

int RadioButtonFrame(int frame_count, bool checked, bool enabled) {
  if (frame_count == 8) {
    if (checked) return enabled ? 5 : 8;
    return enabled ? 1 : 4;
  }
  if (checked) return enabled ? 2 : 4;
  return enabled ? 1 : 3;
}

TBoxPlace PlaceBox(const TPieceRect& rect, int fw, int fh, int check, bool text_left, bool radio) {
  TBoxPlace place;
  const int top = rect.top + (rect.Height() - fh) / 2;
  if (text_left) {
    const int d = fw < 15 ? -((14 - fw) / 2) : -1;
    place.box.right = rect.right + d;
    place.box.left = place.box.right - fw;
    place.background = TPieceRect{rect.right - check - 3, rect.top, rect.right, rect.bottom};
  } else {
    const int inset = radio ? 0 : 2;
    place.box.left = rect.left + (fw < 15 ? (14 - fw) / 2 : 0) + inset;
    place.box.right = place.box.left + fw;
    place.background = TPieceRect{rect.left, rect.top, rect.left + check + 3, rect.bottom};
  }
  place.box.top = top;
  place.box.bottom = top + fh;
  return place;
}

TUpDownPlace PlaceUpDown(const TPieceRect& client, const TUpDownLook& look) {
  TUpDownPlace place;
  bool in_first = false;
  if (look.horizontal) {
    const int c = client.Width() / 2;
    place.first = TPieceRect{client.left, client.top, client.left + c, client.bottom};
    place.second = TPieceRect{client.left + c, client.top, client.right, client.bottom};
    in_first = look.cursor_x < client.left + c;
  } else {
    const int c = client.Height() / 2;
    place.first = TPieceRect{client.left, client.top, client.right, client.top + c};
    place.second = TPieceRect{client.left, client.top + c, client.right, client.bottom};
    in_first = look.cursor_y < client.top + c;
  }
  const int active = look.pressed ? 2 : look.hot ? 4 : 1;
  int first = in_first ? active : 1;
  int second = in_first ? 1 : active;
  if (!look.enabled) first = second = 3;
  place.first_frame = first;
  place.second_frame = second + 4;
  return place;
}

int ProgressFill(std::int64_t position, std::int64_t low, std::int64_t high, int extent) {
  if (high <= low || extent <= 0) return 0;
  const std::int64_t p = std::clamp(position, low, high);
  return static_cast<int>((p - low) * extent / (high - low));
}

}  // namespace hm
