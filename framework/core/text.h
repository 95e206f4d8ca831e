// Text conversions. The framework's text is UTF-8 in std::string; UTF-16 is
// only for Win32 calls, GBK (code page 936) only where bytes of 8-bit text
// are counted. Conversions never fail: what cannot be represented becomes
// U+FFFD (Unicode targets) or '?' (GBK), as the system converters do.
#pragma once

#include <string>
#include <string_view>

namespace hm {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

#ifdef _WIN32
// Win32 takes wchar_t; it is 16 bits there, so these are plain copies.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
#endif

}  // namespace hm
