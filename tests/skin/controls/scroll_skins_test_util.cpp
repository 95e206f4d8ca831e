#include "tests/skin/controls/scroll_skins_test_util.h"

#include "framework/ui/platform/handles.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"

namespace hm::test {

void LoadBarSkin(TSkinData& data) {
  Load(data, TTestSkin()
                 .Ini("[Colours]\nButtonFace=200 200 200\nButtonShadow=90 91 92\nScrollbar=1 2 3\n"
                      "[Scrollbar]\nImage=arrows.bmp\nTrans=0\n"
                      "[HorzScroll]\nImage=track.bmp\nTrans=0\nTile=0\n"
                      "[VertScroll]\nImage=track.bmp\nTrans=0\nTile=0\n"
                      "[HorzScrollThumb]\nImage=hthumb.bmp\nFrameCount=3\nTrans=0\n"
                      "[VertScrollThumb]\nImage=vthumb.bmp\nFrameCount=3\nTrans=0\n"
                      "[ComboButton]\nImage=combo.bmp\nTrans=1\n"
                      "[SunkEdge]\nImage=sunk.bmp\nTrans=0\nLeftWidth=2\nRightWidth=2\nTopHeight=2\n"
                      "BottomHeight=2\n")
                 .Bitmap("arrows.bmp", 23 * kArrowFrameWidth, 16, kArrowsRed)
                 .Bitmap("track.bmp", 4 * 16, 16, kTrackRed)
                 .Bitmap("hthumb.bmp", 3 * 20, 16, kHorzThumbRed)
                 .Bitmap("vthumb.bmp", 3 * 16, 20, kVertThumbRed)
                 .Bitmap("combo.bmp", 4 * kComboFrameWidth, 21, kComboRed)
                 .Bitmap("sunk.bmp", 4 * 16, 16, kSunkRed));
}

COLORREF WindowPixel(HWND window, int x, int y) {
  WindowDC dc(window, true);
  return GetPixel(dc.get(), x, y);
}

int ArrowFrameAt(HWND window, int x, int y) {
  const COLORREF pixel = WindowPixel(window, x, y);
  return RedOf(pixel) == kArrowsRed ? FrameOf(pixel, kArrowFrameWidth) : 0;
}

void ScrollSkinsTest::SetUp() {
  ControlSkinsTest::SetUp();
  LoadBarSkin(*data);
}

TMemo* ScrollSkinsTest::AddMemo(int x, int y, int w, int h, TScrollStyle bars, int lines, int width) {
  auto* memo = MakeOwned<TMemo>(*form);
  memo->SetParent(form.get());
  memo->SetBounds(x, y, w, h);
  memo->SetWordWrap(false);
  memo->SetScrollBars(bars);
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i) + std::string(static_cast<std::size_t>(width), 'x') + "\r\n";
  memo->SetText(text);
  form->Show();
  // From the top, as a memo is read.
  SendMessageW(memo->Handle(), EM_SETSEL, 0, 0);
  SendMessageW(memo->Handle(), EM_SCROLLCARET, 0, 0);
  SendMessageW(memo->Handle(), WM_HSCROLL, SB_LEFT, 0);
  Pump();
  return memo;
}

TSkinScrollbar* ScrollSkinsTest::SkinBars(TWinControl& control, bool handle_nc_buttons) {
  auto* skin = MakeOwned<TSkinScrollbar>(control);
  skin->InitScrollbarSkin(&control, *data, handle_nc_buttons, &host, &host.ControlCanvas());
  RedrawFrame(control.Handle());
  return skin;
}

POINT ScrollSkinsTest::ToScreen(HWND window, POINT at) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{r.left + at.x, r.top + at.y};
}

void ScrollSkinsTest::RedrawFrame(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump(2);
}

}  // namespace hm::test
