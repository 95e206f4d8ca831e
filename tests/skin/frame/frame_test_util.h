// What the frame-skin tests share: the kolvane skin as the build packed it,
// shown forms with a skin component, and attaching a frame skin by hand.
#pragma once

#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/ui/forms/form.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"

namespace hm {
class TWinSysButton;
}

namespace hm::test {

// Loads the kolvane archive into a skin component.
void LoadKolvane(TSkinData& data);

// A form that refuses every resize, as the main window does; counts what
// it was asked.
class TFixedForm : public TForm {
  HM_CLASS(TFixedForm, TForm)

 public:
  explicit TFixedForm(TComponent* owner);
  int resize_asked = 0;
  bool allow_resize = false;
};

// A visible form at (40, 40), 300 x 200, whose active kolvane component
// has registered it with the skin manager.
Owned<TFixedForm> ShowFormSkinnedByTheManager();

struct FrameTest : ::testing::Test {
  static void SetUpTestSuite();
  void TearDown() override;

  // A visible form of `border` style at (40, 40), 300 x 200, with a
  // loaded kolvane component (not registered with the manager).
  template <class F = TForm>
  F* ShowForm(TFormBorderStyle border = bsSizeable) {
    Owned<F> made = MakeRoot<F>();
    F* form = made.get();
    Prepare(*form, border);
    forms.push_back(Owned<TCustomForm>(made.release()));
    return form;
  }
  // Attaches a frame skin by hand (owned by the form) and delivers its
  // first activation.
  TWinSkinForm* Skin(TCustomForm& form, bool start = true);
  // The main window as stored: border icons the system menu only, refusing
  // every resize, with an icon of its own.
  TFixedForm* ShowMainWindow(const std::string& caption = "Haomiso");
  TSkinData& DataOf(TCustomForm& form);

  std::vector<Owned<TCustomForm>> forms;

 private:
  void Prepare(TCustomForm& form, TFormBorderStyle border);
};

// The caption button of that Action (and Visibility, when given).
TWinSysButton* ButtonOf(const TWinSkinForm& skin, int action, int visibility = -1);
// A point in window coordinates as the screen lParam of a mouse message.
LPARAM ScreenLParam(HWND window, int x, int y);
COLORREF WindowPixel(HWND window, int x, int y);
COLORREF BitmapPixel(const TBitmap& bitmap, int x, int y);
// Messages and timers for about `ms` milliseconds.
void PumpFor(int ms);

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace hm::test
