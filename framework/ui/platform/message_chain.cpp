#include "framework/ui/platform/message_chain.h"

#include <utility>

namespace hm {

namespace detail {

// One layer. The chain links it; the token and the chain own it together:
// it is freed once it is out of the chain (or the chain is gone), no call is
// running through it, and its token has let go.
struct TLayerNode {
  TLayerProc proc;
  TLayerNode* up = nullptr;    // toward the top
  TLayerNode* down = nullptr;  // toward the chain's owner
  TMessageChain* chain = nullptr;  // null once the chain is gone
  int busy = 0;                // calls running through this layer
  bool removed = false;        // never called again
  bool token_alive = true;
};

}  // namespace detail

using detail::TLayerNode;

namespace {

bool Disposable(const TLayerNode& node) { return node.busy == 0 && !node.token_alive && node.removed; }

}  // namespace

// Marks a layer busy for one call; a layer removed during the call leaves
// the chain when the call returns.
class TMessageChain::BusyScope {
 public:
  explicit BusyScope(TLayerNode& node) noexcept : node_(node) { ++node_.busy; }
  ~BusyScope() {
    if (--node_.busy > 0 || !node_.removed) return;
    if (node_.chain) node_.chain->Unlink(node_);
    if (Disposable(node_)) delete &node_;
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  TLayerNode& node_;
};

void TCallNext::operator()(TMessage& message) const { chain_.CallFrom(current_.down, message); }

TLayerToken& TLayerToken::operator=(TLayerToken&& other) noexcept {
  if (this != &other) {
    Remove();
    node_ = std::exchange(other.node_, nullptr);
  }
  return *this;
}

void TLayerToken::Remove() noexcept {
  TLayerNode* node = std::exchange(node_, nullptr);
  if (!node) return;
  node->token_alive = false;
  if (node->chain) {
    node->chain->Remove(*node);
  } else {
    node->removed = true;
  }
  if (Disposable(*node)) delete node;
}

bool TLayerToken::Active() const noexcept { return node_ && node_->chain && !node_->removed; }

TMessageChain::~TMessageChain() {
  TLayerNode* node = top_;
  while (node) {
    TLayerNode* below = node->down;
    node->chain = nullptr;
    node->up = node->down = nullptr;
    node->removed = true;
    if (Disposable(*node)) {
      delete node;
    } else if (node->busy == 0) {
      node->proc = nullptr;  // nothing will call it; let what it holds go now
    }
    node = below;
  }
}

TLayerToken TMessageChain::Insert(TLayerProc proc) {
  auto* node = new TLayerNode;  // owned by the token and the chain together
  node->proc = std::move(proc);
  node->chain = this;
  node->down = top_;
  if (top_) top_->up = node;
  top_ = node;
  return TLayerToken(node);
}

void TMessageChain::Dispatch(TMessage& message) { CallFrom(top_, message); }

void TMessageChain::CallFrom(TLayerNode* node, TMessage& message) {
  while (node && node->removed) node = node->down;
  if (!node) {
    bottom_(owner_, message);
    return;
  }
  BusyScope busy(*node);
  node->proc(message, TCallNext(*this, *node));
}

int TMessageChain::LayerCount() const noexcept {
  int count = 0;
  for (const TLayerNode* node = top_; node; node = node->down) count += node->removed ? 0 : 1;
  return count;
}

void TMessageChain::Remove(TLayerNode& node) noexcept {
  node.removed = true;
  // A call running through it unlinks it when it returns.
  if (node.busy == 0) Unlink(node);
}

void TMessageChain::Unlink(TLayerNode& node) noexcept {
  if (node.up) node.up->down = node.down;
  if (node.down) node.down->up = node.up;
  if (top_ == &node) top_ = node.down;
  // The node keeps its own down pointer: a call that returns into a layer
  // above it still finds the way on. It is never followed from here again.
  node.up = nullptr;
  node.chain = nullptr;
  node.proc = nullptr;
}

}  // namespace hm
