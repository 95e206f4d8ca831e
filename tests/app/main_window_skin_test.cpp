// The main window as the program shows it, with the skin engine installed:
// the page control's strip and page border and both white panels in the
// skin's look, the pages chosen by clicking their tabs.
#include "framework/ui/platform/win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/ui/graphics/colors.h"
#include "skin/controls/skin_tab.h"
#include "tests/app/skinned_main_window.h"
#include "skin/core/win_skin_data.h"

namespace hm {
namespace {

using test::Pump;

// A pixel of a skin image, read from its rows (blue, green, red).
COLORREF ImagePixel(const TBitmap& image, int x, int y) {
  const std::uint8_t* p = image.Row(y) + static_cast<std::size_t>(x) * (image.BitsPerPixel() / 8);
  return RGB(p[2], p[1], p[0]);
}

class MainWindowSkinTest : public test::SkinnedMainWindowTest {
 protected:
  TSkinTab* TabSkin() { return test::SkinOf<TSkinTab>(*form_->PageControl1); }
  // A click on the tab as the user gives it.
  void ClickTab(int index) {
    HWND h = form_->PageControl1->Handle();
    RECT r{};
    ASSERT_TRUE(SendMessageW(h, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    Pump(10);
  }
  COLORREF Face() const { return ColorToRGB(form_->SkinData1->Colours().ButtonFaceColor); }
};

TEST_F(MainWindowSkinTest, ThePageControlShowsTheSkinsStripAndBorderAndThePanelsItsFaceColour) {
  ASSERT_EQ(SendMessageW(form_->Handle(), WM_SKINQUERY, 0, 0), 1) << "the frame skin is attached";
  TSkinTab* skin = TabSkin();
  ASSERT_NE(skin, nullptr);
  const TDataSkinBorder* tabs = form_->SkinData1->BorderSection(ssTabs);
  ASSERT_NE(tabs, nullptr);
  HWND h = form_->PageControl1->Handle();

  for (int page = 0; page < 3; ++page) {
    if (page > 0) ClickTab(page);
    ASSERT_EQ(form_->PageControl1->ActivePageIndex(), page);
    const auto& drawn = skin->LastTabs();
    ASSERT_EQ(drawn.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      const auto& tab = drawn[static_cast<std::size_t>(i)];
      EXPECT_EQ(tab.frame, i == page ? kTabSelected : kTabNormal) << page;
      // The top edge's middle, one row down the strip: the frame's column 20, row 2.
      const int frame_w = tabs->Bitmap.Width() / kTabFrameCount;
      const COLORREF expected = ImagePixel(tabs->Bitmap, (tab.frame - 1) * frame_w + frame_w / 2, 2);
      EXPECT_EQ(test::WindowPixel(h, (tab.rect.left + tab.rect.right) / 2, tab.rect.top + 1 + 2),
                expected == 0xFF00FF ? Face() : expected)
          << page << " " << i;
    }
    // The page border's left side: the border image's first two columns.
    const TPieceRect border = skin->LastPage();
    const int y = (border.top + border.bottom) / 2;
    EXPECT_EQ(test::WindowPixel(h, border.left, y), ImagePixel(tabs->SecondBitmap, 0, 8)) << page;
    EXPECT_EQ(test::WindowPixel(h, border.left + 1, y), ImagePixel(tabs->SecondBitmap, 1, 8)) << page;
  }

  // Both white panels take the face colour; a spot below the memo shows it.
  for (TPanel* panel : {form_->Panel2, form_->Panel3}) {
    EXPECT_EQ(ColorToRGB(panel->Color()), Face()) << panel->Name();
  }
  ClickTab(1);
  EXPECT_EQ(test::WindowPixel(form_->Panel2->Handle(), 8, 272), Face());
  ClickTab(2);
  EXPECT_EQ(test::WindowPixel(form_->Panel3->Handle(), 8, 272), Face());
}

}  // namespace
}  // namespace hm
