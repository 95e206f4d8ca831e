// Both sides of the link between a control and its windowed parent: the
// one place where the control base needs to know the windowed control.
#include "framework/ui/base/control.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/portable/exceptions.h"

namespace hm {

TControl* TControl::ParentControl() const { return parent_; }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  for (const TControl* p = parent; p; p = p->parent_) {
    if (p == this) throw EInvalidOperation("A control cannot be its own parent");
  }
  if (parent_) parent_->RemoveControl(*this);
  parent_ = parent;
  if (!parent_) return;
  parent_->InsertControl(*this);
  if (parent_font_) Perform(CM_PARENTFONTCHANGED);
  if (parent_color_) Perform(CM_PARENTCOLORCHANGED);
  if (parent_ctl3d_) Perform(CM_PARENTCTL3DCHANGED);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* control = dynamic_cast<TControl*>(parent)) {
    if (TWinControl* windowed = control->AsWinControl()) SetParent(windowed);
  }
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControls();
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::CMVisibleChanged(TMessage&) {
  // Hidden: the parent repaints where it was; shown: where it is.
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
  }
}

}  // namespace hm
