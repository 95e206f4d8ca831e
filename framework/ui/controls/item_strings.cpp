#include "framework/ui/controls/item_strings.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TItemStrings) {}

void TItemStrings::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TItemStrings::Get(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].text;
}

TObject* TItemStrings::GetObject(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].object;
}

void TItemStrings::PutObject(int index, TObject* object) {
  Check(index);
  items_[static_cast<std::size_t>(index)].object = object;
}

void TItemStrings::Put(int index, const std::string& s) {
  Check(index);
  if (sorted_) {
    // Changing a sorted entry in place would break the order.
    TObject* object = items_[static_cast<std::size_t>(index)].object;
    Delete(index);
    PutObject(InsertAt(0, s), object);
    return;
  }
  items_[static_cast<std::size_t>(index)].text = s;
  if (listener_.Changed) listener_.Changed(index, s);
}

int TItemStrings::SortedIndex(const std::string& s) const {
  const auto at = std::upper_bound(items_.begin(), items_.end(), s, [](const std::string& a, const Item& b) {
    return CompareText(a, b.text) < 0;
  });
  return static_cast<int>(at - items_.begin());
}

void TItemStrings::Insert(int index, const std::string& s) { InsertAt(index, s); }

int TItemStrings::Add(const std::string& s) { return InsertAt(Count(), s); }

int TItemStrings::InsertAt(int index, const std::string& s) {
  if (sorted_) index = SortedIndex(s);
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  items_.insert(items_.begin() + index, Item{s, nullptr});
  if (listener_.Inserted) listener_.Inserted(index, s);
  return index;
}

void TItemStrings::Delete(int index) {
  Check(index);
  items_.erase(items_.begin() + index);
  if (listener_.Deleted) listener_.Deleted(index);
}

void TItemStrings::Clear() {
  items_.clear();
  if (listener_.Cleared) listener_.Cleared();
}

void TItemStrings::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!sorted_) return;
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
  // Re-announce the whole list in its new order.
  if (listener_.Cleared) listener_.Cleared();
  for (int i = 0; i < Count(); ++i) {
    if (listener_.Inserted) listener_.Inserted(i, items_[static_cast<std::size_t>(i)].text);
  }
}

}  // namespace hm
