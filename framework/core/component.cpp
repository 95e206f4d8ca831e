#include "framework/core/component.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {
namespace {

bool IsIdentifier(std::string_view s) {
  if (s.empty()) return false;
  const auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(s[0])) return false;
  return std::all_of(s.begin() + 1, s.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

void Erase(std::vector<TComponent*>& v, TComponent* c) { v.erase(std::remove(v.begin(), v.end(), c), v.end()); }

}  // namespace

HM_PUBLISH(TComponent) {
  p.Prop("Name", &TComponent::Name, &TComponent::SetName).NotStored();
  p.Prop("Tag", &TComponent::Tag, &TComponent::SetTag);
}

void ComponentDeleter::operator()(TComponent* c) const { TComponent::Destroy(c); }

TComponent::TComponent(TComponent* owner) {
  if (owner) {
    owner->components_.push_back(this);
    owner_ = owner;
    owner->Notification(this, opInsert);
  }
}

TComponent::~TComponent() {
  // Reached without Destroy (a plain delete): tear down with what is left.
  complete_ = false;
  Teardown();
}

void TComponent::Destroy(TComponent* c) {
  if (!c) return;
  c->Teardown();
  if (!c->DeferFree()) delete c;
}

void TComponent::Teardown() {
  if (tornDown_) return;
  tornDown_ = true;
  // The owner's Destroying may already have reached this one.
  if (!state_.Contains(csDestroying)) Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* partner = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(partner->freeNotifies_, this);
    partner->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->Detach(*this);
}

void TComponent::Destroying() {
  state_.Include(csDestroying);
  for (TComponent* c : components_) {
    if (!c->state_.Contains(csDestroying)) c->Destroying();
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    Detach(*c);
    Destroy(c);
  }
}

void TComponent::Detach(TComponent& component) {
  Erase(components_, &component);
  component.owner_ = nullptr;
  if (complete_ && !component.name_.empty()) {
    // A published field of this class naming the component must not dangle.
    if (const TFieldInfo* f = ClassType().FindField(component.name_)) {
      if (f->Get(*this) == &component) f->Set(*this, nullptr);
    }
  }
  Notification(&component, opRemove);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) Erase(freeNotifies_, component);
  // Copy: a handler may free components of its own.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned) {
    if (c != component && std::find(components_.begin(), components_.end(), c) != components_.end())
      c->Notification(component, operation);
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (!name.empty() && owner_) {
    for (TComponent* c : owner_->components_) {
      if (c != this && SameText(c->name_, name))
        throw EComponentError("A component named " + name + " already exists");
    }
  }
  name_ = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& v = owner_->components_;
  return static_cast<int>(std::find(v.begin(), v.end(), this) - v.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (SameText(c->name_, name)) return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(Owned<TComponent> component) {
  if (!component) return;
  if (component->owner_) throw EComponentError("Component " + component->name_ + " already has an owner");
  if (!component->name_.empty() && FindComponent(component->name_))
    throw EComponentError("A component named " + component->name_ + " already exists");
  TComponent* c = component.release();
  components_.push_back(c);
  c->owner_ = this;
  Notification(c, opInsert);
}

Owned<TComponent> TComponent::RemoveComponent(TComponent& component) {
  if (component.owner_ != this) throw EComponentError("Component " + component.name_ + " is not owned by " + name_);
  Detach(component);
  return Owned<TComponent>(&component);
}

void TComponent::FreeComponent(TComponent& component) { RemoveComponent(component).reset(); }

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
    freeNotifies_.push_back(other);
  if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
    other->freeNotifies_.push_back(this);
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  Erase(freeNotifies_, other);
  Erase(other->freeNotifies_, this);
}

void TComponent::SetDesigning(bool designing, bool setChildren) {
  SetState(csDesigning, designing);
  if (setChildren) {
    for (TComponent* c : components_) c->SetDesigning(designing, true);
  }
}

void TComponent::SetState(TComponentStateFlag flag, bool on) {
  if (on) state_.Include(flag);
  else state_.Exclude(flag);
}

void TComponent::Loading() { state_.Include(csLoading); }

void TComponent::Loaded() { state_.Exclude(csLoading); }

TComponent* CreateComponent(std::string_view className, TComponent& owner) {
  const TClassInfo* cls = FindClass(className);
  if (!cls || !cls->CanCreate()) return nullptr;
  return cls->GetFactory()(&owner);
}

Owned<TComponent> CreateRootComponent(std::string_view className) {
  const TClassInfo* cls = FindClass(className);
  if (!cls || !cls->CanCreate()) return nullptr;
  return Owned<TComponent>(cls->GetFactory()(nullptr));
}

}  // namespace hm
