// Tokens of the form-description text (used by the reader only).
#pragma once

#include <string>
#include <string_view>

namespace hm::description {

enum class Token { End, Identifier, Integer, Float, String, Symbol };

struct Lexeme {
  Token kind = Token::End;
  std::string text;  // identifier, number as written, decoded string, or the symbol
  int line = 1;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  const Lexeme& Peek();
  Lexeme Next();
  int Line() { return Peek().line; }
  // After a '{': hex digits and white space up to the closing '}', as bytes.
  // Sets `error` for an odd digit count, a stray character or a missing '}'.
  std::string ReadHex(std::string& error);

 private:
  Lexeme Scan();
  void SkipSpace();
  // Reads 'quoted' parts, #nnn codes and '+' joins into one string.
  std::string ScanString();
  // A '#nnn' code at pos_.
  char32_t ScanCharCode();

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  bool peeked_ = false;
  Lexeme next_;
};

}  // namespace hm::description
