// What the tests of the control skins share: a stand-in for the frame
// skin, a skin whose images tell by their pixels which frame was drawn,
// and reading pixels back from windows.
#pragma once

#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_skin_list.h"
#include "skin/controls/skin_control.h"
#include "skin/core/win_skin_data.h"

namespace hm::test {

class TFakeSkinHost : public IControlSkinHost {
 public:
  ~TFakeSkinHost() { list.RemoveAll(); }
  TCanvas& ControlCanvas() override { return canvas_; }
  TSkinControl* HotNativeButton() const override { return hot; }
  void SetHotNativeButton(TSkinControl* button) override { hot = button; }
  void ListControlSkin(TSkinControl& skin) override { list.Add(skin); }
  void UnlistControlSkin(TSkinControl& skin) override {
    list.Remove(skin);
    if (hot == &skin) hot = nullptr;
  }

  TControlSkinList list;
  TSkinControl* hot = nullptr;

 private:
  TCanvas canvas_;
};

// Every image of the marked skin has blue = x of its pixel, so the frame a
// pixel came from is blue / frame width + 1.
constexpr int kFaceFrameWidth = 40;   // [Buttons] 5 x 40
constexpr int kCheckFrameWidth = 13;  // 12 x 13
constexpr int kRadioFrameWidth = 13;  // 8 x 13
constexpr int kUpDownFrameWidth = 10;
constexpr int kProgressFrameWidth = 20;
constexpr int kThumbFrameWidth = 10;
constexpr COLORREF kNormalText = RGB(255, 0, 0);
constexpr COLORREF kHotText = RGB(0, 0, 255);
constexpr COLORREF kPressedText = RGB(0, 255, 0);
constexpr COLORREF kFace = RGB(200, 200, 200);
void LoadMarkedSkin(TSkinData& data);
// The kolvane archive the build packed.
void LoadKolvaneSkin(TSkinData& data);

COLORREF PixelOf(HWND window, int x, int y);
inline int FrameOf(COLORREF pixel, int frame_width) { return GetBValue(pixel) / frame_width + 1; }
// Text is smoothed: a pixel counts as the text colour within 64 per channel.
bool Near(COLORREF pixel, COLORREF colour);
// Pixels near `colour` in the window's client rectangle.
int CountNear(HWND window, COLORREF colour);

struct ControlSkinsTest : ::testing::Test {
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  TFakeSkinHost host;
  Owned<TForm> form;
  TSkinData* data = nullptr;
};

}  // namespace hm::test
