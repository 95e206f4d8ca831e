// What the tests of the edit, combo and scroll-bar skins share: a skin
// whose every image has its own red and blue = x, so a pixel read back
// names the image and the frame it came from.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>

#include "framework/ui/controls/memo.h"
#include "skin/controls/skin_scrollbar.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace hm::test {

// The red of each image.
constexpr int kArrowsRed = 0x10;
constexpr int kTrackRed = 0x20;
constexpr int kHorzThumbRed = 0x30;
constexpr int kVertThumbRed = 0x50;
constexpr int kComboRed = 0x60;
constexpr int kSunkRed = 0x70;
constexpr int kArrowFrameWidth = 11;  // 23 frames
constexpr int kComboFrameWidth = 18;  // 4 frames
constexpr COLORREF kBarShadow = RGB(90, 91, 92);
constexpr COLORREF kBarBack = RGB(1, 2, 3);  // the Scrollbar colour

void LoadBarSkin(TSkinData& data);

// A pixel of the whole window (non-client area included).
COLORREF WindowPixel(HWND window, int x, int y);
inline int RedOf(COLORREF pixel) { return GetRValue(pixel); }
// The frame of the arrow strip a pixel came from, 0 when not from it.
int ArrowFrameAt(HWND window, int x, int y);

struct ScrollSkinsTest : ControlSkinsTest {
  void SetUp() override;
  // A memo of `lines` lines of `width` characters, shown.
  TMemo* AddMemo(int x, int y, int w, int h, TScrollStyle bars, int lines, int width = 20);
  TSkinScrollbar* SkinBars(TWinControl& control, bool handle_nc_buttons);
  // The middle of a rectangle of window coordinates.
  static POINT Middle(const TPieceRect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  // Window coordinates to screen coordinates.
  static POINT ToScreen(HWND window, POINT at);
  static void RedrawFrame(HWND window);
};

}  // namespace hm::test
