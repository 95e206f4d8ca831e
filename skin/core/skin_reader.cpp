#include "skin/core/skin_reader.h"

#include <cstring>

#include "skin/core/ascii_text.h"
#include "skin/core/lzh.h"
#include "skin/core/lzh_tables.h"

namespace hm {

namespace {

constexpr std::int64_t kHeaderSize = 16;

// A literal costs at least one bit and a match of at most 60 bytes at
// least ten (its length symbol and a position of 9 or more bits), so no
// honest stream unpacks to more than 6 bytes per bit; larger claims are
// refused before any memory is spent on them.
std::int64_t MaxUnpackedSize(std::int64_t compressedBytes) { return compressedBytes * 8 * 6 + lzh::F; }

std::int32_t Int32At(const char* p) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(p);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

}  // namespace

void TSkinReader::Clear() {
  names_.Clear();
  count_ = 0;
  sizes_.fill(0);
  data_.Clear();
}

bool TSkinReader::Load(TStream& archive) {
  Clear();

  // Stored: the unpacked size, then the LZH stream.
  TMemoryStream unpacked;
  archive.SetPosition(0);
  const std::int64_t archiveSize = archive.Size();
  if (archiveSize < 4) return false;
  const std::int32_t size = archive.ReadInt32();
  if (size > MaxUnpackedSize(archiveSize - 4)) return false;
  {
    TLZH codec;
    codec.InputStream = &archive;
    codec.OutputStream = &unpacked;
    codec.Decode(size);
  }

  // Header: version, name text length, 8 reserved bytes.
  const std::string_view bytes = unpacked.Bytes();
  if (static_cast<std::int64_t>(bytes.size()) < kHeaderSize) return false;
  version_ = Int32At(bytes.data());
  nameLength_ = Int32At(bytes.data() + 4);
  std::memcpy(reserved_.data(), bytes.data() + 8, reserved_.size());
  if (version_ != kSkinArchiveVersion) {
    if (OnMessage) OnMessage(kOlderSkinMessage);
    return false;
  }

  // Names, one per line, then one size per name, then the member data.
  std::int64_t offset = kHeaderSize;
  if (nameLength_ < 0 || nameLength_ > static_cast<std::int64_t>(bytes.size()) - offset) return false;
  const std::string names =
      ascii::Lower(bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(nameLength_)));
  offset += nameLength_;
  std::vector<std::string> lines = SplitLines(names);
  if (lines.size() > static_cast<std::size_t>(kSkinMaxMembers)) return false;
  const std::int64_t count = static_cast<std::int64_t>(lines.size());
  if (count * 4 > static_cast<std::int64_t>(bytes.size()) - offset) return false;

  for (std::int64_t i = 0; i < count; ++i)
    sizes_[static_cast<std::size_t>(i)] = Int32At(bytes.data() + offset + 4 * i);
  offset += 4 * count;
  for (std::string& line : lines) names_.Add(line);
  count_ = static_cast<int>(count);
  data_.WriteBuffer(bytes.data() + offset, static_cast<std::int64_t>(bytes.size()) - offset);
  return true;
}

template <typename Match>
bool TSkinReader::CopyFirstMember(Match match, TMemoryStream& out, std::string* memberName) const {
  out.Clear();
  const std::int64_t dataSize = static_cast<std::int64_t>(data_.Bytes().size());
  std::int64_t offset = 0;
  for (int i = 0; i < count_; ++i) {
    const std::int64_t size = sizes_[static_cast<std::size_t>(i)];
    const std::string name = names_.Get(i);
    if (match(name)) {
      if (size > 0 && offset + size <= dataSize) {
        out.WriteBuffer(data_.Bytes().data() + offset, size);
        out.SetPosition(0);
      }
      if (memberName) *memberName = name;
      return true;
    }
    if (size > 0) offset += size;
  }
  return false;
}

void TSkinReader::FindMember(std::string_view name, TMemoryStream& out) const {
  const std::string wanted = ascii::Lower(name);
  CopyFirstMember([&](const std::string& member) { return member == wanted; }, out, nullptr);
}

void TSkinReader::FindMemberContaining(std::string_view text, TMemoryStream& out, std::string& memberName) const {
  CopyFirstMember([&](const std::string& member) { return member.find(text) != std::string::npos; }, out,
                  &memberName);
}

}  // namespace hm
