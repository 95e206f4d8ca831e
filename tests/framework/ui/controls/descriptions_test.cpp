#include <gtest/gtest.h>

#include "framework/ui/platform/win32.h"
#include <commctrl.h>

#include "fixture.h"
#include "framework/core/typinfo.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/group_box.h"
#include "framework/ui/controls/list_controls.h"
#include "framework/ui/controls/mask_edit.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/controls/page_control.h"
#include "framework/ui/controls/range_controls.h"

namespace hm::test {
namespace {

using ControlDescriptions = ShowcaseTest;

// Value properties of every component, by name, except the geometry that
// windows are free to adjust (auto-sized edits and labels, aligned pages).
std::vector<std::string> ValueProperties(const TComponent& root) {
  std::vector<std::string> out;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* c = root.Components(i);
    for (const TPropInfo* p : c->ClassType().Properties()) {
      if (p->Name == "Left" || p->Name == "Top" || p->Name == "Width" || p->Name == "Height") continue;
      std::string value;
      switch (p->Kind) {
        case TTypeKind::Integer:
        case TTypeKind::Enumeration:
        case TTypeKind::Set:
        case TTypeKind::Color: value = std::to_string(GetOrdProp(c, p->Name)); break;
        case TTypeKind::String: value = GetPropString(c, p->Name); break;
        case TTypeKind::StringList:
          value = static_cast<TStrings*>(GetPropObject(c, p->Name))->Text();
          break;
        case TTypeKind::Component: {
          auto* ref = dynamic_cast<TComponent*>(GetPropObject(c, p->Name));
          value = ref ? ref->Name() : "nil";
          break;
        }
        default: continue;
      }
      out.push_back(c->Name() + "." + p->Name + " = " + value);
    }
  }
  return out;
}

TEST_F(ControlDescriptions, EveryClassCanBeCreatedByName) {
  for (const char* name : {"TBitBtn", "TSpeedButton", "TCustomEdit", "TEdit", "TCustomMaskEdit", "TMaskEdit", "TMemo",
                           "TPageControl", "TTabSheet", "TCustomGroupBox", "TGroupBox", "TCheckBox", "TRadioButton",
                           "TRadioGroup", "TScrollBar", "TProgressBar", "TTrackBar", "TUpDown", "TCustomListBox",
                           "TListBox", "TComboBox"}) {
    const TClassInfo* cls = FindClass(name);
    ASSERT_NE(cls, nullptr) << name;
    EXPECT_TRUE(cls->CanCreate()) << name;
    auto owner = MakeRoot<TForm>();
    TComponent* made = CreateComponent(name, *owner);
    ASSERT_NE(made, nullptr) << name;
    EXPECT_EQ(made->ClassName(), name);
  }
}

TEST_F(ControlDescriptions, StoredValuesReachTheControls) {
  EXPECT_EQ(Get<TEdit>("Edit1").GetText(), "中文文本");
  EXPECT_EQ(Get<TMaskEdit>("MaskEdit1").EditText(), "010-5551");
  EXPECT_EQ(Get<TBitBtn>("BitBtn1").ModalResult(), mrOk);
  EXPECT_EQ(Get<TBitBtn>("BitBtn1").Margin(), -1);
  EXPECT_TRUE(Get<TSpeedButton>("SpeedButton1").Down());
  EXPECT_FALSE(Get<TSpeedButton>("SpeedButton2").Down());
  auto& pages = Get<TPageControl>("PageControl1");
  EXPECT_EQ(pages.PageCount(), 3);
  EXPECT_EQ(pages.ActivePage(), &Get<TTabSheet>("TabSheet1"));
  EXPECT_EQ(Get<TTabSheet>("TabSheet3").ImageIndex(), 2);
  EXPECT_EQ(Get<TTabSheet>("TabSheet2").PageIndex(), 1);
  EXPECT_EQ(Get<TMemo>("Memo1").Lines()->Count(), 2);
  EXPECT_EQ(Get<TMemo>("Memo1").Lines()->Get(0), "第一行");
  EXPECT_EQ(Get<TCheckBox>("CheckBox2").State(), cbGrayed);
  EXPECT_TRUE(Get<TRadioButton>("RadioButton1").Checked());
  auto& group = Get<TRadioGroup>("RadioGroup1");
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_TRUE(group.Buttons(2)->Checked());
  EXPECT_FALSE(group.Buttons(0)->Checked());
  EXPECT_EQ(group.Buttons(3)->Caption(), "县/市名");
  EXPECT_EQ(Get<TListBox>("ListBox1").ItemIndex(), 1);
  EXPECT_EQ(Get<TComboBox>("ComboBox1").ItemIndex(), 1);
  EXPECT_EQ(Get<TUpDown>("UpDown1").Associate(), &Get<TEdit>("Edit3"));
  EXPECT_EQ(Get<TUpDown>("UpDown1").Position(), 5);
  EXPECT_EQ(Get<TScrollBar>("ScrollBar1").Position(), 50);
  EXPECT_EQ(Get<TScrollBar>("ScrollBar1").PageSize(), 20);
  EXPECT_EQ(Get<TTrackBar>("TrackBar1").Position(), 8);
  EXPECT_EQ(Get<TProgressBar>("ProgressBar1").Position(), 60);
  EXPECT_EQ(Get<TLabel>("Label1").FocusControl(), &Get<TEdit>("Edit1"));
}

TEST_F(ControlDescriptions, WrittenDescriptionReadsBackToTheSameValues) {
  const std::string written = WriteComponent(*form_);
  auto again = MakeRoot<TControlsShowcase>();
  ReadComponent(*again, written);
  EXPECT_EQ(ValueProperties(*again), ValueProperties(*form_));
  EXPECT_EQ(WriteComponent(*again), written);
}

// Properties that a window answers once it exists (positions, selections,
// texts) must say what was stored before it existed.
TEST_F(ControlDescriptions, ValuesSurviveTheWindowsBeingMade) {
  const auto before = ValueProperties(*form_);
  ShowForm();
  EXPECT_EQ(ValueProperties(*form_), before);
  EXPECT_EQ(SendMessageW(Get<TListBox>("ListBox1").Handle(), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(Get<TTrackBar>("TrackBar1").Handle(), TBM_GETPOS, 0, 0), 8);
  EXPECT_EQ(SendMessageW(Get<TCheckBox>("CheckBox2").Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  wchar_t buddy[16] = {};
  GetWindowTextW(Get<TEdit>("Edit3").Handle(), buddy, 16);
  EXPECT_STREQ(buddy, L"5");
}

}  // namespace
}  // namespace hm::test
