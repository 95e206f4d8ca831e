#include "skin/controls/control_skins.h"

#include "framework/core/object.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_control.h"

namespace hm {

void RegisterControlSkins() { RegisterClasses<TSkinControl, TSkinBox>(); }

}  // namespace hm
