// The button skins on real buttons, checked by the pixels they leave: the
// face frame of each state, the caption's place and colour, clicks made by
// the skin, hover passed from one button to the next, glyphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/graphics/glyph.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/core/bitmap_effects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace hm::test {
namespace {

struct ButtonSkinTest : ControlSkinsTest {
  template <class B>
  B* Add(int x, int y, int w, int h, const std::string& caption) {
    auto* b = MakeOwned<B>(*form);
    b->SetParent(form.get());
    b->SetBounds(x, y, w, h);
    b->SetCaption(caption);
    return b;
  }
  template <class S>
  S* Skin(TControl& control) {
    auto* skin = MakeOwned<S>(control);
    skin->InitSkin(&host, *data, false, &host.ControlCanvas());
    return skin;
  }
  void Show() {
    form->Show();
    Pump();
  }
  // The face frame shown at (6, 6), away from the caption.
  static int Face(HWND button) {
    UpdateWindow(button);
    return FrameOf(PixelOf(button, 6, 6), kFaceFrameWidth);
  }
};

TEST_F(ButtonSkinTest, AFocusedDefaultButtonShowsTheDefaultFramePlainAndTheHotFrameAsABitButton) {
  auto* plain = Add<TButton>(10, 10, 80, 25, "OK");
  plain->SetDefault(true);
  auto* bit = Add<TBitBtn>(10, 50, 80, 25, "OK");
  bit->SetDefault(true);
  auto* other = Add<TButton>(10, 90, 80, 25, "Other");
  Show();
  auto* plain_skin = Skin<TSkinButton>(*plain);
  auto* bit_skin = Skin<TSkinBitButton>(*bit);
  Skin<TSkinButton>(*other);

  other->SetFocus();
  Pump();
  EXPECT_EQ(Face(plain->Handle()), kFaceDefault);
  EXPECT_EQ(Face(bit->Handle()), kFaceDefault);
  EXPECT_EQ(Face(other->Handle()), kFaceHot) << "focused";

  plain->SetFocus();
  Pump();
  EXPECT_EQ(Face(plain->Handle()), kFaceDefault);
  EXPECT_EQ(plain_skin->LastFace(), kFaceDefault);
  bit->SetFocus();
  Pump();
  EXPECT_EQ(Face(bit->Handle()), kFaceHot);
  EXPECT_EQ(bit_skin->LastFace(), kFaceHot);
  EXPECT_EQ(Face(other->Handle()), kFaceNormal);
}

TEST_F(ButtonSkinTest, ADisabledButtonShowsTheDisabledFrameEvenPressedOrHot) {
  auto* plain = Add<TButton>(10, 10, 80, 25, "HHH");
  auto* bit = Add<TBitBtn>(10, 50, 80, 25, "HHH");
  auto* focus = Add<TButton>(10, 90, 80, 25, "F");
  Show();
  focus->SetFocus();
  Skin<TSkinButton>(*plain);
  Skin<TSkinBitButton>(*bit);
  for (TButton* b : {static_cast<TButton*>(plain), static_cast<TButton*>(bit)}) {
    EXPECT_EQ(Face(b->Handle()), kFaceNormal);
    b->SetEnabled(false);
    Pump();
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Face(b->Handle()), kFaceDisabled) << "hot";
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Face(b->Handle()), kFaceDisabled) << "pressed";
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // The caption is drawn grey.
    EXPECT_EQ(CountNear(b->Handle(), kNormalText), 0);
  }
  EXPECT_GT(CountNear(plain->Handle(), RGB(0x80, 0x80, 0x80)), 10);
}

TEST_F(ButtonSkinTest, PressedMovedAwayAndReleasedItStillClicksAndTheControlNeverSawThePress) {
  auto* button = Add<TButton>(10, 10, 80, 25, "Go");
  Show();
  int clicks = 0, downs_below = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  TLayerToken probe = button->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_LBUTTONDOWN) ++downs_below;
    next(m);
  });
  auto* skin = Skin<TSkinButton>(*button);
  HWND h = button->Handle();
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(GetFocus(), h);
  EXPECT_EQ(GetCapture(), h) << "the release comes to the button wherever it happens";
  EXPECT_EQ(Face(h), kFacePressed);
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-60, -40));
  EXPECT_EQ(Face(h), kFacePressed);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(-60, -40));
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs_below, 0);
  EXPECT_NE(GetCapture(), h);
  EXPECT_EQ(skin->MouseState() & kMousePressed, 0);
  // A release without a press is no click.
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Pump();
  EXPECT_EQ(clicks, 1);
  // The space key presses and the button's own key handling clicks.
  SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Face(h), kFacePressed);
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  Pump();
  EXPECT_EQ(Face(h), kFaceHot) << "focused";
}

TEST_F(ButtonSkinTest, ABareButtonsClickIsACommandPostedToItsParent) {
  Show();
  HWND native = CreateWindowExW(0, L"BUTTON", L"&Yes", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 25,
                                form->Handle(), reinterpret_cast<HMENU>(IDYES), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(native, nullptr);
  std::vector<WPARAM> commands;
  TLayerToken probe = form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == native) commands.push_back(m.WParam);
    next(m);
  });
  auto* skin = MakeOwned<TSkinButton>(*form);
  skin->InitSkinHandle(native, *data, &host, &host.ControlCanvas());
  InvalidateRect(native, nullptr, TRUE);
  EXPECT_EQ(Face(native), kFaceNormal);
  SendMessageW(native, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Face(native), kFacePressed);
  SendMessageW(native, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  ASSERT_EQ(commands.size(), 1u) << "one click: the system's button never went down";
  EXPECT_EQ(commands[0], MAKEWPARAM(IDYES, BN_CLICKED));
  form->FreeComponent(*skin);
  DestroyWindow(native);
}

TEST_F(ButtonSkinTest, HotPassesFromOneButtonToTheNextWhichIsDrawnAfterTheFirstWentNormal) {
  auto* a = Add<TButton>(10, 10, 80, 25, "A");
  auto* b = Add<TButton>(10, 50, 80, 25, "B");
  auto* focus = Add<TButton>(10, 90, 80, 25, "F");
  Show();
  focus->SetFocus();
  auto* skin_a = Skin<TSkinButton>(*a);
  auto* skin_b = Skin<TSkinButton>(*b);
  std::vector<std::string> painted;
  auto record = [&](TButton& button, TSkinButton& skin, const char* name) {
    return button.WindowProc().Insert([&, name](TMessage& m, const TCallNext& next) {
      next(m);
      if (m.Msg == WM_PAINT) painted.push_back(name + std::to_string(skin.LastFace()));
    });
  };
  TLayerToken ra = record(*a, *skin_a, "A"), rb = record(*b, *skin_b, "B");
  Pump();
  painted.clear();

  SendMessageW(a->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.hot, skin_a);
  EXPECT_EQ(painted, (std::vector<std::string>{"A4"}));
  SendMessageW(a->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  EXPECT_EQ(painted.size(), 1u) << "already hot: no repaint";
  painted.clear();
  SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(painted, (std::vector<std::string>{"A1", "B4"}));
  EXPECT_EQ(host.hot, skin_b);
  EXPECT_EQ(skin_a->MouseState(), 0);
  EXPECT_EQ(Face(a->Handle()), kFaceNormal);
  EXPECT_EQ(Face(b->Handle()), kFaceHot);
  // The system's leave notice ends the hover as well.
  SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(host.hot, nullptr);
  EXPECT_EQ(Face(b->Handle()), kFaceNormal);
}

TEST_F(ButtonSkinTest, TextColoursFollowTheFace) {
  auto* button = Add<TButton>(10, 10, 80, 25, "HHHH");
  auto* focus = Add<TButton>(10, 90, 80, 25, "F");
  Show();
  focus->SetFocus();
  Skin<TSkinButton>(*button);
  HWND h = button->Handle();
  InvalidateRect(h, nullptr, FALSE);
  UpdateWindow(h);
  EXPECT_GT(CountNear(h, kNormalText), 10);
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_GT(CountNear(h, kHotText), 10);
  EXPECT_EQ(CountNear(h, kNormalText), 0);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_GT(CountNear(h, kPressedText), 10);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

// Rows in which every pixel across the caption's S has the text colour (a
// pixel's slack each side for the glyph's bearings). The S's own strokes
// fill some; the underline adds one.
int FullRows(HWND window, int left, int right, int top, int bottom, COLORREF colour) {
  WindowDC dc(window);
  int rows = 0;
  for (int y = top; y < bottom; ++y) {
    bool full = true;
    for (int x = left + 1; x < right - 1 && full; ++x) full = Near(GetPixel(dc.get(), x, y), colour);
    rows += full;
  }
  return rows;
}

TEST_F(ButtonSkinTest, TheSearchButtonsCaptionIsCentredWithTheAcceleratorUnderlined) {
  auto* search = Add<TBitBtn>(10, 10, 54, 42, "查找(&S)");
  auto* plain = Add<TBitBtn>(80, 10, 54, 42, "查找(S)");
  auto* pushed = Add<TButton>(150, 10, 54, 42, "查找(&S)");
  auto* focus = Add<TButton>(10, 90, 80, 25, "F");
  Show();
  focus->SetFocus();
  auto* skin = Skin<TSkinBitButton>(*search);
  Skin<TSkinBitButton>(*plain);
  Skin<TSkinButton>(*pushed);
  Pump();

  // The caption's size in the button's font.
  WindowDC screen(search->Handle());
  HGDIOBJ old = SelectObject(screen.get(), reinterpret_cast<HFONT>(SendMessageW(search->Handle(), WM_GETFONT, 0, 0)));
  RECT text{0, 0, 54, 42};
  DrawTextW(screen.get(), L"查找(&S)", -1, &text, DT_CALCRECT);
  SIZE before{}, with_s{};
  GetTextExtentPoint32W(screen.get(), L"查找(", 3, &before);
  GetTextExtentPoint32W(screen.get(), L"查找(S", 4, &with_s);
  SelectObject(screen.get(), old);
  const int tw = text.right, th = text.bottom;

  const TGlyphTextPlace& p = skin->LastPlace();
  EXPECT_EQ(p.spacing, 0);
  EXPECT_EQ(p.margin, (54 - tw) / 2);
  EXPECT_EQ(p.text_x, (54 - tw) / 2);
  EXPECT_EQ(p.text_y, (42 - th + 1) / 2);
  const int s_left = p.text_x + before.cx, s_right = p.text_x + with_s.cx;
  EXPECT_EQ(FullRows(search->Handle(), s_left, s_right, p.text_y, p.text_y + th, kNormalText),
            FullRows(plain->Handle(), s_left, s_right, p.text_y, p.text_y + th, kNormalText) + 1)
      << "S underlined";
  // The plain button: centred across, one pixel above the middle.
  const int plain_top = (42 - th) / 2 - 1, plain_s = (54 - tw) / 2 + before.cx;
  EXPECT_EQ(FullRows(pushed->Handle(), plain_s, plain_s + with_s.cx - before.cx, plain_top, plain_top + th, kNormalText),
            FullRows(plain->Handle(), s_left, s_right, p.text_y, p.text_y + th, kNormalText) + 1);
  EXPECT_EQ(FullRows(pushed->Handle(), plain_s, plain_s + with_s.cx - before.cx, plain_top + th, 42, kNormalText), 0);
}

// A glyph of one colour per image; the bottom-left pixel is the see-through key.
void SetGlyph(TButtonFace& face, int images, const std::vector<COLORREF>& colours) {
  TGlyph glyph;
  TBitmap& b = glyph.Bitmap();
  b.SetSize(16 * images, 16);
  for (int i = 0; i < images; ++i)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) b.Canvas().SetPixel(i * 16 + x, y, static_cast<TColor>(colours[i]));
  b.Canvas().SetPixel(0, 15, static_cast<TColor>(RGB(1, 2, 3)));
  face.SetGlyph(&glyph);
  face.SetNumGlyphs(images);
}

TEST_F(ButtonSkinTest, AGlyphLeftOfTheCaptionInASeventyFivePixelButton) {
  auto* button = Add<TBitBtn>(10, 10, 75, 25, "OK");
  auto* focus = Add<TButton>(10, 90, 80, 25, "F");
  SetGlyph(button->Face(), 1, {RGB(0, 160, 0)});
  Show();
  focus->SetFocus();
  auto* skin = Skin<TSkinBitButton>(*button);
  Pump();
  UpdateWindow(button->Handle());
  SIZE ok{};
  {
    WindowDC dc(button->Handle());
    HGDIOBJ old = SelectObject(dc.get(), reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0)));
    GetTextExtentPoint32W(dc.get(), L"OK", 2, &ok);
    SelectObject(dc.get(), old);
  }
  const TGlyphTextPlace& p = skin->LastPlace();
  EXPECT_EQ(p.margin, (75 - (16 + 4 + ok.cx)) / 2);
  EXPECT_EQ(p.glyph_x, p.margin);
  EXPECT_EQ(p.glyph_y, (25 - 16 + 1) / 2);
  EXPECT_EQ(p.text_x, p.margin + 20);
  EXPECT_EQ(PixelOf(button->Handle(), p.glyph_x + 8, p.glyph_y + 8), RGB(0, 160, 0));
  EXPECT_EQ(PixelOf(button->Handle(), p.glyph_x + 15, p.glyph_y + 15), RGB(0, 160, 0));
  EXPECT_NE(PixelOf(button->Handle(), p.glyph_x - 1, p.glyph_y + 8), RGB(0, 160, 0));
  EXPECT_NE(PixelOf(button->Handle(), p.glyph_x, p.glyph_y + 15), RGB(1, 2, 3)) << "the key is see-through";
}

TEST_F(ButtonSkinTest, ADisabledButtonWithTwoGlyphsDrawsTheFirstGreyed) {
  auto* button = Add<TBitBtn>(10, 10, 75, 25, "OK");
  SetGlyph(button->Face(), 2, {RGB(0, 160, 0), RGB(0, 0, 250)});
  button->SetEnabled(false);
  Show();
  auto* skin = Skin<TSkinBitButton>(*button);
  InvalidateRect(button->Handle(), nullptr, FALSE);
  UpdateWindow(button->Handle());
  EXPECT_EQ(skin->LastFace(), kFaceDisabled);
  TBitmap expected(1, 1);
  expected.Canvas().SetPixel(0, 0, static_cast<TColor>(RGB(0, 160, 0)));
  Grey(expected);
  const COLORREF grey = expected.Canvas().Pixel(0, 0);
  const TGlyphTextPlace& p = skin->LastPlace();
  EXPECT_EQ(PixelOf(button->Handle(), p.glyph_x + 8, p.glyph_y + 8), grey);
  EXPECT_NE(grey, RGB(0, 160, 0));
}

TEST_F(ButtonSkinTest, ASpeedButtonIsDrawnOverItsParentsPaintAndShowsDownAsPressed) {
  auto* speed = MakeOwned<TSpeedButton>(*form);
  speed->SetParent(form.get());
  speed->SetBounds(100, 100, 60, 24);
  speed->SetCaption("Sp");
  speed->SetGroupIndex(1);
  Show();
  auto* skin = MakeOwned<TSkinSpeedButton>(*speed);
  skin->AttachGraphic(&host, *data, &host.ControlCanvas());
  EXPECT_TRUE(skin->Attached());
  EXPECT_EQ(skin->Handle(), nullptr);
  EXPECT_EQ(skin->GraphicControl(), speed);
  Pump();
  UpdateWindow(form->Handle());
  EXPECT_EQ(FrameOf(PixelOf(form->Handle(), 106, 106), kFaceFrameWidth), kFaceNormal);
  speed->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.hot, skin);
  EXPECT_EQ(FrameOf(PixelOf(form->Handle(), 106, 106), kFaceFrameWidth), kFaceHot);
  int clicks = 0;
  speed->OnClick = [&](TObject*) { ++clicks; };
  speed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(FrameOf(PixelOf(form->Handle(), 106, 106), kFaceFrameWidth), kFacePressed);
  speed->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1) << "the speed button's own click";
  EXPECT_TRUE(speed->Down());
  speed->Perform(CM_MOUSELEAVE);
  InvalidateRect(form->Handle(), nullptr, TRUE);
  UpdateWindow(form->Handle());
  EXPECT_EQ(FrameOf(PixelOf(form->Handle(), 106, 106), kFaceFrameWidth), kFacePressed) << "down";
  speed->SetDown(false);
  speed->SetAllowAllUp(true);
  speed->SetDown(false);
  UpdateWindow(form->Handle());
  EXPECT_EQ(FrameOf(PixelOf(form->Handle(), 106, 106), kFaceFrameWidth), kFaceNormal);
  // A plain button's hover tells the speed button it was left.
  auto* button = Add<TButton>(10, 10, 80, 25, "B");
  Skin<TSkinButton>(*button);
  speed->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(host.hot, skin);
  SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(skin->MouseState(), 0);
}

}  // namespace
}  // namespace hm::test
