// The real main window skinned as the program starts it: the search edits'
// borders and the grid's bars are the skin's, read back by their pixels,
// and the grid follows its skinned thumb through a result of 3,000 rows.
#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/win32.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_scroll_drawing.h"
#include "skin/controls/skin_scrollbar.h"
#include "tests/app/skinned_main_window.h"

namespace hm {
namespace {

using test::Pump;
using test::SkinOf;
using test::WindowPixel;

class SkinnedWindowTest : public test::SkinnedMainWindowTest {
 protected:
  void ShowPage(TTabSheet& page) {
    form_->PageControl1->SetActivePage(&page);
    Pump();
  }
  void SearchAreaCodes(const char* text) {
    form_->DBEditEh2->SetText(text);
    SendMessageW(form_->BitBtn1->Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  // Pixels of the window's bar that differ from the bar drawn afresh from
  // the skin with the geometry the skin holds.
  int BarPixelsNotFromTheSkin(HWND window, const TSkinScrollbar& skin, bool vertical) {
    const TPieceRect& bar = vertical ? skin.Place().vert_rect : skin.Place().horz_rect;
    TBitmap expected(bar.Width(), bar.Height());
    TSkinBarPainter painter;
    painter.Draw(expected.Canvas().Handle(), RECT{0, 0, bar.Width(), bar.Height()}, vertical, skin.Geometry(vertical),
                 skin.PressedPart(), GetSystemMetrics(SM_CXHSCROLL), *form_->SkinData1);
    WindowDC dc(window, true);
    int differ = 0;
    for (int y = 0; y < bar.Height(); ++y)
      for (int x = 0; x < bar.Width(); ++x)
        differ += GetPixel(dc.get(), bar.left + x, bar.top + y) != GetPixel(expected.Canvas().Handle(), x, y);
    return differ;
  }
};

TEST_F(SkinnedWindowTest, TheThreeSearchEditsHaveTheSkinnedBorder) {
  const COLORREF shadow = ColorToRGB(form_->SkinData1->Colours().ButtonShadowColor);
  struct Page {
    TTabSheet* sheet;
    TDBEditEh* edit;
  };
  for (const Page& p : {Page{form_->TabSheet1, form_->DBEditEh2}, Page{form_->TabSheet2, form_->DBEditEh1},
                        Page{form_->TabSheet3, form_->DBEditEh3}}) {
    ShowPage(*p.sheet);
    ASSERT_NE(SkinOf<TSkinEdit>(*p.edit), nullptr) << p.edit->Name();
    HWND h = p.edit->Handle();
    RECT r{};
    GetWindowRect(h, &r);
    const int w = r.right - r.left, ht = r.bottom - r.top;
    EXPECT_EQ(WindowPixel(h, 0, 0), shadow) << p.edit->Name();
    EXPECT_EQ(WindowPixel(h, w - 1, ht / 2), shadow) << p.edit->Name();
    EXPECT_EQ(WindowPixel(h, 1, 1), RGB(255, 255, 255)) << p.edit->Name();
    EXPECT_EQ(WindowPixel(h, w / 2, ht - 2), RGB(255, 255, 255)) << p.edit->Name();
  }
  // Focus moves repaint the edit; the rings stay the skin's.
  ShowPage(*form_->TabSheet1);
  form_->DBEditEh2->SetFocus();
  Pump();
  form_->BitBtn1->SetFocus();
  Pump();
  EXPECT_EQ(WindowPixel(form_->DBEditEh2->Handle(), 0, 0), shadow);
}

TEST_F(SkinnedWindowTest, TheGridsBarIsTheSkinsOnceShownAndTheMemosShowNone) {
  auto* grid_bars = SkinOf<TSkinScrollbar>(*form_->DBGridEh1);
  ASSERT_NE(grid_bars, nullptr);
  EXPECT_TRUE(grid_bars->HandleNCButtons());
  SearchAreaCodes("0");
  ASSERT_GT(form_->ADOQuery1->RecordCount(), 3000);
  HWND grid = form_->DBGridEh1->Handle();
  ASSERT_TRUE(GetWindowLongW(grid, GWL_STYLE) & WS_VSCROLL);
  ASSERT_TRUE(grid_bars->Place().vert);
  EXPECT_EQ(BarPixelsNotFromTheSkin(grid, *grid_bars, true), 0);
  // Moving through the rows by keys redraws the bar: still the skin's.
  form_->DBGridEh1->SetFocus();
  for (int i = 0; i < 30; ++i) PostMessageW(grid, WM_KEYDOWN, VK_NEXT, 1);
  Pump();
  EXPECT_GT(grid_bars->Geometry(true).thumb_pos, 0);
  EXPECT_EQ(BarPixelsNotFromTheSkin(grid, *grid_bars, true), 0);

  for (TMemo* memo : {form_->Memo1, form_->Memo2}) {
    auto* bars = SkinOf<TSkinScrollbar>(*memo);
    ASSERT_NE(bars, nullptr) << memo->Name();
    EXPECT_FALSE(bars->Place().horz || bars->Place().vert) << memo->Name();
  }
}

TEST_F(SkinnedWindowTest, DraggingTheSkinnedThumbMovesTheGridThroughThreeThousandRows) {
  SearchAreaCodes("0");
  TDataSet& rows = *form_->ADOQuery1;
  const int count = rows.RecordCount();
  ASSERT_GT(count, 3000);
  HWND grid = form_->DBGridEh1->Handle();
  auto* bars = SkinOf<TSkinScrollbar>(*form_->DBGridEh1);
  ASSERT_NE(bars, nullptr);
  auto drag = [&](int dy) {
    const TBarsPlace& p = bars->Place();
    const TBarGeometry& g = bars->Geometry(true);
    RECT w{};
    GetWindowRect(grid, &w);
    const POINT at{w.left + (p.vert_rect.left + p.vert_rect.right) / 2,
                   w.top + p.vert_rect.top + g.arrow_size + g.thumb_pos + g.thumb_size / 2};
    POINT client = at;
    ScreenToClient(grid, &client);
    for (int step = 1; step <= 4; ++step)
      PostMessageW(grid, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + dy * step / 4));
    PostMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y + dy));
    SendMessageW(grid, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
    Pump();
  };
  const int track = bars->Geometry(true).track_length - bars->Geometry(true).thumb_size;
  ASSERT_GT(track, 20);
  drag(track / 2);
  EXPECT_NEAR(rows.RecNo(), count / 2, count / 20) << "half way down the track, half way through the rows";
  EXPECT_EQ(GetScrollPos(grid, SB_VERT), rows.RecNo());
  drag(track * 4);
  EXPECT_EQ(rows.RecNo(), count) << "the far end is the last row";
  EXPECT_EQ(bars->Geometry(true).thumb_pos, track);
  EXPECT_EQ(BarPixelsNotFromTheSkin(grid, *bars, true), 0);
  drag(-track * 4);
  EXPECT_EQ(rows.RecNo(), 1);
}

}  // namespace
}  // namespace hm
