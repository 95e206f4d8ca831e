// TQuickIni: read-only INI text of a skin. Keeps the meaningful lines,
// trimmed, and the section headers with their line numbers; queries scan one
// section. Text is 8-bit and is not converted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hm {

class TStream;
class TStringList;

class TQuickIni {
 public:
  // Replaces the content with the text from the stream's position to its end.
  void Load(TStream& stream);
  void LoadFromText(std::string_view text);

  // Index in the kept lines of the first header that names the section
  // (letter case ignored, blanks inside the brackets count), or -1.
  int FindSection(std::string_view name) const;

  // The first line of the section whose key equals `key` (letter case
  // ignored) decides: its non-empty value, else `defaultValue`.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  // Decimal with optional sign, "$1F" or "0x1F"; anything else gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
  // Section names without brackets, in file order.
  void ReadSections(TStringList& list) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  std::vector<std::pair<std::string, int>> sections_;  // header, index in lines_
};

}  // namespace hm
