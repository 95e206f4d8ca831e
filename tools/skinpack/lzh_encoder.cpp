#include "tools/skinpack/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <memory>

#include "skin/core/lzh_huffman.h"
#include "skin/core/lzh_tables.h"

namespace hm {

using namespace lzh;

namespace {

class TBitOutput {
 public:
  void Put(std::uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((bits >> i) & 1));
      if (++filled_ == 8) {
        out_.push_back(byte_);
        byte_ = 0;
        filled_ = 0;
      }
    }
  }

  // The decoder reads zero bits past the end, so padding with zeros is safe.
  std::vector<std::uint8_t> Finish() {
    if (filled_ > 0) out_.push_back(static_cast<std::uint8_t>(byte_ << (8 - filled_)));
    filled_ = 0;
    byte_ = 0;
    return std::move(out_);
  }

 private:
  std::vector<std::uint8_t> out_;
  std::uint8_t byte_ = 0;
  int filled_ = 0;
};

// Inverse of d_code/d_len: the prefix for each value of the upper 6 bits.
struct TPositionPrefix {
  std::array<std::uint8_t, 64> code{};  // prefix in the top bits of a byte
  std::array<std::uint8_t, 64> bits{};
};

TPositionPrefix MakePositionPrefix() {
  TPositionPrefix p;
  for (int i = 255; i >= 0; --i) {
    p.code[d_code[i]] = static_cast<std::uint8_t>(i);
    p.bits[d_code[i]] = d_len[i];
  }
  return p;
}

class TEncoder {
 public:
  explicit TEncoder(TBitOutput& out) : out_(out) { tree_.StartHuff(); }

  void EncodeChar(int c) {
    // Collect the path from the leaf up, then send it root first. The tree
    // can grow deeper than 32 levels only in theory; a path is kept whole.
    std::array<std::uint8_t, T> path;
    int length = 0;
    for (int k = tree_.prnt[c + T]; k != R; k = tree_.prnt[k])
      path[static_cast<std::size_t>(length++)] = static_cast<std::uint8_t>(k - tree_.son[tree_.prnt[k]]);
    while (length > 0) out_.Put(path[static_cast<std::size_t>(--length)], 1);
    tree_.Update(c);
  }

  void EncodePosition(unsigned position) {
    static const TPositionPrefix prefix = MakePositionPrefix();
    const unsigned upper = position >> 6;
    out_.Put(prefix.code[upper] >> (8 - prefix.bits[upper]), prefix.bits[upper]);
    out_.Put(position & 0x3F, 6);
  }

 private:
  TBitOutput& out_;
  lzh::THuffmanTree tree_;
};

// Greedy longest match over hash chains. The text is seen as the initial
// ring content (spaces) followed by the input, so a match may reach back
// into the spaces just as the decoder's ring does.
class TMatchFinder {
 public:
  static constexpr int kHashBits = 15;
  static constexpr int kMaxChain = 256;

  explicit TMatchFinder(const std::vector<std::uint8_t>& text)
      : text_(text), head_(1u << kHashBits, -1), prev_(text.size(), -1) {}

  void Insert(int pos) {
    if (pos + 3 > static_cast<int>(text_.size())) return;
    const std::uint32_t h = Hash(pos);
    prev_[static_cast<std::size_t>(pos)] = head_[h];
    head_[h] = pos;
  }

  // Longest match for `pos` of at most `limit` bytes; returns its length
  // and sets `distance` (1 .. N).
  int Find(int pos, int limit, int& distance) const {
    if (limit < THRESHOLD + 1) return 0;
    int best = 0;
    int chain = kMaxChain;
    for (int cand = head_[Hash(pos)]; cand >= 0 && pos - cand <= N && chain-- > 0;
         cand = prev_[static_cast<std::size_t>(cand)]) {
      int len = 0;
      while (len < limit && text_[static_cast<std::size_t>(cand + len)] == text_[static_cast<std::size_t>(pos + len)])
        ++len;
      if (len > best) {
        best = len;
        distance = pos - cand;
        if (len == limit) break;
      }
    }
    return best;
  }

 private:
  std::uint32_t Hash(int pos) const {
    const auto* p = &text_[static_cast<std::size_t>(pos)];
    return ((p[0] * 2654435761u) ^ (p[1] * 40503u) ^ (p[2] * 97u)) & ((1u << kHashBits) - 1);
  }

  const std::vector<std::uint8_t>& text_;
  std::vector<int> head_;
  std::vector<int> prev_;
};

}  // namespace

std::vector<std::uint8_t> LzhEncode(std::span<const std::uint8_t> input) {
  std::vector<std::uint8_t> text;
  text.reserve(RING_START + input.size());
  text.assign(RING_START, ' ');
  text.insert(text.end(), input.begin(), input.end());
  const int end = static_cast<int>(text.size());

  TBitOutput out;
  auto encoder = std::make_unique<TEncoder>(out);
  TMatchFinder finder(text);
  // Like the classic compressor, offer the last F positions of the space
  // area as match sources; more would only lengthen one chain.
  for (int pos = RING_START - F; pos < RING_START; ++pos) finder.Insert(pos);

  for (int pos = RING_START; pos < end;) {
    int distance = 0;
    const int length = finder.Find(pos, std::min(F, end - pos), distance);
    if (length > THRESHOLD) {
      encoder->EncodeChar(255 - THRESHOLD + length);
      encoder->EncodePosition(static_cast<unsigned>(distance - 1));
    } else {
      encoder->EncodeChar(text[static_cast<std::size_t>(pos)]);
    }
    const int step = length > THRESHOLD ? length : 1;
    for (int i = 0; i < step; ++i) finder.Insert(pos + i);
    pos += step;
  }
  return out.Finish();
}

}  // namespace hm
