// The skinned frame as it shows: the main window's title bar (icon, caption
// on its plate, close button) read back from the window, the outline cut
// from the see-through border pixels, when the outline is built again, a
// long caption, and a message box the program shows.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_engine.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// The first and last column of `area` holding a pixel of `colour` (-1
// when none does), and the rows of `area` inked in the last three of them.
struct TInkColumns {
  int first = -1;
  int last = -1;
  int top_row = -1;
  int bottom_row = -1;
};
TInkColumns InkColumns(const TBitmap& image, const RECT& area, COLORREF colour) {
  TInkColumns ink;
  for (int x = area.left; x < area.right; ++x)
    for (int y = area.top; y < area.bottom; ++y)
      if (BitmapPixel(image, x, y) == colour) {
        if (ink.first < 0) ink.first = x;
        ink.last = x;
      }
  for (int x = std::max<int>(area.left, ink.last - 2); ink.last >= 0 && x <= ink.last; ++x)
    for (int y = area.top; y < area.bottom; ++y)
      if (BitmapPixel(image, x, y) == colour) {
        if (ink.top_row < 0 || y < ink.top_row) ink.top_row = y;
        ink.bottom_row = std::max<int>(ink.bottom_row, y);
      }
  return ink;
}

// The width of a space in the system's caption font.
int CaptionSpaceWidth() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HDC screen = GetDC(nullptr);
  HFONT caption_font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HGDIOBJ old = SelectObject(screen, caption_font);
  SIZE space{};
  GetTextExtentPoint32W(screen, L" ", 1, &space);
  SelectObject(screen, old);
  DeleteObject(caption_font);
  ReleaseDC(nullptr, screen);
  return space.cx;
}

// A skin definition the tests may change (the skin component shares them).
TDataSkinBorder& Border(TSkinData& data, TSkinBorderSide side) { return const_cast<TDataSkinBorder&>(data.Border(side)); }

TEST_F(FrameTest, TheMainWindowShowsIconCentredCaptionOnItsPlateAndCloseButtonInsideARoundedOutline) {
  TFixedForm* form = ShowMainWindow();
  HWND h = form->Handle();
  const RECT client_before = ClientRectOf(h);
  TWinSkinForm* skin = Skin(*form);
  TSkinData& data = DataOf(*form);
  ASSERT_EQ(skin->CaptionHeight(), 25);
  ASSERT_EQ(skin->BorderLeft(), 5);
  ASSERT_EQ(skin->BorderRight(), 5);
  ASSERT_EQ(skin->BorderBottom(), 13);
  EXPECT_EQ(Width(ClientRectOf(h)), Width(client_before));
  EXPECT_EQ(Height(ClientRectOf(h)), Height(client_before));
  const int w = Width(WindowRectOf(h));

  // Visible: the close and icon buttons; maximize, restore, minimize not.
  TWinSysButton* close = ButtonOf(*skin, 0);
  TWinSysButton* icon = ButtonOf(*skin, 3);
  ASSERT_TRUE(close && icon);
  EXPECT_TRUE(close->Visible);
  EXPECT_TRUE(icon->Visible);
  EXPECT_FALSE(ButtonOf(*skin, 1, 2)->Visible);
  EXPECT_FALSE(ButtonOf(*skin, 1, 1)->Visible);
  EXPECT_FALSE(ButtonOf(*skin, 2)->Visible);
  EXPECT_EQ(close->Rect.left, w - 24);
  EXPECT_EQ(close->Rect.top, 5);
  EXPECT_EQ(close->Rect.right, w - 10);
  EXPECT_EQ(close->Rect.bottom, 17);
  EXPECT_EQ(icon->Rect.left, 14);
  EXPECT_EQ(icon->Rect.top, 3);
  EXPECT_EQ(icon->Rect.right, 14 + GetSystemMetrics(SM_CXSMICON));

  // Read back from the window: the close button's resting frame, pixel for
  // pixel where it is not see-through.
  const TBitmap& close_image = close->Definition().Bitmap;
  const int frame_w = close_image.Width() / close->Definition().FrameCount;
  int compared = 0;
  for (int y = 0; y < close_image.Height(); ++y)
    for (int x = 0; x < frame_w; ++x) {
      const COLORREF want = BitmapPixel(close_image, x, y);
      if (want == kMagenta) continue;
      ASSERT_EQ(WindowPixel(h, close->Rect.left + x, close->Rect.top + y), want) << x << "," << y;
      ++compared;
    }
  EXPECT_GT(compared, 100);
  // The icon is drawn: not all of its square is the title's colour.
  const COLORREF title_colour = WindowPixel(h, icon->Rect.left - 2, 12);
  int icon_pixels = 0;
  for (int y = icon->Rect.top; y < icon->Rect.bottom; ++y)
    for (int x = icon->Rect.left; x < icon->Rect.right; ++x) icon_pixels += WindowPixel(h, x, y) != title_colour;
  EXPECT_GT(icon_pixels, 20);

  // The caption's plate is centred in the title (the odd pixel of the
  // difference goes right), the plate's caps show its image, and the text
  // is in the active caption colour.
  const RECT text = skin->TextRect();
  const int title_w = w - 10;
  EXPECT_EQ(text.left - 5, (title_w - Width(text)) / 2);
  EXPECT_LE((w - 5 - text.right) - (text.left - 5), 1);
  EXPECT_GE((w - 5 - text.right) - (text.left - 5), 0);
  const TBitmap& plate = data.Title().Bitmap;
  for (int y = 3; y < 22; ++y) {
    const COLORREF want = BitmapPixel(plate, 6, y);
    if (want != kMagenta) {
      EXPECT_EQ(WindowPixel(h, text.left + 6, y), want) << "left cap row " << y;
    }
    const COLORREF want_right = BitmapPixel(plate, plate.Width() - 6, y);
    if (want_right != kMagenta) {
      EXPECT_EQ(WindowPixel(h, text.right - 6, y), want_right) << "right cap row " << y;
    }
  }
  int ink = 0;
  const COLORREF text_colour = ColorToRGB(data.Colours().TitleTextActiveColor);
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left + 12; x < text.right - 12; ++x) ink += WindowPixel(h, x, y) == text_colour;
  EXPECT_GT(ink, 10) << "the caption text";
  // The text sits in the middle of its plate, but for the caption's prefix
  // of two spaces, one more than the space the plate was measured with: the
  // plate left of the first inked column is one space wider than right of
  // the last (give or take a pixel of the glyphs' side bearings).
  const TInkColumns columns = InkColumns(skin->CaptionCache(), text, text_colour);
  ASSERT_GE(columns.first, 0);
  const int left_plate = columns.first - text.left;
  const int right_plate = text.right - 1 - columns.last;
  EXPECT_LE(std::abs(left_plate - right_plate - CaptionSpaceWidth()), 1)
      << columns.first << ".." << columns.last << " on " << text.left << ".." << text.right;

  // The outline: the rounded top corners are cut, the edges and the bottom
  // corner pieces are kept.
  ASSERT_TRUE(skin->RegionSet());
  UniqueGdi<HRGN> outline(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(h, outline.get()), ERROR);
  EXPECT_FALSE(PtInRegion(outline.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(outline.get(), w - 1, 0));
  EXPECT_TRUE(PtInRegion(outline.get(), w / 2, 0));
  EXPECT_TRUE(PtInRegion(outline.get(), 0, 30));
  EXPECT_TRUE(PtInRegion(outline.get(), w - 1, 30));
  EXPECT_TRUE(PtInRegion(outline.get(), w / 2, Height(WindowRectOf(h)) - 1));
  // Every pixel the outline cuts is see-through in the left border image.
  const TBitmap& left = data.Border(sbLeft).Bitmap;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(PtInRegion(outline.get(), x, y) != FALSE, BitmapPixel(left, x, y) != kMagenta) << x << "," << y;
}

TEST_F(FrameTest, PaintingTheWholeFrameUsesTheWindowDcAndAnActivationChangePaintsOnce) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  int paints = skin->FramePaints();
  EXPECT_EQ(SendMessageW(h, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(skin->FramePaints(), paints + 1);
  EXPECT_EQ(WindowPixel(h, 2, 40), BitmapPixel(DataOf(*form).Border(sbLeft).Bitmap, 2, 40));

  paints = skin->FramePaints();
  EXPECT_EQ(SendMessageW(h, WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_FALSE(skin->Active());
  EXPECT_FALSE(skin->HoverTimerOn());
  EXPECT_EQ(skin->FramePaints(), paints + 1);
  // The inactive frame (the second one, side by side) shows.
  const TBitmap& left = DataOf(*form).Border(sbLeft).Bitmap;
  EXPECT_EQ(WindowPixel(h, 2, 40), BitmapPixel(left, 5 + 2, 40));
  EXPECT_EQ(SendMessageW(h, WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_TRUE(skin->HoverTimerOn());
  EXPECT_EQ(skin->FramePaints(), paints + 2);
}

TEST_F(FrameTest, ACaptionLongerThanTheTitleEndsTextRightClipBeforeTheEnd) {
  TFixedForm* form = ShowMainWindow(std::string(200, 'W'));
  TWinSkinForm* skin = Skin(*form);
  const int w = Width(WindowRectOf(form->Handle()));
  EXPECT_EQ(skin->TextRect().right, w - 5 - 60);
  // Right of the plate the title shows its own image only, up to the close
  // button: the text was cut (ended with an ellipsis) inside the plate.
  const TBitmap& top = DataOf(*form).Border(sbTop).Bitmap;
  const TBitmap& cache = skin->CaptionCache();
  for (int y = 1; y < 24; ++y)
    for (int x = skin->TextRect().right; x < w - 24; ++x)
      ASSERT_EQ(BitmapPixel(cache, x, y), BitmapPixel(top, 50, y)) << x << "," << y;
  // The text ends with the ellipsis: its last inked columns are dots on the
  // base line, not the strokes of a cut "W" that reach up to the top.
  RECT text = skin->TextRect();
  text.left += DataOf(*form).Title().TxtBackLeft;
  text.right -= DataOf(*form).Title().TxtBackRight;
  const TInkColumns ink = InkColumns(cache, text, ColorToRGB(DataOf(*form).Colours().TitleTextActiveColor));
  ASSERT_GE(ink.last, 0);
  EXPECT_GT(ink.last, text.right - 16) << "the text runs up to the plate's end, but for part of a letter";
  EXPECT_GT(ink.top_row, text.top + Height(text) / 2) << "rows " << ink.top_row << ".." << ink.bottom_row;
}

TEST_F(FrameTest, OnlyABottomBorderMarkedSeeThroughKeepsARectangularOutlineBuiltAgainAtEverySize) {
  auto* form = ShowMainWindow();
  TSkinData& data = DataOf(*form);
  Border(data, sbLeft).Trans = 0;
  Border(data, sbRight).Trans = 0;
  Border(data, sbTop).Trans = 0;
  Border(data, sbBottom).Trans = 1;
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  UniqueGdi<HRGN> outline(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(h, outline.get()), ERROR);
  RECT box{};
  GetRgnBox(outline.get(), &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, Width(WindowRectOf(h)));
  EXPECT_TRUE(PtInRegion(outline.get(), 0, 0)) << "the corners are kept";
  EXPECT_EQ(skin->RegionWidth(), 0) << "the size is not recorded";
  const HRGN before = skin->Region();
  SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(ClientRectOf(h)), Height(ClientRectOf(h))));
  EXPECT_NE(skin->Region(), before) << "the whole-window outline is set again";
}

TEST_F(FrameTest, WithASeeThroughBorderTheSameSizeAgainKeepsTheOutline) {
  auto* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  const HRGN before = skin->Region();
  ASSERT_NE(before, nullptr);
  EXPECT_EQ(skin->RegionWidth(), Width(WindowRectOf(h)));
  SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(ClientRectOf(h)), Height(ClientRectOf(h))));
  EXPECT_EQ(skin->Region(), before);
  // A skin change keeping the size keeps it too.
  form->Perform(WM_SKINCHANGED);
  EXPECT_EQ(skin->Region(), before);
}

// A message box the program shows, skinned by the manager: read while it is
// up, then closed.
struct BoxSeen {
  bool skinned = false;
  int width = 0;
  int client_width = 0;
  int needed = 0;
  bool corner_cut = true;
  bool close_drawn = false;
  int plate_left = 0;
};
BoxSeen g_box;

void CALLBACK ReadTheBoxAndCloseIt(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = FindWindowW(L"#32770", nullptr);
  auto* skin = dynamic_cast<TWinSkinForm*>(SkinManager().FindFormSkin(box));
  if (skin && skin->LifeState() == kLifeActive) {
    g_box.skinned = true;
    g_box.width = Width(WindowRectOf(box));
    g_box.client_width = Width(ClientRectOf(box));
    HDC dc = GetWindowDC(box);
    UniqueGdi<HRGN> outline(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(box, outline.get()) != ERROR) g_box.corner_cut = !PtInRegion(outline.get(), 0, 0);
    for (const auto& b : skin->CaptionButtons()) {
      if (b->Definition().Action != 0 || !b->Visible) continue;
      // The cross of the close button: its middle pixel is the image's.
      const TBitmap& image = b->Definition().Bitmap;
      g_box.close_drawn = GetPixel(dc, b->Rect.left + 7, b->Rect.top + 6) == BitmapPixel(image, 7, 6);
    }
    g_box.plate_left = skin->TextRect().left;
    ReleaseDC(box, dc);
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(FrameTest, AMessageBoxTheProgramShowsIsSkinnedAndWidenedForItsCaption) {
  Owned<TFixedForm> form = ShowFormSkinnedByTheManager();
  g_box = BoxSeen{};
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, &ReadTheBoxAndCloseIt);
  ASSERT_NE(timer, 0u);
  const std::wstring caption = L"A caption much wider than the message it carries";
  MessageBoxW(form->Handle(), L"x", caption.c_str(), MB_OK);
  EXPECT_TRUE(g_box.skinned);
  EXPECT_EQ(g_box.width, g_box.client_width + 10);
  // Widened to (caption length + 7) spaces plus the frame and the text margins.
  EXPECT_GE(g_box.width, (static_cast<int>(caption.size()) + 7) * CaptionSpaceWidth() + 10 + 60 + 60 + 24);
  EXPECT_TRUE(g_box.corner_cut);
  EXPECT_TRUE(g_box.close_drawn);
  EXPECT_GT(g_box.plate_left, 5);
  form.reset();
  DestroySkinManager();
  RegisterFrameSkins(SkinManager());
}

}  // namespace
}  // namespace hm::test
