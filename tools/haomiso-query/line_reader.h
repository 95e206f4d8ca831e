// Input lines: split at LF with a CR before it dropped, a UTF-8 byte order
// mark at the start skipped, and each line decoded from UTF-8 or GBK.
#pragma once

#include <string>

#include "tools/haomiso-query/streams.h"

namespace hm::query {

enum class TInputEncoding { Utf8, Gbk };

struct TInputLine {
  std::string text;   // UTF-8; what could not be decoded is U+FFFD
  std::string error;  // not empty: the line was not valid text of its encoding
};

class TLineReader {
 public:
  // A stream that starts with a UTF-8 byte order mark is read as UTF-8
  // whatever `encoding` says. One that starts with a UTF-16 mark raises
  // EToolIoError naming `name`.
  TLineReader(TByteInput& input, TInputEncoding encoding, std::string name);
  // False at the end of the input.
  bool Next(TInputLine& line);

 private:
  bool Fill();

  TByteInput& input_;
  TInputEncoding encoding_;
  std::string name_;
  std::string buffer_;
  std::size_t at_ = 0;
  bool started_ = false;
  bool ended_ = false;
};

// True when `s` is well-formed UTF-8 (no overlong forms, surrogates or
// values beyond U+10FFFF).
bool IsValidUtf8(std::string_view s);

}  // namespace hm::query
