// Components: named objects with an owner that frees them. An owner holds
// its components in creation order and frees them in reverse order when it
// goes; every component that asked for free notification hears about it
// before the freed one is gone.
//
//   auto form = hm::MakeRoot<TFrmMain>();             // Owned<TFrmMain>, no owner
//   TButton* b = hm::MakeOwned<TButton>(*form);       // owned and freed by form
//   form->FreeComponent(*b);                          // early, explicit free
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/enum_type.h"
#include "framework/core/persistent.h"

namespace hm {

HM_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning,
        csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = Set<TComponentStateFlag>;

HM_ENUM(TOperation, opInsert, opRemove)

class TComponent;

// Frees a component through its owner-aware teardown (see Destroy).
struct ComponentDeleter {
  void operator()(TComponent* c) const;
};
template <class T> using Owned = std::unique_ptr<T, ComponentDeleter>;

class TComponent : public TPersistent {
  HM_CLASS(TComponent, TPersistent)

 public:
  // The owner (if any) takes ownership; use MakeOwned/MakeRoot rather than
  // calling constructors directly.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Raises EComponentError for a name that is not an identifier or that
  // another component of the same owner already has (ASCII case ignored).
  virtual void SetName(const std::string& name);
  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError outside 0 .. ComponentCount-1.
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  // ASCII case ignored; nullptr when not found or `name` is empty.
  TComponent* FindComponent(std::string_view name) const;

  // Takes ownership of a component that has no owner.
  void InsertComponent(Owned<TComponent> component);
  // Gives ownership of one owned component back to the caller.
  Owned<TComponent> RemoveComponent(TComponent& component);
  // Frees one owned component now.
  void FreeComponent(TComponent& component);
  // Frees every owned component, last created first.
  void DestroyComponents();

  // Asks to be told (Notification with opRemove) when `other` is freed;
  // the request is mutual, as either side may go first.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  const TComponentState& ComponentState() const { return state_; }
  // The design state is never set at run time; tests and tools set it.
  void SetDesigning(bool designing, bool setChildren = true);

  // Description support: the component a nested `object` block sits in.
  // Controls return their parent control; other components return nullptr
  // and are stored at the top level of their root.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}

  // Reading a description: Loading on entry, Loaded after the whole
  // description was read and references resolved. Overrides call the base.
  virtual void Loading();
  virtual void Loaded();

  // Frees `c` with the teardown described at Destroying.
  static void Destroy(TComponent* c);

 protected:
  // Runs before the object is destroyed while it is still complete: sets
  // csDestroying here and in owned components. Overrides call the base.
  virtual void Destroying();
  // opInsert/opRemove of a component owned by the same owner tree, or of a
  // free-notification partner. The base forgets a removed partner and passes
  // the notice on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);

  void SetState(TComponentStateFlag flag, bool on);

  // Asked by Destroy after the teardown, before the memory goes: true when
  // the object is inside one of its own calls and deletes itself once they
  // have returned.
  virtual bool DeferFree() { return false; }

 private:
  void Teardown();
  void Detach(TComponent& component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::int32_t tag_ = 0;
  TComponentState state_;
  bool tornDown_ = false;
  bool complete_ = true;  // false once the destructor runs: derived parts are gone
  std::vector<TComponent*> components_;  // owned, creation order
  std::vector<TComponent*> freeNotifies_;  // not owned
};

// A new component owned (and freed) by `owner`.
template <class T, class... Args>
T* MakeOwned(TComponent& owner, Args&&... args) {
  return new T(&owner, std::forward<Args>(args)...);  // the owner frees it
}

// A new component without an owner; the returned handle frees it.
template <class T, class... Args>
Owned<T> MakeRoot(Args&&... args) {
  return Owned<T>(new T(nullptr, std::forward<Args>(args)...));
}

// Creates a component by registered class name; nullptr when the class is
// unknown or not a creatable component. With an owner the owner frees it.
TComponent* CreateComponent(std::string_view className, TComponent& owner);
Owned<TComponent> CreateRootComponent(std::string_view className);

}  // namespace hm
