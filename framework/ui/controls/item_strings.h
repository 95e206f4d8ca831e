// The items of a list control (list box, combo box, radio group). They are
// kept here, so they exist before the window does and survive its
// re-creation; every change is passed on to the owning control, which
// mirrors it into its window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/core/string_list.h"

namespace hm {

class TItemStrings : public TStrings {
  HM_CLASS(TItemStrings, TStrings)

 public:
  struct Listener {
    std::function<void(int index, const std::string& s)> Inserted;
    std::function<void(int index)> Deleted;
    std::function<void()> Cleared;
    std::function<void(int index, const std::string& s)> Changed;
  };

  TItemStrings() = default;
  explicit TItemStrings(Listener listener) : listener_(std::move(listener)) {}

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  // A sorted list ignores `index` and inserts where the text belongs.
  void Insert(int index, const std::string& s) override;
  int Add(const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;

  // Case-insensitive order, as the native sorted lists keep it.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;  // not owned
  };
  void Check(int index) const;
  int SortedIndex(const std::string& s) const;
  // Inserts at `index` (a sorted list: where the text belongs) and answers
  // where the string went.
  int InsertAt(int index, const std::string& s);

  std::vector<Item> items_;
  Listener listener_;
  bool sorted_ = false;
};

}  // namespace hm
