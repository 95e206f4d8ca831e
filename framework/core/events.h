// Event properties. An event holds one handler; descriptions bind it by
// method name to a method the form class published (Published::Method), and
// the signature must match exactly. Code may also assign a handler directly.
//
//   TEvent<TObject*> OnClick;                             // TNotifyEvent
//   TEvent<TObject*, int&, int&, bool&> OnCanResize;      // var parameters
//   if (OnClick) OnClick(this);
#pragma once

#include <any>
#include <functional>
#include <string>
#include <typeindex>
#include <utility>

namespace hm {

class TObject;

// A method of a class that events can be bound to by name.
struct TMethodInfo {
  std::string Name;
  std::type_index Signature;  // typeid(void(Args...))
  // Makes a std::function<void(Args...)> calling the method on the object.
  std::any (*Make)(TObject& self, const void* method);
  std::shared_ptr<const void> Method;  // the member pointer, type-erased
};

class TEventBase {
 public:
  virtual ~TEventBase() = default;
  // The method name a description bound this event to; empty when the
  // handler was set in code or the event is unassigned.
  const std::string& MethodName() const { return methodName_; }
  virtual bool Assigned() const = 0;
  virtual void Clear() = 0;
  virtual std::type_index Signature() const = 0;
  // Binds to `method` of `target`; false when the signatures differ.
  virtual bool Bind(TObject& target, const TMethodInfo& method) = 0;

 protected:
  std::string methodName_;
};

template <class... Args>
class TEvent final : public TEventBase {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent(const TEvent&) = delete;
  TEvent& operator=(const TEvent&) = delete;

  void Set(Handler handler, std::string methodName = {}) {
    handler_ = std::move(handler);
    methodName_ = std::move(methodName);
  }
  TEvent& operator=(Handler handler) {
    Set(std::move(handler));
    return *this;
  }
  explicit operator bool() const { return static_cast<bool>(handler_); }
  bool Assigned() const override { return static_cast<bool>(handler_); }
  void Clear() override {
    handler_ = nullptr;
    methodName_.clear();
  }
  // Does nothing when unassigned, like a nil method pointer check.
  void operator()(Args... args) const {
    if (handler_) handler_(std::forward<Args>(args)...);
  }

  std::type_index Signature() const override { return typeid(void(Args...)); }
  bool Bind(TObject& target, const TMethodInfo& method) override {
    if (method.Signature != Signature()) return false;
    handler_ = std::any_cast<Handler>(method.Make(target, method.Method.get()));
    methodName_ = method.Name;
    return true;
  }

 private:
  Handler handler_;
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace hm
