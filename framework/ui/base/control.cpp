#include "framework/ui/base/control.h"
#include "framework/ui/base/accelerator.h"


#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"

namespace hm {

HM_PUBLISH(TControl) {
  p.Prop("Left", &TControl::Left, &TControl::SetLeft);
  p.Prop("Top", &TControl::Top, &TControl::SetTop);
  p.Prop("Width", &TControl::Width, &TControl::SetWidth);
  p.Prop("Height", &TControl::Height, &TControl::SetHeight);
  p.Prop("Align", &TControl::Align, &TControl::SetAlign);
  p.Prop("Color", &TControl::Color, &TControl::SetColor);
  p.Prop("Ctl3D", &TControl::Ctl3D, &TControl::SetCtl3D);
  p.Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled);
  p.Prop("Font", &TControl::Font);
  p.Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
  p.Prop("ParentCtl3D", &TControl::ParentCtl3D, &TControl::SetParentCtl3D);
  p.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
  p.Prop("Visible", &TControl::Visible, &TControl::SetVisible);
  p.Event("OnClick", &TControl::OnClick);
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TGraphicsObject&) { FontChanged(); };
}

TControl::~TControl() = default;

void TControl::Destroying() {
  SetParent(nullptr);
  TComponent::Destroying();
}

TDispatchScope::TDispatchScope(TControl& control) noexcept : control_(control) { ++control_.dispatch_depth_; }

TDispatchScope::~TDispatchScope() {
  if (--control_.dispatch_depth_ == 0 && control_.free_pending_) delete &control_;
}

bool TControl::DeferFree() {
  if (dispatch_depth_ == 0) return false;
  free_pending_ = true;
  return true;
}

void TControl::DispatchToWndProc(void* control, TMessage& message) { static_cast<TControl*>(control)->WndProc(message); }

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  Perform(message);
  return message.Result;
}

void TControl::Perform(TMessage& message) {
  TDispatchScope running(*this);
  window_proc_.Dispatch(message);
}

TCustomForm* TControl::ParentForm() const {
  TControl* top = const_cast<TControl*>(this);
  while (TControl* up = top->ParentControl()) top = up;
  return top->AsForm();
}

TWinControl* TControl::ParentFormControl() const {
  TControl* top = const_cast<TControl*>(this);
  while (TControl* up = top->ParentControl()) top = up;
  return top->AsForm() ? top->AsWinControl() : nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool graphic = AsWinControl() == nullptr;  // drawn by its parent
  if (graphic) Invalidate();  // the old place
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  if (graphic) Invalidate();  // the new place
  if (align_ != alNone) RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

bool TControl::Showing() const {
  const TControl* parent = ParentControl();
  return visible_ && parent && parent->Showing();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetFont(TFont* font) {
  if (font) font_->Assign(*font);
}

void TControl::FontChanged() {
  if (!following_parent_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (!following_parent_) parent_color_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  parent_font_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetParentColor(bool value) {
  parent_color_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetCtl3D(bool value) {
  if (value == ctl3d_) return;
  ctl3d_ = value;
  if (!following_parent_) parent_ctl3d_ = false;
  Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool value) {
  parent_ctl3d_ = value;
  if (value && parent_) Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

POINT TControl::ClientToScreen(POINT p) const {
  const TControl* parent = ParentControl();
  if (!parent) return p;
  return parent->ClientToScreen(POINT{p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
  const TControl* parent = ParentControl();
  if (!parent) return p;
  const POINT q = parent->ScreenToClient(p);
  return POINT{q.x - left_, q.y - top_};
}

void TControl::Loaded() {
  TComponent::Loaded();
  // Aligned children were laid out without their final sizes while loading.
  if (align_ != alNone) RequestAlign();
}

void TControl::Click() { OnClick(this); }

bool TControl::IsAccel(WPARAM character, const std::string& caption) { return IsAccelerator(character, caption); }

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_ENABLEDCHANGED: return CMEnabledChanged(message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    case CM_FONTCHANGED: return CMFontChanged(message);
    case CM_COLORCHANGED: return CMColorChanged(message);
    case CM_TEXTCHANGED: return CMTextChanged(message);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(message);
    case CM_PARENTCTL3DCHANGED: return CMParentCtl3DChanged(message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(message);
    default: return DefaultHandler(message);
  }
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMCtl3DChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  const TControl* parent = ParentControl();
  if (!parent_font_ || !parent) return;
  following_parent_ = true;
  font_->Assign(*parent->Font());
  following_parent_ = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  const TControl* parent = ParentControl();
  if (!parent_color_ || !parent) return;
  following_parent_ = true;
  SetColor(parent->Color());
  following_parent_ = false;
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  const TControl* parent = ParentControl();
  if (!parent_ctl3d_ || !parent) return;
  following_parent_ = true;
  SetCtl3D(parent->Ctl3D());
  following_parent_ = false;
}

// ---- TGraphicControl

HM_PUBLISH(TGraphicControl) {}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Invalidate() { TControl::Invalidate(); }

void TGraphicControl::Update() {
  if (TControl* parent = ParentControl()) parent->Update();
}

void TGraphicControl::PaintTo(HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  canvas_->Font().Assign(*Font());
  canvas_->Brush().SetColor(Color());
  Paint();
}

}  // namespace hm
