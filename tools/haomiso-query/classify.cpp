#include "tools/haomiso-query/classify.h"

#include <algorithm>

#include "framework/core/text.h"

namespace hm::query {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view s) { return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit); }

bool IsMobile(std::string_view s) { return s.size() == 11 && AllDigits(s) && s[0] == '1'; }

bool IsIdNumber(std::string_view s) {
  if (s.size() == 15) return AllDigits(s);
  return s.size() == 18 && AllDigits(s.substr(0, 17)) && (IsDigit(s[17]) || s[17] == 'X' || s[17] == 'x');
}

bool IsDivisionCode(std::string_view s) { return s.size() == 6 && AllDigits(s); }

bool IsAreaCode(std::string_view s) { return (s.size() == 3 || s.size() == 4) && AllDigits(s) && s[0] == '0'; }

// The digits of a number written with blanks and dashes between them.
std::string Compact(std::string_view s) {
  std::string out;
  for (const char c : s) {
    if (c != ' ' && c != '-') out += c;
  }
  return out;
}

// Digits, with at most a leading '+' and a trailing X.
bool LooksLikeNumber(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (!s.empty() && (s.back() == 'X' || s.back() == 'x')) s.remove_suffix(1);
  return AllDigits(s);
}

// The national number of +86 or 0086 followed by a mobile number.
std::string WithoutCountryCode(const std::string& s) {
  for (const std::string_view code : {std::string_view("+86"), std::string_view("0086")}) {
    if (s.size() == code.size() + 11 && s.compare(0, code.size(), code) == 0 && IsMobile(s.substr(code.size()))) {
      return s.substr(code.size());
    }
  }
  return s;
}

TClassified Make(TInputKind kind, std::string value) { return {kind, std::move(value), {}}; }
TClassified Refuse(std::string reason) { return {TInputKind::Refused, {}, std::move(reason)}; }

TClassified Forced(const std::string& text, TForcedKind as) {
  const std::string number = WithoutCountryCode(Compact(text));
  switch (as) {
    case TForcedKind::Mobile:
      return IsMobile(number) ? Make(TInputKind::Mobile, number) : Refuse("不是11位手机号码");
    case TForcedKind::IdNumber:
      return IsIdNumber(number) ? Make(TInputKind::IdNumber, number) : Refuse("不是15位或18位身份证号码");
    case TForcedKind::DivisionCode:
      return IsDivisionCode(number) ? Make(TInputKind::DivisionCode, number) : Refuse("不是6位行政区划代码");
    case TForcedKind::AreaCode:
      return IsAreaCode(number) ? Make(TInputKind::AreaCode, number) : Refuse("不是区号(0加2或3位数字)");
    default: return Make(TInputKind::Text, text);
  }
}

}  // namespace

std::string_view KindName(TInputKind kind) {
  switch (kind) {
    case TInputKind::Mobile: return "mobile";
    case TInputKind::IdNumber: return "id";
    case TInputKind::DivisionCode: return "division_code";
    case TInputKind::AreaCode: return "area_code";
    case TInputKind::Text: return "text";
    default: return "";
  }
}

TClassified Classify(std::string_view line, TForcedKind as) {
  const std::string text = Trim(line);
  if (text.empty()) return {};
  if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; })) {
    return Refuse("含有控制字符");
  }
  if (text.size() > kMaxInputBytes) return Refuse("输入过长(超过" + std::to_string(kMaxInputBytes) + "字节)");
  if (as == TForcedKind::Text) return Make(TInputKind::Text, text);
  if (as != TForcedKind::Auto) return Forced(text, as);

  const std::string compact = Compact(text);
  if (!LooksLikeNumber(compact)) {
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const auto digit = std::find_if(text.begin(), text.end(), IsDigit);
    // Digits among other ASCII characters are a mistyped number, not a
    // place name.
    if (ascii && digit != text.end()) {
      const auto odd = std::find_if(compact.begin(), compact.end(), [](char c) { return !IsDigit(c) && c != '+'; });
      return Refuse(std::string("号码中有无法识别的字符'") + (odd != compact.end() ? *odd : '+') + "'");
    }
    return Make(TInputKind::Text, text);
  }

  const std::string number = WithoutCountryCode(compact);
  if (IsMobile(number)) return Make(TInputKind::Mobile, number);
  if (number.front() == '+') return Refuse("+86或0086后应为11位手机号码");
  if (IsIdNumber(number)) {
    // 0086 and eleven digits is a mobile number; no region code starts with 0.
    if (number.size() == 15 && number[0] == '0') return Refuse("15位号码不是身份证号码(不能以0开头)");
    return Make(TInputKind::IdNumber, number);
  }
  const char last = number.back();
  if (last == 'X' || last == 'x') return Refuse("只有18位身份证号码的最后一位可以是X");
  if (IsDivisionCode(number)) return Make(TInputKind::DivisionCode, number);
  if (IsAreaCode(number)) return Make(TInputKind::AreaCode, number);
  if (number.size() == 11) return Refuse("11位号码不是手机号码(应以1开头)");
  return Refuse("无法识别的号码(" + std::to_string(number.size()) + "位数字)");
}

}  // namespace hm::query
