// Menu items drawn from the skin into bitmaps: the measure rules, glyphs
// and check marks, separators of framework and native menus, the text
// colours, shortcuts and the mirrored layout.
#include "skin/frame/menu_item_drawing.h"

#include <gtest/gtest.h>

#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/menus/menus.h"
#include "skin/core/win_skin_data.h"
#include "tests/skin/core/test_skin.h"
#include "tests/skin/frame/frame_test_util.h"
#include "tests/skin/frame/menu_test_util.h"

namespace hm::test {
namespace {

struct MenuItemDrawingTest : ::testing::Test {
  void SetUp() override {
    data = MakeRoot<TSkinData>();
    LoadKolvane(*data);
    owner = MakeRoot<TComponent>();
    menu = MakeOwned<TPopupMenu>(*owner);
    images = MakeOwned<TImageList>(*owner);
    TBitmap strip(16, 16);
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(RECT{0, 0, 16, 16});
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(RECT{6, 6, 10, 10});
    images->Add(strip, clFuchsia);
  }
  TMenuItem* Item(const std::string& caption) { return AddItem(*owner, *menu->Items(), caption); }
  // Draws into a fresh bitmap of the item's size filled with lime, so what
  // was not drawn shows.
  TBitmap& Draw(TMenuItem& item, bool selected, bool native = false, int width = 160, int height = 20) {
    out = std::make_unique<TBitmap>(width, height);
    out->Canvas().Brush().SetColor(clLime);
    out->Canvas().FillRect(RECT{0, 0, width, height});
    const TMenuItemSkin skin{*data, nullptr};
    if (native) {
      DrawSkinnedNativeItem(skin, nullptr, item, selected, RECT{0, 0, width, height}, out->Canvas());
    } else {
      DrawSkinnedItem(skin, item, out->Canvas(), selected, RECT{0, 0, width, height});
    }
    return *out;
  }
  static int Count(TBitmap& b, COLORREF colour, const RECT& r) {
    int n = 0;
    for (int x = r.left; x < r.right; ++x)
      for (int y = r.top; y < r.bottom; ++y) n += b.Canvas().Pixel(x, y) == colour;
    return n;
  }
  // Text pixels, smoothed or not.
  static int Dark(TBitmap& b, const RECT& r) {
    int n = 0;
    for (int x = r.left; x < r.right; ++x)
      for (int y = r.top; y < r.bottom; ++y) {
        const COLORREF c = b.Canvas().Pixel(x, y);
        n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
      }
    return n;
  }
  int LeftWidth() const { return data->Section(ssMenuItem)->LeftWidth; }

  Owned<TSkinData> data;
  Owned<TComponent> owner;
  TPopupMenu* menu = nullptr;
  TImageList* images = nullptr;
  std::unique_ptr<TBitmap> out;
};

TEST_F(MenuItemDrawingTest, PopupItemsGrowByTheItemMarginAndTheGlyphColumn) {
  TMenuItem* item = Item("Open");
  TBitmap b(10, 10);
  int width = 100;
  MeasurePopupItem(*data, *item, b.Canvas(), width);
  EXPECT_EQ(width, 100 + LeftWidth() + 35);
  menu->SetImages(images);
  width = 100;
  MeasurePopupItem(*data, *item, b.Canvas(), width);
  EXPECT_EQ(width, 100 + LeftWidth() + 12);

  // Drop-down items of a bar: their own size first, whatever their handler says.
  item->OnMeasureItem = [](TObject*, TCanvas*, int& w, int& h) { w = h = 1; };
  AssignSystemMenuFont(b.Canvas().Font());
  int own_w = 0, own_h = 0;
  item->MeasureOwnSize(b.Canvas(), own_w, own_h);
  int w = 0, h = 0;
  MeasureMainItem(*data, *item, b.Canvas(), w, h);
  EXPECT_EQ(w, own_w + LeftWidth() + 10);
  EXPECT_EQ(h, own_h);
}

TEST_F(MenuItemDrawingTest, ACheckedItemShowsTheCheckMarkOrItsImageOnASunkenChecker) {
  TMenuItem* item = Item("Save");
  const RECT glyph{1 + LeftWidth(), 1, 1 + LeftWidth() + 16, 17};
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(Count(Draw(*item, false), ink, glyph), 0);
  item->SetChecked(true);
  EXPECT_GT(Count(Draw(*item, false), ink, glyph), 5);

  menu->SetImages(images);
  item->SetImageIndex(0);
  TBitmap& b = Draw(*item, false);
  EXPECT_GT(Count(b, RGB(255, 0, 0), glyph), 10);
  EXPECT_EQ(b.Canvas().Pixel(glyph.left, glyph.top), GetSysColor(COLOR_BTNSHADOW));        // sunken edge
  EXPECT_EQ(b.Canvas().Pixel(glyph.right - 1, glyph.bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The checker shows where the image is see-through.
  const COLORREF a = b.Canvas().Pixel(glyph.left + 2, glyph.top + 2);
  const COLORREF c = b.Canvas().Pixel(glyph.left + 3, glyph.top + 2);
  EXPECT_NE(a, c);
  EXPECT_TRUE(a == GetSysColor(COLOR_BTNFACE) || a == GetSysColor(COLOR_BTNHIGHLIGHT));
  // Unchecked: the image on the item's own background.
  item->SetChecked(false);
  EXPECT_EQ(Count(Draw(*item, false), GetSysColor(COLOR_BTNSHADOW), RECT{glyph.left, glyph.top, glyph.right, glyph.top + 1}), 0);
}

TEST_F(MenuItemDrawingTest, SeparatorsOfFrameworkAndNativeMenus) {
  TMenuItem* line = Item("-");
  // Framework: the plain menu colour (no window paired) and the skin's strip,
  // its bottom rows (the line sits 5 rows above the frame's bottom).
  TBitmap& framework = Draw(*line, false, false, 100, 8);
  EXPECT_EQ(framework.Canvas().Pixel(50, 1), kMenuColour);
  EXPECT_EQ(framework.Canvas().Pixel(50, 3), RGB(212, 212, 208));
  // Native: an etched line four pixels below the top.
  TBitmap& native = Draw(*line, false, true, 100, 10);
  EXPECT_EQ(native.Canvas().Pixel(50, 4), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(native.Canvas().Pixel(50, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(native.Canvas().Pixel(50, 2), kMenuColour);
}

TEST_F(MenuItemDrawingTest, TextColoursFollowStateAndAGreyEqualToTheTextIsReplaced) {
  TMenuItem* item = Item("WWWW");
  const RECT text{24, 0, 120, 20};
  EXPECT_GT(Count(Draw(*item, false), RGB(0, 0, 0), text), 10);
  item->SetEnabled(false);
  EXPECT_GT(Count(Draw(*item, false), RGB(160, 160, 155), text), 10);
  EXPECT_EQ(Count(Draw(*item, false), RGB(0, 0, 0), text), 0);

  // A skin whose ButtonShadow is its MenuText: the system's shadow colour.
  Owned<TSkinData> same = MakeRoot<TSkinData>();
  Load(*same, TTestSkin().Ini("[Colours]\nButtonShadow=10 20 30\nMenuText=10 20 30\nMenu=250 250 248\n"));
  TBitmap b(120, 20);
  b.Canvas().Brush().SetColor(clLime);
  b.Canvas().FillRect(RECT{0, 0, 120, 20});
  DrawFlatItem(TMenuItemSkin{*same, nullptr}, *item, b.Canvas(), false, RECT{0, 0, 120, 20});
  EXPECT_GT(Count(b, GetSysColor(COLOR_BTNSHADOW), text), 10);
  EXPECT_EQ(Count(b, RGB(10, 20, 30), text), 0);
  // Flat and selected: the highlight colour behind.
  item->SetEnabled(true);
  DrawFlatItem(TMenuItemSkin{*same, nullptr}, *item, b.Canvas(), true, RECT{0, 0, 120, 20});
  EXPECT_EQ(b.Canvas().Pixel(1, 1), ColorToRGB(same->Colours().HilightColor));
}

TEST_F(MenuItemDrawingTest, ADefaultItemIsBoldAndASelectedOneUsesTheSelectedFrame) {
  TMenuItem* item = Item("Exit now");
  const RECT text{24, 0, 150, 20};
  const int plain = Count(Draw(*item, false), RGB(0, 0, 0), text);
  item->SetDefault(true);
  const int bold = Count(Draw(*item, false), RGB(0, 0, 0), text);
  EXPECT_GT(bold, plain);
  TBitmap& selected = Draw(*item, true);
  EXPECT_EQ(selected.Canvas().Pixel(80, 0), kSelectedRim);
  EXPECT_EQ(Draw(*item, false).Canvas().Pixel(80, 0), kMenuColour);
}

TEST_F(MenuItemDrawingTest, ShortcutsEndElevenPixelsFromTheRightAndTheMirroredLayout) {
  TMenuItem* keyed = Item("Go");
  keyed->SetShortCut(ShortCut('W', TShiftState{ssCtrl}));
  TBitmap& left = Draw(*keyed, false, false, 200, 20);
  EXPECT_GT(Dark(left, RECT{150, 0, 189, 20}), 10);
  EXPECT_EQ(Dark(left, RECT{189, 0, 200, 20}), 0);

  menu->SetRightToLeft(true);
  const int right = 200 - 1 - LeftWidth();
  // The caption ends left of the glyph column; the shortcut starts 11 pixels in.
  TBitmap& keyed_mirrored = Draw(*keyed, false, false, 200, 20);
  EXPECT_GT(Dark(keyed_mirrored, RECT{right - 16 - 30, 0, right - 16 - 3, 20}), 5);
  EXPECT_EQ(Dark(keyed_mirrored, RECT{right - 16 - 2, 0, 200, 20}), 0);
  EXPECT_GT(Dark(keyed_mirrored, RECT{11, 0, 60, 20}), 10);
  EXPECT_EQ(Dark(keyed_mirrored, RECT{0, 0, 11, 20}), 0);

  // The check mark sits in the glyph column at the right.
  TMenuItem* checked = Item("Go");
  checked->SetChecked(true);
  const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  TBitmap& mirrored = Draw(*checked, false, false, 200, 20);
  EXPECT_GT(Count(mirrored, ink, RECT{right - 16, 1, right, 17}), 5);
  EXPECT_EQ(Count(mirrored, ink, RECT{0, 0, 120, 20}), 0);
}

}  // namespace
}  // namespace hm::test
