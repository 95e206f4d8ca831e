// The integer conversions agree with a reference parse of the same rule
// (optional sign, decimal digits or '$' and hex digits, nothing else), keep
// their bounds, and what IntToStr and IntToHex write reads back.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/convert.h"
#include "framework/core/exception.h"

namespace {

struct Reference {
  bool negative = false;
  bool hex = false;
  std::uint64_t magnitude = 0;
};

// nullopt for text outside the rule or a magnitude beyond 64 bits.
std::optional<Reference> ReferenceParse(std::string_view s) {
  Reference r;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    r.negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (!s.empty() && s[0] == '$') {
    r.hex = true;
    s.remove_prefix(1);
  }
  // from_chars takes no sign for an unsigned type, so any left is refused.
  if (s.empty() || s[0] == '-' || s[0] == '+') return std::nullopt;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), r.magnitude, r.hex ? 16 : 10);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return r;
}

std::optional<std::int32_t> Reference32(std::string_view s) {
  const auto r = ReferenceParse(s);
  if (!r) return std::nullopt;
  if (r->hex) {
    if (r->magnitude > 0xFFFFFFFFu) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(r->magnitude);
    return static_cast<std::int32_t>(r->negative ? 0u - bits : bits);
  }
  if (r->magnitude > (r->negative ? std::uint64_t{1} << 31 : std::uint64_t{INT32_MAX})) return std::nullopt;
  const auto v = static_cast<std::int64_t>(r->magnitude);
  return static_cast<std::int32_t>(r->negative ? -v : v);
}

std::optional<std::int64_t> Reference64(std::string_view s) {
  const auto r = ReferenceParse(s);
  if (!r) return std::nullopt;
  if (!r->hex && r->magnitude > (r->negative ? std::uint64_t{1} << 63 : std::uint64_t{INT64_MAX})) return std::nullopt;
  return static_cast<std::int64_t>(r->negative ? 0 - r->magnitude : r->magnitude);
}

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

void CheckText(std::string_view text) {
  const std::optional<std::int32_t> v32 = hm::TryStrToInt(text);
  if (v32 != Reference32(text)) Fail("TryStrToInt disagrees with the reference", text);
  if (hm::TryStrToInt64(text) != Reference64(text)) Fail("TryStrToInt64 disagrees with the reference", text);
  if (hm::StrToIntDef(text, 12345) != v32.value_or(12345)) Fail("StrToIntDef disagrees with TryStrToInt", text);
  try {
    if (hm::StrToInt(text) != v32) Fail("StrToInt disagrees with TryStrToInt", text);
  } catch (const hm::EConvertError& e) {
    if (v32) Fail("StrToInt refused a valid value", text);
    if (e.Message() != "'" + std::string(text) + "' is not a valid integer value") Fail("wrong message", text);
  }
}

void CheckWriters(std::int64_t value, int digits) {
  const std::string decimal = hm::IntToStr(value);
  if (hm::TryStrToInt64(decimal) != value) Fail("IntToStr does not read back", decimal);
  if (value >= INT32_MIN && value <= INT32_MAX && hm::TryStrToInt(decimal) != value)
    Fail("IntToStr does not read back as 32 bits", decimal);

  const auto bits = static_cast<std::uint64_t>(value);
  const std::string hex = hm::IntToHex(bits, digits);
  int needed = 1;
  while (needed < 16 && (bits >> (4 * needed)) != 0) ++needed;
  if (static_cast<int>(hex.size()) != (digits > needed ? digits : needed)) Fail("IntToHex has the wrong width", hex);
  if (hm::TryStrToInt64("$" + hex) != value) Fail("IntToHex does not read back", hex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckText(text);
  if (size >= 9) {
    std::int64_t value;
    std::memcpy(&value, data, sizeof value);
    CheckWriters(value, data[8] % 24);
  }
  return 0;
}
