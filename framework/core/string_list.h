// String lists. TStrings is the interface (memo lines and combo items
// implement it over their windows); TStringList keeps the strings in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"

namespace hm {

class TStrings : public TPersistent {
  HM_CLASS(TStrings, TPersistent)

 public:
  virtual int Count() const = 0;
  // Raise EListError "List index out of bounds (%d)" outside the list.
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* object);

  // The index where the string went: the end, or for a sorted list where
  // its text belongs.
  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* object);
  void AddStrings(const TStrings& strings);
  std::string operator[](int index) const { return Get(index); }
  std::vector<std::string> ToVector() const;

  // Without regard to ASCII case; -1 when absent.
  virtual int IndexOf(std::string_view s) const;
  // Lines "name=value": the index of the first line with that name, the
  // value of that line ("" when absent), and setting it (an empty value
  // removes the line).
  int IndexOfName(std::string_view name) const;
  std::string Names(int index) const;
  std::string Values(std::string_view name) const;
  void SetValue(std::string_view name, const std::string& value);

  // Every line followed by CR LF.
  std::string Text() const;
  // A line ends at CR LF, a lone CR or a lone LF; a final line end adds no
  // empty line; a NUL byte ends the text.
  void SetText(std::string_view text);
  // Comma-separated, lines with spaces, commas or quotes double-quoted.
  std::string CommaText() const;

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
  }
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent& source) override;
  bool Equals(const TStrings& other) const;

 private:
  int updateCount_ = 0;
};

// Splits text into lines by the rule of TStrings::SetText.
std::vector<std::string> SplitLines(std::string_view text);

class TStringList : public TStrings {
  HM_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;
  explicit TStringList(std::initializer_list<std::string> lines);

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;

  // Sorted by byte value of the ASCII-uppercased text (stable).
  void Sort();

 private:
  void Check(int index) const;
  struct Item {
    std::string text;
    TObject* object = nullptr;  // not owned
  };
  std::vector<Item> items_;
};

}  // namespace hm
