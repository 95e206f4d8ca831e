// What an identity-card number says beyond its region: the check character
// (ISO 7064 MOD 11-2), the birth date and the sex; the 15-character form of
// the first cards converted to the 18-character one.
#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <vector>

namespace hm::query {

struct TDate {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const TDate&) const = default;
};

// A day of the Gregorian calendar from the year 1 on.
bool IsRealDate(const TDate& date);
// YYYY-MM-DD.
std::string FormatDate(const TDate& date);

// '0' to '9' or 'X' for the first 17 digits of an 18-character number.
char IdCheckCharacter(std::string_view first17);

// The 18-character form of a 15-digit number: "19" before its two-digit
// year, the check character after it.
std::string IdNumber18From15(std::string_view id15);

struct TIdNumberCheck {
  std::string id18;       // upper-case X
  std::string birthDate;  // YYYY-MM-DD; empty when the digits are no real date
  std::string sex;        // 男 or 女, from the parity of the sequence number's last digit
  std::vector<std::string> failures;  // each one named, in the order of the digits
};

// `number`: 15 digits, or 17 digits followed by a digit or X (either case).
// A birth date after `today` fails, so does one that is no real date.
TIdNumberCheck CheckIdNumber(std::string_view number, const TDate& today);

}  // namespace hm::query
