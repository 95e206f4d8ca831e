#include "editors/combo_logic.h"

#include <algorithm>
#include <string>

#include "framework/core/text.h"

namespace hm::combo {

int FindItem(const TStrings& items, int count, std::string_view text) {
  count = std::min(count, items.Count());
  for (int i = 0; i < count; ++i) {
    if (AnsiSameText(items.Get(i), text)) return i;
  }
  return -1;
}

int FindPrefix(const TStrings& items, int count, std::string_view prefix) {
  const std::u16string typed = Utf8ToUtf16(prefix);
  if (typed.empty()) return -1;
  count = std::min(count, items.Count());
  for (int i = 0; i < count; ++i) {
    const std::u16string item = Utf8ToUtf16(items.Get(i));
    if (item.size() < typed.size()) continue;
    if (AnsiSameText(Utf16ToUtf8(item.substr(0, typed.size())), prefix)) return i;
  }
  return -1;
}

int Step(int index, int count, bool next) {
  if (count <= 0) return index;
  if (next) return index < count - 1 ? index + 1 : index;
  if (index < 0) return count - 1;
  return index > 0 ? index - 1 : index;
}

int ListWidth(int setting, int combo_width, int widest_text) {
  int width = setting == -1 ? widest_text + 5 : setting <= 0 ? combo_width : setting;
  return std::max(width, combo_width);
}

TListPlacement PlaceList(const TRectI& combo, const TRectI& work, int width, int rows, int item_height, int border,
                         TDropDownAlign align) {
  TListPlacement out;
  item_height = std::max(item_height, 1);
  rows = std::max(rows, 1);
  const int height = rows * item_height + border;
  const int below = work.bottom - combo.bottom;
  const int above = combo.top - work.top;
  if (height <= below) {
    out.upward = false;
  } else if (height <= above) {
    out.upward = true;
  } else {
    out.upward = above > below;
  }
  const int room = out.upward ? above : below;
  out.rows = height <= room ? rows : std::clamp((room - border) / item_height, 1, rows);
  const int h = out.rows * item_height + border;

  const int w = std::min(width, work.Width());
  int left = combo.left;
  if (align == daRight) left = combo.right - w;
  if (align == daCenter) left = combo.left + (combo.Width() - w) / 2;
  left = std::clamp(left, work.left, work.right - w);
  const int top = out.upward ? combo.top - h : combo.bottom;
  out.rect = TRectI{left, top, left + w, top + h};
  return out;
}

}  // namespace hm::combo
