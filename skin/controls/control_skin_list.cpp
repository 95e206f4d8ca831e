#include "skin/controls/control_skin_list.h"

#include <algorithm>

#include "framework/ui/base/control.h"
#include "skin/controls/skin_control.h"

namespace hm {

bool TControlSkinList::Add(TSkinControl& skin) {
  if (Contains(skin)) return false;
  items_.push_back(&skin);
  return true;
}

void TControlSkinList::Remove(TSkinControl& skin) {
  const auto found = std::find(items_.rbegin(), items_.rend(), &skin);
  if (found != items_.rend()) items_.erase(std::next(found).base());
}

bool TControlSkinList::Contains(const TSkinControl& skin) const {
  return std::find(items_.begin(), items_.end(), &skin) != items_.end();
}

void TControlSkinList::PurgeDead() {
  for (std::size_t i = items_.size(); i-- > 0;) {
    if (i >= items_.size() || items_[i]->State() != kControlSkinDead) continue;
    TSkinControl* dead = items_[i];
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    FreeControlSkin(*dead);
  }
}

void TControlSkinList::RemoveAll() {
  while (!items_.empty()) {
    TSkinControl* skin = items_.front();
    if (skin->State() != kControlSkinDead) skin->UnSkin();
    Remove(*skin);
    FreeControlSkin(*skin);
  }
}

std::vector<TExistingControlSkin> TControlSkinList::Existing() const {
  std::vector<TExistingControlSkin> existing;
  existing.reserve(items_.size());
  for (const TSkinControl* skin : items_) {
    const TControl* component = skin->Control() ? skin->Control() : skin->GraphicControl();
    existing.push_back({component, skin->Handle()});
  }
  return existing;
}

void FreeControlSkin(TSkinControl& skin) {
  if (TComponent* owner = skin.Owner()) {
    owner->FreeComponent(skin);
  } else {
    TComponent::Destroy(&skin);
  }
}

}  // namespace hm
