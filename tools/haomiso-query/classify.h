// What an input line is: a mobile number, an identity-card number, a
// division code, an area code, or a text for the area search; or nothing we
// can answer, with the reason.
#pragma once

#include <string>
#include <string_view>

namespace hm::query {

enum class TInputKind { Empty, Mobile, IdNumber, DivisionCode, AreaCode, Text, Refused };

// --as: every line taken as one kind instead of recognised.
enum class TForcedKind { Auto, Mobile, IdNumber, DivisionCode, AreaCode, Text };

// Longer inputs are refused rather than sent to the database.
inline constexpr std::size_t kMaxInputBytes = 1000;

struct TClassified {
  TInputKind kind = TInputKind::Empty;
  // Mobile: the 11 digits; IdNumber: 15 digits or 17 and a digit or X;
  // DivisionCode: 6 digits; AreaCode: 0 and 2 or 3 digits; Text: the
  // trimmed line.
  std::string value;
  std::string reason;  // Refused: why
};

// `line`: UTF-8. Blanks and control characters around it do not count;
// blanks and dashes between the digits of a number are dropped, and a
// mobile number may start with +86 or 0086.
TClassified Classify(std::string_view line, TForcedKind as = TForcedKind::Auto);

// "mobile", "id", "division_code", "area_code", "text"; empty for Empty and
// Refused.
std::string_view KindName(TInputKind kind);

}  // namespace hm::query
