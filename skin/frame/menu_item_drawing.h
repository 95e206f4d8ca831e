// Menu items drawn from the skin: the measure rules of the owner-drawn
// items and their drawing. Each item is composed in a bitmap of its own
// size: the matching piece of its menu window's background, the skin's
// item image, the glyph or check mark, the caption and the shortcut; then
// it is copied in one operation, so items never flicker.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>

namespace hm {

class TCanvas;
class TDataSkinObject;
class TFont;
class TMenu;
class TMenuItem;
class TSkinData;

// What item drawing reads besides the item: the skin and the menu of the
// frame's menu bar (for items that belong to no menu).
struct TMenuItemSkin {
  const TSkinData& data;
  TMenu* bar_menu = nullptr;
};

// The system's menu font.
void AssignSystemMenuFont(TFont& font);

// The skin's [MenuItem] image, null when the skin has none.
const TDataSkinObject* MenuItemSkin(const TSkinData& data);
// The menus the skin manager skins now are drop-downs of a menu bar.
void MarkDropDowns();

// The width grows by the skin item image's left margin and by room for
// the glyph column: 35 without image list, 12 with one.
void MeasurePopupItem(const TSkinData& data, const TMenuItem& item, TCanvas& canvas, int& width);
// The item's own size first, then the same growth (10 with image list).
void MeasureMainItem(const TSkinData& data, const TMenuItem& item, TCanvas& canvas, int& width, int& height);

void DrawSkinnedItem(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& target, bool selected, RECT rect);
void DrawSkinnedNativeItem(const TMenuItemSkin& skin, HMENU menu, TMenuItem& item, bool selected, RECT rect,
                           TCanvas& target);
void DrawFlatItem(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& target, bool selected, RECT rect);
// Glyph, caption and shortcut into rect of canvas.
void DrawItemContent(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& canvas, bool selected, RECT rect);
// One text piece in the item's colours; a "-" is an etched line.
void DrawItemText(const TSkinData& data, const TMenuItem& item, TCanvas& canvas, UINT format, bool selected,
                  RECT& rect, std::string text);
// The skin item image's separator strip into rect.
void DrawSkinnedSeparator(const TSkinData& data, HDC dc, const RECT& rect);

}  // namespace hm
