// Edit masks: "body;save-literals;blank". In the body 0 is a required
// digit, 9 an optional one, # an optional digit or sign, L/l a required/
// optional letter, A/a a letter or digit, C/c any character; > and < turn
// what follows to upper/lower case, <> ends that; \ makes the next
// character a literal, _ stands for a space; everything else is a literal.
// Each position holds one UTF-16 unit, so Chinese text fits character by
// character.
#pragma once

#include <string>
#include <vector>

namespace hm {

class TEditMask {
 public:
  enum class Kind { Literal, Digit, OptDigit, DigitSign, Letter, OptLetter, AlNum, OptAlNum, Any, OptAny };
  struct Position {
    Kind kind = Kind::Literal;
    char16_t literal = 0;
    int letter_case = 0;  // 0 as typed, 1 upper, 2 lower
  };

  TEditMask() = default;
  explicit TEditMask(const std::string& mask);

  bool Empty() const { return positions_.empty(); }
  int Size() const { return static_cast<int>(positions_.size()); }
  const Position& At(int i) const { return positions_[static_cast<std::size_t>(i)]; }
  bool SaveLiterals() const { return save_literals_; }
  char16_t Blank() const { return blank_; }

  bool IsLiteral(int i) const { return At(i).kind == Kind::Literal; }
  bool IsRequired(int i) const;
  // The character as it is stored at position i, or 0 when it does not fit.
  char16_t Accept(int i, char16_t c) const;

  // The edit text (one unit per position) for a value: with save-literals
  // the value carries the literals, without it only the entered characters.
  std::u16string Format(std::u16string_view value) const;
  // The value of an edit text, by the same rule; blanks read as spaces.
  std::u16string Value(std::u16string_view edit_text) const;
  // The first required position left blank, or -1.
  int FirstMissing(std::u16string_view edit_text) const;

 private:
  std::vector<Position> positions_;
  bool save_literals_ = true;
  char16_t blank_ = u'_';
};

}  // namespace hm
