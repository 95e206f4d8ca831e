#include "framework/ui/controls/button_layout.h"

namespace hm {

TButtonPlacement PlaceGlyphAndText(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                   int spacing) {
  TButtonPlacement out;
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  // Across the layout axis both are centred.
  if (horizontal) {
    out.glyph.y = (client.cy - glyph.cy + 1) / 2;
    out.text.y = (client.cy - text.cy + 1) / 2;
  } else {
    out.glyph.x = (client.cx - glyph.cx + 1) / 2;
    out.text.x = (client.cx - text.cx + 1) / 2;
  }
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;

  // Along the axis.
  const int room = horizontal ? client.cx : client.cy;
  const int g = horizontal ? glyph.cx : glyph.cy;
  const int t = horizontal ? text.cx : text.cy;
  if (margin == -1 && spacing == -1) {
    margin = (room - (g + t)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (room - (g + spacing + t)) / 2;
  } else if (spacing == -1) {
    spacing = (room - (margin + g) - t) / 2;
  }

  switch (layout) {
    case blGlyphLeft:
      out.glyph.x = margin;
      out.text.x = margin + glyph.cx + spacing;
      out.text_align = DT_LEFT;
      break;
    case blGlyphRight:
      out.glyph.x = client.cx - margin - glyph.cx;
      out.text.x = out.glyph.x - spacing - text.cx;
      out.text_align = DT_RIGHT;
      break;
    case blGlyphTop:
      out.glyph.y = margin;
      out.text.y = margin + glyph.cy + spacing;
      out.text_align = DT_CENTER;
      break;
    case blGlyphBottom:
      out.glyph.y = client.cy - margin - glyph.cy;
      out.text.y = out.glyph.y - spacing - text.cy;
      out.text_align = DT_CENTER;
      break;
  }
  return out;
}

}  // namespace hm
