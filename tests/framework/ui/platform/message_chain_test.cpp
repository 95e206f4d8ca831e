// The window-procedure chain: layers see messages top first, each can pass
// on to the ones below, and a dropped token takes out exactly its layer —
// in any order, also while a message runs through it.
#include "framework/ui/platform/message_chain.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace hm {
namespace {

// The owner at the bottom of the chain records what reaches it.
struct Owner {
  std::vector<std::string>* log;
  static void Bottom(void* self, TMessage& m) {
    static_cast<Owner*>(self)->log->push_back("owner");
    m.Result += 1;
  }
};

struct ChainTest : ::testing::Test {
  std::vector<std::string> log;
  Owner owner{&log};
  TMessageChain chain{&Owner::Bottom, &owner};

  // A layer that logs its name and passes the message on. `life` is held by
  // the layer's procedure: its use count tells whether the chain still
  // holds the procedure.
  TLayerToken Logging(const std::string& name, std::shared_ptr<int> life = nullptr) {
    return chain.Insert([this, name, life](TMessage& m, const TCallNext& next) {
      log.push_back(name);
      next(m);
    });
  }
  std::vector<std::string> Send() {
    log.clear();
    TMessage m{WM_USER, 0, 0, 0};
    chain.Dispatch(m);
    return log;
  }
};

using Log = std::vector<std::string>;

TEST_F(ChainTest, TheTopLayerSeesAMessageFirstAndTheOwnerLast) {
  TLayerToken a = Logging("a");
  TLayerToken b = Logging("b");
  EXPECT_EQ(Send(), (Log{"b", "a", "owner"}));
  EXPECT_EQ(chain.LayerCount(), 2);
}

TEST_F(ChainTest, ALayerThatDoesNotCallNextSwallowsTheMessage) {
  TLayerToken a = Logging("a");
  TLayerToken stop = chain.Insert([this](TMessage& m, const TCallNext&) {
    log.push_back("stop");
    m.Result = 42;
  });
  TMessage m{WM_USER, 0, 0, 0};
  chain.Dispatch(m);
  EXPECT_EQ(log, (Log{"stop"}));
  EXPECT_EQ(m.Result, 42);
}

TEST_F(ChainTest, TwoLayersRemovedInEitherOrderLeaveTheOtherWorking) {
  for (bool lower_first : {true, false}) {
    auto life_a = std::make_shared<int>(0), life_b = std::make_shared<int>(0);
    TLayerToken a = Logging("a", life_a);
    TLayerToken b = Logging("b", life_b);
    if (lower_first) {
      a.Remove();
      EXPECT_EQ(Send(), (Log{"b", "owner"}));
      EXPECT_EQ(life_a.use_count(), 1) << "the removed layer's procedure is let go";
      b.Remove();
    } else {
      b.Remove();
      EXPECT_EQ(Send(), (Log{"a", "owner"}));
      EXPECT_EQ(life_b.use_count(), 1);
      a.Remove();
    }
    EXPECT_EQ(Send(), (Log{"owner"}));
    EXPECT_EQ(life_a.use_count(), 1);
    EXPECT_EQ(life_b.use_count(), 1);
    EXPECT_EQ(chain.LayerCount(), 0);
  }
}

TEST_F(ChainTest, ALayerRemovingItselfMidMessageStillPassesItOnAndIsNeverCalledAgain) {
  auto life = std::make_shared<int>(0);
  TLayerToken below = Logging("below");
  TLayerToken self;
  self = chain.Insert([this, life, &self](TMessage& m, const TCallNext& next) {
    log.push_back("self");
    self.Remove();
    next(m);  // the layers below are still reached
    log.push_back("self after");
  });
  EXPECT_EQ(Send(), (Log{"self", "below", "owner", "self after"}));
  EXPECT_EQ(life.use_count(), 1) << "freed once the call returned";
  EXPECT_EQ(Send(), (Log{"below", "owner"}));
}

TEST_F(ChainTest, ALayerBelowRemovedWhileAMessagePassesAboveIsSkipped) {
  TLayerToken lower = Logging("lower");
  TLayerToken upper = chain.Insert([this, &lower](TMessage& m, const TCallNext& next) {
    log.push_back("upper");
    lower.Remove();
    next(m);
  });
  EXPECT_EQ(Send(), (Log{"upper", "owner"}));
}

TEST_F(ChainTest, ALayerAboveRemovedFromBelowFinishesItsCall) {
  TLayerToken upper;
  TLayerToken lower = chain.Insert([this, &upper](TMessage& m, const TCallNext& next) {
    log.push_back("lower");
    upper.Remove();  // the upper layer is running: it must finish unharmed
    next(m);
  });
  upper = chain.Insert([this](TMessage& m, const TCallNext& next) {
    log.push_back("upper");
    next(m);
    log.push_back("upper after");
  });
  EXPECT_EQ(Send(), (Log{"upper", "lower", "owner", "upper after"}));
  EXPECT_EQ(Send(), (Log{"lower", "owner"}));
}

TEST_F(ChainTest, ALayerInsertedMidMessageSeesOnlyLaterMessages) {
  TLayerToken later;
  TLayerToken first = chain.Insert([this, &later](TMessage& m, const TCallNext& next) {
    log.push_back("first");
    if (!later.Active()) later = Logging("later");
    next(m);
  });
  EXPECT_EQ(Send(), (Log{"first", "owner"}));
  EXPECT_EQ(Send(), (Log{"later", "first", "owner"}));
}

TEST_F(ChainTest, AnErrorThroughALayerLeavesItRemovable) {
  auto life = std::make_shared<int>(0);
  TLayerToken thrower = chain.Insert([life](TMessage&, const TCallNext&) { throw std::runtime_error("x"); });
  TMessage m{WM_USER, 0, 0, 0};
  EXPECT_THROW(chain.Dispatch(m), std::runtime_error);
  thrower.Remove();
  EXPECT_EQ(life.use_count(), 1);
  EXPECT_EQ(Send(), (Log{"owner"}));
}

TEST_F(ChainTest, TokensMoveAndTheLastHolderRemovesTheLayer) {
  TLayerToken a = Logging("a");
  TLayerToken moved = std::move(a);
  EXPECT_FALSE(a.Active());
  EXPECT_TRUE(moved.Active());
  TLayerToken b = Logging("b");
  moved = std::move(b);  // drops "a", keeps "b"
  EXPECT_EQ(Send(), (Log{"b", "owner"}));
}

TEST(MessageChain, TokensMayOutliveTheirChain) {
  std::vector<std::string> log;
  Owner owner{&log};
  auto life = std::make_shared<int>(0);
  TLayerToken token;
  {
    TMessageChain chain(&Owner::Bottom, &owner);
    token = chain.Insert([life](TMessage& m, const TCallNext& next) { next(m); });
    EXPECT_TRUE(token.Active());
  }
  EXPECT_FALSE(token.Active());
  EXPECT_EQ(life.use_count(), 1) << "a dead chain lets the procedure go";
  token.Remove();  // nothing to reach; must not touch the chain
}

TEST(MessageChain, AThousandInsertAndRemoveCyclesLeaveNothingBehind) {
  std::vector<std::string> log;
  Owner owner{&log};
  TMessageChain chain(&Owner::Bottom, &owner);
  TLayerToken keep = chain.Insert([](TMessage& m, const TCallNext& next) { next(m); });
  auto life = std::make_shared<int>(0);
  for (int i = 0; i < 1000; ++i) {
    TLayerToken t = chain.Insert([life](TMessage& m, const TCallNext& next) { next(m); });
    TMessage m{WM_USER, 0, 0, 0};
    chain.Dispatch(m);
  }
  EXPECT_EQ(life.use_count(), 1);
  EXPECT_EQ(chain.LayerCount(), 1);
}

}  // namespace
}  // namespace hm
