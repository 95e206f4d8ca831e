// Check boxes and radio buttons over the native button control. Both
// keep their state themselves, so it is there before the window is and a
// change by code fires OnClick like a click does.
#pragma once

#include "framework/ui/controls/std_controls.h"
#include "framework/ui/base/win_control.h"

namespace hm {

HM_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCheckBox : public TWinControl {
  HM_CLASS(TCheckBox, TWinControl)

 public:
  explicit TCheckBox(TComponent* owner);

  // taLeftJustify puts the caption left of the box.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // A click steps through the grey state too.
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool value) { allow_grayed_ = value; }
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Toggle();

 private:
  TAlignment alignment_ = taRightJustify;
  bool allow_grayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
};

// Checking one radio button unchecks the others with the same parent.
class TRadioButton : public TWinControl {
  HM_CLASS(TRadioButton, TWinControl)

 public:
  explicit TRadioButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  TAlignment alignment_ = taRightJustify;
  bool checked_ = false;
};

}  // namespace hm
