// The skin manager: which windows get a frame skin and from which skin
// component, the window hook's bookkeeping, menu windows, and the commands
// before and after the first activation. Frame and menu skins are stand-ins
// that only record what the manager asks of them.
#include "skin/core/skin_manage.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/core/typinfo.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/subclass.h"
#include "skin/core/skin_messages.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"

namespace hm {
namespace {

using test::Pump;

// Answers WM_SKINQUERY like a real frame skin and dies with its window.
class TFakeFrame : public TComponent, public ISkinFrame {
 public:
  TFakeFrame(TComponent* owner, HWND window, TSkinData& data) : TComponent(owner), window_(window), data_(&data) {
    subclass_ = TSubclass(window, [this](TMessage& m, TSubclass& self) {
      if (m.Msg == WM_SKINQUERY) {
        m.Result = 1;
        return;
      }
      if (m.Msg == WM_SKINSTART) ++starts;
      self.CallPrevious(m);
      if (m.Msg == WM_NCDESTROY) life_state_ = 6;
    });
  }
  ~TFakeFrame() override {
    if (TSkinManage* manager = ExistingSkinManager()) manager->RemoveFormSkin(window_);
  }
  TComponent& Component() override { return *this; }
  HWND Handle() const override { return window_; }
  TSkinData* Data() const override { return data_; }
  int LifeState() const override { return life_state_; }
  bool IsMdiChild() const override { return false; }
  void Detach() override {
    ++detaches;
    subclass_.Remove();
  }
  void ReleaseCaptionButtons() override { log->push_back("release"); }
  void BuildFrameMetrics() override { log->push_back("metrics"); }
  void SkinChanged() override { log->push_back("changed"); }
  void MdiMaximizedChanged(bool) override {}

  int starts = 0;
  int detaches = 0;
  std::vector<std::string>* log = nullptr;

 private:
  HWND window_;
  TSkinData* data_;
  TSubclass subclass_;
  int life_state_ = 1;
};

class TFakeMenu : public ISkinPopupMenu {
 public:
  explicit TFakeMenu(HWND window, int* alive) : window_(window), alive_(alive) { ++*alive_; }
  ~TFakeMenu() override { --*alive_; }
  HWND Handle() const override { return window_; }
  void Detach() override {}
  void SetMenuBarDropDown(bool value) override { drop_down = value; }
  HMENU MenuHandle() const override { return nullptr; }
  TBitmap* Background() override { return nullptr; }
  bool drop_down = false;

 private:
  HWND window_;
  int* alive_;
};

test::TTestSkin SmallSkin() {
  return test::TTestSkin().Ini("[Personality]\r\n").Bitmap("top.bmp", 10, 10);
}

struct ManagerTest : ::testing::Test {
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override {
    DestroySkinManager();
    manager = &SkinManager();
    manager->SetFactories(TSkinFactories{
        [this](TCustomForm* form, HWND window, TSkinData& data) -> ISkinFrame* {
          auto* frame = new TFakeFrame(form, window, data);  // the form, or the test, frees it
          frame->log = &log;
          frames.push_back(frame);
          attached.push_back(window);
          return frame;
        },
        [this](HWND window, TSkinData&) -> std::unique_ptr<ISkinPopupMenu> {
          ++menus_made;
          return std::make_unique<TFakeMenu>(window, &menus_alive);
        }});
  }
  void TearDown() override { DestroySkinManager(); }

  // A visible form owned by the application, with a loaded skin component.
  TCustomForm* Form(TSkinFormType type = sfMainform, TSkinData** data_out = nullptr) {
    auto* form = MakeOwned<TForm>(Application());
    owned.push_back(form);
    form->SetBounds(20, 20, 200, 150);
    auto* data = MakeOwned<TSkinData>(*form);
    data->SetSkinFormtype(type);
    test::Load(*data, SmallSkin());
    if (data_out) *data_out = data;
    return form;
  }
  TSkinData* DataOf(TCustomForm& form) { return static_cast<TSkinData*>(form.Components(0)); }
  ~ManagerTest() override {
    for (TCustomForm* form : owned) Application().FreeComponent(*form);
  }

  TSkinManage* manager = nullptr;
  std::vector<TFakeFrame*> frames;
  std::vector<HWND> attached;
  std::vector<std::string> log;
  std::vector<TCustomForm*> owned;
  int menus_made = 0;
  int menus_alive = 0;
};

TEST_F(ManagerTest, TheFirstActivationOfALoadedMainFormAttachesOneFrameSkin) {
  TSkinData* data = nullptr;
  TCustomForm* form = Form(sfMainform, &data);
  data->SetActive(true);  // read from a description: only stored
  data->Loaded();
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_TRUE(manager->Enabled()) << "before the first activation Activate switches at once";
  form->Show();
  Pump();
  ASSERT_EQ(attached, std::vector<HWND>{form->Handle()});
  EXPECT_EQ(frames[0]->starts, 1) << "WM_SKINSTART follows the attachment";
  EXPECT_EQ(manager->ActivationCount(), 1);
  // Activated again: the window answers that it is skinned.
  SetActiveWindow(nullptr);
  SetForegroundWindow(form->Handle());
  Pump();
  EXPECT_EQ(attached.size(), 1u);
  EXPECT_FALSE(manager->SkinForm(form->Handle()));
}

TEST_F(ManagerTest, AMainFormSkinThatDidNotLoadStaysOffAndSkinsNothing) {
  auto* form = MakeOwned<TForm>(Application());
  owned.push_back(form);
  auto* data = MakeOwned<TSkinData>(*form);
  data->SetActive(true);
  data->Loaded();  // no archive: SkinNotLoaded
  EXPECT_FALSE(data->Active());
  EXPECT_FALSE(manager->Enabled());
  form->Show();
  Pump();
  EXPECT_TRUE(attached.empty());
}

TEST_F(ManagerTest, AFormWithTag99IsNeverSkinnedWhateverDisableTagSays) {
  TSkinData* data = nullptr;
  TCustomForm* form = Form(sfMainform, &data);
  data->SetDisableTag(5);
  data->Loaded();
  manager->SetEnabled(true);
  form->SetTag(99);
  form->Show();
  Pump();
  EXPECT_FALSE(manager->SkinForm(form->Handle()));
  form->SetTag(199);
  EXPECT_TRUE(manager->SkinForm(form->Handle())) << "only the fixed value 99 counts";
}

// Plain top-level windows of a given class, for the choice by class name.
struct ClassWindow {
  explicit ClassWindow(const wchar_t* cls) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    RegisterClassExW(&wc);  // "#32770" exists already
    window.reset(CreateWindowExW(0, cls, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr));
  }
  UniqueWindow window;
};

TEST_F(ManagerTest, DialogsTakeTheDialogComponentThenTheMainOneThenTheFirst) {
  TSkinData* only = nullptr;
  TSkinData* main = nullptr;
  TSkinData* dialog = nullptr;
  Form(sfOnlyThisForm, &only);
  Form(sfMainform, &main);
  manager->RegisterSkinData(*only);
  ClassWindow message_form(L"TMessageForm"), system_dialog(L"#32770"), other(L"SomeWindow");
  manager->RegisterSkinData(*main);
  EXPECT_EQ(manager->ChooseSkinData(message_form.window.get()), main) << "no dialog component: the main one";
  EXPECT_EQ(manager->ChooseSkinData(system_dialog.window.get()), main);
  Form(sfDialog, &dialog);
  manager->RegisterSkinData(*dialog);
  EXPECT_EQ(manager->ChooseSkinData(message_form.window.get()), dialog);
  EXPECT_EQ(manager->ChooseSkinData(system_dialog.window.get()), dialog);
  EXPECT_EQ(manager->ChooseSkinData(other.window.get()), main);
  manager->UnregisterSkinData(*main);
  manager->UnregisterSkinData(*dialog);
  EXPECT_EQ(manager->ChooseSkinData(other.window.get()), only) << "none of the main kind: the first";
}

TEST_F(ManagerTest, AnOnlyThisFormComponentGovernsItsOwnFormAndIsSkinnedAtOnce) {
  TSkinData* main = nullptr;
  Form(sfMainform, &main);
  manager->RegisterSkinData(*main);
  TSkinData* only = nullptr;
  TCustomForm* own = Form(sfOnlyThisForm, &only);
  own->Show();
  Pump();
  only->Loaded();
  EXPECT_TRUE(manager->Enabled());
  EXPECT_EQ(manager->ChooseSkinData(own->Handle()), only);
  ASSERT_EQ(attached.size(), 1u);
  EXPECT_EQ(attached[0], own->Handle());
}

TEST_F(ManagerTest, OnFormSkinOfTheMainComponentDecidesByClassName) {
  TSkinData* data = nullptr;
  Form(sfMainform, &data);
  manager->RegisterSkinData(*data);
  EXPECT_FALSE(manager->MayBeSkinned("SysMonthCal32"));
  EXPECT_TRUE(manager->MayBeSkinned("TfrmAnything")) << "xcFastReport is off";
  data->SetSkinControls(data->SkinControls() + TSkinControlTypes{xcFastReport});
  EXPECT_FALSE(manager->MayBeSkinned("TfrmAnything"));
  std::vector<std::string> asked;
  data->OnFormSkin = [&](TObject*, const std::string& name, bool& skin) {
    asked.push_back(name);
    skin = name != "HaomisoForm";
  };
  EXPECT_FALSE(manager->MayBeSkinned("HaomisoForm"));
  EXPECT_TRUE(manager->MayBeSkinned("SysMonthCal32")) << "the handler decides alone";
  EXPECT_EQ(asked.size(), 2u);
}

UINT_PTR g_end_menu_timer = 0;
void CALLBACK EndTheMenu(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, g_end_menu_timer);
  EndMenu();
}

// Shows a popup menu for a moment; the manager's hook sees its window come and go.
void ShowAndCloseAPopupMenu(HWND owner) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"item");
  g_end_menu_timer = SetTimer(nullptr, 0, 100, EndTheMenu);
  TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, owner, nullptr);
  DestroyMenu(menu);
  Pump();
}

TEST_F(ManagerTest, MenuWindowsAreSkinnedOnlyWithTheMainMenuMember) {
  TSkinData* data = nullptr;
  TCustomForm* form = Form(sfMainform, &data);
  data->Loaded();
  manager->SetEnabled(true);
  form->Show();
  Pump();
  ShowAndCloseAPopupMenu(form->Handle());
  EXPECT_EQ(menus_made, 1);
  EXPECT_EQ(menus_alive, 0) << "released with its window";
  EXPECT_EQ(manager->MenuSkinCount(), 0);

  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcMainMenu});
  ASSERT_TRUE(data->SkinControls().Contains(xcPopupMenu));
  ShowAndCloseAPopupMenu(form->Handle());
  EXPECT_EQ(menus_made, 1);
}

TEST_F(ManagerTest, DeactivateDetachesEveryFrameSkinOfTheProcess) {
  TSkinData* first = nullptr;
  TSkinData* second = nullptr;
  TCustomForm* a = Form(sfMainform, &first);
  TCustomForm* b = Form(sfMainform, &second);
  first->Loaded();
  second->Loaded();
  manager->SetEnabled(true);
  a->Show();
  b->Show();
  Pump();
  manager->SkinForm(a->Handle());
  manager->SkinForm(b->Handle());
  ASSERT_EQ(manager->FormSkinCount(), 2);
  manager->SetCurrentSkinData(first);
  manager->PostSkinCommand(TSkinCommand::Deactivate);
  manager->RunPendingCommand();
  EXPECT_EQ(manager->FormSkinCount(), 0) << "the other component's skin goes too";
  EXPECT_FALSE(manager->Enabled());
  EXPECT_EQ(a->ComponentCount(), 1) << "the frame skins were released";
  EXPECT_EQ(b->ComponentCount(), 1);
}

TEST_F(ManagerTest, CommandsRunFromTheTimerOnceAWindowWasActivated) {
  TSkinData* data = nullptr;
  TCustomForm* form = Form(sfMainform, &data);
  data->Loaded();
  // Before any activation: at once, nothing pending.
  data->SetActive(true);
  EXPECT_TRUE(manager->Enabled());
  EXPECT_EQ(manager->PendingCommand(), TSkinCommand::None);
  data->SetActive(false);
  EXPECT_FALSE(manager->Enabled());

  data->SetActive(true);
  form->Show();
  Pump();
  ASSERT_EQ(manager->ActivationCount(), 1);
  ASSERT_EQ(attached.size(), 1u);
  int changed = 0;
  data->OnSkinChanged = [&](TObject*) { ++changed; };
  data->SetActive(false);
  EXPECT_TRUE(manager->Enabled()) << "waits for the timer";
  EXPECT_EQ(manager->PendingCommand(), TSkinCommand::Deactivate);
  for (int i = 0; i < 60 && manager->Enabled(); ++i) Pump(2);
  EXPECT_FALSE(manager->Enabled());
  EXPECT_EQ(frames[0]->detaches, 1);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(manager->CurrentSkinData(), nullptr);
}

TEST_F(ManagerTest, RefreshRebuildsEverySkinOfTheComponentThenChangesThem) {
  TSkinData* data = nullptr;
  TCustomForm* a = Form(sfMainform, &data);
  data->Loaded();
  manager->SetEnabled(true);
  a->Show();
  Pump();
  manager->SkinForm(a->Handle());
  manager->SetCurrentSkinData(data);
  manager->RaiseActivationCount();
  log.clear();
  manager->PostSkinCommand(TSkinCommand::Refresh);
  manager->RunPendingCommand();
  EXPECT_EQ(log, (std::vector<std::string>{"release", "metrics", "changed"}));
}

TEST_F(ManagerTest, ASkinComponentFreedFirstLeavesTheManagerNothingToCallBack) {
  TSkinData* data = nullptr;
  TCustomForm* form = Form(sfMainform, &data);
  data->Loaded();
  manager->SetCurrentSkinData(data);
  form->FreeComponent(*data);
  EXPECT_EQ(manager->CurrentSkinData(), nullptr);
  EXPECT_TRUE(manager->SkinDatas().empty());
}

TEST(SkinManagerLife, AThousandManagersLeaveNoHookTimerOrWindowBehind) {
  Application().Initialize();
  DestroySkinManager();
  SkinManager().InstallHook();  // what the system makes on first use stays
  DestroySkinManager();
  Pump(20);  // windows of earlier tests finish going
  const int user = test::CountUserObjects();
  for (int i = 0; i < 1000; ++i) {
    TSkinManage& manager = SkinManager();
    manager.InstallHook();
    manager.RaiseActivationCount();
    manager.PostSkinCommand(TSkinCommand::Purge);  // starts the timer
    DestroySkinManager();
  }
  EXPECT_EQ(test::CountUserObjects(), user);
  // No hook is left to call a manager that is gone.
  auto window = UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
  SetForegroundWindow(window.get());
  Pump();
  EXPECT_EQ(ExistingSkinManager(), nullptr);
}

}  // namespace
}  // namespace hm
