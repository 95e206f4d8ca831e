// The control skins as the frame skin makes them: the push buttons of a
// real message box are skinned through the frame skin's walk over a bare
// window's children and clicked through the skin; a framework form's
// buttons, boxes and bars get theirs by class name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/typinfo.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/range_controls.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/core/skin_manage.h"
#include "skin/frame/skin_engine.h"
#include "skin/frame/win_skin_form.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace hm::test {
namespace {

struct FrameMadeSkinsTest : ::testing::Test {
  static void SetUpTestSuite() {
    Application().Initialize();
    InstallSkinEngine();
  }
  void SetUp() override {
    form = MakeRoot<TForm>();
    form->SetBounds(40, 40, 360, 240);
    data = MakeOwned<TSkinData>(*form);
    LoadKolvaneSkin(*data);
    data->Skin3rd()->Add("TCheckBox=checkbox");
    data->Skin3rd()->Add("TProgressBar=progress");
  }
  void TearDown() override {
    form.reset();
    Pump(2);
  }
  void Start() {
    data->SetActive(true);
    data->Loaded();
    form->Show();
    Pump();
  }
  TWinSkinForm* FrameOf(HWND window) { return dynamic_cast<TWinSkinForm*>(SkinManager().FindFormSkin(window)); }

  Owned<TForm> form;
  TSkinData* data = nullptr;
};

struct BoxSeen {
  int buttons = 0;          // push-button skins on the box's buttons
  int painted = 0;          // of them drawn from the skin
  std::vector<std::string> captions;
};
BoxSeen seen;
FrameMadeSkinsTest* running = nullptr;

// A timer's procedure, not a lambda: a 32-bit build needs the stdcall
// convention, which a lambda's conversion does not give.
void CALLBACK ReadTheBoxAndAnswerNo(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = FindWindowW(L"#32770", L"三个按钮");
  TWinSkinForm* frame = running->FrameOf(box);
  HWND no = nullptr;
  if (frame) {
    for (TSkinControl* skin : frame->ControlSkins().Items()) {
      auto* button = dynamic_cast<TSkinButton*>(skin);
      if (!button || GetParent(button->Handle()) != box) continue;
      ++seen.buttons;
      InvalidateRect(button->Handle(), nullptr, TRUE);
      UpdateWindow(button->Handle());
      seen.painted += button->LastFace() != 0;
      seen.captions.push_back(button->Caption());
      if (GetDlgCtrlID(button->Handle()) == IDNO) no = button->Handle();
    }
  }
  if (!no) {
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  SendMessageW(no, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(no, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TEST_F(FrameMadeSkinsTest, AMessageBoxsButtonsAreSkinnedAndClickedThroughTheSkin) {
  Start();
  running = this;
  seen = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, &ReadTheBoxAndAnswerNo);
  ASSERT_NE(timer, 0u);
  const int answer = MessageBoxW(form->Handle(), L"保存修改吗？", L"三个按钮", MB_YESNOCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(seen.buttons, 3);
  EXPECT_EQ(seen.painted, 3);
  EXPECT_EQ(answer, IDNO) << "the skin's click reached the box";
  SkinManager().PurgeFormSkins();
}

TEST_F(FrameMadeSkinsTest, AFormsControlsGetTheirSkinsByClassName) {
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form.get());
  button->SetBounds(10, 10, 75, 25);
  auto* bit = MakeOwned<TBitBtn>(*form);
  bit->SetParent(form.get());
  bit->SetBounds(10, 40, 54, 42);
  auto* check = MakeOwned<TCheckBox>(*form);
  check->SetParent(form.get());
  check->SetBounds(100, 10, 120, 20);
  auto* spin = MakeOwned<TUpDown>(*form);
  spin->SetParent(form.get());
  spin->SetBounds(100, 40, 16, 30);
  auto* bar = MakeOwned<TProgressBar>(*form);
  bar->SetParent(form.get());
  bar->SetBounds(100, 80, 150, 14);
  auto* track = MakeOwned<TTrackBar>(*form);
  track->SetParent(form.get());
  track->SetBounds(100, 100, 150, 30);
  Start();
  TWinSkinForm* frame = FrameOf(form->Handle());
  ASSERT_NE(frame, nullptr);
  std::vector<std::string> classes;
  for (TSkinControl* skin : frame->ControlSkins().Items()) classes.push_back(skin->ClassName());
  for (const char* expected :
       {"TSkinButton", "TSkinBitButton", "TSkinCheckBox", "TSkinUpDown", "TSkinProgress", "TSkinTrackBar"}) {
    EXPECT_NE(std::find(classes.begin(), classes.end(), expected), classes.end()) << expected;
  }
}

}  // namespace
}  // namespace hm::test
