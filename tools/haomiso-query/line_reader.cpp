#include "tools/haomiso-query/line_reader.h"

#include <algorithm>

#include "framework/core/text.h"

namespace hm::query {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Single bytes up to 0x80, or a lead byte 0x81-0xFE with a trail byte
// 0x40-0xFE other than 0x7F.
bool IsWellFormedGbk(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b <= 0x80) continue;
    if (b == 0xFF || i + 1 >= s.size()) return false;
    const unsigned char t = static_cast<unsigned char>(s[++i]);
    if (t < 0x40 || t == 0x7F || t == 0xFF) return false;
  }
  return true;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int more;
    char32_t min;
    char32_t c;
    if (b >= 0xC2 && b <= 0xDF) {
      more = 1, min = 0x80, c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      more = 2, min = 0x800, c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      more = 3, min = 0x10000, c = b & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(more) >= s.size()) return false;
    for (int k = 1; k <= more; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += more + 1;
  }
  return true;
}

TLineReader::TLineReader(TByteInput& input, TInputEncoding encoding, std::string name)
    : input_(input), encoding_(encoding), name_(std::move(name)) {}

bool TLineReader::Fill() {
  if (ended_) return false;
  if (at_ > 0) {
    buffer_.erase(0, at_);
    at_ = 0;
  }
  char chunk[1 << 16];
  const std::size_t n = input_.Read(chunk, sizeof chunk);
  if (n == 0) {
    ended_ = true;
    return false;
  }
  buffer_.append(chunk, n);
  return true;
}

bool TLineReader::Next(TInputLine& line) {
  if (!started_) {
    // Enough bytes to see a byte order mark.
    while (buffer_.size() < 3 && Fill()) {
    }
    started_ = true;
    const std::string_view head(buffer_);
    if (head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF") {
      throw EToolIoError(name_ + ": UTF-16编码的输入不受支持, 请另存为UTF-8");
    }
    if (head.substr(0, 3) == kUtf8Bom) {
      at_ = 3;
      encoding_ = TInputEncoding::Utf8;
    }
  }
  std::size_t end;
  for (;;) {
    end = buffer_.find('\n', at_);
    if (end != std::string::npos) break;
    if (!Fill()) {
      if (at_ >= buffer_.size()) return false;
      end = buffer_.size();
      break;
    }
  }
  std::string_view raw(buffer_.data() + at_, end - at_);
  at_ = std::min(end + 1, buffer_.size());
  if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

  line.error.clear();
  if (IsAscii(raw)) {
    line.text.assign(raw);
  } else if (encoding_ == TInputEncoding::Gbk) {
    line.text = GbkToUtf8(raw);
    // GBK has no U+FFFD of its own: one in the result marks bytes the
    // converter could not map.
    if (!IsWellFormedGbk(raw) || line.text.find(kReplacement) != std::string::npos) line.error = "不是有效的GBK文本";
  } else if (IsValidUtf8(raw)) {
    line.text.assign(raw);
  } else {
    line.text = Utf16ToUtf8(Utf8ToUtf16(raw));
    line.error = "不是有效的UTF-8文本(GBK编码的输入请用--gbk)";
  }
  return true;
}

}  // namespace hm::query
