// What the frame-skin tests share: the kolvane skin as the build packed it,
// shown forms with a skin component, and attaching a frame skin by hand.
#pragma once

#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/ui/forms/form.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"

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
  TSkinData& DataOf(TCustomForm& form);

  std::vector<Owned<TCustomForm>> forms;

 private:
  void Prepare(TCustomForm& form, TFormBorderStyle border);
};

RECT WindowRectOf(HWND window);
RECT ClientRectOf(HWND window);
inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace hm::test
