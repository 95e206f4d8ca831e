#include "skin/frame/menu_item_drawing.h"

#include <algorithm>
#include <memory>

#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_pop_menu.h"

namespace hm {

namespace {

constexpr int kItemFrames = 5;
constexpr int kFrameNormal = 1;
constexpr int kFrameSeparator = 2;
constexpr int kFrameSelected = 4;
constexpr int kGlyph = 16;

int LeftWidthOf(const TSkinData& data) {
  const TDataSkinObject* skin = MenuItemSkin(data);
  return skin ? skin->LeftWidth : 0;
}


// The work bitmap of one item: the menu window's background under it, or
// the plain menu colour when the window is not known.
void FillItemBackground(const TSkinData& data, TBitmap& work, HMENU menu, const RECT& rect) {
  TCanvas& canvas = work.Canvas();
  // Items are placed in client coordinates: inside the window's ring, or
  // (where the menu draws its border itself) in the window's own.
  POINT origin{};
  if (TBitmap* background = TWinSkinPopMenu::ItemBackground(menu, origin)) {
    BitBlt(canvas.Handle(), 0, 0, work.Width(), work.Height(), background->Canvas().Handle(), rect.left + origin.x,
           rect.top + origin.y, SRCCOPY);
    return;
  }
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(data.Colours().MenuColor);
  canvas.FillRect(RECT{0, 0, work.Width(), work.Height()});
}

void PrepareWork(TBitmap& work, const RECT& rect) {
  work.SetSize(std::max(Width(rect), 0), std::max(Height(rect), 0));
  AssignSystemMenuFont(work.Canvas().Font());
}

void DrawItemImage(const TDataSkinObject& skin, TBitmap& work, bool selected) {
  const RECT whole{0, 0, work.Width(), work.Height()};
  std::unique_ptr<TBitmap> image =
      NinePartBitmap(whole, skin.Bitmap, MarginsOf(skin), TFrameOrientation::SideBySide, skin.Tile != 0, kItemFrames,
                     selected ? kFrameSelected : kFrameNormal);
  if (!image || image->Empty()) return;
  HDC dc = work.Canvas().Handle();
  if (skin.Trans != 0) {
    TransparentBlit(dc, whole, *image, kSkinKeyColour);
  } else {
    BitBlt(dc, 0, 0, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
  }
}

void Present(TCanvas& target, TBitmap& work, const RECT& rect) {
  BitBlt(target.Handle(), rect.left, rect.top, work.Width(), work.Height(), work.Canvas().Handle(), 0, 0, SRCCOPY);
}

// A two-colour checker of the button face and its highlight.
void FillChecker(HDC dc, const RECT& rect) {
  static const WORD kRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  UniqueGdi<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, kRows));
  if (!pattern) return;
  UniqueGdi<HBRUSH> brush(CreatePatternBrush(pattern.get()));
  if (!brush) return;
  const COLORREF old_text = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
  const COLORREF old_back = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  FillRect(dc, &rect, brush.get());
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_back);
}

// The system's check mark, its mark in the button-text colour, the rest
// left as it is.
void DrawCheckMark(HDC dc, const RECT& glyph) {
  UniqueGdi<HBITMAP> mark(LoadBitmapW(nullptr, MAKEINTRESOURCEW(32760)));  // OBM_CHECK
  if (!mark) return;
  BITMAP info{};
  if (!GetObjectW(mark.get(), sizeof info, &info)) return;
  UniqueMemoryDC source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectScope bitmap(source.get(), mark.get());
  UniqueGdi<HBRUSH> ink(CreateSolidBrush(GetSysColor(COLOR_BTNTEXT)));
  SelectScope brush(dc, ink.get());
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
  const int x = glyph.left + (Width(glyph) - info.bmWidth) / 2 + 1;
  const int y = glyph.top + (Height(glyph) - info.bmHeight) / 2 + 1;
  // Where the mark is white the target stays; where it is black the brush.
  constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, kBrushWhereSourceBlack);
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_back);
}

void DrawGlyph(TMenuItem& item, TCanvas& canvas, TImageList* images, const RECT& glyph) {
  const int index = item.ImageIndex();
  if (images && index >= 0 && index < images->Count()) {
    if (item.Checked()) {
      FillChecker(canvas.Handle(), glyph);
      RECT edge = glyph;
      DrawEdge(canvas.Handle(), &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    images->Draw(canvas, glyph.left, glyph.top, index, item.Enabled());
  } else if (item.Checked()) {
    DrawCheckMark(canvas.Handle(), glyph);
  }
}

// The caption's rectangle after measuring, moved to the middle of rect's height.
RECT CentredText(const TSkinData& data, TMenuItem& item, TCanvas& canvas, bool selected, RECT text, UINT align) {
  RECT measured = text;
  DrawItemText(data, item, canvas, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | align, selected,
               measured, item.Caption());
  const int shift = (Height(text) - Height(measured)) / 2;
  text.top += shift;
  text.bottom = text.top + Height(measured);
  if (align == DT_RIGHT) {
    text.left = std::max(text.left, text.right - Width(measured));
  } else {
    text.right = std::min(text.right, text.left + Width(measured));
  }
  return text;
}

}  // namespace

const TDataSkinObject* MenuItemSkin(const TSkinData& data) {
  const TDataSkinObject* skin = data.Section(ssMenuItem);
  return skin && !skin->Bitmap.Empty() ? skin : nullptr;
}

void MarkDropDowns() {
  if (TSkinManage* manager = ExistingSkinManager()) manager->MarkMenuBarDropDowns();
}

void AssignSystemMenuFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) font.AssignLogFont(metrics.lfMenuFont);
}

// ---- Measuring

void MeasurePopupItem(const TSkinData& data, const TMenuItem& item, TCanvas&, int& width) {
  const TMenu* menu = item.GetParentMenu();
  width += LeftWidthOf(data) + (menu && menu->Images() ? 12 : 35);
}

void MeasureMainItem(const TSkinData& data, const TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  item.MeasureOwnSize(canvas, width, height);
  const TMenu* menu = item.GetParentMenu();
  width += LeftWidthOf(data) + (menu && menu->Images() ? 10 : 35);
}

// ---- Drawing

void DrawSkinnedItem(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& target, bool selected, RECT rect) {
  MarkDropDowns();
  const TDataSkinObject* item_skin = MenuItemSkin(skin.data);
  if (!item_skin) {
    DrawFlatItem(skin, item, target, selected, rect);
    return;
  }
  TMenuItem* parent = item.Parent();
  if (TWinSkinPopMenu::PendingPopup() && parent) TWinSkinPopMenu::ServePendingPopup(parent->Handle());
  TBitmap work;
  PrepareWork(work, rect);
  if (work.Empty()) return;
  FillItemBackground(skin.data, work, parent && parent->HandleAllocated() ? parent->Handle() : nullptr, rect);
  if (item.IsLine()) {
    Present(target, work, rect);
    DrawSkinnedSeparator(skin.data, target.Handle(), rect);
    return;
  }
  DrawItemImage(*item_skin, work, selected);
  DrawItemContent(skin, item, work.Canvas(), selected, RECT{0, 0, work.Width(), work.Height()});
  Present(target, work, rect);
}

void DrawSkinnedSeparator(const TSkinData& data, HDC dc, const RECT& rect) {
  const TDataSkinObject* skin = MenuItemSkin(data);
  if (!skin || Width(rect) <= 0 || Height(rect) <= 0) return;
  const TBitmap& bitmap = skin->Bitmap;
  const int frame_width = bitmap.Width() / kItemFrames;
  const int frame_left = frame_width * (kFrameSeparator - 1);
  const int h = Height(rect);
  const int source_top = h < bitmap.Height() ? bitmap.Height() - h : 0;
  const int source_h = bitmap.Height() - source_top;
  const int left = std::min(skin->LeftWidth, frame_width);
  const int right = std::min(skin->RightWidth, frame_width - left);
  TBitmap strip(Width(rect), h);
  HDC out = strip.Canvas().Handle();
  HDC in = const_cast<TBitmap&>(bitmap).Canvas().Handle();
  SetStretchBltMode(out, COLORONCOLOR);
  const int w = Width(rect);
  const int l = std::min(left, w);
  const int r = std::min(right, w - l);
  StretchBlt(out, 0, 0, l, h, in, frame_left, source_top, left, source_h, SRCCOPY);
  StretchBlt(out, w - r, 0, r, h, in, frame_left + frame_width - right, source_top, right, source_h, SRCCOPY);
  StretchBlt(out, l, 0, w - l - r, h, in, frame_left + left, source_top, frame_width - left - right, source_h, SRCCOPY);
  TransparentBlit(dc, rect, strip, kSkinKeyColour);
}

void DrawSkinnedNativeItem(const TMenuItemSkin& skin, HMENU menu, TMenuItem& item, bool selected, RECT rect,
                           TCanvas& target) {
  const TDataSkinObject* item_skin = MenuItemSkin(skin.data);
  if (!item_skin) {
    DrawFlatItem(skin, item, target, selected, rect);
    return;
  }
  TBitmap work;
  PrepareWork(work, rect);
  if (work.Empty()) return;
  FillItemBackground(skin.data, work, menu, rect);
  DrawItemImage(*item_skin, work, selected);
  DrawItemContent(skin, item, work.Canvas(), selected, RECT{0, 0, work.Width(), work.Height()});
  Present(target, work, rect);
}

void DrawFlatItem(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& target, bool selected, RECT rect) {
  TBitmap work;
  PrepareWork(work, rect);
  if (work.Empty()) return;
  TCanvas& canvas = work.Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(selected ? skin.data.Colours().HilightColor : skin.data.Colours().MenuColor);
  canvas.FillRect(RECT{0, 0, work.Width(), work.Height()});
  DrawItemContent(skin, item, canvas, selected, RECT{0, 0, work.Width(), work.Height()});
  Present(target, work, rect);
}

void DrawItemContent(const TMenuItemSkin& skin, TMenuItem& item, TCanvas& canvas, bool selected, RECT r) {
  const TMenu* menu = item.GetParentMenu();
  if (!menu) menu = skin.bar_menu;
  TImageList* images = item.GetImageList();
  int glyph_size = images ? images->Width() : kGlyph;
  if (item.Checked()) glyph_size = std::max(glyph_size, kGlyph);
  const int left_width = LeftWidthOf(skin.data);
  const bool line = item.IsLine();
  const std::string shortcut = item.ShortCut() != scNone ? ShortCutToText(item.ShortCut()) : std::string();

  if (menu && menu->IsRightToLeft()) {
    const int right = r.right - 1 - left_width;
    const RECT glyph = line ? RECT{} : RECT{right - glyph_size, r.top + 1, right, r.top + 1 + glyph_size};
    if (!line) DrawGlyph(item, canvas, images, glyph);
    RECT text{r.left + 1, r.top, (line ? 0 : glyph.left) - 3, r.bottom};
    RECT caption = CentredText(skin.data, item, canvas, selected, text, DT_RIGHT);
    RECT placed{text.left, caption.top, text.right, caption.bottom};
    DrawItemText(skin.data, item, canvas, DT_EXPANDTABS | DT_SINGLELINE | DT_RIGHT, selected, placed, item.Caption());
    if (!shortcut.empty()) {
      RECT at{text.left + 10, caption.top, caption.left, caption.bottom};
      DrawItemText(skin.data, item, canvas, DT_EXPANDTABS | DT_SINGLELINE | DT_LEFT, selected, at, shortcut);
    }
    return;
  }

  const int left = r.left + 1 + left_width;
  const RECT glyph = line ? RECT{} : RECT{left, r.top + 1, left + glyph_size, r.top + 1 + glyph_size};
  if (!line) DrawGlyph(item, canvas, images, glyph);
  RECT text{glyph.right + 3, r.top, r.right - 1, r.bottom};
  RECT caption = CentredText(skin.data, item, canvas, selected, text, DT_LEFT);
  RECT placed{text.left, caption.top, text.right, caption.bottom};
  DrawItemText(skin.data, item, canvas, DT_EXPANDTABS | DT_SINGLELINE, selected, placed, item.Caption());
  if (!shortcut.empty()) {
    RECT at{caption.right, caption.top, r.right - 11, caption.bottom};
    DrawItemText(skin.data, item, canvas, DT_EXPANDTABS | DT_SINGLELINE | DT_RIGHT, selected, at, shortcut);
  }
}

void DrawItemText(const TSkinData& data, const TMenuItem& item, TCanvas& canvas, UINT format, bool selected,
                  RECT& rect, std::string text) {
  const bool measuring = (format & DT_CALCRECT) != 0;
  if (measuring && (text.empty() || text == "&")) text += " ";
  if (text == "-") {
    if (measuring) return;
    RECT line = rect;
    line.top += 4;
    DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const TSkinColours& colours = data.Colours();
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetStyle(item.Default() ? TFontStyles{fsBold} : TFontStyles{});
  TColor colour = colours.ButtonShadowColor;
  if (item.Enabled()) {
    colour = selected ? colours.HilightTextColor : colours.MenuTextColor;
  } else if (colours.ButtonShadowColor == colours.MenuTextColor) {
    // Grey text in the text colour could not be told from the rest.
    colour = clBtnShadow;
  }
  canvas.Font().SetColor(colour);
  HDC dc = canvas.Handle();
  SelectScope font(dc, canvas.Font().Handle());
  const COLORREF old = SetTextColor(dc, ColorToRGB(colour));
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  SkinDrawText(dc, text, rect, format);
  SetBkMode(dc, old_mode);
  SetTextColor(dc, old);
}

}  // namespace hm
