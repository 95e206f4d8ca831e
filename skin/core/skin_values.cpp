#include "skin/core/skin_values.h"

#include <algorithm>
#include <array>

#include "framework/core/text.h"
#include "skin/core/ascii_text.h"

namespace hm {

namespace {

constexpr std::int64_t kMaxRun = 2147483647;

// A run of digits as a 32-bit integer; nothing when it does not fit.
std::optional<std::int32_t> RunValue(std::string_view run) {
  std::int64_t value = 0;
  for (char c : run) {
    value = value * 10 + (c - '0');
    if (value > kMaxRun) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TColor ParseSkinColour(std::string_view text, TColor defaultColour) {
  text = ascii::Trim(text);
  if (text.empty()) return defaultColour;
  std::array<std::int32_t, 3> rgb{};
  int stored = 0;
  std::string run;
  for (char c : text) {
    if (IsDigit(c)) {
      run += c;
      continue;
    }
    if (run.empty()) continue;
    const std::optional<std::int32_t> value = RunValue(run);
    if (!value) continue;  // kept: the run only grows and never fits again
    if (stored < 3) rgb[static_cast<std::size_t>(stored++)] = *value;
    run.clear();
  }
  if (stored == 2 && !run.empty()) {
    if (const std::optional<std::int32_t> value = RunValue(run)) rgb[2] = *value;
  }
  return static_cast<TColor>((rgb[0] % 256) | (rgb[1] % 256) << 8 | (rgb[2] % 256) << 16);
}

TColor SkinRgb(std::int32_t red, std::int32_t green, std::int32_t blue) {
  if (red < 0 || green < 0 || blue < 0) return clNone;
  return static_cast<TColor>((red % 256) | (green % 256) << 8 | (blue % 256) << 16);
}

std::optional<std::string> SkinBitmapMember(std::string_view value) {
  const std::size_t cut = GbkLastDelimiter(value, "\\:");
  const std::string_view name = cut == std::string_view::npos ? value : value.substr(cut + 1);
  if (name.empty()) return std::nullopt;
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.substr(dot) != ".bmp") return std::nullopt;
  return std::string(name);
}

bool IsCaptionButtonSection(std::string_view section) {
  const std::string upper = UpperCase(section);
  if (!upper.starts_with("BUTTON")) return false;
  return upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

int CaptionButtonFrameCount(int width, int height, std::int32_t action) {
  int frames = 6;
  // width / height <= 3.8, in integers so 3.8 itself is not lost to rounding
  if (width > 0 && height > 0)
    frames = std::int64_t{width} * 10 <= std::int64_t{height} * 38 ? 3 : 6;
  if (action < 0) frames = 6;
  return frames;
}

TMdiButtonCut MdiButtonCut(int imageWidth, int index) {
  const int frame = imageWidth / 12;
  return {4 * frame * index, 4 * frame, (3 - index) * (frame + 4)};
}

int CheckFrameCount(int width, int height) {
  const int frame = height < 16 ? 13 : 16;
  return std::max(width / frame, 4);
}

bool IsColourTableSection(std::string_view section) {
  const std::string upper = UpperCase(section);
  return upper.starts_with("COLOUR") && upper != "COLOURS";
}

}  // namespace hm
