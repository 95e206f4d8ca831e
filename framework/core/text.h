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
// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

// Trims characters with codes <= 32 (spaces and control characters) from
// both ends (or one). Safe on UTF-8 and on GBK text alike: neither encoding
// uses such bytes inside a multi-byte character.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Length of the text in GBK bytes: a Chinese character counts two.
size_t GbkLength(std::string_view utf8);
// True for the first byte of a GBK double-byte character.
constexpr bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
// Index of the last byte of GBK text that is one of `delimiters` and not
// the second byte of a double-byte character; npos when there is none.
size_t GbkLastDelimiter(std::string_view gbk, std::string_view delimiters);
// "D:\dir\" of "D:\dir\file.ext" (UTF-8 in and out; '\\', '/' and ':'
// end the folder part), judged on the GBK form of the text.
std::string ExtractFilePath(std::string_view utf8);
std::string ExtractFileName(std::string_view utf8);

// ASCII-only case rules: other bytes are left alone and compare by value.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
int CompareText(std::string_view a, std::string_view b);  // <0, 0, >0
bool SameText(std::string_view a, std::string_view b);

// The locale's case rules: letters beyond ASCII too (Latin, Greek,
// Cyrillic, full-width Latin); compares by code point of the upper-cased
// text.
std::string AnsiUpperCase(std::string_view utf8);
char32_t AnsiUpperChar(char32_t c);
char32_t AnsiLowerChar(char32_t c);
// Letters of those scripts, CJK ideographs, kana and Hangul.
bool IsAnsiLetter(char32_t c);
std::string AnsiLowerCase(std::string_view utf8);
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

#ifdef _WIN32
// Win32 takes wchar_t; it is 16 bits there, so these are plain copies.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
#endif

}  // namespace hm
