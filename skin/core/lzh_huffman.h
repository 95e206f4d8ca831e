// The adaptive Huffman code of LZHUF for literals and match lengths. The
// decoder and the archive packer's encoder share it, so both sides evolve
// the same tree symbol by symbol.
#pragma once

#include <cstdint>

#include "skin/core/lzh_tables.h"

namespace hm::lzh {

// Nodes live in one array ordered by frequency; the two children of an
// internal node are always neighbours (son, son + 1). A son value >= T is a
// leaf for symbol son - T.
struct THuffmanTree {
  std::uint16_t freq[T + 1];       // freq[T] is a sentinel that stops scans
  std::int16_t prnt[T + N_CHAR];   // prnt[T + c] is the node of symbol c
  std::int16_t son[T];

  void StartHuff();
  // Counts one more occurrence of symbol c and restores the ordering.
  void Update(int c);
  // Halves every count and rebuilds the tree, before a count can overflow.
  void Reconstruct();
};

}  // namespace hm::lzh
