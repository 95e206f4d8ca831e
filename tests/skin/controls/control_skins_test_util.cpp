#include "tests/skin/controls/control_skins_test_util.h"

#include "framework/core/stream.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_drawing.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"

namespace hm::test {

void LoadMarkedSkin(TSkinData& data) {
  Load(data, TTestSkin()
                 .Ini("[Colours]\nButtonFace=200 200 200\nButtonText=0 0 0\n"
                      "[Buttons]\nBitmap=b.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\n"
                      "Trans=0\nTile=0\nCheckButton=c.bmp\nRadioButton=r.bmp\nCheckButtonFrame=12\n"
                      "RadioButtonFrame=8\nNormalColour2=255 0 0\nMouseOverColour2=0 0 255\n"
                      "PressedColour2=0 255 0\n"
                      "[Progress]\nBitmap=p.bmp\nTrans=0\n"
                      "[UpDown.Vert]\nImage=ud.bmp\n[UpDown.Horz]\nImage=ud.bmp\n"
                      "[Trackbar.ThumbHorz]\nImage=t.bmp\n")
                 .Bitmap("b.bmp", 5 * kFaceFrameWidth, 20)
                 .Bitmap("c.bmp", 12 * kCheckFrameWidth, 13)
                 .Bitmap("r.bmp", 8 * kRadioFrameWidth, 13)
                 .Bitmap("p.bmp", 2 * kProgressFrameWidth, 10)
                 .Bitmap("ud.bmp", 8 * kUpDownFrameWidth, 20)
                 .Bitmap("t.bmp", 5 * kThumbFrameWidth, 20));
}

void LoadKolvaneSkin(TSkinData& data) {
  TMemoryStream archive;
  archive.LoadFromFile(KOLVANE_ARCHIVE);
  const std::string_view bytes = archive.Bytes();
  ReadStream(data, StreamValue(Bytes(bytes.begin(), bytes.end())));
}

COLORREF PixelOf(HWND window, int x, int y) {
  WindowDC dc(window);
  return GetPixel(dc.get(), x, y);
}

bool Near(COLORREF pixel, COLORREF colour) {
  auto close = [](int a, int b) { return a - b < 64 && b - a < 64; };
  return close(GetRValue(pixel), GetRValue(colour)) && close(GetGValue(pixel), GetGValue(colour)) &&
         close(GetBValue(pixel), GetBValue(colour));
}

int CountNear(HWND window, COLORREF colour) {
  RECT r{};
  GetClientRect(window, &r);
  WindowDC dc(window);
  int n = 0;
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) n += Near(GetPixel(dc.get(), x, y), colour);
  return n;
}

void ControlSkinsTest::SetUpTestSuite() {
  Application().Initialize();
  RegisterControlSkins();
  StartSkinDrawing();
}

void ControlSkinsTest::SetUp() {
  form = MakeRoot<TForm>();
  form->SetBounds(30, 30, 400, 300);
  data = MakeOwned<TSkinData>(*form);
  LoadMarkedSkin(*data);
}

void ControlSkinsTest::TearDown() {
  host.list.RemoveAll();
  form.reset();
  Pump(2);
}

}  // namespace hm::test
