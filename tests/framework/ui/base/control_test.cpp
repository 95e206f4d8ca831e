// The control base: the window-procedure slot, native windows on demand and
// subclassed from their first message, notifications, parent font and
// colour, alignment and painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/core/typinfo.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/controls/std_controls.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm {
namespace {

using test::Pump;

bool Contains(const std::vector<UINT>& list, UINT msg) {
  return std::find(list.begin(), list.end(), msg) != list.end();
}

// A button that records what reaches its own procedure.
class TRecordingButton : public TButton {
 public:
  explicit TRecordingButton(TComponent* owner) : TButton(owner) {}
  std::vector<UINT> reached;
  void WndProc(TMessage& message) override {
    reached.push_back(message.Msg);
    TButton::WndProc(message);
  }
};

struct Fixture : ::testing::Test {
  void SetUp() override {
    form = MakeRoot<TForm>();
    form->SetBounds(50, 50, 300, 200);
  }
  Owned<TForm> form;
};

using WindowProcSlot = Fixture;

TEST_F(WindowProcSlot, AChildAskedFirstGetsOneWindowWithItsParent) {
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form.get());
  HWND h = button->Handle();
  HWND child = GetWindow(form->Handle(), GW_CHILD);
  EXPECT_EQ(child, h);
  EXPECT_EQ(GetWindow(child, GW_HWNDNEXT), nullptr);
  form->Show();
  test::Pump();  // a stray window would be repainted forever
  EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));
}

TEST_F(WindowProcSlot, StandardClassesPassThroughFromTheirFirstMessage) {
  auto* button = MakeOwned<TRecordingButton>(*form);
  button->SetParent(form.get());
  EXPECT_FALSE(button->HandleAllocated());  // made on demand
  HWND h = button->Handle();
  ASSERT_TRUE(h);
  EXPECT_TRUE(form->HandleAllocated());  // the parent came first
  EXPECT_EQ(GetParent(h), form->Handle());
  wchar_t cls[32];
  GetClassNameW(h, cls, 32);
  EXPECT_STREQ(cls, L"Button");
  EXPECT_TRUE(Contains(button->reached, WM_NCCREATE));
  EXPECT_TRUE(Contains(button->reached, WM_CREATE));
  EXPECT_EQ(FindControl(h), button);
}

TEST_F(WindowProcSlot, AReplacementSeesEveryMessageFirstAndCanSwallowOne) {
  auto* button = MakeOwned<TRecordingButton>(*form);
  button->SetParent(form.get());
  button->SetCaption("before");
  HWND h = button->Handle();

  std::vector<UINT> seen;
  TLayerToken layer = button->WindowProc().Insert([&](TMessage& message, const TCallNext& next) {
    seen.push_back(message.Msg);
    if (message.Msg == WM_SETTEXT) {
      message.Result = TRUE;  // swallowed: the control never hears of it
      return;
    }
    next(message);
  });
  button->reached.clear();
  form->Show();
  SetWindowTextW(h, L"after");
  button->SetEnabled(false);
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();

  EXPECT_TRUE(Contains(seen, WM_PAINT));
  EXPECT_TRUE(Contains(seen, CM_ENABLEDCHANGED));
  EXPECT_TRUE(Contains(seen, WM_SETTEXT));
  EXPECT_FALSE(Contains(button->reached, WM_SETTEXT));
  // Everything the control handled came through the replacement, in order.
  std::vector<UINT> passed;
  std::copy_if(seen.begin(), seen.end(), std::back_inserter(passed), [](UINT m) { return m != WM_SETTEXT; });
  EXPECT_EQ(passed, button->reached);
  EXPECT_EQ(button->GetText(), "before");

  // Removed, the control behaves as before.
  layer.Remove();
  seen.clear();
  SetWindowTextW(h, L"after");
  EXPECT_EQ(button->GetText(), "after");
  EXPECT_TRUE(seen.empty());
}

TEST_F(WindowProcSlot, PerformGoesThroughTheSlotForGraphicControlsToo) {
  auto* label = MakeOwned<TLabel>(*form);
  label->SetParent(form.get());
  std::vector<UINT> seen;
  TLayerToken layer = label->WindowProc().Insert([&](TMessage& message, const TCallNext& next) {
    seen.push_back(message.Msg);
    next(message);
  });
  label->SetEnabled(false);
  label->SetVisible(false);
  EXPECT_EQ(seen, (std::vector<UINT>{0xB00C /* CM_ENABLEDCHANGED */, CM_VISIBLECHANGED}));
  EXPECT_EQ(CM_MENUCHANGED, 0xB015u);
}

TEST_F(WindowProcSlot, ALayerRemovedWhileItRunsFinishesSafely) {
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  int calls = 0;
  TLayerToken layer;
  layer = panel->WindowProc().Insert([&](TMessage& message, const TCallNext& next) {
    ++calls;
    layer.Remove();  // drops this very layer
    next(message);   // and still reaches the control
  });
  EXPECT_EQ(panel->Perform(WM_GETDLGCODE), 0);
  panel->Perform(WM_GETDLGCODE);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(panel->WindowProc().LayerCount(), 0);
}

using ParentLook = Fixture;

TEST_F(ParentLook, FontAndColourFollowTheParentUntilSetOwn) {
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  panel->SetParentColor(true);
  auto* follower = MakeOwned<TLabel>(*form);
  follower->SetParent(panel);
  auto* own = MakeOwned<TLabel>(*form);
  own->SetParent(panel);
  own->Font()->SetHeight(-20);
  EXPECT_FALSE(own->ParentFont());

  form->Font()->SetName("Tahoma");
  form->Font()->SetHeight(-15);
  form->SetColor(clTeal);
  EXPECT_EQ(panel->Font()->Height(), -15);
  EXPECT_EQ(follower->Font()->Name(), "Tahoma");
  EXPECT_EQ(follower->Font()->Height(), -15);
  EXPECT_EQ(own->Font()->Height(), -20);
  EXPECT_EQ(panel->Color(), clTeal);
  EXPECT_EQ(follower->Color(), clTeal);
  EXPECT_TRUE(follower->ParentFont());

  // A windowed control's window gets the font too.
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(panel);
  const HFONT handle = reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(handle, button->Font()->Handle());
}

TEST_F(ParentLook, ClientAlignedChildFillsAndFollowsTheParent) {
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  panel->SetAlign(alClient);
  form->Show();
  Pump();
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(panel->Width(), client.right);
  EXPECT_EQ(panel->Height(), client.bottom);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 360, 260, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(panel->Width(), client.right);
  EXPECT_EQ(panel->Height(), client.bottom);
}

// Pixels of the form's client area as shown.
COLORREF ShownPixel(TWinControl& control, int x, int y) {
  WindowDC dc(control.Handle());
  return GetPixel(dc.get(), x, y);
}

TEST_F(ParentLook, PanelsPaintTheirColourAndLabelsTheirText) {
  for (bool buffered : {false, true}) {
    auto* panel = MakeOwned<TPanel>(*form);
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clYellow);
    panel->SetDoubleBuffered(buffered);
    auto* label = MakeOwned<TLabel>(*form);
    label->SetParent(panel);
    label->SetBounds(20, 20, 0, 0);
    label->SetCaption("WWWW");
    label->Font()->SetColor(clBlue);
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(ShownPixel(*panel, 150, 80), RGB(255, 255, 0)) << buffered;
    EXPECT_EQ(ShownPixel(*panel, 21, 21 + label->Height() - 1), RGB(255, 255, 0)) << "label background";
    int blue = 0;  // text may be smoothed: count clearly blue pixels
    for (int y = 20; y < 20 + label->Height(); ++y)
      for (int x = 20; x < 20 + label->Width(); ++x) {
        const COLORREF p = ShownPixel(*panel, x, y);
        blue += GetBValue(p) > GetRValue(p) + 60 && GetBValue(p) > GetGValue(p) + 60;
      }
    EXPECT_GT(blue, 10) << buffered;
    form->FreeComponent(*label);
    form->FreeComponent(*panel);
  }
}

TEST_F(ParentLook, FreeingAParentLeavesItsChildrenOrphanedNotDangling) {
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(panel);
  HWND h = button->Handle();
  form->FreeComponent(*panel);
  EXPECT_EQ(button->Parent(), nullptr);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(button->HandleAllocated());
  EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
}  // namespace hm
