// The skin's look description: named colours and small pixel drawings
// (glyphs and corner masks), read from a text file so the look can be
// tuned without touching the drawing code.
//
//   # comment
//   colour NAME R G B
//   glyph NAME
//   ..##..          one text row per pixel row, all rows equally long
//   end
//
// In glyphs "." is empty, "+" a third, "o" two thirds and "#" full
// coverage; masks may use any other characters, read back as they are.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skingen/image.h"

namespace hm::skingen {

class TGlyph {
 public:
  TGlyph() = default;
  explicit TGlyph(std::vector<std::string> rows) : rows_(std::move(rows)) {}
  int Width() const { return rows_.empty() ? 0 : static_cast<int>(rows_.front().size()); }
  int Height() const { return static_cast<int>(rows_.size()); }
  char Cell(int x, int y) const;  // '.' outside
  int Coverage(int x, int y) const;  // 0..255
  TGlyph MirroredX() const;
  TGlyph Transposed() const;

 private:
  std::vector<std::string> rows_;
};

class TLook {
 public:
  // Raises std::runtime_error naming the line of the first fault.
  static TLook Parse(std::string_view text);

  // Raise std::runtime_error for a name the description lacks.
  TRgb Colour(const std::string& name) const;
  const TGlyph& Glyph(const std::string& name) const;

  const std::map<std::string, TRgb>& Colours() const { return colours_; }
  const std::map<std::string, TGlyph>& Glyphs() const { return glyphs_; }

 private:
  std::map<std::string, TRgb> colours_;
  std::map<std::string, TGlyph> glyphs_;
};

}  // namespace hm::skingen
