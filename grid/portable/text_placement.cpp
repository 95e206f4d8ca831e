#include "grid/portable/text_placement.h"

namespace hm {

TTextOrigin SingleLineOrigin(const TTextBox& box, int dx, int dy, int text_width, int text_height,
                             TAlignment alignment, TTextLayout layout) {
  TTextOrigin o;
  switch (alignment) {
    case taRightJustify: o.x = box.right - text_width - 3; break;
    case taCenter: o.x = box.left + box.Width() / 2 - text_width / 2; break;
    default: o.x = box.left + dx; break;
  }
  o.y = box.top + dy;
  if (layout != tlTop && text_height < box.Height() - dy) {
    o.y = layout == tlCenter ? box.top + (box.Height() - text_height) / 2 : box.bottom - text_height - dy;
  }
  return o;
}

int WrappedBlockTop(const TTextBox& inner, int block_height, TTextLayout layout) {
  if (layout == tlTop || block_height >= inner.Height()) return inner.top;
  return layout == tlCenter ? inner.top + (inner.Height() - block_height) / 2 : inner.bottom - block_height;
}

}  // namespace hm
