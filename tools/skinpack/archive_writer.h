// Writes stored skin archives: the member table and data, unpacked, then
// compressed behind its 32-bit size. The reserved header words are zero.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hm {

struct TSkinMember {
  std::string name;  // plain file name, kept as given; readers ignore ASCII case
  std::vector<std::uint8_t> data;
};

// Raises Exception when the members cannot be stored: more than 1001, an
// empty name or one with a line break or NUL, two names equal but for ASCII
// case, or more than 2 GB in all.
std::vector<std::uint8_t> BuildUnpackedArchive(const std::vector<TSkinMember>& members);
std::vector<std::uint8_t> BuildStoredArchive(const std::vector<TSkinMember>& members);

// The stored form of any unpacked bytes (size word + LZH stream).
std::vector<std::uint8_t> CompressArchive(const std::vector<std::uint8_t>& unpacked);

}  // namespace hm
