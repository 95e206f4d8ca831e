// The skinned frame and the mouse: the hit test, caption buttons through
// hover, press and release (and the ways a click comes to nothing), what
// their clicks do, the system menu and its double-click rule, negative
// screen positions, and system commands.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/platform/shortcut.h"
#include "framework/ui/platform/subclass.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/nc_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

// Sits above the frame skin: counts closing requests (and keeps the window
// open), caption-button messages and system commands.
struct Spy {
  explicit Spy(HWND window)
      : sub(window, [this](TMessage& m, TSubclass& s) {
          if (m.Msg == WM_CLOSE) {
            ++closes;
            m.Result = 0;
            return;
          }
          if (m.Msg == WM_SKINBUTTON) buttons.push_back(static_cast<int>(m.WParam));
          if (m.Msg == WM_SYSCOMMAND) {
            commands.push_back(m.WParam & 0xFFF0);
            if (swallow_commands) return;
          }
          s.CallPrevious(m);
        }) {}
  int closes = 0;
  std::vector<int> buttons;
  std::vector<WPARAM> commands;
  bool swallow_commands = false;
  TSubclass sub;
};

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void Send(HWND h, UINT msg, int x, int y, WPARAM hit = HTCAPTION) { SendMessageW(h, msg, hit, ScreenLParam(h, x, y)); }

void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// Closes whatever menu is up a little later.
void EndMenuSoon() { SetTimer(nullptr, 0, 150, &EndTheMenu); }

TEST_F(FrameTest, TheTopRowsAreLeftToTheReplacedProcedureTheRestOfTheTitleDragsTheWindow) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  const int w = Width(WindowRectOf(h));
  auto hit = [&](int x, int y) { return SendMessageW(h, WM_NCHITTEST, 0, ScreenLParam(h, x, y)); };
  auto def = [&](int x, int y) { return DefWindowProcW(h, WM_NCHITTEST, 0, ScreenLParam(h, x, y)); };
  ASSERT_NE(def(100, 2), HTCAPTION);
  EXPECT_EQ(hit(100, 2), def(100, 2)) << "row 2 answers what the replaced procedure answered";
  EXPECT_EQ(hit(100, 3), def(100, 3));
  EXPECT_EQ(hit(100, 4), HTCAPTION);
  EXPECT_EQ(hit(100, 24), HTCAPTION);
  const POINT close = Centre(ButtonOf(*skin, 0)->Rect);
  EXPECT_EQ(hit(close.x, close.y), HTCAPTION) << "a button is found by the mouse messages, not by a hit code";
  EXPECT_EQ(hit(w / 2, 60), HTCLIENT);
}

TEST_F(FrameTest, PressingTheCloseButtonMovingOffAndReleasingOutsideDoesNothingAFullClickCloses) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  Spy spy(h);
  TWinSysButton* close = ButtonOf(*skin, 0);
  const POINT c = Centre(close->Rect);
  const TBitmap& image = close->Definition().Bitmap;
  const int frame_w = image.Width() / close->Definition().FrameCount;
  // The cross's middle pixel in a frame of the strip.
  auto shows_frame = [&](int frame) {
    return WindowPixel(h, c.x, c.y) == BitmapPixel(image, (frame - 1) * frame_w + (c.x - close->Rect.left),
                                                   c.y - close->Rect.top);
  };

  Send(h, WM_NCMOUSEMOVE, c.x, c.y);
  EXPECT_EQ(skin->HotObject(), close);
  EXPECT_EQ(close->State, kNCHot);
  EXPECT_TRUE(shows_frame(3));
  Send(h, WM_NCLBUTTONDOWN, c.x, c.y);
  EXPECT_EQ(close->State, kNCPressed);
  EXPECT_TRUE(shows_frame(2));
  Send(h, WM_NCMOUSEMOVE, 100, 12);
  EXPECT_EQ(skin->HotObject(), nullptr);
  EXPECT_EQ(close->State, kNCResting);
  EXPECT_TRUE(shows_frame(1));
  Send(h, WM_NCLBUTTONUP, 100, 12);
  Send(h, WM_NCLBUTTONUP, c.x, c.y);  // back on the button, but it lost the press
  Pump();
  EXPECT_EQ(spy.closes, 0);

  // The hover timer finds the mouse gone when no move message said so.
  Send(h, WM_NCLBUTTONDOWN, c.x, c.y);
  ASSERT_EQ(skin->HotObject(), close);
  SetCursorPos(1000, 700);
  PumpFor(600);
  EXPECT_EQ(skin->HotObject(), nullptr);
  EXPECT_EQ(close->State, kNCResting);
  Send(h, WM_NCLBUTTONUP, c.x, c.y);
  Pump();
  EXPECT_EQ(spy.closes, 0);

  Send(h, WM_NCMOUSEMOVE, c.x, c.y);
  Send(h, WM_NCLBUTTONDOWN, c.x, c.y);
  Send(h, WM_NCLBUTTONUP, c.x, c.y);
  Pump();
  EXPECT_EQ(spy.closes, 1);
  EXPECT_FALSE(skin->HoverTimerOn()) << "the timer stops with the close";
}

TEST_F(FrameTest, TheMainWindowsSystemMenuRestoreDisabledAndADoubleClickOnTheTitleDoesNothing) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  TPopupMenu* menu = skin->SystemMenuPopup();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Tag(), 33333);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_EQ(menu->Images(), &DataOf(*form).SystemMenuGlyphs());
  TMenuItem& items = *menu->Items();
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Items(0)->Caption(), " Restore ");
  EXPECT_EQ(items.Items(0)->ImageIndex(), 0);
  EXPECT_EQ(items.Items(1)->Caption(), "-");
  EXPECT_EQ(items.Items(1)->Tag(), 100);
  EXPECT_EQ(items.Items(2)->Caption(), " Close ");
  EXPECT_EQ(items.Items(2)->Tag(), 3);
  EXPECT_EQ(items.Items(2)->ShortCut(), ShortCut(VK_F4, TShiftState{ssShift}));

  int shown = 0;
  menu->OnPopup = [&](TObject*) { ++shown; };
  EndMenuSoon();
  Send(h, WM_NCRBUTTONDOWN, 100, 12);
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(items.Items(0)->Enabled()) << "the window is normal";
  EXPECT_TRUE(items.Items(2)->Enabled());

  Spy spy(h);
  EXPECT_EQ(SendMessageW(h, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenLParam(h, 100, 12)), 0);
  Pump();
  EXPECT_TRUE(spy.commands.empty()) << "no maximize box, no maximize";
  EXPECT_FALSE(IsZoomed(h));
}

TEST_F(FrameTest, TwoQuickRightClicksOpenTheMenuOnceAndTwoQuickClicksOnTheIconClose) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  Spy spy(h);
  int shown = 0;
  skin->SystemMenuPopup()->OnPopup = [&](TObject*) { ++shown; };
  EndMenuSoon();
  Send(h, WM_NCRBUTTONDOWN, 100, 12);
  Send(h, WM_NCRBUTTONDOWN, 100, 12);
  Pump();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(spy.closes, 0) << "no hot object: the second request does nothing";

  PumpFor(static_cast<int>(GetDoubleClickTime()) + 100);
  const POINT icon = Centre(ButtonOf(*skin, 3)->Rect);
  EndMenuSoon();
  Send(h, WM_NCLBUTTONDOWN, icon.x, icon.y);
  Send(h, WM_NCLBUTTONUP, icon.x, icon.y);
  EXPECT_EQ(shown, 2);
  const POINT opened = skin->LastSystemMenuPoint();
  const RECT window = WindowRectOf(h);
  EXPECT_EQ(opened.x, window.left + icon.x + 1) << "at the click point + (1, 1)";
  EXPECT_EQ(opened.y, window.top + icon.y + 1);
  Send(h, WM_NCLBUTTONDOWN, icon.x, icon.y);
  Send(h, WM_NCLBUTTONUP, icon.x, icon.y);
  Pump();
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(spy.closes, 1);
}

TEST_F(FrameTest, AButtonAlignedToTheTextFollowsItAndAnApplicationActionPostsSkinButton) {
  TFixedForm* form = ShowMainWindow();
  TSkinData& data = DataOf(*form);
  auto extra = std::make_unique<TDataSkinSysButton>("BUTTON9");
  extra->Action = 5;
  extra->Align = 2;
  extra->XCoord = 4;
  extra->YCoord = 6;
  extra->FrameCount = 1;
  extra->Bitmap.SetSize(10, 10);
  extra->Bitmap.Canvas().Brush().SetColor(clRed);
  extra->Bitmap.Canvas().FillRect(RECT{0, 0, 10, 10});
  const_cast<TSkinDefinitions&>(data.Definitions()).CaptionButtons.push_back(std::move(extra));
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  TWinSysButton* button = ButtonOf(*skin, 5);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->Visible);
  EXPECT_EQ(button->Rect.left, skin->TextRect().left - 10 - 4);
  EXPECT_EQ(button->Rect.top, 6);
  EXPECT_EQ(WindowPixel(h, button->Rect.left + 5, button->Rect.top + 5), RGB(255, 0, 0));

  const int before = skin->TextRect().left;
  form->SetCaption("Haomiso Haomiso");
  Pump();
  ASSERT_LT(skin->TextRect().left, before);
  EXPECT_EQ(button->Rect.left, skin->TextRect().left - 14) << "moved with the text";

  Spy spy(h);
  const POINT c = Centre(button->Rect);
  Send(h, WM_NCMOUSEMOVE, c.x, c.y);
  Send(h, WM_NCLBUTTONDOWN, c.x, c.y);
  Send(h, WM_NCLBUTTONUP, c.x, c.y);
  Pump();
  EXPECT_EQ(spy.buttons, std::vector<int>{5});
  EXPECT_EQ(spy.closes, 0);
}

TEST_F(FrameTest, OnAMonitorLeftOfThePrimaryTheButtonsAndTheMenuTakeNegativePositions) {
  TFixedForm* form = ShowMainWindow();
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  SetWindowPos(h, nullptr, -400, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_EQ(WindowRectOf(h).left, -400);
  TWinSysButton* close = ButtonOf(*skin, 0);
  const POINT c = Centre(close->Rect);
  ASSERT_LT(WindowRectOf(h).left + c.x, 0);
  Send(h, WM_NCMOUSEMOVE, c.x, c.y);
  EXPECT_EQ(skin->HotObject(), close);
  Send(h, WM_NCMOUSEMOVE, 100, 12);
  EXPECT_EQ(skin->HotObject(), nullptr);

  EndMenuSoon();
  Send(h, WM_NCRBUTTONDOWN, 30, 12);
  EXPECT_EQ(skin->LastSystemMenuPoint().x, -400 + 30);
  EXPECT_EQ(skin->LastSystemMenuPoint().y, 60 + 12);
}

TEST_F(FrameTest, TheMaximizeButtonMaximizesWithTheAnimationOffAndADoubleClickRestores) {
  auto* form = ShowForm();  // every border icon
  TWinSkinForm* skin = Skin(*form);
  HWND h = form->Handle();
  ANIMATIONINFO animation{sizeof animation, 1};
  SystemParametersInfoW(SPI_SETANIMATION, sizeof animation, &animation, 0);
  TWinSysButton* maximize = ButtonOf(*skin, 1, 2);
  ASSERT_TRUE(maximize && maximize->Visible);
  EXPECT_TRUE(ButtonOf(*skin, 2)->Visible) << "minimize";
  EXPECT_FALSE(ButtonOf(*skin, 1, 1)->Visible) << "restore";
  const POINT c = Centre(maximize->Rect);
  Send(h, WM_NCMOUSEMOVE, c.x, c.y);
  Send(h, WM_NCLBUTTONDOWN, c.x, c.y);
  Send(h, WM_NCLBUTTONUP, c.x, c.y);
  Pump();
  EXPECT_TRUE(IsZoomed(h));
  EXPECT_EQ(skin->WindowState(), kWindowMaximized);
  animation = ANIMATIONINFO{sizeof animation, 1};
  SystemParametersInfoW(SPI_GETANIMATION, sizeof animation, &animation, 0);
  EXPECT_EQ(animation.iMinAnimate, 0);
  SendMessageW(h, WM_NCPAINT, 1, 0);
  EXPECT_TRUE(ButtonOf(*skin, 1, 1)->Visible) << "restore shows while maximized";
  EXPECT_FALSE(maximize->Visible);

  SendMessageW(h, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenLParam(h, 100, 12));
  Pump();
  EXPECT_FALSE(IsZoomed(h));
  EXPECT_EQ(skin->WindowState(), kWindowNormal);
}

TEST_F(FrameTest, SystemCommandsFromTheNativeMenuArePostedAndF10AloneIsKeptFromTheSystem) {
  TFixedForm* form = ShowMainWindow();
  Skin(*form);
  HWND h = form->Handle();
  Spy spy(h);
  spy.swallow_commands = true;
  SendMessageW(h, WM_COMMAND, SC_CLOSE, 0);
  SendMessageW(h, WM_COMMAND, SC_MOVE, 0);
  EXPECT_TRUE(spy.commands.empty()) << "posted, not sent";
  Pump();
  EXPECT_EQ(spy.commands, (std::vector<WPARAM>{SC_CLOSE, SC_MOVE}));
  spy.commands.clear();
  SendMessageW(h, WM_COMMAND, 1234, 0);
  Pump();
  EXPECT_TRUE(spy.commands.empty());

  spy.swallow_commands = false;
  EXPECT_EQ(SendMessageW(h, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
  EXPECT_EQ(spy.closes, 0);
}

}  // namespace
}  // namespace hm::test
