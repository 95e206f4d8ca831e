// Any text given to the form reader either reads or raises
// EDescriptionError, and a failed read leaves nothing it created behind.
// What was read, written and read again is written the same: the writer
// only writes what the reader accepts, and nothing changes on the way.
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
