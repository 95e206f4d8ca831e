// The real main window with the skin engine installed, as the program starts
// it, for the tests that read its skinned look back.
#pragma once

#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include "app/Main.h"
#include "app/program.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/platform/handles.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/skin_engine.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm::test {

// The control's skin of that class, or null.
template <class Skin>
Skin* SkinOf(TComponent& control) {
  for (int i = 0; i < control.ComponentCount(); ++i)
    if (auto* skin = dynamic_cast<Skin*>(control.Components(i))) return skin;
  return nullptr;
}

// A pixel as the window shows it, frame included.
inline COLORREF WindowPixel(HWND window, int x, int y) {
  WindowDC dc(window, true);
  return GetPixel(dc.get(), x, y);
}

class SkinnedMainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application().Initialize();
    Application().SetTitle(kApplicationTitle);
    InstallSkinEngine();
  }
  void SetUp() override {
    form_ = MakeForm<TFrmMain>();
    form_->Show();
    for (int i = 0; i < 40 && SendMessageW(form_->Handle(), WM_SKINQUERY, 0, 0) != 1; ++i) Pump();
    Pump(20);
  }

  Owned<TFrmMain> form_;
};

}  // namespace hm::test
