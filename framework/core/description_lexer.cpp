#include "framework/core/description_lexer.h"

#include "framework/core/exception.h"
#include "framework/core/text.h"

namespace hm::description {
namespace {

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

}  // namespace

const Lexeme& Lexer::Peek() {
  if (!peeked_) {
    next_ = Scan();
    peeked_ = true;
  }
  return next_;
}

Lexeme Lexer::Next() {
  Peek();
  peeked_ = false;
  return std::move(next_);
}

void Lexer::SkipSpace() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (static_cast<unsigned char>(c) <= 32) {
      ++pos_;
    } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else {
      break;
    }
  }
}

Lexeme Lexer::Scan() {
  SkipSpace();
  Lexeme t;
  t.line = line_;
  if (pos_ >= text_.size()) return t;
  const char c = text_[pos_];
  if (IsAlpha(c)) {
    const size_t start = pos_;
    while (pos_ < text_.size() && (IsAlpha(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
    t.kind = Token::Identifier;
    t.text = std::string(text_.substr(start, pos_ - start));
  } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && pos_ + 1 < text_.size() &&
                                          (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
    const size_t start = pos_++;
    t.kind = Token::Integer;
    while (pos_ < text_.size() && (IsHex(text_[pos_]) || text_[pos_] == '$' || text_[pos_] == '.')) {
      if (text_[pos_] == '.') t.kind = Token::Float;
      ++pos_;
    }
    t.text = std::string(text_.substr(start, pos_ - start));
  } else if (c == '\'' || c == '#') {
    t.kind = Token::String;
    t.text = ScanString();
  } else {
    t.kind = Token::Symbol;
    t.text = std::string(1, c);
    ++pos_;
  }
  return t;
}

std::string Lexer::ScanString() {
  std::string out;
  for (;;) {
    if (pos_ < text_.size() && text_[pos_] == '\'') {
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
          throw EReadError("Unterminated string");
        if (text_[pos_] == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            out += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        out += text_[pos_++];
      }
    } else if (pos_ < text_.size() && text_[pos_] == '#') {
      char32_t code = ScanCharCode();
      // Writers that count in UTF-16 units store a character beyond the
      // BMP as two codes (#55357#56832); a lone half is no character.
      if (code >= 0xD800 && code <= 0xDBFF && pos_ < text_.size() && text_[pos_] == '#') {
        const size_t save = pos_;
        const char32_t low = ScanCharCode();
        if (low >= 0xDC00 && low <= 0xDFFF) code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        else pos_ = save;
      }
      AppendUtf8(out, code >= 0xD800 && code <= 0xDFFF ? 0xFFFD : code);
    } else {
      // A '+' between string parts (possibly across lines) joins them.
      const size_t save = pos_;
      const int saveLine = line_;
      SkipSpace();
      if (pos_ < text_.size() && text_[pos_] == '+') {
        ++pos_;
        SkipSpace();
        if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
        throw EReadError("String expected after '+'");
      }
      pos_ = save;
      line_ = saveLine;
      return out;
    }
  }
}

char32_t Lexer::ScanCharCode() {
  ++pos_;  // '#'
  unsigned long code = 0;
  const size_t start = pos_;
  while (pos_ < text_.size() && IsDigit(text_[pos_]) && pos_ - start < 8) code = code * 10 + (text_[pos_++] - '0');
  if (pos_ == start || code > 0x10FFFF) throw EReadError("Invalid character code in string");
  return static_cast<char32_t>(code);
}

std::string Lexer::ReadHex(std::string& error) {
  peeked_ = false;  // the caller consumed '{'; hex is read from here on
  std::string bytes;
  int high = -1;
  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '}') {
      if (high >= 0) error = "Odd number of hex digits in binary data";
      return bytes;
    }
    if (c == '\n') {
      ++line_;
      continue;
    }
    if (static_cast<unsigned char>(c) <= 32) continue;
    if (!IsHex(c)) {
      error = std::string("Invalid character '") + c + "' in binary data";
      return bytes;
    }
    if (high < 0) {
      high = HexValue(c);
    } else {
      bytes += static_cast<char>((high << 4) | HexValue(c));
      high = -1;
    }
  }
  error = "Binary data is not closed by '}'";
  return bytes;
}

}  // namespace hm::description
