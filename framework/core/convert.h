// The framework's integer conversions: optional sign, then decimal digits or
// '$' followed by hex digits, nothing else (no spaces). Values outside
// the 32-bit range fail; hex gives the bit pattern ($FFFFFFFF is -1).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hm {

// Raises EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// The same rule for 64-bit values.
std::optional<std::int64_t> TryStrToInt64(std::string_view text);

std::string IntToStr(std::int64_t value);
// Upper-case hex, at least `digits` digits.
std::string IntToHex(std::uint64_t value, int digits);

}  // namespace hm
