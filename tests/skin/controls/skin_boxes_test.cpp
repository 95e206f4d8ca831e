// Check boxes, radio buttons, spin buttons, progress bars and track bars
// with their skins, checked by the frames their pixels came from.
#include "framework/ui/platform/win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/range_controls.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace hm::test {
namespace {

struct BoxSkinTest : ControlSkinsTest {
  template <class C>
  C* Add(int x, int y, int w, int h) {
    auto* c = MakeOwned<C>(*form);
    c->SetParent(form.get());
    c->SetBounds(x, y, w, h);
    return c;
  }
  void Show() {
    form->Show();
    Pump();
  }
  template <class S>
  S* Skin(TWinControl& control) {
    auto* skin = MakeOwned<S>(control);
    skin->InitSkin(&host, *data, false, &host.ControlCanvas());
    Repaint(control.Handle());
    return skin;
  }
  static void Repaint(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    Pump(2);
  }
};

// The box of a 13-pixel frame sits at x 2 (check) or 0 (radio), y 3 in a
// 20-pixel high control.
int CheckFrame(HWND window) { return FrameOf(PixelOf(window, 2 + 6, 3 + 6), kCheckFrameWidth); }
int RadioFrame(HWND window) { return FrameOf(PixelOf(window, 6, 3 + 6), kRadioFrameWidth); }

TEST_F(BoxSkinTest, ATwelveFrameCheckImageShowsEachStateWithItsFrame) {
  auto* box = Add<TCheckBox>(10, 10, 120, 20);
  box->SetCaption("Check");
  box->SetAllowGrayed(true);
  Show();
  auto* skin = Skin<TSkinCheckBox>(*box);
  HWND h = box->Handle();
  EXPECT_EQ(CheckFrame(h), 1);
  box->SetChecked(true);
  Pump(2);
  EXPECT_EQ(CheckFrame(h), 5) << "checked";
  EXPECT_EQ(skin->LastFrame(), 5);
  box->SetState(cbGrayed);
  Pump(2);
  EXPECT_EQ(CheckFrame(h), 9) << "indeterminate";
  box->SetEnabled(false);
  Repaint(h);
  EXPECT_EQ(CheckFrame(h), 12) << "indeterminate, disabled";
  box->SetState(cbChecked);
  Repaint(h);
  EXPECT_EQ(CheckFrame(h), 8);
  box->SetState(cbUnchecked);
  Repaint(h);
  EXPECT_EQ(CheckFrame(h), 4);
  // Left of the box the face colour; the caption is the control's own.
  EXPECT_EQ(PixelOf(h, 0, 1), kFace);
  // A click that checks it is shown at once.
  box->SetEnabled(true);
  box->SetAllowGrayed(false);
  Repaint(h);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
  Pump(2);
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(CheckFrame(h), 5);
  // The framework's redraw notification repaints the box.
  ValidateRect(h, nullptr);
  RECT r{0, 0, 20, 20};
  FillRect(WindowDC(h).get(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SendMessageW(h, 0xB0D0, 0, 0);
  EXPECT_EQ(CheckFrame(h), 5);
}

TEST_F(BoxSkinTest, AnEightFrameRadioImage) {
  auto* a = Add<TRadioButton>(10, 10, 120, 20);
  auto* b = Add<TRadioButton>(10, 40, 120, 20);
  a->SetCaption("A");
  b->SetCaption("B");
  Show();
  Skin<TSkinRadioButton>(*a);
  Skin<TSkinRadioButton>(*b);
  EXPECT_EQ(RadioFrame(a->Handle()), 1);
  a->SetChecked(true);
  Pump(2);
  EXPECT_EQ(RadioFrame(a->Handle()), 5);
  b->SetChecked(true);
  Pump(2);
  EXPECT_EQ(RadioFrame(a->Handle()), 1);
  EXPECT_EQ(RadioFrame(b->Handle()), 5);
  b->SetEnabled(false);
  Repaint(b->Handle());
  EXPECT_EQ(RadioFrame(b->Handle()), 8);
  a->SetEnabled(false);
  Repaint(a->Handle());
  EXPECT_EQ(RadioFrame(a->Handle()), 4);
}

TEST_F(BoxSkinTest, PressingTheLowerHalfOfAVerticalSpinButton) {
  auto* spin = Add<TUpDown>(10, 10, 16, 30);
  Show();
  auto* skin = MakeOwned<TSkinUpDown>(*form);
  skin->InitSkinHandle(spin->Handle(), *data, &host, &host.ControlCanvas());
  HWND h = spin->Handle();
  Repaint(h);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 7), kUpDownFrameWidth), 1);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 5);
  POINT lower{8, 22};
  ClientToScreen(h, &lower);
  SetCursorPos(lower.x, lower.y);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 22));
  EXPECT_EQ(skin->LastPlace().first_frame, 1);
  EXPECT_EQ(skin->LastPlace().second_frame, 6);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 7), kUpDownFrameWidth), 1);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 6);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(8, 22));
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 5);
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(8, 22));
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 8) << "hot";
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 7), kUpDownFrameWidth), 1);
  SendMessageW(h, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 5);
  // Disabled: frames 3 and 7.
  EnableWindow(h, FALSE);
  Repaint(h);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 7), kUpDownFrameWidth), 3);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 22), kUpDownFrameWidth), 7);
  EnableWindow(h, TRUE);
  // Inset: the outer ring is the face colour.
  skin->SetInset(true);
  Repaint(h);
  EXPECT_EQ(PixelOf(h, 0, 0), kFace);
  EXPECT_EQ(FrameOf(PixelOf(h, 8, 7), kUpDownFrameWidth), 1);
  form->FreeComponent(*skin);
}

TEST_F(BoxSkinTest, ASpinButtonWithoutItsImageIsDrawnInTheSkinsColours) {
  data = MakeOwned<TSkinData>(*form);
  LoadKolvaneSkin(*data);
  auto* spin = Add<TUpDown>(10, 10, 16, 30);
  Show();
  auto* skin = MakeOwned<TSkinUpDown>(*form);
  skin->InitSkinHandle(spin->Handle(), *data, &host, &host.ControlCanvas());
  HWND h = spin->Handle();
  POINT lower{8, 22};
  ClientToScreen(h, &lower);
  SetCursorPos(lower.x, lower.y);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 22));
  const TSkinColours& c = data->Colours();
  EXPECT_EQ(PixelOf(h, 2, 2), ColorToRGB(c.ButtonFaceColor));
  EXPECT_EQ(PixelOf(h, 2, 27), ColorToRGB(c.ButtonShadowColor)) << "pressed";
  EXPECT_EQ(PixelOf(h, 0, 0), ColorToRGB(c.ButtonDkShadowColor));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(8, 22));
  form->FreeComponent(*skin);
}

int BarFrame(HWND window, int x) { return FrameOf(PixelOf(window, x, 5), kProgressFrameWidth); }

TEST_F(BoxSkinTest, AProgressBarAtZeroShowsOnlyTheEmptyFrame) {
  auto* bar = Add<TProgressBar>(10, 10, 200, 14);
  bar->SetMin(0);
  bar->SetMax(100);
  bar->SetPosition(0);
  Show();
  auto* skin = Skin<TSkinProgress>(*bar);
  HWND h = bar->Handle();
  for (int x : {0, 1, 100, 199}) EXPECT_EQ(BarFrame(h, x), 1) << x;
  EXPECT_EQ(skin->LastFill(), 0);
  bar->SetPosition(50);
  Repaint(h);
  EXPECT_EQ(skin->LastFill(), 100);
  EXPECT_EQ(BarFrame(h, 1), 2);
  EXPECT_EQ(BarFrame(h, 98), 2);
  EXPECT_EQ(BarFrame(h, 101), 1);
  // The low end of the range counts.
  bar->SetMax(150);
  bar->SetMin(50);
  bar->SetPosition(75);
  Repaint(h);
  EXPECT_EQ(skin->LastFill(), 50);
  bar->SetPosition(150);
  Repaint(h);
  EXPECT_EQ(BarFrame(h, 199), 2);
}

TEST_F(BoxSkinTest, TheTrackBarsThumbIsTheSkinsAndTheRestTheBarsOwn) {
  auto* track = Add<TTrackBar>(10, 10, 200, 30);
  Show();
  auto* skin = Skin<TSkinTrackBar>(*track);
  HWND h = track->Handle();
  Repaint(h);
  ASSERT_GT(skin->ThumbsDrawn(), 0) << "custom draw reached the skin";
  RECT thumb{};
  SendMessageW(h, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const int cx = (thumb.left + thumb.right) / 2, cy = (thumb.top + thumb.bottom) / 2;
  EXPECT_EQ(FrameOf(PixelOf(h, cx, cy), kThumbFrameWidth), 2);
  // Other notifications go on to the control.
  NMHDR other{h, 0, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(track->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&other)), 0);
}

}  // namespace
}  // namespace hm::test
