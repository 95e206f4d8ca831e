// A skin's INI and a bitmap member through the portable half of the skin
// loader: the INI reader, the value rules and the frame rules that turn image
// sizes into frames (the loader itself fills Windows bitmaps). The input is
// the INI text; after its first NUL (where the INI ends) come the bytes of
// the member every bitmap value resolves to, decoded as the loader does.
//
// Checked: the kept lines read again as they are, however the lines end;
// queries ignore letter case and answer trimmed values or the default;
// colour text and bitmap names follow their documented rules (references
// below); frame counts are in range and the MDI buttons' cuts stay inside
// their image, one after another.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/ui/portable/bmp_format.h"
#include "skin/core/quick_ini.h"
#include "skin/core/skin_values.h"

namespace {

using namespace hm;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s\n[%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string SwapCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 32);
    else if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c + 32);
  }
  return out;
}

// Colour text as documented: runs of digits, each ended by another
// character, are red, green and blue in turn; a final run counts after
// exactly two; a run beyond 32 bits ends the reading.
TColor ReferenceColour(std::string_view text, TColor defaultColour) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return defaultColour;
  std::array<std::int64_t, 3> rgb{};
  int stored = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsDigit(text[i])) {
      ++i;
      continue;
    }
    std::int64_t value = 0;
    bool big = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      value = value * 10 + (text[i] - '0');
      if (value > 0x7FFFFFFF) big = true, value = 0x7FFFFFFF;
    }
    if (big) break;
    const bool ended = i < text.size();
    if (ended ? stored < 3 : stored == 2) rgb[static_cast<std::size_t>(stored++)] = value;
  }
  return static_cast<TColor>(rgb[0] % 256 | (rgb[1] % 256) << 8 | (rgb[2] % 256) << 16);
}

// The member a bitmap value names: after the last '\' or ':' that starts a
// character (a GBK lead byte takes the next byte with it), ending ".bmp".
std::optional<std::string> ReferenceMember(std::string_view value) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto b = static_cast<unsigned char>(value[i]);
    if (b >= 0x81 && b <= 0xFE && i + 1 < value.size())
      ++i;
    else if (b == '\\' || b == ':')
      start = i + 1;
  }
  const std::string_view name = value.substr(start);
  if (!name.ends_with(".bmp")) return std::nullopt;
  return std::string(name);
}

void CheckValue(std::string_view value) {
  constexpr TColor kDefault = static_cast<TColor>(0x7F000001);
  if (ParseSkinColour(value, kDefault) != ReferenceColour(value, kDefault)) Fail("colour text misread", value);
  if (SkinBitmapMember(value) != ReferenceMember(value)) Fail("bitmap member misnamed", value);
}

void CheckSectionKinds(std::string_view name) {
  const bool button = IsCaptionButtonSection(name);
  const bool colour = IsColourTableSection(name);
  const std::string swapped = SwapCase(name);
  if (IsCaptionButtonSection(swapped) != button || IsColourTableSection(swapped) != colour)
    Fail("a section's kind depends on letter case", name);
  if (button && colour) Fail("a section is both a caption button and a colour", name);
}

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
    const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

// A kept header naming `section` once the blanks inside its brackets are
// trimmed.
bool HasBlankInsideBrackets(const TQuickIni& ini, std::string_view section) {
  for (const std::string& line : ini.Lines()) {
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') continue;
    std::string_view inner = std::string_view(line).substr(1, line.size() - 2);
    const std::string_view untrimmed = inner;
    while (!inner.empty() && IsBlank(inner.front())) inner.remove_prefix(1);
    while (!inner.empty() && IsBlank(inner.back())) inner.remove_suffix(1);
    if (inner.size() != untrimmed.size() && SameAscii(inner, section)) return true;
  }
  return false;
}

// Frames from an image of w x h pixels (0 x 0: no image).
void CheckFrames(int w, int h, std::int32_t action) {
  const int frames = CaptionButtonFrameCount(w, h, action);
  if (frames != 3 && frames != 6) Fail("caption button frames neither 3 nor 6", std::to_string(frames));
  if (frames == 3 && (action < 0 || w <= 0 || h <= 0)) Fail("3 frames without an image or with a negative action", "");

  if (w > 0) {
    int end = 0;
    int width = -1;
    for (int i = 0; i < 3; ++i) {
      const TMdiButtonCut cut = MdiButtonCut(w, i);
      if (cut.left != end || cut.width < 0 || cut.left + cut.width > w) Fail("an MDI button cut outside its image", "");
      if (width >= 0 && cut.width != width) Fail("MDI button cuts of unequal widths", "");
      width = cut.width;
      end = cut.left + cut.width;
    }
    if (w - end >= 12) Fail("MDI button cuts leave a frame unused", std::to_string(w));
  }

  const int checks = CheckFrameCount(w, h);
  const int frame = h < 16 ? 13 : 16;
  if (checks < 4 || (checks > 4 && (checks * frame > w || (checks + 1) * frame <= w)))
    Fail("check frames do not fit the image", std::to_string(checks));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  TQuickIni ini;
  ini.LoadFromText(input);

  // The kept lines, joined again with every kind of line end, comments and
  // indents, are the same lines.
  std::string again;
  static constexpr std::string_view kEnds[] = {"\n", "\r\n", "\r"};
  for (std::size_t i = 0; i < ini.Lines().size(); ++i) {
    const std::string& line = ini.Lines()[i];
    if (line.empty() || line.front() == ';' || IsBlank(line.front()) || IsBlank(line.back()) ||
        line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
      Fail("a kept line is empty, a comment or not trimmed", line);
    again += i % 2 ? "\t" : "";
    again += line;
    again += kEnds[i % 3];
    if (i % 4 == 3) again += "; a comment\r\n\r\n";
  }
  TQuickIni reread;
  reread.LoadFromText(again);
  if (reread.Lines() != ini.Lines()) Fail("the kept lines read again differ", again);

  TStringList sections;
  ini.ReadSections(sections);
  std::int32_t action = 0;
  // Bounded, so one input stays fast: each query scans a section.
  for (int s = 0; s < sections.Count() && s < 8; ++s) {
    const std::string section = sections.Get(s);
    CheckSectionKinds(section);
    if (IsCaptionButtonSection(section)) action = ini.ReadInteger(section, "Action", 0);
    const int header = ini.FindSection(section);
    if (header < 0) {
      // Blanks inside the brackets count when a section is looked up, not
      // when sections are listed: such a section reads only defaults.
      if (!HasBlankInsideBrackets(ini, section)) Fail("a listed section is not found", section);
      if (ini.ReadString(section, "Action", "\x01") != "\x01") Fail("a section not found answers a value", section);
      continue;
    }
    for (std::size_t i = static_cast<std::size_t>(header) + 1;
         i < ini.Lines().size() && i < static_cast<std::size_t>(header) + 17; ++i) {
      const std::string& line = ini.Lines()[i];
      if (line.front() == '[' && line.back() == ']') break;
      const std::string key = line.substr(0, line.find('='));
      const std::string value = ini.ReadString(section, key, "\x01");
      if (value != "\x01" && (value.empty() || IsBlank(value.front()) || IsBlank(value.back())))
        Fail("a value is empty or not trimmed", value);
      if (ini.ReadString(SwapCase(section), SwapCase(key), "\x01") != value) Fail("letter case changes a value", key);
      const std::int32_t one = ini.ReadInteger(section, key, 1);
      const std::int32_t two = ini.ReadInteger(section, key, 2);
      if (one != two && (one != 1 || two != 2)) Fail("an integer depends on the default", value);
      if (value == "\x01" && one != 1) Fail("an integer without a value", key);
      CheckValue(value);
    }
  }

  // Every bitmap value names the one member; a member that is no bitmap
  // counts as none, as in the loader.
  int w = 0;
  int h = 0;
  if (const std::size_t nul = input.find('\0'); nul != std::string_view::npos) {
    try {
      const BmpImage image = DecodeBmp(data + nul + 1, size - nul - 1);
      w = image.width;
      h = image.height;
    } catch (const EInvalidGraphic&) {
    }
  }
  CheckFrames(w, h, action);
  CheckFrames(w, h, -1);
  CheckFrames(0, 0, action);
  return 0;
}
