#include "skin/controls/skin_box.h"

#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"

namespace hm {

HM_PUBLISH(TSkinBox) {}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinBox::InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool recolor, TCanvas* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  recolor_ = recolor;
  skin_data_ = &data;
  canvas_ = canvas;
  control_ = control;
  TWinControl* windowed = control->AsWinControl();
  handle_ = windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
  form_skin_ = form_skin;
  ListWithFormSkin(form_skin);
  if (recolor_) ApplyRecolor();
  attached_ = true;
  state_ = kControlSkinAttached;
}

void TSkinBox::UnSkin() {
  TSkinControl::UnSkin();
  state_ = kControlSkinColourGiven;
}

}  // namespace hm
