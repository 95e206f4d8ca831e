#include "skin/core/lzh.h"

#include <memory>
#include <new>

#include "skin/core/lzh_errors.h"
#include "skin/core/lzh_huffman.h"
#include "skin/core/lzh_tables.h"
#include "framework/core/stream.h"

namespace hm {

using namespace lzh;

namespace {

// The state of one decode run, allocated per run.
struct TDecodeTables {
  THuffmanTree tree;
  std::uint8_t ring[N + F - 1];
};

// Bits are taken from the most significant end of a 16-bit buffer, which
// is refilled a byte at a time whenever fewer than 9 bits are left. A read
// that delivers no byte supplies a zero byte, so the end of the input is
// an endless run of zero bits rather than an error.
class TBitInput {
 public:
  explicit TBitInput(const TLzhReadProc& readByte) : readByte_(readByte) {}

  unsigned GetBit() {
    Refill();
    const unsigned bit = buffer_ >> 15;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
    --count_;
    return bit;
  }

  unsigned GetByte() {
    Refill();
    const unsigned byte = buffer_ >> 8;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
    count_ -= 8;
    return byte;
  }

 private:
  void Refill() {
    while (count_ < 9) [[unlikely]] {
      std::uint8_t byte = 0;
      std::uint16_t done = 0;
      readByte_(&byte, 1, done);
      if (done != 1) byte = 0;
      buffer_ = static_cast<std::uint16_t>(buffer_ | (byte << (8 - count_)));
      count_ += 8;
    }
  }

  const TLzhReadProc& readByte_;
  std::uint16_t buffer_ = 0;
  unsigned count_ = 0;
};

// Walks from the root to a leaf, one bit per level.
int DecodeChar(THuffmanTree& tree, TBitInput& in) {
  int c = tree.son[R];
  while (c < T) c = tree.son[c + static_cast<int>(in.GetBit())];
  c -= T;
  tree.Update(c);
  return c;
}

// The first 8 bits select the upper 6 bits of the position and the length
// of its prefix; the bits after the prefix are the lower 6 bits.
unsigned DecodePosition(TBitInput& in) {
  unsigned i = in.GetByte();
  const unsigned high = static_cast<unsigned>(d_code[i]) << 6;
  for (int extra = d_len[i] - 2; extra > 0; --extra)
    i = ((i << 1) + in.GetBit()) & 0xFFFF;
  return high | (i & 0x3F);
}

}  // namespace

void TLZH::Decode(std::int32_t size, const TLzhWriteProc& writeByte, const TLzhReadProc& readByte) {
  if (size <= 0) return;

  std::unique_ptr<TDecodeTables> tables(new (std::nothrow) TDecodeTables);
  if (!tables) throw ElzhException(kLzhNoMemory);
  THuffmanTree& tree = tables->tree;
  std::uint8_t* const ring = tables->ring;
  tree.StartHuff();
  for (int i = 0; i < RING_START; ++i) ring[i] = ' ';
  for (int i = RING_START; i < N + F - 1; ++i) ring[i] = 0;

  TBitInput in(readByte);
  unsigned r = RING_START;
  std::uint16_t done = 0;
  // The size is checked before each symbol only: a match that crosses it
  // is emitted whole.
  for (std::int64_t count = 0; count < size;) {
    const int c = DecodeChar(tree, in);
    if (c < 256) {
      const std::uint8_t byte = static_cast<std::uint8_t>(c);
      writeByte(&byte, 1, done);
      ring[r] = byte;
      r = (r + 1) & RING_MASK;
      ++count;
    } else {
      const unsigned start = (r - DecodePosition(in) - 1) & RING_MASK;
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) {
        const std::uint8_t byte = ring[(start + static_cast<unsigned>(k)) & RING_MASK];
        writeByte(&byte, 1, done);
        ring[r] = byte;
        r = (r + 1) & RING_MASK;
      }
      count += length;
    }
  }
}

void TLZH::Decode(std::int32_t size) {
  Decode(
      size, [this](const void* buffer, std::uint16_t count, std::uint16_t& done) { WriteToOutput(buffer, count, done); },
      [this](void* buffer, std::uint16_t count, std::uint16_t& done) { ReadFromInput(buffer, count, done); });
}

void TLZH::ReadFromInput(void* buffer, std::uint16_t count, std::uint16_t& done) {
  done = 0;
  if (InputStream == nullptr) return;
  const std::int64_t left = InputStream->Size() - InputStream->Position();
  if (left <= 0) return;
  done = static_cast<std::uint16_t>(InputStream->Read(buffer, left < count ? left : count));
}

void TLZH::WriteToOutput(const void* buffer, std::uint16_t count, std::uint16_t& done) {
  done = 0;
  if (OutputStream == nullptr) return;
  OutputStream->WriteBuffer(buffer, count);
  done = count;
}

}  // namespace hm
