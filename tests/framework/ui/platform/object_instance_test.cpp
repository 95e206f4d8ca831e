// Window stubs: each calls its own object, across more than one page.
#include "framework/ui/platform/object_instance.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace hm {
namespace {

struct Target {
  int index = 0;
  std::vector<int>* calls = nullptr;
  void Handle(TMessage& m) {
    calls->push_back(index);
    m.Result = static_cast<LRESULT>(m.WParam * 2 + index);
  }
};

TEST(ObjectInstance, StubsCallTheirOwnTarget) {
  std::vector<int> calls;
  std::vector<Target> targets(300);  // more than one page of stubs
  std::vector<std::unique_ptr<TObjectInstance>> stubs;
  for (int i = 0; i < 300; ++i) {
    targets[i] = Target{i, &calls};
    stubs.push_back(TObjectInstance::For<&Target::Handle>(targets[i]));
  }
  EXPECT_EQ(CallWindowProcW(stubs[7]->Proc(), nullptr, WM_USER, 10, 0), 27);
  EXPECT_EQ(CallWindowProcW(stubs[299]->Proc(), nullptr, WM_USER, 1, 0), 301);
  EXPECT_EQ(calls, (std::vector<int>{7, 299}));
}

TEST(ObjectInstance, AFreedStubsSlotIsReusedForANewTarget) {
  std::vector<int> calls;
  Target first{1, &calls}, second{2, &calls};
  auto stub = TObjectInstance::For<&Target::Handle>(first);
  const WNDPROC slot = stub->Proc();
  stub.reset();
  auto again = TObjectInstance::For<&Target::Handle>(second);
  EXPECT_EQ(again->Proc(), slot);
  EXPECT_EQ(CallWindowProcW(again->Proc(), nullptr, WM_USER, 0, 0), 2);
  EXPECT_EQ(calls, (std::vector<int>{2}));
}

}  // namespace
}  // namespace hm
