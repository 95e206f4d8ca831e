// The skin's INI text as the archive stores it, and the check that it and
// the drawn bitmaps agree: a name the INI gives that no bitmap has would
// load as an empty image without a word, so the generator refuses it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hm::skingen {

// Every line ended by CR LF, including the last.
std::string WithCrLf(std::string_view text);

struct TBitmapKey {
  int line = 0;
  std::string section;
  std::string key;
  std::string value;
};

// Keys whose value ends in ".bmp" in any letter case (";" comment lines
// skipped).
std::vector<TBitmapKey> BitmapKeys(std::string_view ini);

// One message per fault: a bitmap value that the loader would not take
// (an extension not exactly ".bmp", a folder part) or that names no member,
// and a member that no key names. Member names compare ignoring ASCII case,
// as the archive does. Empty when the two agree.
std::vector<std::string> CheckBitmapKeys(std::string_view ini, const std::vector<std::string>& members);

}  // namespace hm::skingen
