// What each search button checks before it asks the database. A check
// answers with the statement to run, or with the message the window shows
// in its information box (then it focuses the input and stops); it never
// shows anything itself. Lengths and prefixes count bytes of the GBK form
// of the text, so a Chinese character counts two.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hm::lookups {

// Followed directly by the combo's current text.
inline constexpr char kAreaSearchEmptyMessage[] = "请输入要查找的";
inline constexpr char kMobileTooShortMessage[] = "手机号码必须输入7位以上!";
inline constexpr char kIdTooShortMessage[] = "身份证号码必须输入6位以上!";

struct TAreaSearch {
  std::string refusal;  // not empty: the lookup is refused with this message
  std::string column;
  std::string statement;
  bool Refused() const { return !refusal.empty(); }
};

// The area search of `text` as typed: refused when it is empty once
// trimmed; otherwise the untrimmed text is searched in the column that
// `itemIndex` chooses. `comboText` only completes the refusal message.
TAreaSearch CheckAreaSearch(std::string_view text, std::string_view comboText, int itemIndex);

struct TPrefixLookup {
  std::string refusal;  // not empty: refused with this message
  std::int32_t prefix = 0;
  std::string statement;
  bool Refused() const { return !refusal.empty(); }
};

// Mobile number: refused when the trimmed text is 6 bytes or shorter; its
// first 7 bytes are converted with StrToInt, which raises EConvertError
// "'<the 7 bytes>' is not a valid integer value" when they are no integer.
TPrefixLookup CheckMobileLookup(std::string_view text);

// Identity-card number: the same with 6 bytes (refused at 5 or fewer).
TPrefixLookup CheckIdLookup(std::string_view text);

// The first `bytes` bytes of the GBK form of `utf8`, back in UTF-8. A
// double-byte character cut in half becomes "?".
std::string GbkPrefix(std::string_view utf8, std::size_t bytes);

}  // namespace hm::lookups
