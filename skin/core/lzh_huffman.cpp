#include "skin/core/lzh_huffman.h"

#include <algorithm>
#include <cstring>

namespace hm::lzh {

void THuffmanTree::StartHuff() {
  for (int i = 0; i < N_CHAR; ++i) {
    freq[i] = 1;
    son[i] = static_cast<std::int16_t>(i + T);
    prnt[i + T] = static_cast<std::int16_t>(i);
  }
  // Internal nodes pair up the nodes below them in order.
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<std::int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<std::int16_t>(j);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

void THuffmanTree::Reconstruct() {
  // Gather the leaves at the front with halved counts (rounded up, so none
  // drops to zero).
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  // Rebuild the internal nodes, each inserted where it keeps the array
  // sorted by frequency.
  for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
    const std::uint16_t f = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    freq[j] = f;
    int k = j - 1;
    while (f < freq[k]) --k;
    ++k;
    const std::size_t moved = static_cast<std::size_t>(j - k);
    std::memmove(&freq[k + 1], &freq[k], moved * sizeof freq[0]);
    freq[k] = f;
    std::memmove(&son[k + 1], &son[k], moved * sizeof son[0]);
    son[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    prnt[k] = static_cast<std::int16_t>(i);
    if (k < T) prnt[k + 1] = static_cast<std::int16_t>(i);
  }
}

void THuffmanTree::Update(int c) {
  if (freq[R] == MAX_FREQ) Reconstruct();
  c = prnt[c + T];
  do {
    const std::uint16_t k = ++freq[c];
    // A node that outgrew the next one changes places with the last node of
    // lower count, so the array stays sorted.
    if (k > freq[c + 1]) {
      // l: the last node counted below k. Runs of equal counts can be long
      // (unused symbols all keep count 1), so past a few steps the sorted
      // rest of the array is searched by halves; freq[T] stops both.
      int l = c + 1;
      for (int steps = 0; k > freq[l + 1] && steps < 8; ++steps) ++l;
      if (k > freq[l + 1]) l = static_cast<int>(std::lower_bound(&freq[l + 1], &freq[T + 1], k) - freq) - 1;
      freq[c] = freq[l];
      freq[l] = k;

      const int i = son[c];
      prnt[i] = static_cast<std::int16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<std::int16_t>(l);

      const int j = son[l];
      son[l] = static_cast<std::int16_t>(i);
      prnt[j] = static_cast<std::int16_t>(c);
      if (j < T) prnt[j + 1] = static_cast<std::int16_t>(c);
      son[c] = static_cast<std::int16_t>(j);

      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

}  // namespace hm::lzh
