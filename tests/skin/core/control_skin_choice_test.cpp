// Which control skin each control gets: the rules in their order, the
// Skin3rd kinds, the tag that switches skinning off, and the child windows
// of bare dialogs by class and style.
#include "skin/core/control_skin_choice.h"

#include <gtest/gtest.h>

#include "framework/core/typinfo.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/edits.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/controls/page_control.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/grid/grids.h"
#include "framework/ui/platform/handles.h"
#include "tests/skin/core/test_skin.h"

namespace hm {
namespace {

struct ChoiceTest : ::testing::Test {
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override {
    form = MakeRoot<TForm>();
    form->SetName("FrmMain");
    data = MakeOwned<TSkinData>(*form);
    test::Load(*data, test::TTestSkin().Ini("[Tabs]\nImage=t.bmp\n").Bitmap("t.bmp", 6, 6));
  }
  template <class T>
  T* Add(TWinControl* parent = nullptr) {
    auto* c = MakeOwned<T>(*form);
    c->SetParent(parent ? parent : form.get());
    return c;
  }
  TControlSkinChoice Choose(TComponent& c, std::vector<TExistingControlSkin> existing = {}) {
    TControlSkinContext context{*data, nullptr, form.get(), form->Name(), std::move(existing)};
    return ChooseControlSkin(c, context);
  }

  Owned<TForm> form;
  TSkinData* data = nullptr;
};

TEST_F(ChoiceTest, TheControlsOfTheMainWindowKindsGetTheirSkins) {
  auto* pages = Add<TPageControl>();
  auto* sheet = MakeOwned<TTabSheet>(*form);
  sheet->SetPageControl(pages);
  auto* panel = Add<TPanel>(sheet);
  auto* button = Add<TBitBtn>(panel);
  auto* memo = Add<TMemo>(panel);
  auto* edit = Add<TEdit>(panel);
  auto* grid = Add<TCustomGrid>(sheet);
  auto* label = Add<TLabel>(sheet);

  const TControlSkinChoice tab = Choose(*pages);
  EXPECT_EQ(tab.skin_class, "TSkinTab");
  EXPECT_EQ(tab.attach, TSkinAttach::InitSkinHandle);
  EXPECT_EQ(Choose(*sheet).skin_class, "");
  const TControlSkinChoice box = Choose(*panel);
  EXPECT_EQ(box.skin_class, "TSkinBox");
  EXPECT_TRUE(box.recolor);
  EXPECT_TRUE(box.skin_owned_components);
  EXPECT_EQ(Choose(*button).skin_class, "TSkinBitButton");
  const TControlSkinChoice bars = Choose(*memo);
  EXPECT_EQ(bars.skin_class, "TSkinScrollbar");
  EXPECT_EQ(bars.attach, TSkinAttach::InitScrollbarSkin);
  EXPECT_TRUE(bars.handle_nc_buttons);
  const TControlSkinChoice grid_bars = Choose(*grid);
  EXPECT_EQ(grid_bars.skin_class, "TSkinScrollbar");
  EXPECT_TRUE(grid_bars.grid_fixed_color);
  const TControlSkinChoice text = Choose(*edit);
  EXPECT_EQ(text.skin_class, "TSkinEdit");
  EXPECT_EQ(text.attach, TSkinAttach::InitSkinHandle);
  EXPECT_EQ(Choose(*label).skin_class, "");
  EXPECT_TRUE(pages->HandleAllocated()) << "the skins work on windows: made on the way";
}

TEST_F(ChoiceTest, TheDisablingTagCountsWithTheSignOfTheTag) {
  auto* edit = Add<TEdit>();
  edit->SetTag(199);
  EXPECT_EQ(Choose(*edit).step, 1);
  edit->SetTag(-99);
  EXPECT_EQ(Choose(*edit).skin_class, "TSkinEdit");
  data->SetDisableTag(-99);
  EXPECT_EQ(Choose(*edit).step, 1);
}

TEST_F(ChoiceTest, ASkin3rdKindDecidesEvenWhenItMatchesNoRule) {
  auto* panel = Add<TPanel>();
  data->Skin3rd()->Insert(0, "tpanel=NIL");
  const TControlSkinChoice none = Choose(*panel);
  EXPECT_EQ(none.step, 6);
  EXPECT_EQ(none.skin_class, "");
  data->Skin3rd()->Put(0, "TPanel=NoSuchKind");
  EXPECT_EQ(Choose(*panel).step, 6);
  data->Skin3rd()->Put(0, "TPanel=CheckBox");
  EXPECT_EQ(Choose(*panel).skin_class, "TSkinCheckBox");
  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcCheckBox});
  EXPECT_EQ(Choose(*panel).skin_class, "") << "its requirement fails: still decided";
  EXPECT_EQ(Choose(*panel).step, 6);
  data->Skin3rd()->Put(0, "TPanel=radiogroup");
  const TControlSkinChoice group = Choose(*panel);
  EXPECT_EQ(group.skin_class, "TSkinGroupBox");
  EXPECT_EQ(group.child_skin_class, "TSkinRadioButton");
}

TEST_F(ChoiceTest, ABitButtonWithoutItsMemberStaysUnskinnedThoughButtonsAreOn) {
  auto* button = Add<TBitBtn>();
  data->SetSkinControls(data->SkinControls() - TSkinControlTypes{xcBitBtn});
  ASSERT_TRUE(data->SkinControls().Contains(xcButton));
  const TControlSkinChoice c = Choose(*button);
  EXPECT_EQ(c.step, 16);
  EXPECT_EQ(c.skin_class, "");
  EXPECT_EQ(Choose(*Add<TButton>()).skin_class, "TSkinButton");
}

TEST_F(ChoiceTest, AControlSkinnedAlreadyGetsNoSecondSkin) {
  auto* edit = Add<TEdit>();
  EXPECT_EQ(Choose(*edit, {{edit, nullptr}}).step, 2);
  EXPECT_EQ(Choose(*edit, {{nullptr, edit->Handle()}}).step, 2) << "bound by its window";
  auto* other = Add<TEdit>();
  EXPECT_EQ(Choose(*other, {{nullptr, edit->Handle()}}).skin_class, "TSkinEdit");
}

TEST_F(ChoiceTest, TheOwnLookClassesAndTheHandlersChoice) {
  int asked = 0;
  auto* panel = Add<TPanel>();
  data->OnSkinControl = [&](TComponent*, TSkinData*, TControl* container, TControl* control, const std::string& cls,
                            TComponent*& skinned) {
    ++asked;
    EXPECT_EQ(container, form.get());
    EXPECT_EQ(control, panel);
    EXPECT_EQ(cls, "TPANEL");
    skinned = nullptr;  // no skin of its own: the rules go on
  };
  EXPECT_EQ(Choose(*panel).skin_class, "TSkinBox");
  EXPECT_EQ(asked, 1);
}

TEST_F(ChoiceTest, PropertiesAreSetOnlyWhereTheControlHasThemAsBooleans) {
  auto* speed = Add<TSpeedButton>();
  auto* panel = Add<TPanel>();
  panel->SetCaption("kept");
  TControlSkinChoice choice;
  choice.set_true = {"Flat", "Caption", "Transparent"};
  PrepareControlForSkin(*speed, choice, *data);
  EXPECT_TRUE(speed->Flat());
  PrepareControlForSkin(*panel, choice, *data);
  EXPECT_EQ(panel->Caption(), "kept");
  auto* grid = Add<TCustomGrid>();
  choice = {};
  choice.grid_fixed_color = true;
  PrepareControlForSkin(*grid, choice, *data);
  EXPECT_EQ(GetOrdProp(grid, "FixedColor"), data->Colours().ButtonFaceColor);
}

struct Native {
  Native(const wchar_t* cls, DWORD style) {
    parent.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
    window = CreateWindowExW(0, cls, L"", WS_CHILD | style, 0, 0, 50, 20, parent.get(), nullptr, nullptr, nullptr);
  }
  UniqueWindow parent;
  HWND window = nullptr;
};

TEST(NativeChildChoice, ButtonsByStyleAndTheOtherClasses) {
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_PUSHBUTTON).window).skin_class, "TSkinButton");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_DEFPUSHBUTTON).window).skin_class, "TSkinButton");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_AUTOCHECKBOX).window).skin_class, "TSkinCheckBox");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_AUTORADIOBUTTON).window).skin_class, "TSkinRadioButton");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_RADIOBUTTON).window).skin_class, "TSkinRadioButton");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"BUTTON", BS_GROUPBOX).window).skin_class, "");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"COMBOBOX", CBS_SIMPLE).window).skin_class, "");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"COMBOBOX", CBS_DROPDOWNLIST).window).skin_class, "TSkinComBox");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"EDIT", 0).window).skin_class, "TSkinEdit");
  EXPECT_EQ(ChooseNativeChildSkin(Native(L"SCROLLBAR", SBS_HORZ).window).skin_class, "TSkinSizer");
  const Native edit(L"EDIT", 0);
  EXPECT_EQ(ChooseNativeChildSkin(edit.window).attach_window, edit.window);
}

}  // namespace
}  // namespace hm
