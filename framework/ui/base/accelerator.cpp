#include "framework/ui/base/accelerator.h"

#include <cwctype>

#include "framework/core/text.h"

namespace hm {

bool IsAccelerator(WPARAM character, const std::string& caption) {
  const std::u16string text = Utf8ToUtf16(caption);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return std::towupper(static_cast<wchar_t>(text[i + 1])) == std::towupper(static_cast<wchar_t>(character));
  }
  return false;
}

}  // namespace hm
