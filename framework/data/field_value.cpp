#include "framework/data/field_value.h"

#include <charconv>
#include <cstdio>

namespace hm {

std::string ValueToText(const TFieldValue& v) {
  struct Visitor {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::int64_t i) const { return std::to_string(i); }
    std::string operator()(double d) const {
      char buf[32];
      const auto r = std::to_chars(buf, buf + sizeof buf, d);
      return std::string(buf, r.ptr);
    }
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(const TBlobValue& b) const { return b.bytes; }
  };
  return std::visit(Visitor{}, v);
}

}  // namespace hm
