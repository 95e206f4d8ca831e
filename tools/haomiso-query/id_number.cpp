#include "tools/haomiso-query/id_number.h"

#include <cstdio>

namespace hm::query {
namespace {

int Digits(std::string_view s) {
  int n = 0;
  for (const char c : s) n = n * 10 + (c - '0');
  return n;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

bool IsRealDate(const TDate& date) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return false;
  const int days = kDays[date.month - 1] + (date.month == 2 && IsLeapYear(date.year) ? 1 : 0);
  return date.day <= days;
}

std::string FormatDate(const TDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

char IdCheckCharacter(std::string_view first17) {
  static const int kWeights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
  static const char kCheck[] = "10X98765432";
  int sum = 0;
  for (std::size_t i = 0; i < 17 && i < first17.size(); ++i) sum += (first17[i] - '0') * kWeights[i];
  return kCheck[sum % 11];
}

std::string IdNumber18From15(std::string_view id15) {
  std::string id18 = std::string(id15.substr(0, 6)) + "19" + std::string(id15.substr(6));
  id18 += IdCheckCharacter(id18);
  return id18;
}

TIdNumberCheck CheckIdNumber(std::string_view number, const TDate& today) {
  TIdNumberCheck check;
  const bool old = number.size() == 15;
  if (old) {
    check.id18 = IdNumber18From15(number);
  } else {
    check.id18 = std::string(number);
    if (check.id18.back() == 'x') check.id18.back() = 'X';
  }

  const std::string_view digits = check.id18;
  const TDate birth{Digits(digits.substr(6, 4)), Digits(digits.substr(10, 2)), Digits(digits.substr(12, 2))};
  const std::string written(old ? number.substr(6, 6) : digits.substr(6, 8));
  if (!IsRealDate(birth)) {
    check.failures.push_back("出生日期无效(" + written + ")");
  } else {
    check.birthDate = FormatDate(birth);
    if (birth > today) check.failures.push_back("出生日期晚于今天(" + written + ")");
  }
  check.sex = (digits[16] - '0') % 2 == 1 ? "男" : "女";
  if (!old) {
    const char expected = IdCheckCharacter(digits);
    if (digits[17] != expected) check.failures.push_back(std::string("校验码错误(应为") + expected + ")");
  }
  return check;
}

}  // namespace hm::query
