#include "showcase_form.h"

#include "framework/core/typinfo.h"
#include "framework/ui/buttons.h"
#include "framework/ui/check_box.h"
#include "framework/ui/group_box.h"
#include "framework/ui/list_controls.h"
#include "framework/ui/mask_edit.h"
#include "framework/ui/memo.h"
#include "framework/ui/page_control.h"
#include "framework/ui/range_controls.h"

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
