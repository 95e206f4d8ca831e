// A callable window procedure bound to one object: a few bytes of machine
// code that hand every message to a plain function with the object. Native
// windows are subclassed with these stubs, so no lookup table sits between a
// window and its object. The stub knows its target, not the window; targets
// keep their own handle.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>

#include "framework/ui/platform/messages.h"

namespace hm {

class TObjectInstance {
 public:
  // Called for every message with the object given here; errors it lets
  // escape go to HandleWindowProcException.
  using Dispatch = void (*)(void* object, TMessage& message);

  TObjectInstance(Dispatch dispatch, void* object);
  // A stub calling object.*Method(message).
  template <auto Method, class T>
  static std::unique_ptr<TObjectInstance> For(T& object) {
    return std::make_unique<TObjectInstance>(
        [](void* target, TMessage& message) { (static_cast<T*>(target)->*Method)(message); }, &object);
  }
  ~TObjectInstance();
  TObjectInstance(const TObjectInstance&) = delete;
  TObjectInstance& operator=(const TObjectInstance&) = delete;

  // The stub, usable wherever a WNDPROC is.
  WNDPROC Proc() const { return proc_; }

  struct Record;  // what the stub points at

 private:
  std::unique_ptr<Record> record_;
  WNDPROC proc_ = nullptr;
};

}  // namespace hm
