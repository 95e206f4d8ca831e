// Collections: an owned, ordered list of items of one class (the grid's
// Columns). Descriptions store them as `< item ... end >` blocks, each item
// with its own published properties.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/core/persistent.h"

namespace hm {

class TCollection;

class TCollectionItem : public TPersistent {
  HM_CLASS(TCollectionItem, TPersistent)

 public:
  TCollectionItem() = default;
  TCollection* Collection() const { return collection_; }
  int Index() const;

 protected:
  // Tells the collection that this item's stored values changed.
  void Changed();

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
  HM_CLASS(TCollection, TPersistent)

 public:
  using ItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

  template <class Item> static ItemFactory ItemsOf() {
    return [] { return std::make_unique<Item>(); };
  }

  // `owner` is the persistent that publishes the collection (may be null).
  explicit TCollection(ItemFactory factory, TPersistent* owner = nullptr);
  ~TCollection() override;

  TPersistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raise EListError "List index out of bounds (%d)" outside the list.
  TCollectionItem* Items(int index) const;
  TCollectionItem& Add();
  TCollectionItem& Insert(int index);
  void Delete(int index);
  void Clear();
  void Move(int from, int to);
  // A fresh, unattached item of the collection's class (the writer compares
  // stored items against it).
  std::unique_ptr<TCollectionItem> NewItem() const { return factory_(); }

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  // Copies item by item through the items' Assign.
  void Assign(const TPersistent& source) override;

 protected:
  // Called after items were added, removed, moved or changed (not while
  // updating); `item` is null for changes of the whole collection.
  virtual void Update(TCollectionItem* item);
  virtual void Added(TCollectionItem& /*item*/) {}

 private:
  friend class TCollectionItem;
  void Check(int index) const;
  void Changed(TCollectionItem* item);

  ItemFactory factory_;
  TPersistent* owner_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

}  // namespace hm
