// Parameters and position tables of the LZHUF scheme the skin archives are
// compressed with. Every value is fixed by existing archives.
#pragma once

#include <array>
#include <cstdint>

namespace hm::lzh {

inline constexpr int N = 4096;              // ring buffer size
inline constexpr int F = 60;                // longest match
inline constexpr int THRESHOLD = 2;         // matches code lengths 3 .. F
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 256 literals + 58 lengths
inline constexpr int T = 2 * N_CHAR - 1;    // nodes of the Huffman tree
inline constexpr int R = T - 1;             // root node
inline constexpr unsigned MAX_FREQ = 0x8000;  // root count that halves the counts
inline constexpr unsigned RING_MASK = N - 1;
inline constexpr int RING_START = N - F;    // first write position; below it, spaces

// A position is coded as a prefix of 3 to 8 bits for its upper 6 bits,
// followed by its lower 6 bits verbatim. The decoding tables are indexed by
// the next 8 bits of input: d_code gives the upper 6 bits, d_len the prefix
// length. Runs: (upper-bit values, indexes each, prefix length).
struct PositionClass {
  int first, last, indexesEach, prefixBits;
};
inline constexpr std::array<PositionClass, 6> kPositionClasses{{
    {0, 0, 32, 3},
    {1, 3, 16, 4},
    {4, 11, 8, 5},
    {12, 23, 4, 6},
    {24, 47, 2, 7},
    {48, 63, 1, 8},
}};

struct PositionTables {
  std::array<std::uint8_t, 256> d_code{};
  std::array<std::uint8_t, 256> d_len{};
};

consteval PositionTables MakePositionTables() {
  PositionTables t;
  int index = 0;
  for (const PositionClass& cls : kPositionClasses)
    for (int upper = cls.first; upper <= cls.last; ++upper)
      for (int n = 0; n < cls.indexesEach; ++n, ++index) {
        t.d_code[index] = static_cast<std::uint8_t>(upper);
        t.d_len[index] = static_cast<std::uint8_t>(cls.prefixBits);
      }
  if (index != 256) throw "position tables must cover 256 indexes";
  return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();
inline constexpr const std::array<std::uint8_t, 256>& d_code = kPositionTables.d_code;
inline constexpr const std::array<std::uint8_t, 256>& d_len = kPositionTables.d_len;

}  // namespace hm::lzh
