// TSkinReader: unpacks a stored skin archive and hands out its members.
//
// Stored archive: int32 unpacked size U, then an LZH stream decoding to U
// bytes. Unpacked: int32 version (20000), int32 name text length L, 8
// reserved bytes, L bytes of names (one per line), one int32 size per name,
// then the members' bytes back to back in the order of the names. All
// integers little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "framework/core/stream.h"
#include "framework/core/string_list.h"

namespace hm {

inline constexpr std::int32_t kSkinArchiveVersion = 20000;
inline constexpr int kSkinMaxMembers = 1001;
inline constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
 public:
  // Shows a message to the user, modally; the reader is portable and
  // leaves the how to its owner. Unset, messages are dropped.
  std::function<void(const std::string& text)> OnMessage;

  // Decompresses and indexes the archive. False, with the version message,
  // when the version is not 20000; false, silently, when the archive is
  // damaged beyond use (sizes that contradict the data, too many members).
  bool Load(TStream& archive);

  // The member whose name equals `name` (ASCII case ignored); `out` is
  // cleared and stays empty when there is none.
  void FindMember(std::string_view name, TMemoryStream& out) const;
  // The first member whose lower-case name contains `text` as it is given;
  // `memberName` is left alone when none does.
  void FindMemberContaining(std::string_view text, TMemoryStream& out, std::string& memberName) const;

  const TStringList& Names() const { return names_; }
  int Count() const { return count_; }
  std::int32_t Version() const { return version_; }

 private:
  // Walks the members in order; a member whose size is negative or runs
  // past the data reads as empty.
  template <typename Match>
  bool CopyFirstMember(Match match, TMemoryStream& out, std::string* memberName) const;
  void Clear();

  TStringList names_;
  int count_ = 0;
  std::array<std::int32_t, kSkinMaxMembers> sizes_{};
  TMemoryStream data_;
  std::int32_t version_ = 0;
  std::int32_t nameLength_ = 0;
  std::array<std::uint8_t, 8> reserved_{};
};

}  // namespace hm
