// Shows the search inputs with a text typed and the combo's list dropped
// down, for screenshots: editors_demo.exe [seconds].
#include "framework/ui/platform/win32.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "editors/db_combo_box.h"
#include "editors/db_edit.h"
#include "framework/core/form_description.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"

namespace {

constexpr char kDemo[] = R"(object EditorsDemo: TForm
  Left = 200
  Top = 150
  Width = 303
  Height = 200
  Caption = 'Editors'
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  object DBEditEh2: TDBEditEh
    Left = 87
    Top = 20
    Width = 116
    Height = 19
    AlwaysShowBorder = True
    Ctl3D = True
    EditButtons = <>
    Flat = True
    ParentCtl3D = False
    Text = '0755'
  end
  object Buttons: TDBEditEh
    Left = 87
    Top = 50
    Width = 116
    Height = 19
    Alignment = taRightJustify
    Flat = True
    EditButtons = <
      item
        Style = ebsEllipsisEh
      end
      item
        Style = ebsPlusEh
      end>
    Text = '1234'
  end
  object DBComboBoxEh1: TDBComboBoxEh
    Left = 87
    Top = 80
    Width = 117
    Height = 19
    AlwaysShowBorder = True
    EditButton.Width = 14
    EditButtons = <>
    Flat = True
    Items.Strings = (
      '区号'
      '邮编'
      '省份'
      '县/市名')
    Text = '区号'
  end
end
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace hm;
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 8;
  RegisterClasses<TDBEditEh, TDBComboBoxEh, TForm>();
  Application().Initialize();
  auto form = MakeRoot<TForm>();
  ReadComponent(*form, kDemo);
  form->Show();
  SetForegroundWindow(form->Handle());
  // Let the activation settle: it moves the focus, which would close the list.
  for (int i = 0; i < 20; ++i) {
    Application().ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  auto* combo = dynamic_cast<TDBComboBoxEh*>(form->FindComponent("DBComboBoxEh1"));
  combo->SetFocus();
  combo->DropDown();
  SendMessageW(combo->PopupList()->Handle(), WM_KEYDOWN, VK_DOWN, 0);  // the second item highlighted
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end && IsWindow(form->Handle())) {
    Application().ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return 0;
}
