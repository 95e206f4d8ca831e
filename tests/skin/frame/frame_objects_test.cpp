// A thousand attach and detach cycles of a frame skin with its control
// skins leave the process with the GDI and USER objects it had.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include "framework/ui/controls/std_controls.h"
#include "skin/controls/skin_control.h"
#include "skin/core/skin_messages.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

class TPaintingSkin : public TSkinControl {
 public:
  explicit TPaintingSkin(TComponent* owner) : TSkinControl(owner) {}
  void DrawSkin(HDC dc, const RECT& rect) override { FillBackground(dc, rect); }
};

TEST_F(FrameTest, AThousandAttachAndDetachCyclesLeaveNoGdiOrUserObjectBehind) {
  auto* form = ShowForm<TFixedForm>();
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form);
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form);
  button->SetBounds(150, 20, 80, 25);
  TSkinData& data = DataOf(*form);
  data.OnSkinControl = [button](TComponent*, TSkinData*, TControl*, TControl* control, const std::string&,
                                TComponent*& skinned) {
    if (control == button) skinned = new TPaintingSkin(button);
  };
  HWND h = form->Handle();
  const RECT window = WindowRectOf(h);
  auto cycle = [&] {
    auto* skin = MakeOwned<TWinSkinForm>(*form);
    skin->SetHandle(h);
    skin->AttachForm(data, *form);
    SendMessageW(h, WM_SKINSTART, 0, 1000);
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (skin->ControlSkins().Count() != 2) ADD_FAILURE() << "control skins: " << skin->ControlSkins().Count();
    skin->Detach();
    form->FreeComponent(*skin);
  };
  cycle();  // what is made once (fonts, brushes of the controls) is made now
  Pump(2);
  const int gdi = CountGdiObjects();
  const int user = CountUserObjects();
  for (int i = 0; i < 1000; ++i) cycle();
  Pump(2);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  EXPECT_EQ(Width(WindowRectOf(h)), Width(window));
  EXPECT_EQ(Height(WindowRectOf(h)), Height(window));
  EXPECT_EQ(panel->ComponentCount() + button->ComponentCount(), 0);
}

}  // namespace
}  // namespace hm::test
