// Any text given to the form reader either reads or raises
// EDescriptionError, and a failed read leaves nothing it created behind.
// What was read, written and read again is written the same: the writer
// only writes what the reader accepts, and nothing changes on the way.
// Valid UTF-8 read gives valid UTF-8 written.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/core/form_description.h"
#include "tests/framework/core/sample_classes.h"

namespace {

using namespace hm;
using namespace hm::sample;

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    char32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = cp << 6 | (c & 0x3F);
    }
    const char32_t min[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < min[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  RegisterClasses<TSampleControl, TSamplePanel, TSampleMemo, TSampleGrid, TSampleSource, TSampleSkin>();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string written;
  {
    auto form = MakeRoot<TSampleForm>();
    try {
      ReadComponent(*form, text);
    } catch (const EDescriptionError&) {
      if (form->ComponentCount() != 0) Fail("a failed read left components behind", std::string(text));
      if (form->ComponentState().Contains(csLoading)) Fail("a failed read left the root loading", std::string(text));
      return 0;
    }
    if (form->ComponentState().Contains(csLoading)) Fail("the root is still loading", std::string(text));
    written = WriteComponent(*form);
  }
  // Text in, text out: codes (#n) never make invalid UTF-8.
  if (IsValidUtf8(text) && !IsValidUtf8(written)) Fail("valid UTF-8 read, invalid UTF-8 written", written);

  auto again = MakeRoot<TSampleForm>();
  try {
    ReadComponent(*again, written);
  } catch (const EDescriptionError& e) {
    Fail("the written description does not read", std::string(e.what()) + "\n" + written);
  }
  const std::string rewritten = WriteComponent(*again);
  if (rewritten != written) Fail("written twice, not the same", written + "----\n" + rewritten);
  return 0;
}
