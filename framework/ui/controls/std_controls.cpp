#include "framework/ui/controls/std_controls.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"

namespace hm {

// ---- TLabel

HM_PUBLISH(TLabel) {
  p.Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment);
  p.Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
  p.Prop("Caption", &TLabel::Caption, &TLabel::SetCaption);
  p.Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  p.Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar);
  p.Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetFocusControl(TWinControl* control) {
  if (control == focus_control_) return;
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = control;
  if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TLabel::SetAutoSize(bool value) {
  auto_size_ = value;
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  show_accel_char_ = value;
  AdjustBounds();
  Invalidate();
}

unsigned TLabel::DrawFlags() const {
  unsigned flags = DT_EXPANDTABS | DT_SINGLELINE;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  else if (alignment_ == taCenter) flags |= DT_CENTER;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

// The label takes the size of its text, keeping its left edge.
void TLabel::AdjustBounds() {
  if (!auto_size_ || Loading()) return;
  WindowDC screen(nullptr);
  if (!screen) return;
  TCanvas canvas;
  canvas.SetHandle(screen.get());
  canvas.Font().Assign(*Font());
  RECT r{0, 0, 0, 0};
  const std::string text = Caption().empty() ? " " : Caption();
  canvas.DrawText(text, r, DrawFlags() | DT_CALCRECT);
  canvas.SetHandle(nullptr);
  SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::CMTextChanged(TMessage& message) {
  AdjustBounds();
  TGraphicControl::CMTextChanged(message);
}

void TLabel::CMFontChanged(TMessage& message) {
  AdjustBounds();
  TGraphicControl::CMFontChanged(message);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (!transparent_) canvas.FillRect(r);
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled()) {
    // The engraved look of disabled text: highlight offset, shadow on top.
    RECT offset = r;
    OffsetRect(&offset, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(Caption(), offset, DrawFlags());
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(Caption(), r, DrawFlags());
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR) {
    if (focus_control_ && Enabled() && show_accel_char_ && IsAccel(message.WParam, Caption()) &&
        focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      message.Result = 1;
    }
    return;
  }
  TGraphicControl::WndProc(message);
}

// ---- TButton

HM_PUBLISH(TButton) {
  p.Prop("Cancel", &TButton::Cancel, &TButton::SetCancel);
  p.Prop("Caption", &TButton::Caption, &TButton::SetCaption);
  p.Prop("Default", &TButton::Default, &TButton::SetDefault);
  p.Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"BUTTON";
  params.own_class = false;
  params.style |= BS_PUSHBUTTON;
  if (default_) params.style |= BS_DEFPUSHBUTTON;
}

void TButton::Click() {
  if (modal_result_ != mrNone) {
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modal_result_);
  }
  TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(message.WParam, Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
      }
      return;
    case CM_DIALOGKEY:
      if ((message.WParam == VK_RETURN && (default_ || Focused())) || (message.WParam == VK_ESCAPE && cancel_)) {
        if (CanFocus()) {
          Click();
          message.Result = 1;
        }
      }
      return;
    default: TWinControl::WndProc(message);
  }
}

// ---- TCustomPanel, TPanel

HM_PUBLISH(TCustomPanel) {
  p.Prop("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner);
  p.Prop("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter);
  p.Prop("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth);
  p.Prop("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption);
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  bevel_outer_ = bevel;
  AlignControls();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
  bevel_inner_ = bevel;
  AlignControls();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
  bevel_width_ = width;
  AlignControls();
  Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
  const int inset = ((bevel_outer_ != bvNone) + (bevel_inner_ != bvNone)) * bevel_width_;
  InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  canvas.FillRect(r);
  for (TPanelBevel bevel : {bevel_outer_, bevel_inner_}) {
    if (bevel == bvNone) continue;
    if (bevel != bvSpace) {
      for (int i = 0; i < bevel_width_; ++i) {
        DrawEdge(canvas.Handle(), &r, bevel == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
      }
    } else {
      InflateRect(&r, -bevel_width_, -bevel_width_);
    }
  }
  if (!Caption().empty()) {
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  }
}

HM_PUBLISH(TPanel) {}

}  // namespace hm
