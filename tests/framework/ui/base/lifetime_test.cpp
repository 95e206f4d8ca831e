// Lifetimes in the window framework: fonts handed to live windows, layout
// that makes no windows, notifications reflected to the child they concern,
// controls and forms freed inside their own messages, windows made anew
// with what they held, and no GDI or USER object left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/core/form_description.h"
#include "framework/ui/controls/edits.h"
#include "framework/ui/controls/range_controls.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/handles.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm {
namespace {

using test::CountGdiObjects;
using test::CountUserObjects;
using test::Pump;

struct LifetimeTest : ::testing::Test {
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override {
    form = MakeRoot<TForm>();
    form->SetBounds(40, 40, 320, 240);
  }
  template <class T>
  T* Child(TWinControl* parent = nullptr) {
    auto* c = MakeOwned<T>(*form);
    c->SetParent(parent ? parent : form.get());
    return c;
  }
  Owned<TForm> form;
};

TEST_F(LifetimeTest, AFontChangedOnALiveWindowHandsItALiveFont) {
  auto* button = Child<TButton>();
  button->HandleNeeded();
  button->Font()->SetName("Arial");
  button->Font()->SetHeight(-23);
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0));
  LOGFONTW font{};
  ASSERT_EQ(GetObjectW(handle, sizeof font, &font), static_cast<int>(sizeof font)) << "the window holds a freed font";
  EXPECT_EQ(font.lfHeight, -23);
  // Following a parent's change works the same way.
  button->SetParentFont(true);
  form->Font()->SetHeight(-17);
  const auto followed = reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0));
  ASSERT_EQ(GetObjectW(followed, sizeof font, &font), static_cast<int>(sizeof font));
  EXPECT_EQ(font.lfHeight, -17);
}

TEST_F(LifetimeTest, LayingOutWithoutWindowsMakesNone) {
  auto* panel = Child<TPanel>();
  panel->SetAlign(alClient);
  auto* inner = Child<TPanel>(panel);
  inner->SetAlign(alTop);
  (void)panel->ClientRect();
  (void)inner->ClientRect();
  form->SetBounds(40, 40, 400, 300);
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(panel->Width(), form->ClientWidth());
}

TEST_F(LifetimeTest, ReadingADescriptionMakesNoWindows) {
  ReadComponent(*form, R"(object Form1: TForm
  Left = 10
  Top = 10
  Width = 300
  Height = 200
  object Panel1: TPanel
    Align = alClient
    object Panel2: TPanel
      Height = 40
      Align = alTop
    end
  end
end
)");
  EXPECT_FALSE(form->HandleAllocated());
  auto* inner = static_cast<TPanel*>(form->FindComponent("Panel2"));
  ASSERT_NE(inner, nullptr);
  EXPECT_FALSE(inner->HandleAllocated());
  form->Show();
  Pump();
  // Laid out once the windows exist: across the outer panel inside its bevel.
  auto* outer = static_cast<TPanel*>(form->FindComponent("Panel1"));
  EXPECT_EQ(inner->Width(), outer->ClientWidth() - 2 * outer->BevelWidth());
  EXPECT_EQ(inner->Height(), 40);
}

TEST_F(LifetimeTest, ScrollNotificationsReachTheChildTheyConcern) {
  auto* track = Child<TTrackBar>();
  track->SetBounds(10, 10, 200, 30);
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  form->Show();
  Pump();
  // The track bar tells its parent with WM_HSCROLL; the parent hands it back.
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(track->Position(), 1);
  EXPECT_EQ(changes, 1);

  auto* other = Child<TPanel>();
  std::vector<UINT> seen;
  TLayerToken layer = other->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    seen.push_back(m.Msg);
    next(m);
  });
  SendMessageW(form->Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(other->Handle()));
  EXPECT_EQ(std::count(seen.begin(), seen.end(), CN_VSCROLL), 1);
  // The form's own scroll bars (no lParam) stay the form's.
  seen.clear();
  SendMessageW(form->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_TRUE(seen.empty());
}

int g_freed = 0;

class TCountedButton : public TButton {
 public:
  using TButton::TButton;
  ~TCountedButton() override { ++g_freed; }
};

TEST_F(LifetimeTest, AControlFreedInsideItsOwnClickGoesWhenTheClickReturns) {
  g_freed = 0;
  auto* button = Child<TCountedButton>();
  bool still_there_inside = false;
  button->OnClick = [&](TObject*) {
    form->FreeComponent(*button);
    still_there_inside = g_freed == 0;  // torn down, memory kept
    EXPECT_FALSE(button->HandleAllocated());
  };
  form->Show();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(still_there_inside);
  EXPECT_EQ(g_freed, 1);
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(LifetimeTest, AFormFreedFromAClickOfOneOfItsButtonsGoesWhenTheClickReturns) {
  g_freed = 0;
  auto* button = Child<TCountedButton>();
  button->OnClick = [&](TObject*) { form.reset(); };
  form->Show();
  HWND window = form->Handle();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(g_freed, 1);
  EXPECT_FALSE(IsWindow(window));
}

int g_forms_freed = 0;

class TCountedForm : public TForm {
 public:
  using TForm::TForm;
  ~TCountedForm() override { ++g_forms_freed; }
};

TCountedForm* g_releasing = nullptr;
HHOOK g_box_hook = nullptr;

LRESULT CALLBACK ReleaseOnBoxActivation(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && g_releasing) {
    g_releasing->Release();
    g_releasing = nullptr;
    PostMessageW(reinterpret_cast<HWND>(wparam), WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(g_box_hook, code, wparam, lparam);
}

TEST(Release, AFormReleasedInsideAMessageBoxIsFreedByTheBoxsOwnLoop) {
  g_forms_freed = 0;
  auto* released = MakeOwned<TCountedForm>(Application());
  released->HandleNeeded();
  g_releasing = released;
  UniqueHook hook(SetWindowsHookExW(WH_CBT, ReleaseOnBoxActivation, nullptr, GetCurrentThreadId()));
  g_box_hook = hook.get();
  ASSERT_TRUE(hook);
  MessageBoxW(nullptr, L"release", L"test", MB_OK);
  hook.reset();
  // No loop of ours ran: the box's loop delivered the release.
  EXPECT_EQ(g_forms_freed, 1);
}

TEST_F(LifetimeTest, AWindowMadeAnewKeepsWhatItsChildrenHeld) {
  auto* panel = Child<TPanel>();
  panel->SetBounds(10, 10, 200, 100);
  auto* edit = Child<TEdit>(panel);
  form->Show();
  HWND old_edit = edit->Handle();
  SetWindowTextW(old_edit, L"typed by the user");  // known only to the window
  panel->RecreateWnd();
  EXPECT_FALSE(IsWindow(old_edit));
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_EQ(edit->GetText(), "typed by the user");
}

// Makes, re-fonts, shows and frees a handful of controls.
void ControlRound(TForm& form) {
  auto* panel = MakeOwned<TPanel>(form);
  panel->SetParent(&form);
  auto* button = MakeOwned<TButton>(form);
  button->SetParent(panel);
  auto* edit = MakeOwned<TEdit>(form);
  edit->SetParent(panel);
  auto* label = MakeOwned<TLabel>(form);
  label->SetParent(panel);
  label->SetCaption("label");
  panel->HandleNeeded();
  button->Font()->SetHeight(-15);
  panel->Font()->SetName("Arial");
  panel->Repaint();
  form.FreeComponent(*label);
  form.FreeComponent(*edit);
  form.FreeComponent(*button);
  form.FreeComponent(*panel);
}

TEST_F(LifetimeTest, AThousandControlsLeaveNoGdiOrUserObjectBehind) {
  form->Show();
  ControlRound(*form);  // the system's own caches fill on first use
  Pump();
  const int gdi = CountGdiObjects(), user = CountUserObjects();
  {
    // The counters can see a leak.
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(0));
    EXPECT_EQ(CountGdiObjects(), gdi + 1);
  }
  for (int i = 0; i < 250; ++i) ControlRound(*form);  // four controls a round
  Pump();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

TEST_F(LifetimeTest, AThousandLayerCyclesOnALiveControlLeaveNothingBehind) {
  auto* button = Child<TButton>();
  form->Show();
  Pump();
  const int gdi = CountGdiObjects(), user = CountUserObjects();
  int seen = 0;
  for (int i = 0; i < 1000; ++i) {
    TLayerToken layer = button->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
      ++seen;
      next(m);
    });
    SendMessageW(button->Handle(), WM_GETDLGCODE, 0, 0);
  }
  EXPECT_EQ(seen, 1000);
  EXPECT_EQ(button->WindowProc().LayerCount(), 0);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

}  // namespace
}  // namespace hm
