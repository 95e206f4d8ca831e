#include "grid/vert_scroll_bar.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TDBGridEhScrollBar) {
  p.Prop("VisibleMode", &TDBGridEhScrollBar::VisibleMode, &TDBGridEhScrollBar::SetVisibleMode);
}

void TDBGridEhScrollBar::SetVisibleMode(TScrollBarVisibleModeEh mode) {
  if (mode == visible_mode_) return;
  visible_mode_ = mode;
  if (changed_) changed_();
}

void TDBGridEhScrollBar::Assign(const TPersistent& source) {
  if (const auto* bar = dynamic_cast<const TDBGridEhScrollBar*>(&source)) return SetVisibleMode(bar->visible_mode_);
  TPersistent::Assign(source);
}

}  // namespace hm
