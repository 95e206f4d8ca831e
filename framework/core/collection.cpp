#include "framework/core/collection.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TCollectionItem) {}
HM_PUBLISH(TCollection) {}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

void TCollectionItem::Changed() {
  if (collection_) collection_->Changed(this);
}

TCollection::TCollection(ItemFactory factory, TPersistent* owner) : factory_(std::move(factory)), owner_(owner) {}

TCollection::~TCollection() = default;

void TCollection::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TCollectionItem* TCollection::Items(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].get();
}

TCollectionItem& TCollection::Add() { return Insert(Count()); }

TCollectionItem& TCollection::Insert(int index) {
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  std::unique_ptr<TCollectionItem> item = factory_();
  TCollectionItem& ref = *item;
  ref.collection_ = this;
  items_.insert(items_.begin() + index, std::move(item));
  Added(ref);
  Changed(nullptr);
  return ref;
}

void TCollection::Delete(int index) {
  Check(index);
  items_.erase(items_.begin() + index);
  Changed(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(nullptr);
}

void TCollection::Move(int from, int to) {
  Check(from);
  Check(to);
  auto item = std::move(items_[static_cast<size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Changed(nullptr);
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Update(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
  if (updateCount_ == 0) Update(item);
}

void TCollection::Update(TCollectionItem* /*item*/) {}

void TCollection::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (const auto& from : other->items_) {
    TCollectionItem& to = Add();
    if (&to.ClassType() == &from->ClassType()) CopyPublishedProperties(*from, to);
    else to.Assign(*from);
  }
  EndUpdate();
}

}  // namespace hm
