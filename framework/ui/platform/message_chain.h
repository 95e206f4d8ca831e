// The window-procedure slot of a control: an ordered chain of layers above
// the control's own message handler. A message enters at the top layer; each
// layer may handle it, change it, or pass it on to the layers below it.
//
// Whoever inserts a layer (a skin, a test) holds the token that keeps it in
// place; dropping the token takes out exactly that layer, in any order and
// also while a message is passing through it. A removed layer is never
// called again; its node is freed when the last call through it returns.
//
//   TLayerToken token = control.WindowProc().Insert(
//       [](TMessage& m, const TCallNext& next) {
//         next(m);                        // let the control work
//         if (m.Msg == WM_PAINT) { ... }  // then paint over it
//       });
#pragma once

#include <functional>

#include "framework/ui/platform/messages.h"

namespace hm {

class TMessageChain;

namespace detail {
struct TLayerNode;
}

// Passes a message on to the layers below the one running, and finally to
// the chain's owner: a layer's "call default".
class TCallNext {
 public:
  void operator()(TMessage& message) const;

 private:
  friend class TMessageChain;
  TCallNext(TMessageChain& chain, detail::TLayerNode& current) noexcept : chain_(chain), current_(current) {}
  TMessageChain& chain_;
  detail::TLayerNode& current_;  // busy while it runs, so never freed under us
};

using TLayerProc = std::function<void(TMessage& message, const TCallNext& next)>;

// Keeps one layer in its chain; the layer goes when the token does.
class TLayerToken {
 public:
  TLayerToken() noexcept = default;
  ~TLayerToken() { Remove(); }
  TLayerToken(TLayerToken&& other) noexcept : node_(other.node_) { other.node_ = nullptr; }
  TLayerToken& operator=(TLayerToken&& other) noexcept;
  TLayerToken(const TLayerToken&) = delete;
  TLayerToken& operator=(const TLayerToken&) = delete;

  // Takes the layer out now (no-op when it is out already).
  void Remove() noexcept;
  // The layer is in a chain that still exists.
  bool Active() const noexcept;

 private:
  friend class TMessageChain;
  explicit TLayerToken(detail::TLayerNode* node) noexcept : node_(node) {}
  detail::TLayerNode* node_ = nullptr;  // shared with the chain; see TLayerNode
};

class TMessageChain {
 public:
  // The chain's owner: what a message reaches below every layer.
  using Bottom = void (*)(void* owner, TMessage& message);

  TMessageChain(Bottom bottom, void* owner) noexcept : bottom_(bottom), owner_(owner) {}
  // Tokens that outlive the chain stay valid and remove nothing.
  ~TMessageChain();
  TMessageChain(const TMessageChain&) = delete;
  TMessageChain& operator=(const TMessageChain&) = delete;

  // Puts a layer on top: it sees every message before the layers below.
  [[nodiscard]] TLayerToken Insert(TLayerProc proc);
  // Sends a message in at the top.
  void Dispatch(TMessage& message);
  // Layers in the chain now, removed ones not counted.
  int LayerCount() const noexcept;

 private:
  friend class TCallNext;
  friend class TLayerToken;
  class BusyScope;
  void CallFrom(detail::TLayerNode* node, TMessage& message);
  void Remove(detail::TLayerNode& node) noexcept;
  void Unlink(detail::TLayerNode& node) noexcept;

  Bottom bottom_;
  void* owner_;
  detail::TLayerNode* top_ = nullptr;  // owned together with the tokens; see TLayerNode
};

}  // namespace hm
