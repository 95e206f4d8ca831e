// Byte-wise text helpers for skin texts, which are 8-bit and never
// converted: only ASCII letters change case, and trimming removes the
// control characters and blanks (codes 0 to 32) but no lead or trail byte of
// a double-byte character.
#pragma once

#include <string>
#include <string_view>

namespace hm::ascii {

inline char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Lower(c);
  return out;
}

inline bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

inline std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace hm::ascii
