#include "tools/skingen/look.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

namespace hm::skingen {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::runtime_error("look line " + std::to_string(line) + ": " + what);
}

int Channel(std::string_view word, int line) {
  int v = -1;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || end != word.data() + word.size() || v < 0 || v > 255)
    Fail(line, "colour channel \"" + std::string(word) + "\" is not 0..255");
  return v;
}

}  // namespace

char TGlyph::Cell(int x, int y) const {
  if (y < 0 || y >= Height() || x < 0 || x >= Width()) return '.';
  return rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

int TGlyph::Coverage(int x, int y) const {
  switch (Cell(x, y)) {
    case '#': return 255;
    case 'o': return 170;
    case '+': return 85;
    default: return 0;
  }
}

TGlyph TGlyph::MirroredX() const {
  std::vector<std::string> rows = rows_;
  for (std::string& row : rows) row.assign(row.rbegin(), row.rend());
  return TGlyph(std::move(rows));
}

TGlyph TGlyph::Transposed() const {
  std::vector<std::string> rows(static_cast<std::size_t>(Width()), std::string(static_cast<std::size_t>(Height()), '.'));
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) rows[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = Cell(x, y);
  return TGlyph(std::move(rows));
}

TLook TLook::Parse(std::string_view text) {
  TLook look;
  std::istringstream in{std::string(text)};
  std::string raw;
  int line = 0;
  std::string glyphName;
  int glyphLine = 0;
  std::vector<std::string> rows;
  while (std::getline(in, raw)) {
    ++line;
    const std::string_view s = Trim(raw);
    if (!glyphName.empty()) {
      if (s == "end") {
        if (rows.empty()) Fail(line, "glyph \"" + glyphName + "\" has no rows");
        look.glyphs_[glyphName] = TGlyph(std::move(rows));
        rows.clear();
        glyphName.clear();
      } else if (s.empty() || s.find_first_of(" \t") != std::string_view::npos) {
        Fail(line, "glyph rows are one word of pixels");
      } else if (!rows.empty() && s.size() != rows.front().size()) {
        Fail(line, "glyph \"" + glyphName + "\" has rows of different lengths");
      } else {
        rows.emplace_back(s);
      }
      continue;
    }
    if (s.empty() || s.front() == '#') continue;
    const std::vector<std::string_view> w = Words(s);
    if (w[0] == "colour") {
      if (w.size() != 5) Fail(line, "colour takes a name and three channels");
      const std::string name(w[1]);
      if (look.colours_.count(name)) Fail(line, "colour \"" + name + "\" given twice");
      look.colours_[name] = TRgb{static_cast<std::uint8_t>(Channel(w[2], line)),
                                 static_cast<std::uint8_t>(Channel(w[3], line)),
                                 static_cast<std::uint8_t>(Channel(w[4], line))};
    } else if (w[0] == "glyph") {
      if (w.size() != 2) Fail(line, "glyph takes one name");
      glyphName = std::string(w[1]);
      glyphLine = line;
      if (look.glyphs_.count(glyphName)) Fail(line, "glyph \"" + glyphName + "\" given twice");
    } else {
      Fail(line, "unknown statement \"" + std::string(w[0]) + "\"");
    }
  }
  if (!glyphName.empty()) Fail(glyphLine, "glyph \"" + glyphName + "\" has no end");
  return look;
}

TRgb TLook::Colour(const std::string& name) const {
  const auto it = colours_.find(name);
  if (it == colours_.end()) throw std::runtime_error("the look has no colour \"" + name + "\"");
  return it->second;
}

const TGlyph& TLook::Glyph(const std::string& name) const {
  const auto it = glyphs_.find(name);
  if (it == glyphs_.end()) throw std::runtime_error("the look has no glyph \"" + name + "\"");
  return it->second;
}

}  // namespace hm::skingen
