// The control skins one frame skin made, in the order it made them. The
// list does not own them (their owners do); taking one out to free it goes
// through its owner.
#pragma once

#include <vector>

#include "skin/core/control_skin_choice.h"

namespace hm {

class TSkinControl;

class TControlSkinList {
 public:
  // Appended only when not listed yet; true when it was appended.
  bool Add(TSkinControl& skin);
  // The last entry for the skin, searching from the end; no-op when absent.
  void Remove(TSkinControl& skin);
  bool Contains(const TSkinControl& skin) const;
  // Frees every skin whose window was destroyed (State 6), last first.
  void PurgeDead();
  // Until empty: the first skin gives its changes back (unless its window
  // is gone), leaves the list and is freed.
  void RemoveAll();

  int Count() const { return static_cast<int>(items_.size()); }
  const std::vector<TSkinControl*>& Items() const { return items_; }
  // What the control-skin choice needs to know of them.
  std::vector<TExistingControlSkin> Existing() const;

 private:
  std::vector<TSkinControl*> items_;  // not owned
};

// Frees a control skin through its owner (or alone when it has none).
void FreeControlSkin(TSkinControl& skin);

}  // namespace hm
