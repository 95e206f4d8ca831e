// TSkinRadioButton: the circle of radio buttons from the [Buttons]
// RadioButton image, painted over the control's own like check boxes.
#pragma once

#include "skin/controls/skin_check_box.h"

namespace hm {

class TSkinRadioButton : public TSkinBoxButton {
  HM_CLASS(TSkinRadioButton, TSkinBoxButton)

 public:
  explicit TSkinRadioButton(TComponent* owner);

 protected:
  bool Radio() const override { return true; }
};

}  // namespace hm
