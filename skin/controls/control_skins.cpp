#include "skin/controls/control_skins.h"

#include "framework/core/object.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab_set.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/skin_com_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_sizer.h"

namespace hm {

void RegisterControlSkins() {
  RegisterClasses<TSkinControl, TSkinBox, TSkinButton, TSkinBitButton, TSkinSpeedButton, TSkinCheckBox,
                  TSkinRadioButton, TSkinUpDown, TSkinProgress, TSkinTrackBar>();
  RegisterClasses<TSkinTab, TSkinTab31, TSkinGroupBox>();
  RegisterClasses<TSkinEdit, TSkinComBox, TSkinScrollbar, TSkinScControl, TSkinSizer>();
}

}  // namespace hm
