#include "framework/core/convert.h"

#include "framework/core/exception.h"

namespace hm {

namespace {

struct Parsed {
  bool negative = false;
  bool hex = false;
  std::uint64_t magnitude = 0;
};

std::optional<Parsed> Parse(std::string_view text) {
  Parsed p;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) p.negative = text[i++] == '-';
  if (i < text.size() && text[i] == '$') {
    p.hex = true;
    ++i;
  }
  if (i >= text.size()) return std::nullopt;
  const unsigned base = p.hex ? 16 : 10;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (p.hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (p.hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    if (p.magnitude > (UINT64_MAX - digit) / base) return std::nullopt;
    p.magnitude = p.magnitude * base + digit;
  }
  return p;
}

}  // namespace

std::optional<std::int64_t> TryStrToInt64(std::string_view text) {
  const auto p = Parse(text);
  if (!p) return std::nullopt;
  if (!p->hex && p->magnitude > (p->negative ? std::uint64_t{1} << 63 : std::uint64_t{INT64_MAX})) return std::nullopt;
  const std::uint64_t bits = p->negative ? 0 - p->magnitude : p->magnitude;
  return static_cast<std::int64_t>(bits);
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  const auto p = Parse(text);
  if (!p) return std::nullopt;
  const std::uint64_t limit = p->hex ? UINT32_MAX : p->negative ? std::uint64_t{1} << 31 : INT32_MAX;
  if (p->magnitude > limit) return std::nullopt;
  const auto bits = static_cast<std::uint32_t>(p->magnitude);
  return static_cast<std::int32_t>(p->negative ? 0u - bits : bits);
}

std::int32_t StrToInt(std::string_view text) {
  const auto v = TryStrToInt(text);
  if (!v) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  return *v;
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) { return TryStrToInt(text).value_or(fallback); }

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::uint64_t value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kHex[value & 15]);
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(out.size()) < digits) out.insert(out.begin(), '0');
  return out;
}

}  // namespace hm
