#include "grid/columns.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/data/field.h"

namespace hm {

HM_PUBLISH(TDBGridColumnsEh) {}

TDBGridColumnsEh::TDBGridColumnsEh(TPersistent* grid, TColumnsOwnerEh* owner)
    : TCollection(ItemsOf<TDBGridColumnEh>(), grid), owner_(owner) {}

TDBGridColumnsEh::~TDBGridColumnsEh() = default;

void TDBGridColumnsEh::Added(TCollectionItem& item) {
  static_cast<TColumnEh&>(item).owner_ = owner_;
  if (!generating_) state_ = csCustomized;
}

void TDBGridColumnsEh::Update(TCollectionItem* item) {
  if (owner_) owner_->ColumnsChanged(static_cast<TColumnEh*>(item));
}

void TDBGridColumnsEh::SetState(TDBGridColumnsState state) {
  if (state == state_) return;
  state_ = state;
  if (state == csDefault) Clear();
  else if (owner_) owner_->ColumnsChanged(nullptr);
}

void TDBGridColumnsEh::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TDBGridColumnsEh*>(&source);
  if (!other) return TCollection::Assign(source);
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < other->Count(); ++i) AddColumn().Assign(*(*other)[i]);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TDBGridColumnsEh::RebuildFromFields(const std::vector<TField*>& fields) {
  generating_ = true;
  BeginUpdate();
  try {
    int at = 0;
    for (TField* field : fields) {
      int found = -1;
      for (int i = at; i < Count(); ++i) {
        if (SameText((*this)[i]->FieldName(), field->FieldName())) {
          found = i;
          break;
        }
      }
      if (found < 0) Insert(at);
      else if (found != at) Move(found, at);
      (*this)[at]->SetField(field);
      ++at;
    }
    while (Count() > at) Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    generating_ = false;
    throw;
  }
  EndUpdate();
  generating_ = false;
}

}  // namespace hm
