#include "framework/ui/control.h"

#include <cwctype>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/canvas.h"
#include "framework/ui/exceptions.h"
#include "framework/ui/form.h"
#include "framework/ui/win_control.h"

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
  window_proc_ = [this](TMessage& message) { WndProc(message); };
  font_->OnChange = [this](TGraphicsObject&) { FontChanged(); };
}

TControl::~TControl() = default;

void TControl::Destroying() {
  SetParent(nullptr);
  TComponent::Destroying();
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam) {
  TMessage message{msg, wparam, lparam, 0};
  Perform(message);
  return message.Result;
}

void TControl::Perform(TMessage& message) {
  // A copy: the slot may be replaced while the procedure in it runs.
  TWndMethod proc = window_proc_;
  if (proc) proc(message);
}

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
  if (auto* control = dynamic_cast<TWinControl*>(parent)) SetParent(control);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* top = this;
  while (top->parent_) top = top->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (!dynamic_cast<TWinControl*>(this)) Invalidate();  // the old place
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  if (!dynamic_cast<TWinControl*>(this)) Invalidate();  // the new place
  if (align_ != alNone) RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

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

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, TRUE);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

POINT TControl::ClientToScreen(POINT p) const {
  if (!parent_) return p;
  return parent_->ClientToScreen(POINT{p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
  if (!parent_) return p;
  const POINT q = parent_->ScreenToClient(p);
  return POINT{q.x - left_, q.y - top_};
}

void TControl::Loaded() {
  TComponent::Loaded();
  // Aligned children were laid out without their final sizes while loading.
  if (align_ != alNone) RequestAlign();
}

void TControl::Click() { OnClick(this); }

bool TControl::IsAccel(WPARAM character, const std::string& caption) {
  const std::u16string text = Utf8ToUtf16(caption);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    return std::towupper(static_cast<wchar_t>(text[i + 1])) == std::towupper(static_cast<wchar_t>(character));
  }
  return false;
}

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
void TControl::CMVisibleChanged(TMessage&) {
  // Hidden: the parent repaints where it was; shown: where it is.
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
  }
}
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMCtl3DChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!parent_font_ || !parent_) return;
  following_parent_ = true;
  font_->Assign(*parent_->Font());
  following_parent_ = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parent_color_ || !parent_) return;
  following_parent_ = true;
  SetColor(parent_->Color());
  following_parent_ = false;
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  if (!parent_ctl3d_ || !parent_) return;
  following_parent_ = true;
  SetCtl3D(parent_->Ctl3D());
  following_parent_ = false;
}

// ---- TGraphicControl

HM_PUBLISH(TGraphicControl) {}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Invalidate() { TControl::Invalidate(); }

void TGraphicControl::Update() {
  if (Parent()) Parent()->Update();
}

void TGraphicControl::PaintTo(HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  canvas_->Font().Assign(*Font());
  canvas_->Brush().SetColor(Color());
  Paint();
}

}  // namespace hm
