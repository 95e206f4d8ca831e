#include "skin/core/lzh.h"

#include <memory>
#include <new>
#include <typeinfo>
#include <vector>

#include "framework/core/stream.h"
#include "skin/core/lzh_errors.h"
#include "skin/core/lzh_huffman.h"
#include "skin/core/lzh_tables.h"

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
// an endless run of zero bits rather than an error. `Source` returns the
// next byte, or 0 when there is none.
template <typename Source>
class TBitInput {
 public:
  explicit TBitInput(Source& source) : source_(source) {}

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
      buffer_ = static_cast<std::uint16_t>(buffer_ | (source_() << (8 - count_)));
      count_ += 8;
    }
  }

  Source& source_;
  std::uint16_t buffer_ = 0;
  unsigned count_ = 0;
};

// Walks from the root to a leaf, one bit per level.
template <typename Bits>
int DecodeChar(THuffmanTree& tree, Bits& in) {
  int c = tree.son[R];
  while (c < T) c = tree.son[c + static_cast<int>(in.GetBit())];
  c -= T;
  tree.Update(c);
  return c;
}

// The first 8 bits select the upper 6 bits of the position and the length
// of its prefix; the bits after the prefix are the lower 6 bits.
template <typename Bits>
unsigned DecodePosition(Bits& in) {
  unsigned i = in.GetByte();
  const unsigned high = static_cast<unsigned>(d_code[i]) << 6;
  for (int extra = d_len[i] - 2; extra > 0; --extra) i = ((i << 1) + in.GetBit()) & 0xFFFF;
  return high | (i & 0x3F);
}

// The decode run proper. Source and Sink are inlined into the loop; the
// public entry points wrap the callbacks or the streams in them.
template <typename Source, typename Sink>
void DecodeRun(std::int32_t size, Source& source, Sink& sink) {
  if (size <= 0) return;

  std::unique_ptr<TDecodeTables> tables(new (std::nothrow) TDecodeTables);
  if (!tables) throw ElzhException(kLzhNoMemory);
  THuffmanTree& tree = tables->tree;
  std::uint8_t* const ring = tables->ring;
  tree.StartHuff();
  for (int i = 0; i < RING_START; ++i) ring[i] = ' ';
  for (int i = RING_START; i < N + F - 1; ++i) ring[i] = 0;

  TBitInput<Source> in(source);
  unsigned r = RING_START;
  // The size is checked before each symbol only: a match that crosses it
  // is emitted whole.
  for (std::int64_t count = 0; count < size;) {
    const int c = DecodeChar(tree, in);
    if (c < 256) {
      const std::uint8_t byte = static_cast<std::uint8_t>(c);
      sink(byte);
      ring[r] = byte;
      r = (r + 1) & RING_MASK;
      ++count;
    } else {
      const unsigned start = (r - DecodePosition(in) - 1) & RING_MASK;
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) {
        const std::uint8_t byte = ring[(start + static_cast<unsigned>(k)) & RING_MASK];
        sink(byte);
        ring[r] = byte;
        r = (r + 1) & RING_MASK;
      }
      count += length;
    }
  }
}

struct TCallbackSource {
  const TLzhReadProc& readByte;
  unsigned operator()() {
    std::uint8_t byte = 0;
    std::uint16_t done = 0;
    readByte(&byte, 1, done);
    return done == 1 ? byte : 0;
  }
};

struct TCallbackSink {
  const TLzhWriteProc& writeByte;
  void operator()(std::uint8_t byte) {
    std::uint16_t done = 0;
    writeByte(&byte, 1, done);
  }
};

// The standard read callback, inlined: one byte of what remains between
// the input stream's position and its size. A memory stream is read in
// place; the stream is left where byte-wise reading would have left it.
class TStreamSource {
 public:
  explicit TStreamSource(TLZH& codec) : codec_(codec) {
    // Only a plain memory stream: a descendant may read differently.
    if (codec.InputStream && typeid(*codec.InputStream) == typeid(TMemoryStream))
      memory_ = static_cast<TMemoryStream*>(codec.InputStream);
    if (memory_) {
      const std::string_view bytes = memory_->Bytes();
      pos_ = static_cast<std::size_t>(memory_->Position());
      end_ = bytes.size();
      data_ = bytes.data();
    }
  }
  ~TStreamSource() {
    if (memory_) memory_->SetPosition(static_cast<std::int64_t>(pos_ < end_ ? pos_ : end_));
  }
  TStreamSource(const TStreamSource&) = delete;
  TStreamSource& operator=(const TStreamSource&) = delete;

  unsigned operator()() {
    if (memory_) return pos_ < end_ ? static_cast<std::uint8_t>(data_[pos_++]) : 0;
    std::uint8_t byte = 0;
    std::uint16_t done = 0;
    codec_.ReadFromInput(&byte, 1, done);
    return done == 1 ? byte : 0;
  }

 private:
  TLZH& codec_;
  TMemoryStream* memory_ = nullptr;
  const char* data_ = nullptr;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

// The standard write callback, in blocks: the output stream receives the
// same bytes in the same order, a block at a time.
class TStreamSink {
 public:
  explicit TStreamSink(TStream* out) : out_(out) { buffer_.reserve(kBlock); }

  void operator()(std::uint8_t byte) {
    buffer_.push_back(byte);
    if (buffer_.size() == kBlock) [[unlikely]]
      Flush();
  }
  void Flush() {
    if (out_ && !buffer_.empty()) out_->WriteBuffer(buffer_.data(), static_cast<std::int64_t>(buffer_.size()));
    buffer_.clear();
  }

 private:
  static constexpr std::size_t kBlock = 16384;
  TStream* out_;
  std::vector<std::uint8_t> buffer_;
};

}  // namespace

void TLZH::Decode(std::int32_t size, const TLzhWriteProc& writeByte, const TLzhReadProc& readByte) {
  TCallbackSource source{readByte};
  TCallbackSink sink{writeByte};
  DecodeRun(size, source, sink);
}

void TLZH::Decode(std::int32_t size) {
  TStreamSource source(*this);
  TStreamSink sink(OutputStream);
  DecodeRun(size, source, sink);
  sink.Flush();
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
