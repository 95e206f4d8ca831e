// Windowed controls: construction, children and notifications to them.
#include "framework/ui/base/win_control.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TWinControl) {
  p.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
  p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner),
      instance_(TObjectInstance::For<&TWinControl::MainWndProc>(*this)),
      brush_(std::make_unique<TBrush>()) {}

TWinControl::~TWinControl() {
  // Normally gone already (Destroying); a control freed without its owner's
  // teardown still must not leave a window calling into a freed stub.
  DestroyWindowOnly();
}

void TWinControl::Destroying() {
  DestroyWindowOnly();
  // Children outlive us only as orphans; the owner frees them.
  for (TControl* child : std::vector<TControl*>(controls_)) child->SetParent(nullptr);
  TControl::Destroying();
}

// ---- Children

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  if (TWinControl* windowed = control.AsWinControl()) {
    tab_list_.push_back(windowed);
    if (handle_) windowed->HandleNeeded();
  }
  if (control.Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl& control) {
  if (mouse_capture_ == &control) mouse_capture_ = nullptr;
  std::erase(controls_, &control);
  if (TWinControl* windowed = control.AsWinControl()) {
    std::erase(tab_list_, windowed);
    // The window cannot stay inside a parent it no longer belongs to.
    windowed->DestroyHandle();
  } else {
    control.Invalidate();
  }
  AlignControls();
}

TControl* TWinControl::ControlAtPos(POINT p, bool windowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!windowed && c->AsWinControl()) continue;
    const RECT r = c->BoundsRect();
    if (c->Visible() && c->Enabled() && PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    if (!child->Visible()) continue;
    child->Perform(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(msg);
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (Parent()) return Parent()->Showing();
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders were read one control at a time; put them in place now.
  std::stable_sort(tab_list_.begin(), tab_list_.end(), [](TWinControl* a, TWinControl* b) {
    const int ka = a->stored_tab_order_ < 0 ? INT32_MAX : a->stored_tab_order_;
    const int kb = b->stored_tab_order_ < 0 ? INT32_MAX : b->stored_tab_order_;
    return ka < kb;
  });
  AlignControls();
}

std::string TWinControl::GetText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(handle_, buffer.data(), length + 1);
  buffer.resize(static_cast<std::size_t>(std::max(got, 0)));
  return Narrow(buffer);
}

void TWinControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  text_ = text;
  if (handle_) SetWindowTextW(handle_, Widen(text).c_str());
  Perform(CM_TEXTCHANGED);
}

}  // namespace hm
