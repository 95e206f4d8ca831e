// A callable window procedure bound to one object: a few bytes of machine
// code that call the object's TWndMethod. Native windows are subclassed with
// these stubs, so no lookup table sits between a window and its object. The
// stub knows its target, not the window; targets keep their own handle.
#pragma once

#include "framework/ui/win32.h"

#include <memory>

#include "framework/ui/messages.h"

namespace hm {

class TObjectInstance {
 public:
  explicit TObjectInstance(TWndMethod method);
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
