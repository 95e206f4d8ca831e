// Driving modal menu loops from inside a test: a thread timer runs a step
// function while the menu loop (or the test's own pumping) runs, and every
// menu is ended once the steps are done or the time is up, so no test hangs.
#pragma once

#include "framework/ui/platform/win32.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/graphics/bitmap.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm {
class TMenuBtn;
class TWinSkinMenu;
class TCustomForm;
class TImageList;
class TMainMenu;
class TComponent;
class TMenuItem;
class TPopupMenu;
}  // namespace hm

namespace hm::test {

// A form's menus as the menu tests use them: a main menu of six items
// (File, Edit, View, an empty caption, Go without drop-down, Help) and a
// popup menu, every item kind among them, glyphs from a two-glyph image
// list (red, blue).
struct TMenuForm {
  TMainMenu* main = nullptr;
  TPopupMenu* popup = nullptr;
  TImageList* images = nullptr;
  TMenuItem* top[6] = {};
  TMenuItem* open = nullptr;       // File: image 0, Ctrl+O
  TMenuItem* save = nullptr;       // File: checked, no image
  TMenuItem* recent = nullptr;     // File: a submenu
  TMenuItem* exit = nullptr;       // File: default
  TMenuItem* cut = nullptr;        // Edit: disabled
  TMenuItem* copy = nullptr;       // Edit: checked with image 1
  TMenuItem* pop_first = nullptr;  // popup: image 0, Ctrl+P
  TMenuItem* pop_line = nullptr;   // popup: separator
  TMenuItem* pop_off = nullptr;    // popup: disabled
  int clicks = 0;                  // clicks of Go
};
// Builds them on the form and shows the main menu in its window.
std::unique_ptr<TMenuForm> BuildMenus(TCustomForm& form);
TMenuItem* AddItem(TComponent& owner, TMenuItem& parent, const std::string& caption);

// `open` enters a menu loop (or posts what will); `step` runs every
// `interval` ms until it answers true. Menus still open then, or after
// `limit` ms, are ended. False when the limit ended it.
bool DriveMenus(const std::function<void()>& open, const std::function<bool()>& step, int interval = 60,
                int limit = 6000);

// The visible menu windows ("#32768") of this thread, topmost first.
std::vector<HWND> MenuWindows();
// No paint of the window is pending.
bool Painted(HWND window);
// A screen pixel as the window there has drawn it.
COLORREF ScreenPixel(int x, int y);
// The screen rectangle into a bitmap file under HAOMISO_SHOTS (when set)
// for a person to look at; nothing otherwise.
void Shot(const std::string& name, const RECT& screen_rect);
// The union of the rectangles of the given windows.
RECT UnionOf(const std::vector<HWND>& windows);

constexpr COLORREF kSelectedRim = RGB(150, 186, 186);  // the kolvane selected item's rim
constexpr COLORREF kMenuRim = RGB(128, 128, 124);      // the kolvane menu window's outer ring
constexpr COLORREF kMenuColour = RGB(250, 250, 248);   // the kolvane "Menu" colour

struct MenuTest : FrameTest {
  void TearDown() override;
  // A shown form with the menus, its frame skin attached by hand, and the
  // skin manager skinning the menu windows with the form's skin.
  void Open(TForm*& form, TWinSkinForm*& skin);
  // A frame mouse-down at the item, as the system sends it; returns once
  // the drop-down closed.
  static void Press(HWND window, const TMenuBtn& item);
  TMenuBtn& Item(int index) const;
  // In the system menu font.
  static int TextWidth(const std::string& caption);

  std::unique_ptr<TMenuForm> menus;
  TWinSkinMenu* bar = nullptr;
};

}  // namespace hm::test
