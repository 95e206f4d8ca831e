// A stored skin archive from anywhere: decoding and indexing it, and taking
// out its members and its INI, must stay inside the data.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/stream.h"
#include "skin/core/quick_ini.h"
#include "skin/core/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  hm::TMemoryStream archive(std::string_view(reinterpret_cast<const char*>(data), size));
  hm::TSkinReader reader;
  if (!reader.Load(archive)) return 0;

  hm::TMemoryStream member;
  std::string iniName;
  reader.FindMemberContaining(".ini", member, iniName);
  hm::TQuickIni ini;
  ini.Load(member);
  ini.ReadInteger("Personality", "LeftTopHeight", 0);
  for (int i = 0; i < reader.Count(); ++i) reader.FindMember(reader.Names().Get(i), member);
  return 0;
}
