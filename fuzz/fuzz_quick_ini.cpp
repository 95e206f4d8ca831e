// Any text is an INI: every query on it answers without faults.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/string_list.h"
#include "skin/core/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  hm::TQuickIni ini;
  ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  hm::TStringList sections;
  ini.ReadSections(sections);
  // Bounded, so one input stays fast: queries cost a scan of a section.
  for (int s = 0; s < sections.Count() && s < 16; ++s) {
    const std::string section = sections.Get(s);
    for (std::size_t i = 0; i < ini.Lines().size() && i < 64; ++i) {
      const std::string& line = ini.Lines()[i];
      const std::string key = line.substr(0, line.find('='));
      ini.ReadString(section, key, "default");
      ini.ReadInteger(section, key, -1);
    }
  }
  return 0;
}
