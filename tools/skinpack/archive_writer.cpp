#include "tools/skinpack/archive_writer.h"

#include <limits>
#include <set>

#include "framework/core/exception.h"
#include "skin/core/ascii_text.h"
#include "skin/core/skin_reader.h"
#include "tools/skinpack/lzh_encoder.h"

namespace hm {

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void CheckMembers(const std::vector<TSkinMember>& members) {
  if (members.size() > static_cast<std::size_t>(kSkinMaxMembers))
    throw Exception("a skin archive holds at most " + std::to_string(kSkinMaxMembers) + " members, not " +
                    std::to_string(members.size()));
  std::set<std::string> seen;
  for (const TSkinMember& m : members) {
    if (m.name.empty()) throw Exception("a member name must not be empty");
    if (m.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
      throw Exception("member name \"" + m.name + "\" holds a line break or NUL");
    if (!seen.insert(ascii::Lower(m.name)).second)
      throw Exception("member name \"" + m.name + "\" occurs twice (letter case is ignored)");
  }
}

}  // namespace

std::vector<std::uint8_t> BuildUnpackedArchive(const std::vector<TSkinMember>& members) {
  CheckMembers(members);
  std::string names;
  std::int64_t total = 16;
  for (const TSkinMember& m : members) {
    names += m.name;
    names += "\r\n";
    total += 4 + static_cast<std::int64_t>(m.data.size());
  }
  total += static_cast<std::int64_t>(names.size());
  if (total > std::numeric_limits<std::int32_t>::max()) throw Exception("the members exceed 2 GB");

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  PutInt32(out, kSkinArchiveVersion);
  PutInt32(out, static_cast<std::int64_t>(names.size()));
  PutInt32(out, 0);  // reserved
  PutInt32(out, 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TSkinMember& m : members) PutInt32(out, static_cast<std::int64_t>(m.data.size()));
  for (const TSkinMember& m : members) out.insert(out.end(), m.data.begin(), m.data.end());
  return out;
}

std::vector<std::uint8_t> CompressArchive(const std::vector<std::uint8_t>& unpacked) {
  if (unpacked.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw Exception("an archive unpacks to at most 2 GB");
  std::vector<std::uint8_t> out;
  PutInt32(out, static_cast<std::int64_t>(unpacked.size()));
  const std::vector<std::uint8_t> packed = LzhEncode(unpacked);
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

std::vector<std::uint8_t> BuildStoredArchive(const std::vector<TSkinMember>& members) {
  return CompressArchive(BuildUnpackedArchive(members));
}

}  // namespace hm
