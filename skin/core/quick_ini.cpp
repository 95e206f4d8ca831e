#include "skin/core/quick_ini.h"

#include <algorithm>

#include "framework/core/convert.h"
#include "framework/core/stream.h"
#include "framework/core/string_list.h"
#include "skin/core/ascii_text.h"

namespace hm {

namespace {

bool IsSectionHeader(std::string_view line) {
  return !line.empty() && line.front() == '[' && line.back() == ']';
}

}  // namespace

void TQuickIni::Load(TStream& stream) {
  std::string text;
  const std::int64_t left = stream.Size() - stream.Position();
  if (left > 0) {
    text.resize(static_cast<std::size_t>(left));
    text.resize(static_cast<std::size_t>(stream.Read(text.data(), left)));
  }
  LoadFromText(text);
}

void TQuickIni::LoadFromText(std::string_view text) {
  lines_.clear();
  sections_.clear();
  // A NUL ends the text; after a line, one CR and then one LF are skipped,
  // so CR LF, CR and LF all end a line (and LF CR ends two).
  text = text.substr(0, text.find('\0'));
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    const std::string_view line = ascii::Trim(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;  // comments are whole lines
    lines_.emplace_back(line);
    if (IsSectionHeader(line)) sections_.emplace_back(line, static_cast<int>(lines_.size()) - 1);
  }
}

int TQuickIni::FindSection(std::string_view name) const {
  std::string header = "[";
  header += name;
  header += ']';
  for (const auto& [text, index] : sections_)
    if (ascii::SameText(text, header)) return index;
  return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
  std::string result(defaultValue);
  const std::string wanted = ascii::Lower(key);
  if (lines_.empty()) return result;
  const int header = FindSection(section);
  if (header < 0) return result;

  for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (IsSectionHeader(line)) break;
    const std::size_t equals = line.find('=');
    const std::string_view lineKey = equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
    if (ascii::Lower(ascii::Trim(lineKey)) != wanted) continue;
    // The first line with the key decides, even when its value is empty.
    const std::string_view value =
        ascii::Trim(equals == std::string_view::npos ? line : line.substr(equals + 1));
    if (!value.empty()) result = value;
    break;
  }
  return result;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
  std::string s = ReadString(section, key, "");
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");
  return StrToIntDef(s, defaultValue);
}

void TQuickIni::ReadSections(TStringList& list) const {
  list.Clear();
  for (const auto& [text, index] : sections_) {
    std::string_view name = ascii::Trim(text);
    name = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string_view();
    list.Add(std::string(ascii::Trim(name)));
  }
}

}  // namespace hm
