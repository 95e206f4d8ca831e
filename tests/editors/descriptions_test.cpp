// The editors as stored in form descriptions: the main window's inputs and
// the find dialog's combo boxes, read, written and read again.
#include "editors_fixture.h"

#include "framework/core/typinfo.h"

namespace hm::test {
namespace {

constexpr char kFindDialogCombos[] = R"(object FindForm: TForm
  Font.Height = -10
  Font.Name = 'MS Sans Serif'
  object cbText: TDBComboBoxEh
    Left = 88
    Top = 9
    Width = 316
    Height = 21
    DropDownBox.Rows = 17
    DropDownBox.Sizable = True
    EditButtons = <>
    TabOrder = 0
  end
  object cbMatchinType: TDBComboBoxEh
    Left = 88
    Top = 55
    Width = 144
    Height = 21
    EditButtons = <>
    Items.Strings = (
      'From any part of field'
      'Whole field'
      'From beging of field')
    KeyItems.Strings = (
      '0'
      '1'
      '2')
    TabOrder = 2
    Text = 'From any part of field'
  end
  object Buttons: TDBEditEh
    Width = 120
    EditButtons = <
      item
        Style = ebsEllipsisEh
        Width = 18
      end
      item
        Style = ebsPlusEh
        ShortCut = 16464
        Visible = False
      end>
    Alignment = taCenter
  end
end
)";

TEST_F(EditorsTest, MainWindowInputsLoadTheirStoredSettings) {
  EXPECT_TRUE(edit_->Flat());
  EXPECT_TRUE(edit_->AlwaysShowBorder());
  EXPECT_TRUE(edit_->Ctl3D());
  EXPECT_FALSE(edit_->ParentCtl3D());
  EXPECT_TRUE(edit_->BorderActive());  // recomputed when loading ended
  EXPECT_EQ(edit_->EditButtons()->Count(), 0);
  EXPECT_TRUE(edit_->DataLink().DataIndependent());
  EXPECT_EQ(edit_->TabOrder(), 0);
  EXPECT_TRUE(combo_->Flat());
  EXPECT_EQ(combo_->EditButton()->Width(), 14);
  EXPECT_TRUE(combo_->EditButton()->Visible());
  EXPECT_EQ(combo_->EditButton()->Style(), ebsDropDownEh);
  EXPECT_EQ(combo_->Items()->ToVector(), (std::vector<std::string>{"区号", "邮编", "省份", "县/市名"}));
  EXPECT_EQ(combo_->ItemIndex(), 0);
  EXPECT_EQ(combo_->DropDownBox()->Rows(), 7);
}

TEST_F(EditorsTest, WrittenDescriptionsStoreOnlyWhatDiffersAndReadBackTheSame) {
  const std::string text = WriteComponent(*form_);
  EXPECT_NE(text.find("EditButton.Width = 14"), std::string::npos) << text;
  EXPECT_NE(text.find("AlwaysShowBorder = True"), std::string::npos);
  EXPECT_EQ(text.find("EditButton.Visible"), std::string::npos);  // the combo's default
  EXPECT_EQ(text.find("ShortCut"), std::string::npos);
  EXPECT_EQ(text.find("DropDownBox.Rows"), std::string::npos);

  auto again = MakeRoot<TForm>();
  ReadComponent(*again, text);
  auto* combo = dynamic_cast<TDBComboBoxEh*>(again->FindComponent("DBComboBoxEh1"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->GetText(), "区号");
  EXPECT_EQ(combo->EditButton()->Width(), 14);
  EXPECT_EQ(WriteComponent(*again), text);
}

TEST_F(EditorsTest, FindDialogCombosAndStoredButtonsLoad) {
  auto dialog = MakeRoot<TForm>();
  ReadComponent(*dialog, kFindDialogCombos);
  auto& text = *dynamic_cast<TDBComboBoxEh*>(dialog->FindComponent("cbText"));
  EXPECT_EQ(text.DropDownBox()->Rows(), 17);
  EXPECT_TRUE(text.DropDownBox()->Sizable());
  EXPECT_FALSE(text.KeyBased());
  auto& match = *dynamic_cast<TDBComboBoxEh*>(dialog->FindComponent("cbMatchinType"));
  EXPECT_TRUE(match.KeyBased());
  EXPECT_EQ(match.ItemIndex(), 0);
  EXPECT_EQ(std::get<std::string>(match.KeyValue()), "0");
  match.SetText("Not a kind");  // list only
  EXPECT_EQ(match.GetText(), "From any part of field");

  auto& buttons = *dynamic_cast<TDBEditEh*>(dialog->FindComponent("Buttons"));
  ASSERT_EQ(buttons.EditButtons()->Count(), 2);
  EXPECT_EQ(buttons.EditButtons()->Items(0)->Style(), ebsEllipsisEh);
  EXPECT_EQ(buttons.EditButtons()->Items(0)->ShortCut(), 0x8028);  // the item default
  EXPECT_EQ(buttons.EditButtons()->Items(1)->ShortCut(), 16464);
  EXPECT_FALSE(buttons.EditButtons()->Items(1)->Visible());
  EXPECT_EQ(buttons.Alignment(), taCenter);
  dialog->Show();
  Pump();
  EXPECT_EQ(buttons.ButtonsWidth(), 18);  // not flat: no separator; the hidden one takes nothing
  EXPECT_EQ(buttons.ButtonControlCount(), 3);
}

}  // namespace
}  // namespace hm::test
