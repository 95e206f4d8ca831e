// The few standard controls the framework's own tests and demo need: a
// label, a push button and a panel. They stay small; richer controls build
// on the same base.
#pragma once

#include "framework/data/alignment.h"
#include "framework/ui/base/control.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/forms/modal_result.h"

namespace hm {

HM_ENUM(TPanelBevel, bvNone, bvLowered, bvRaised, bvSpace)

// Text painted by its parent. Alt + its "&" character focuses FocusControl.
class TLabel : public TGraphicControl {
  HM_CLASS(TLabel, TGraphicControl)

 public:
  explicit TLabel(TComponent* owner);

  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool value);

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMTextChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;

 private:
  unsigned DrawFlags() const;
  void AdjustBounds();

  TWinControl* focus_control_ = nullptr;  // not owned; free notification clears it
  bool auto_size_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool show_accel_char_ = true;
};

// A native push button (window class "BUTTON"). Alt + its "&" character or
// Enter while it is the default button clicks it.
class TButton : public TWinControl {
  HM_CLASS(TButton, TWinControl)

 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // Given to the parent form when clicked; a modal form then closes with it.
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult value) { modal_result_ = value; }
  void Click() override;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modal_result_ = mrNone;
};

// A container with a bevel and a centred caption. Skins and other code that
// treat every kind of panel alike test for TCustomPanel.
class TCustomPanel : public TCustomControl {
  HM_CLASS(TCustomPanel, TCustomControl)

 public:
  explicit TCustomPanel(TComponent* owner);

  TPanelBevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TPanelBevel bevel);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);

 protected:
  void Paint() override;
  void AdjustClientRect(RECT& rect) const override;

 private:
  TPanelBevel bevel_outer_ = bvRaised;
  TPanelBevel bevel_inner_ = bvNone;
  int bevel_width_ = 1;
};

class TPanel : public TCustomPanel {
  HM_CLASS(TPanel, TCustomPanel)

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace hm
