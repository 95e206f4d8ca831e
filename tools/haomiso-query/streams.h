// Where the tool's bytes come from and go to: files and standard streams,
// a console on Windows, strings in tests.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hm::query {

// Reading or writing failed; the message names the file and the reason.
class EToolIoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TByteInput {
 public:
  virtual ~TByteInput() = default;
  // Up to `size` bytes; 0 at the end. Raises EToolIoError.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class TTextOutput {
 public:
  virtual ~TTextOutput() = default;
  // UTF-8 text. Raises EToolIoError.
  virtual void Write(std::string_view text) = 0;
  virtual void Flush() {}
};

class TStringInput : public TByteInput {
 public:
  explicit TStringInput(std::string bytes) : bytes_(std::move(bytes)) {}
  std::size_t Read(char* buffer, std::size_t size) override;

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

class TStringOutput : public TTextOutput {
 public:
  void Write(std::string_view text) override { text_ += text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Collects small writes into large ones.
class TBufferedOutput : public TTextOutput {
 public:
  explicit TBufferedOutput(TTextOutput& target, std::size_t capacity = 1 << 16) : target_(target), capacity_(capacity) {}
  ~TBufferedOutput() override;
  void Write(std::string_view text) override;
  void Flush() override;

 private:
  TTextOutput& target_;
  std::size_t capacity_;
  std::string buffer_;
};

}  // namespace hm::query
