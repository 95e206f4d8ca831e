#include "framework/ui/portable/edit_mask.h"

#include "framework/core/text.h"

namespace hm {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return IsAnsiLetter(c); }

char16_t ToCase(char16_t c, int letter_case) {
  if (letter_case == 1) return static_cast<char16_t>(AnsiUpperChar(c));
  if (letter_case == 2) return static_cast<char16_t>(AnsiLowerChar(c));
  return c;
}

}  // namespace

TEditMask::TEditMask(const std::string& mask) {
  std::u16string body = Utf8ToUtf16(mask);
  // The two trailing fields, when present: ";1;_".
  auto split_last = [&body](std::u16string& field) {
    const std::size_t at = body.rfind(u';');
    if (at == std::u16string::npos || (at > 0 && body[at - 1] == u'\\')) return false;
    field = body.substr(at + 1);
    body.resize(at);
    return true;
  };
  std::u16string blank, save;
  if (split_last(blank)) {
    if (split_last(save)) {
      save_literals_ = save != u"0";
    } else {
      // Only one field: it is the save-literals one.
      save_literals_ = blank != u"0";
      blank.clear();
    }
    if (!blank.empty()) blank_ = blank[0];
  }

  int letter_case = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char16_t c = body[i];
    Position p;
    p.letter_case = letter_case;
    switch (c) {
      case u'>':
        letter_case = 1;
        continue;
      case u'<':
        if (i + 1 < body.size() && body[i + 1] == u'>') {
          ++i;
          letter_case = 0;
        } else {
          letter_case = 2;
        }
        continue;
      case u'!': continue;  // blank direction: not kept, text is left-aligned
      case u'\\':
        if (++i >= body.size()) continue;
        p.literal = body[i];
        break;
      case u'0': p.kind = Kind::Digit; break;
      case u'9': p.kind = Kind::OptDigit; break;
      case u'#': p.kind = Kind::DigitSign; break;
      case u'L': p.kind = Kind::Letter; break;
      case u'l': p.kind = Kind::OptLetter; break;
      case u'A': p.kind = Kind::AlNum; break;
      case u'a': p.kind = Kind::OptAlNum; break;
      case u'C': p.kind = Kind::Any; break;
      case u'c': p.kind = Kind::OptAny; break;
      case u'_': p.literal = u' '; break;
      default: p.literal = c; break;
    }
    positions_.push_back(p);
  }
}

bool TEditMask::IsRequired(int i) const {
  switch (At(i).kind) {
    case Kind::Digit:
    case Kind::Letter:
    case Kind::AlNum:
    case Kind::Any: return true;
    default: return false;
  }
}

char16_t TEditMask::Accept(int i, char16_t c) const {
  const Position& p = At(i);
  bool ok = false;
  switch (p.kind) {
    case Kind::Literal: return 0;
    case Kind::Digit:
    case Kind::OptDigit: ok = IsDigit(c); break;
    case Kind::DigitSign: ok = IsDigit(c) || c == u'+' || c == u'-'; break;
    case Kind::Letter:
    case Kind::OptLetter: ok = IsLetter(c); break;
    case Kind::AlNum:
    case Kind::OptAlNum: ok = IsLetter(c) || IsDigit(c); break;
    case Kind::Any:
    case Kind::OptAny: ok = c >= u' '; break;
  }
  return ok ? ToCase(c, p.letter_case) : 0;
}

std::u16string TEditMask::Format(std::u16string_view value) const {
  std::u16string out;
  std::size_t next = 0;
  for (int i = 0; i < Size(); ++i) {
    const Position& p = At(i);
    if (p.kind == Kind::Literal) {
      out += p.literal;
      // A stored literal stands in the value at its own place.
      if (save_literals_ && next < value.size()) ++next;
      continue;
    }
    char16_t c = next < value.size() ? value[next++] : u' ';
    const char16_t accepted = c == u' ' || c == blank_ ? 0 : Accept(i, c);
    out += accepted ? accepted : blank_;
  }
  return out;
}

std::u16string TEditMask::Value(std::u16string_view edit_text) const {
  std::u16string out;
  for (int i = 0; i < Size() && static_cast<std::size_t>(i) < edit_text.size(); ++i) {
    const char16_t c = edit_text[static_cast<std::size_t>(i)];
    if (IsLiteral(i)) {
      if (save_literals_) out += c;
      continue;
    }
    out += c == blank_ ? u' ' : c;
  }
  if (!save_literals_) {
    while (!out.empty() && out.back() == u' ') out.pop_back();
  }
  return out;
}

int TEditMask::FirstMissing(std::u16string_view edit_text) const {
  for (int i = 0; i < Size(); ++i) {
    if (!IsRequired(i)) continue;
    if (static_cast<std::size_t>(i) >= edit_text.size() || edit_text[static_cast<std::size_t>(i)] == blank_) return i;
  }
  return -1;
}

}  // namespace hm
