// TLZH: the decompressor of skin archives (LZHUF: LZSS over a 4096-byte ring
// with adaptive Huffman coded literals and lengths).
#pragma once

#include <cstdint>
#include <functional>

namespace hm {

class TStream;

// Callbacks move bytes one at a time: `count` is always 1 and `done`
// receives how many bytes were actually transferred.
using TLzhReadProc = std::function<void(void* buffer, std::uint16_t count, std::uint16_t& done)>;
using TLzhWriteProc = std::function<void(const void* buffer, std::uint16_t count, std::uint16_t& done)>;

class TLZH {
 public:
  // Not owned; the caller positions them before decoding.
  TStream* InputStream = nullptr;
  TStream* OutputStream = nullptr;

  // Produces `size` bytes (nothing when size <= 0). Missing input reads as
  // zero bits, so a short or damaged stream still yields `size` bytes; a
  // final match is emitted whole, so up to F-1 bytes more may be written.
  // Throws ElzhException when the tables cannot be allocated; exceptions of
  // the callbacks pass through.
  void Decode(std::int32_t size, const TLzhWriteProc& writeByte, const TLzhReadProc& readByte);

  // Decode with the standard callbacks over InputStream and OutputStream.
  // Byte for byte the same as passing ReadFromInput and WriteToOutput, but
  // inlined: a memory input is read in place and the output is written in
  // blocks of 16 kB.
  void Decode(std::int32_t size);

  // The standard callbacks: read at most `count` bytes that remain in the
  // input stream; write `count` bytes to the output stream.
  void ReadFromInput(void* buffer, std::uint16_t count, std::uint16_t& done);
  void WriteToOutput(const void* buffer, std::uint16_t count, std::uint16_t& done);
};

}  // namespace hm
