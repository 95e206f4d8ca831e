// TSkinBox: panels and other plain containers only take the skin's
// ButtonFace colour while skinned. No hook, no painting of its own.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TSkinBox : public TSkinControl {
  HM_CLASS(TSkinBox, TSkinControl)

 public:
  explicit TSkinBox(TComponent* owner);

  void InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool recolor, TCanvas* canvas) override;
  // The colour back; State 2.
  void UnSkin() override;
  void AfterMessage(TMessage&) override {}
};

}  // namespace hm
