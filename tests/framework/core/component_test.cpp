#include "framework/core/component.h"

#include <gtest/gtest.h>

#include "framework/core/exception.h"
#include "tests/framework/core/sample_classes.h"

namespace hm {
namespace {

using sample::EventLog;

// Logs its own destruction and every removal it hears of.
class TWatcher : public TComponent {
  HM_CLASS(TWatcher, TComponent)

 public:
  TWatcher(TComponent* owner, EventLog* log) : TComponent(owner), log_(log) {}
  ~TWatcher() override { log_->push_back("~" + Name()); }

  void Destroying() override {
    log_->push_back("destroying " + Name() + (Owner() ? " (owner alive)" : ""));
    TComponent::Destroying();
  }

  void Notification(TComponent* c, TOperation op) override {
    if (op == opRemove) log_->push_back(Name() + " heard " + c->Name());
    TComponent::Notification(c, op);
  }

 private:
  EventLog* log_;
};

HM_PUBLISH(TWatcher) {}

TEST(ClassInfo, NamesAndAncestryByName) {
  auto grid = MakeRoot<sample::TSampleGrid>();
  EXPECT_EQ(grid->ClassName(), "TSampleGrid");
  EXPECT_TRUE(grid->InheritsFrom("TSampleControl"));
  EXPECT_TRUE(grid->InheritsFrom("tcomponent"));  // case does not matter
  EXPECT_TRUE(grid->InheritsFrom("TObject"));
  EXPECT_FALSE(grid->InheritsFrom("TSampleMemo"));
  EXPECT_TRUE(grid->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_EQ(FindClass("tsamplegrid"), &sample::TSampleGrid::StaticClass());
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
}

TEST(Ownership, OwnerFreesInReverseCreationOrderAndOthersHearOfEachRemoval) {
  EventLog log;
  {
    auto root = MakeRoot<TWatcher>(&log);
    root->SetName("Root");
    for (const char* name : {"A", "B", "C"}) MakeOwned<TWatcher>(*root, &log)->SetName(name);
    ASSERT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->Components(0)->Name(), "A");
    EXPECT_EQ(root->Components(2)->ComponentIndex(), 2);
  }
  // Destroying runs once per component, owners first, before anything goes.
  const EventLog expected = {"destroying Root", "destroying A (owner alive)", "destroying B (owner alive)",
                             "destroying C (owner alive)",
                             "Root heard C", "A heard C", "B heard C", "~C",
                             "Root heard B", "A heard B", "~B",
                             "Root heard A", "~A", "~Root"};
  EXPECT_EQ(log, expected);
}

TEST(Ownership, FreeNotificationReachesPartnersOutsideTheOwner) {
  EventLog log;
  auto a = MakeRoot<TWatcher>(&log);
  a->SetName("A");
  auto b = MakeRoot<TWatcher>(&log);
  b->SetName("B");
  a->FreeNotification(b.get());
  b.reset();
  a->SetName("A2");
  EXPECT_EQ(log, (EventLog{"destroying B", "A heard B", "~B"}));
  // The partnership is gone with B: freeing A tells no one.
  a.reset();
  EXPECT_EQ(log.back(), "~A2");
  EXPECT_EQ(log.size(), 5u);
}

TEST(Ownership, ReferenceIsClearedWhenTheReferencedComponentIsFreedEarly) {
  auto form = MakeRoot<sample::TSampleForm>();
  auto* grid = MakeOwned<sample::TSampleGrid>(*form);
  auto* source = MakeOwned<sample::TSampleSource>(*form);
  grid->SetSource(source);
  form->FreeComponent(*source);
  EXPECT_EQ(grid->source, nullptr);
  EXPECT_EQ(form->ComponentCount(), 1);
}

TEST(Ownership, RemoveHandsOwnershipBackAndInsertTakesItAgain) {
  auto a = MakeRoot<sample::TSampleForm>();
  auto b = MakeRoot<sample::TSampleForm>();
  auto* c = MakeOwned<sample::TSampleControl>(*a);
  c->SetName("Button1");
  a->Button1 = c;
  Owned<TComponent> taken = a->RemoveComponent(*c);
  EXPECT_EQ(a->Button1, nullptr) << "the published field must not dangle";
  EXPECT_EQ(c->Owner(), nullptr);
  b->InsertComponent(std::move(taken));
  EXPECT_EQ(c->Owner(), b.get());
  EXPECT_EQ(b->FindComponent("BUTTON1"), c);
  EXPECT_THROW(b->RemoveComponent(*a), EComponentError);
}

TEST(Ownership, NamesAreIdentifiersAndUniquePerOwner) {
  auto form = MakeRoot<sample::TSampleForm>();
  auto* a = MakeOwned<sample::TSampleControl>(*form);
  auto* b = MakeOwned<sample::TSampleControl>(*form);
  a->SetName("Edit1");
  EXPECT_THROW(b->SetName("EDIT1"), EComponentError);
  EXPECT_THROW(b->SetName("1Edit"), EComponentError);
  EXPECT_THROW(b->SetName("Edit 2"), EComponentError);
  b->SetName("Edit2");
  b->SetName("");  // unnamed is allowed
  EXPECT_EQ(form->FindComponent(""), nullptr);
  EXPECT_EQ(form->FindComponent("edit1"), a);
  EXPECT_THROW(form->Components(2), EListError);
}

TEST(ComponentState, DesigningIsOffAtRunTimeAndCanBeSetForTests) {
  auto form = MakeRoot<sample::TSampleForm>();
  auto* c = MakeOwned<sample::TSampleControl>(*form);
  EXPECT_FALSE(form->ComponentState().Contains(csDesigning));
  form->SetDesigning(true);
  EXPECT_TRUE(c->ComponentState().Contains(csDesigning));
  form->SetDesigning(false, false);
  EXPECT_FALSE(form->ComponentState().Contains(csDesigning));
  EXPECT_TRUE(c->ComponentState().Contains(csDesigning));
}

TEST(Ownership, CreateByClassName) {
  auto form = MakeRoot<sample::TSampleForm>();
  TComponent* c = CreateComponent("TSamplePanel", *form);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Owner(), form.get());
  EXPECT_EQ(c->ClassName(), "TSamplePanel");
  EXPECT_EQ(CreateComponent("TPersistent", *form), nullptr);  // not a component
  EXPECT_EQ(CreateComponent("TMissing", *form), nullptr);
  EXPECT_EQ(form->ComponentCount(), 1);
  Owned<TComponent> root = CreateRootComponent("TSampleForm");
  ASSERT_TRUE(root);
  EXPECT_EQ(root->Owner(), nullptr);
}

}  // namespace
}  // namespace hm
