// One value of a result cell, as the engine typed it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace hm {

struct TBlobValue {
  std::string bytes;
  bool operator==(const TBlobValue&) const = default;
};

// monostate is SQL NULL.
using TFieldValue = std::variant<std::monostate, std::int64_t, double, std::string, TBlobValue>;

inline bool IsNull(const TFieldValue& v) { return std::holds_alternative<std::monostate>(v); }

// Text of a value: empty for NULL, decimal for numbers (doubles in the
// shortest form that reads back the same), the bytes of a blob.
std::string ValueToText(const TFieldValue& v);

}  // namespace hm
