#include "skin/controls/skin_radio_button.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TSkinRadioButton) {}

TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinBoxButton(owner) {}

}  // namespace hm
