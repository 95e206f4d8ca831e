// Window scroll bars, scroll bar controls and native bars with their skins,
// read back by the image and frame their pixels came from.
#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/controls/range_controls.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_sizer.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/scroll_skins_test_util.h"

namespace hm::test {
namespace {

struct BarSkinTest : ScrollSkinsTest {
  // The four arrows of a memo with both bars, by the frame each shows.
  static std::vector<int> ArrowFrames(HWND h, const TBarsPlace& p) {
    const TPieceRect& v = p.vert_rect;
    const TPieceRect& z = p.horz_rect;
    return {ArrowFrameAt(h, (v.left + v.right) / 2, v.top + 8), ArrowFrameAt(h, (v.left + v.right) / 2, v.bottom - 8),
            ArrowFrameAt(h, z.left + 8, (z.top + z.bottom) / 2), ArrowFrameAt(h, z.right - 8, (z.top + z.bottom) / 2)};
  }
  static const std::vector<int>& IdleArrows() {
    static const std::vector<int> frames{9, 13, 1, 5};
    return frames;
  }
};

TEST_F(BarSkinTest, AMemoWithBothBarsHasAButtonFaceSizeBoxAndNeverShowsItsOwnArrowsWhileIdle) {
  TMemo* memo = AddMemo(10, 10, 200, 120, ssBoth, 40, 60);
  auto* skin = SkinBars(*memo, true);
  HWND h = memo->Handle();
  const TBarsPlace& p = skin->Place();
  ASSERT_TRUE(p.horz && p.vert && p.size_box);
  const POINT box = Middle(p.size_box_rect);
  EXPECT_EQ(WindowPixel(h, box.x, box.y), kFace);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows());
  const POINT thumb{(p.vert_rect.left + p.vert_rect.right) / 2,
                    p.vert_rect.top + skin->Geometry(true).arrow_size + skin->Geometry(true).thumb_pos + 3};
  EXPECT_EQ(RedOf(WindowPixel(h, thumb.x, thumb.y)), kVertThumbRed);
  const TBarGeometry& g = skin->Geometry(true);
  EXPECT_EQ(RedOf(WindowPixel(h, thumb.x, p.vert_rect.top + g.arrow_size + g.thumb_pos + g.thumb_size + 2)), kTrackRed);

  // Every chance the system gets to draw its own bars: the frame repainted,
  // the pointer over a bar, scrolling by the memo itself, a press on an
  // arrow that runs the system's own tracking.
  RedrawFrame(h);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows()) << "frame repainted";
  const POINT down = ToScreen(h, POINT{(p.vert_rect.left + p.vert_rect.right) / 2, p.vert_rect.bottom - 8});
  SendMessageW(h, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(down.x, down.y));
  Pump(2);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows()) << "pointer over the down arrow";
  SendMessageW(h, EM_LINESCROLL, 3, 5);
  Pump(2);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows()) << "scrolled by the memo";
  EXPECT_GT(skin->Geometry(true).thumb_pos, 0) << "the thumb followed";
  const int first = static_cast<int>(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0));
  RECT window{};
  GetWindowRect(h, &window);
  POINT client = down;
  ScreenToClient(h, &client);
  PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(down.x, down.y));
  Pump(2);
  EXPECT_EQ(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), first + 1) << "the press went to the system";
  EXPECT_EQ(skin->PressedPart(), kPartNone);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows()) << "after the system's own arrow press";
}

TEST_F(BarSkinTest, ScrollMessagesShowThePressedArrowUntilTheScrollEnds) {
  TMemo* memo = AddMemo(10, 10, 200, 120, ssBoth, 40, 60);
  auto* skin = SkinBars(*memo, true);
  HWND h = memo->Handle();
  const TBarsPlace& p = skin->Place();
  SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(skin->PressedPart(), kPartDownArrow);
  EXPECT_EQ(ArrowFrames(h, p), (std::vector<int>{9, 14, 1, 5}));
  SendMessageW(h, WM_HSCROLL, SB_LINELEFT, 0);
  EXPECT_EQ(ArrowFrames(h, p), (std::vector<int>{9, 13, 2, 5}));
  SendMessageW(h, WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(ArrowFrames(h, p), (std::vector<int>{9, 13, 1, 6}));
  SendMessageW(h, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(skin->PressedPart(), kPartNone);
  EXPECT_EQ(ArrowFrames(h, p), IdleArrows());
  EXPECT_EQ(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), 1) << "the memo scrolled as asked";
}

TEST_F(BarSkinTest, AThumbDraggedToTheFarEndOfAPagedBarGivesMaxMinusPagePlusOne) {
  TMemo* memo = AddMemo(10, 10, 200, 150, ssVertical, 80);
  HWND h = memo->Handle();
  std::vector<std::pair<int, int>> scrolls;  // code, position, as the memo got them
  TLayerToken spy = memo->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_VSCROLL) scrolls.emplace_back(LOWORD(m.WParam), HIWORD(m.WParam));
    next(m);
  });
  auto* skin = SkinBars(*memo, true);
  const TBarsPlace& p = skin->Place();
  const TBarGeometry g = skin->Geometry(true);
  ASSERT_GT(g.thumb_size, 0);
  SCROLLINFO info{sizeof info, SIF_ALL};
  ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &info));
  ASSERT_GT(info.nPage, 0u);
  const int last = info.nMax - static_cast<int>(info.nPage) + 1;

  const POINT grab{(p.vert_rect.left + p.vert_rect.right) / 2, p.vert_rect.top + g.arrow_size + g.thumb_size / 2};
  const POINT at = ToScreen(h, grab);
  POINT client = at;
  ScreenToClient(h, &client);
  for (int dy : {10, 40, 90, 3000}) PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + dy));
  PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y + 3000));
  SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
  EXPECT_FALSE(skin->Dragging());
  Pump(2);

  ASSERT_GE(scrolls.size(), 3u);
  const std::size_t n = scrolls.size();
  EXPECT_EQ(scrolls[n - 3], (std::pair<int, int>{SB_THUMBTRACK, last}));
  EXPECT_EQ(scrolls[n - 2], (std::pair<int, int>{SB_THUMBPOSITION, last}));
  EXPECT_EQ(scrolls[n - 1].first, SB_ENDSCROLL);
  for (std::size_t i = 0; i + 3 < n; ++i) {
    EXPECT_EQ(scrolls[i].first, SB_THUMBTRACK);
    EXPECT_LT(scrolls[i].second, scrolls[i + 1].second) << "each step a new position";
  }
  EXPECT_EQ(GetScrollPos(h, SB_VERT), last);
  EXPECT_EQ(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0), last);
  EXPECT_EQ(skin->PressedPart(), kPartNone);
  // The thumb ends at the end of its track, not over the arrow.
  EXPECT_EQ(skin->Geometry(true).thumb_pos, skin->Geometry(true).track_length - skin->Geometry(true).thumb_size);
  EXPECT_EQ(ArrowFrameAt(h, grab.x, p.vert_rect.bottom - 8), 13);
  EXPECT_EQ(RedOf(WindowPixel(h, grab.x, p.vert_rect.bottom - g.arrow_size - 2)), kVertThumbRed);
}

TEST_F(BarSkinTest, ADragWhoseCaptureIsTakenAwayEndsWhereItStands) {
  TMemo* memo = AddMemo(10, 10, 200, 150, ssVertical, 80);
  HWND h = memo->Handle();
  std::vector<std::pair<int, int>> scrolls;
  TLayerToken spy = memo->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_VSCROLL) scrolls.emplace_back(LOWORD(m.WParam), HIWORD(m.WParam));
    next(m);
  });
  auto* skin = SkinBars(*memo, true);
  const TBarsPlace& p = skin->Place();
  const TBarGeometry g = skin->Geometry(true);
  const POINT at = ToScreen(h, POINT{(p.vert_rect.left + p.vert_rect.right) / 2,
                                     p.vert_rect.top + g.arrow_size + g.thumb_size / 2});
  POINT client = at;
  ScreenToClient(h, &client);
  PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + 30));
  PostMessageW(h, WM_CANCELMODE, 0, 0);  // the capture goes
  PostMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + 3000));
  PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y + 3000));
  SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
  EXPECT_FALSE(skin->Dragging());
  Pump(2);
  ASSERT_GE(scrolls.size(), 3u);
  const std::size_t n = scrolls.size();
  EXPECT_EQ(scrolls[n - 3].first, SB_THUMBTRACK);
  EXPECT_EQ(scrolls[n - 2], (std::pair<int, int>{SB_THUMBPOSITION, scrolls[n - 3].second}));
  EXPECT_EQ(scrolls[n - 1].first, SB_ENDSCROLL);
  EXPECT_GT(scrolls[n - 2].second, 0);
  EXPECT_LT(GetScrollPos(h, SB_VERT), 40) << "the moves after the capture went were not the drag's";
}

TEST_F(BarSkinTest, WithoutNcButtonsThePressOnTheThumbIsTheSystems) {
  TMemo* memo = AddMemo(10, 10, 200, 150, ssVertical, 80);
  HWND h = memo->Handle();
  auto* skin = SkinBars(*memo, false);
  const TBarsPlace& p = skin->Place();
  const TBarGeometry g = skin->Geometry(true);
  const POINT at = ToScreen(h, POINT{(p.vert_rect.left + p.vert_rect.right) / 2,
                                     p.vert_rect.top + g.arrow_size + g.thumb_size / 2});
  POINT client = at;
  ScreenToClient(h, &client);
  PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  SendMessageW(h, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
  Pump(2);
  EXPECT_FALSE(skin->Dragging());
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 0) << "a press without a move leaves the position";
  EXPECT_EQ(ArrowFrameAt(h, at.x - ToScreen(h, {0, 0}).x, p.vert_rect.top + 8), 9);
}

TEST_F(BarSkinTest, ABarShorterThanTwoScrollBarWidthsGetsHalfLengthArrowsAndNoTrack) {
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  TMemo* memo = AddMemo(10, 10, 120, b + 12, ssVertical, 20);
  HWND h = memo->Handle();
  auto* skin = SkinBars(*memo, true);
  const TBarsPlace& p = skin->Place();
  ASSERT_TRUE(p.vert);
  const int length = p.vert_rect.Height();
  ASSERT_LT(length, 2 * b);
  EXPECT_LE(skin->Geometry(true).track_length, 0);
  const int x = (p.vert_rect.left + p.vert_rect.right) / 2;
  EXPECT_EQ(ArrowFrameAt(h, x, p.vert_rect.top + length / 4), 9);
  EXPECT_EQ(ArrowFrameAt(h, x, p.vert_rect.top + length / 2 + length / 4), 13);
  int others = 0;
  for (int y = p.vert_rect.top; y < p.vert_rect.bottom; ++y)
    for (int xx = p.vert_rect.left; xx < p.vert_rect.right; ++xx) {
      const COLORREF c = WindowPixel(h, xx, y);
      others += RedOf(c) != kArrowsRed && c != kBarBack;
    }
  EXPECT_EQ(others, 0) << "only the two arrows (an odd pixel between them): no track, no thumb";
}

TEST_F(BarSkinTest, UnskinnedTheMemoShowsTheSystemsBarsAgain) {
  TMemo* memo = AddMemo(10, 10, 200, 120, ssBoth, 40, 60);
  auto* skin = SkinBars(*memo, true);
  HWND h = memo->Handle();
  const TBarsPlace p = skin->Place();
  ASSERT_EQ(ArrowFrames(h, p), IdleArrows());
  host.list.RemoveAll();
  Pump(2);
  EXPECT_EQ(ArrowFrames(h, p), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_NE(WindowPixel(h, Middle(p.size_box_rect).x, Middle(p.size_box_rect).y), kFace);
}

TEST_F(BarSkinTest, AMemoWithoutBarsShowsNoSkinnedBar) {
  TMemo* memo = AddMemo(10, 10, 160, 80, ssNone, 40);
  HWND h = memo->Handle();
  auto* skin = SkinBars(*memo, true);
  EXPECT_FALSE(skin->Place().horz || skin->Place().vert);
  RECT w{};
  GetWindowRect(h, &w);
  int skinned = 0;
  for (int y = 0; y < w.bottom - w.top; y += 3)
    for (int x = 0; x < w.right - w.left; x += 3) {
      const int red = RedOf(WindowPixel(h, x, y));
      skinned += red == kArrowsRed || red == kTrackRed || red == kVertThumbRed;
    }
  EXPECT_EQ(skinned, 0);
}

TEST_F(BarSkinTest, ABarControlIsMeasuredFromItsOwnRangeAndShowsItsPressedArrow) {
  auto* bar = MakeOwned<TScrollBar>(*form);
  bar->SetParent(form.get());
  bar->SetBounds(10, 10, 232, 16);
  bar->SetPageSize(20);
  bar->SetParams(50, 0, 100);
  form->Show();
  Pump();
  auto* skin = MakeOwned<TSkinScControl>(*bar);
  skin->InitSkin(&host, *data, false, &host.ControlCanvas());
  RedrawFrame(bar->Handle());
  HWND h = bar->Handle();
  const int b = GetSystemMetrics(SM_CXHSCROLL);
  const TBarGeometry& g = skin->Geometry();
  EXPECT_EQ(g.track_length, 232 - 2 * b);
  EXPECT_EQ(RedOf(WindowPixel(h, b + g.thumb_pos + g.thumb_size / 2, 8)), kHorzThumbRed);
  EXPECT_EQ(RedOf(WindowPixel(h, b + 2, 8)), kTrackRed);
  SendMessageW(h, CN_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(skin->PressedPart(), kPartRightArrow);
  EXPECT_EQ(ArrowFrameAt(h, 232 - 4, 8), 6);
  EXPECT_EQ(bar->Position(), 51) << "the control still scrolled";
  SendMessageW(h, CN_HSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(ArrowFrameAt(h, 232 - 4, 8), 5);
}

TEST_F(BarSkinTest, ANativeBarOfADialogIsAFramedButtonFaceBox) {
  HWND grip = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 300, 200, 20, 20,
                              form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(grip, nullptr);
  form->Show();
  Pump();
  auto* skin = MakeOwned<TSkinSizer>(*form);
  skin->InitSkinHandle(grip, *data, &host, &host.ControlCanvas());
  RedrawFrame(grip);
  EXPECT_EQ(WindowPixel(grip, 0, 0), kBarShadow);
  EXPECT_EQ(WindowPixel(grip, 19, 10), kBarShadow);
  EXPECT_EQ(WindowPixel(grip, 10, 10), kFace);
  DestroyWindow(grip);
}

}  // namespace
}  // namespace hm::test
