#include "showcase_form.h"

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

HM_PUBLISH(TControlsShowcase) {}

void RegisterControlClasses() {
  RegisterClasses<TControlsShowcase, TLabel, TButton, TPanel, TBitBtn, TSpeedButton, TEdit, TCustomEdit,
                  TCustomMaskEdit, TMaskEdit, TMemo, TPageControl, TTabSheet, TGroupBox, TCustomGroupBox,
                  TCheckBox, TRadioButton, TRadioGroup, TScrollBar, TProgressBar, TTrackBar, TUpDown, TListBox,
                  TCustomListBox, TComboBox>();
}

std::string_view ShowcaseDescription() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"TControlsShowcase", MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string_view(static_cast<const char*>(data), SizeofResource(module, resource));
}

}  // namespace hm::test
