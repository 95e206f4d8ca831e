// The text conversions on any bytes: whatever they produce is valid UTF-8
// (or well-formed UTF-16), valid text survives a round trip unchanged,
// converting a result again changes nothing, a text converts as its
// characters do one by one, and the file-name helpers split a name where
// its GBK form has a delimiter, losing nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/text.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s (%zu bytes):", what, text.size());
  for (unsigned char c : text) std::fprintf(stderr, " %02X", c);
  std::fprintf(stderr, "\n");
  std::abort();
}

// The length of the well-formed UTF-8 sequence at s[i], or 0.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = at(i);
  if (b < 0x80) return 1;
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
  if (b >= 0xC2 && b <= 0xDF) n = 2;
  else if (b == 0xE0) { n = 3; lo = 0xA0; }
  else if (b == 0xED) { n = 3; hi = 0x9F; }  // no surrogates
  else if (b >= 0xE1 && b <= 0xEF) n = 3;
  else if (b == 0xF0) { n = 4; lo = 0x90; }
  else if (b == 0xF4) { n = 4; hi = 0x8F; }  // nothing beyond U+10FFFF
  else if (b >= 0xF1 && b <= 0xF3) n = 4;
  else return 0;
  if (i + n > s.size() || at(i + 1) < lo || at(i + 1) > hi) return 0;
  for (std::size_t k = 2; k < n; ++k) {
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  }
  return n;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// The characters of the text, and each byte that starts no character.
std::vector<std::string_view> Units(std::string_view s) {
  std::vector<std::string_view> units;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    units.push_back(s.substr(i, n ? n : 1));
    i += n ? n : 1;
  }
  return units;
}

bool IsWellFormedUtf16(std::u16string_view u) {
  for (std::size_t i = 0; i < u.size(); ++i) {
    if (u[i] >= 0xD800 && u[i] <= 0xDBFF && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) ++i;
    else if (u[i] >= 0xD800 && u[i] <= 0xDFFF) return false;
  }
  return true;
}

// Lone surrogates replaced, as the conversion to UTF-8 does.
std::u16string Repaired(std::u16string_view u) {
  std::u16string out;
  for (std::size_t i = 0; i < u.size(); ++i) {
    if (u[i] >= 0xD800 && u[i] <= 0xDBFF && i + 1 < u.size() && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) {
      out += u[i];
      out += u[++i];
    } else if (u[i] >= 0xD800 && u[i] <= 0xDFFF) {
      out += u'\uFFFD';
    } else {
      out += u[i];
    }
  }
  return out;
}

void CheckUtf8AndUtf16(std::string_view s) {
  const std::u16string wide = hm::Utf8ToUtf16(s);
  if (!IsWellFormedUtf16(wide)) Fail("Utf8ToUtf16 made lone surrogates", s);
  const std::string back = hm::Utf16ToUtf8(wide);
  if (!IsValidUtf8(back)) Fail("Utf16ToUtf8 made invalid UTF-8", s);
  if (IsValidUtf8(s) ? back != s : hm::Utf8ToUtf16(back) != wide) Fail("UTF-8 -> UTF-16 -> UTF-8 changed the text", s);
  // Every unit is one character or one U+FFFD.
  std::size_t expected = 0;
  for (std::string_view unit : Units(s)) expected += unit.size() == 4 ? 2 : 1;
  if (wide.size() != expected) Fail("Utf8ToUtf16 has the wrong length", s);
}

void CheckUtf16(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  const std::string utf8 = hm::Utf16ToUtf8(units);
  if (!IsValidUtf8(utf8)) Fail("Utf16ToUtf8 made invalid UTF-8 from UTF-16", bytes);
  if (hm::Utf8ToUtf16(utf8) != Repaired(units)) Fail("UTF-16 -> UTF-8 -> UTF-16 changed the text", bytes);
}

void CheckGbk(std::string_view s) {
  const std::string gbk = hm::Utf8ToGbk(s);
  if (hm::GbkLength(s) != gbk.size()) Fail("GbkLength is not the GBK size", s);
  // Split between two characters (or faults), the halves convert to the
  // two halves of the whole: nothing depends on where a buffer ends.
  const std::vector<std::string_view> units = Units(s);
  std::size_t split = 0;
  for (std::size_t i = 0; i < units.size() / 2; ++i) split += units[i].size();
  if (hm::Utf8ToGbk(s.substr(0, split)) + hm::Utf8ToGbk(s.substr(split)) != gbk)
    Fail("Utf8ToGbk of the text differs from that of its halves", s);
  if (units.size() <= 8) {
    std::string pieces;
    for (std::string_view unit : units) pieces += hm::Utf8ToGbk(unit);
    if (pieces != gbk) Fail("Utf8ToGbk of the text differs from its characters' one by one", s);
  }

  const std::string utf8 = hm::GbkToUtf8(gbk);
  if (!IsValidUtf8(utf8)) Fail("GbkToUtf8 made invalid UTF-8", s);
  if (hm::Utf8ToGbk(utf8) != gbk) Fail("UTF-8 -> GBK -> UTF-8 -> GBK changed the text", s);

  // The same bytes taken as GBK: decoding is total, and GBK without a
  // fault (no U+FFFD) encodes back to the same bytes.
  const std::string fromGbk = hm::GbkToUtf8(s);
  if (!IsValidUtf8(fromGbk)) Fail("GbkToUtf8 made invalid UTF-8 from bytes", s);
  if (fromGbk.find("\xEF\xBF\xBD") == std::string::npos && hm::Utf8ToGbk(fromGbk) != s)
    Fail("GBK -> UTF-8 -> GBK changed the bytes", s);

  const std::string path = hm::ExtractFilePath(s);
  const std::string name = hm::ExtractFileName(s);
  if (path + name != utf8) Fail("ExtractFilePath + ExtractFileName is not the whole name", s);
  if (!path.empty() && path.back() != '\\' && path.back() != '/' && path.back() != ':')
    Fail("ExtractFilePath does not end with a delimiter", s);
  const std::string nameGbk = hm::Utf8ToGbk(name);
  if (hm::GbkLastDelimiter(nameGbk, "\\/:") != std::string::npos) Fail("ExtractFileName holds a delimiter", s);
}

void CheckCase(std::string_view s) {
  const std::string upper = hm::AnsiUpperCase(s);
  const std::string lower = hm::AnsiLowerCase(s);
  if (!IsValidUtf8(upper) || !IsValidUtf8(lower)) Fail("case mapping made invalid UTF-8", s);
  if (hm::AnsiUpperCase(upper) != upper) Fail("AnsiUpperCase is not stable", s);
  if (hm::AnsiLowerCase(lower) != lower) Fail("AnsiLowerCase is not stable", s);
  if (!hm::AnsiSameText(s, upper) || !hm::AnsiSameText(lower, upper)) Fail("text differs from its own case", s);
  const std::size_t half = s.size() / 2;
  const int ab = hm::AnsiCompareText(s.substr(0, half), s.substr(half));
  const int ba = hm::AnsiCompareText(s.substr(half), s.substr(0, half));
  if ((ab > 0) - (ab < 0) != (ba < 0) - (ba > 0)) Fail("AnsiCompareText is not antisymmetric", s);
  if (hm::UpperCase(s).size() != s.size() || !hm::SameText(hm::UpperCase(s), hm::LowerCase(s)))
    Fail("ASCII case mapping changed more than letters", s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view s(reinterpret_cast<const char*>(data), size);
  CheckUtf8AndUtf16(s);
  CheckUtf16(s);
  CheckGbk(s);
  CheckCase(s);
  return 0;
}
