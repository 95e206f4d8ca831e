// The column collection of a data grid. Its state is default while the
// grid makes one column per field of its dataset, customized once columns
// were added by code or stored with the form.
#pragma once

#include <vector>

#include "framework/core/collection.h"
#include "framework/core/enum_type.h"
#include "grid/column.h"

namespace hm {

class TField;

HM_ENUM(TDBGridColumnsState, csDefault, csCustomized)

class TDBGridColumnsEh : public TCollection {
  HM_CLASS(TDBGridColumnsEh, TCollection)

 public:
  // `grid` publishes the collection; `owner` is what its columns ask for
  // their defaults (the same grid).
  TDBGridColumnsEh(TPersistent* grid, TColumnsOwnerEh* owner);
  ~TDBGridColumnsEh() override;

  TColumnEh* operator[](int index) const { return static_cast<TColumnEh*>(Items(index)); }
  TColumnEh& AddColumn() { return static_cast<TColumnEh&>(Add()); }

  TDBGridColumnsState State() const { return state_; }
  // Back to default drops every column; the grid makes them anew from its
  // fields at the next layout.
  void SetState(TDBGridColumnsState state);

  // Default state: one column per field in field order, keeping the
  // column (and what was set on it) already made for the same field.
  void RebuildFromFields(const std::vector<TField*>& fields);

  // Column by column through the columns' own Assign, so what was not
  // assigned there is not assigned here either.
  void Assign(const TPersistent& source) override;

 protected:
  void Added(TCollectionItem& item) override;
  void Update(TCollectionItem* item) override;

 private:
  TColumnsOwnerEh* owner_;
  TDBGridColumnsState state_ = csDefault;
  bool generating_ = false;  // columns made by the grid keep the default state
};

}  // namespace hm
