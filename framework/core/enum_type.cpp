#include "framework/core/enum_type.h"

#include "framework/core/text.h"

namespace hm {

TEnumType::TEnumType(std::string name, std::string_view names) : name_(std::move(name)) {
  size_t start = 0;
  while (start <= names.size()) {
    size_t comma = names.find(',', start);
    if (comma == std::string_view::npos) comma = names.size();
    std::string item = Trim(names.substr(start, comma - start));
    if (!item.empty()) names_.push_back(std::move(item));
    start = comma + 1;
  }
}

std::string TEnumType::ValueName(std::int64_t value) const {
  if (value < 0 || value >= static_cast<std::int64_t>(names_.size())) return {};
  return names_[static_cast<size_t>(value)];
}

int TEnumType::ValueOf(std::string_view name) const {
  for (size_t i = 0; i < names_.size(); ++i) {
    if (SameText(names_[i], name)) return static_cast<int>(i);
  }
  return -1;
}

const TEnumType& BooleanType() {
  static const TEnumType type("Boolean", "False, True");
  return type;
}

}  // namespace hm
