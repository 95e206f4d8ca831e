#include "framework/ui/controls/check_box.h"

#include "framework/core/typinfo.h"

namespace hm {

namespace {

// A style change of a native button needs the window made again; the
// caption and state are kept by the control.
void ApplyStyle(TWinControl& control, DWORD style_bits, bool on) {
  if (!control.HandleAllocated()) return;
  HWND h = control.Handle();
  LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
  style = on ? (style | style_bits) : (style & ~static_cast<LONG_PTR>(style_bits));
  SetWindowLongPtrW(h, GWL_STYLE, style);
  InvalidateRect(h, nullptr, TRUE);
}

}  // namespace

// ---- TCheckBox

HM_PUBLISH(TCheckBox) {
  p.Prop("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment);
  p.Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed);
  p.Prop("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption);
  p.Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).NotStored();
  p.Prop("State", &TCheckBox::State, &TCheckBox::SetState);
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"BUTTON";
  params.own_class = false;
  params.style |= BS_3STATE;
  if (alignment_ == taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TCheckBox::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCheckBox::SetAlignment(TAlignment value) {
  alignment_ = value;
  ApplyStyle(*this, BS_LEFTTEXT, value == taLeftJustify);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
  if (!Loading()) Click();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allow_grayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Toggle();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        Toggle();
        message.Result = 1;
      }
      return;
    default: TWinControl::WndProc(message);
  }
}

// ---- TRadioButton

HM_PUBLISH(TRadioButton) {
  p.Prop("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment);
  p.Prop("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption);
  p.Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"BUTTON";
  params.own_class = false;
  params.style |= BS_RADIOBUTTON;
  if (alignment_ == taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TRadioButton::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TAlignment value) {
  alignment_ = value;
  ApplyStyle(*this, BS_LEFTTEXT, value == taLeftJustify);
}

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  // Only the checked button of a group is a tab stop, as in dialogs.
  SetTabStop(value);
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  if (Parent()) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  if (!Loading()) Click();
}

void TRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(true);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        SetFocus();
        SetChecked(true);
        message.Result = 1;
      }
      return;
    default: TWinControl::WndProc(message);
  }
}

}  // namespace hm
