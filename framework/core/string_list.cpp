#include "framework/core/string_list.h"

#include <algorithm>

#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {
namespace {

[[noreturn]] void IndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

HM_PUBLISH(TStrings) {}
HM_PUBLISH(TStringList) {}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.emplace_back(text.substr(i, end - i));
    if (end < text.size() && text[end] == '\r') {
      ++end;
      if (end < text.size() && text[end] == '\n') ++end;  // CR LF is one line end
    } else if (end < text.size()) {
      ++end;  // lone LF
    }
    i = end;
  }
  return lines;
}

void TStrings::Put(int index, const std::string& s) {
  TObject* object = GetObject(index);
  Delete(index);
  Insert(index, s);
  PutObject(index, object);
}

TObject* TStrings::GetObject(int /*index*/) const { return nullptr; }

void TStrings::PutObject(int /*index*/, TObject* /*object*/) {}

int TStrings::Add(const std::string& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  const int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> out;
  for (int i = 0; i < Count(); ++i) out.push_back(Get(i));
  return out;
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Get(i), s)) return i;
  }
  return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string line = Get(i);
    const size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStrings::Names(int index) const {
  const std::string line = Get(index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::Values(std::string_view name) const {
  const int i = IndexOfName(name);
  if (i < 0) return {};
  const std::string line = Get(i);
  return line.substr(line.find('=') + 1);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
  const int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  const std::string line = std::string(name) + "=" + value;
  if (i >= 0) Put(i, line);
  else Add(line);
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    out += Get(i);
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  for (const std::string& line : SplitLines(text)) Add(line);
  EndUpdate();
}

std::string TStrings::CommaText() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    const std::string s = Get(i);
    if (i > 0) out += ',';
    const bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos ||
                       std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
    if (!quote) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

void TStrings::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TStrings*>(&source)) {
    if (other == this) return;
    BeginUpdate();
    Clear();
    AddStrings(*other);
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) != other.Get(i)) return false;
  }
  return true;
}

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const std::string& s : lines) Add(s);
}

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
}

std::string TStringList::Get(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s) {
  Check(index);
  items_[static_cast<size_t>(index)].text = s;
}

void TStringList::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) IndexError(index);
  items_.insert(items_.begin() + index, Item{s, nullptr});
}

void TStringList::Delete(int index) {
  Check(index);
  items_.erase(items_.begin() + index);
}

void TStringList::Clear() { items_.clear(); }

TObject* TStringList::GetObject(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
  Check(index);
  items_[static_cast<size_t>(index)].object = object;
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
}

}  // namespace hm
