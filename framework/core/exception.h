// The framework's exception classes. Every error that may reach the
// application's default error report derives from Exception and carries the
// text shown there.
#pragma once

#include <exception>
#include <string>

namespace hm {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// Raised by StrToInt and the other text conversions.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Index out of range in a string list or collection.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// Invalid component name, duplicate name, and similar misuse.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};

class EFileStreamError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EFOpenError : public EFileStreamError {
 public:
  using EFileStreamError::EFileStreamError;
};

class EFCreateError : public EFileStreamError {
 public:
  using EFileStreamError::EFileStreamError;
};

// Reading or writing a form description (or a stream that ran short).
class EFilerError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};

class EReadError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

class EWriteError : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

class EClassNotFound : public EFilerError {
 public:
  using EFilerError::EFilerError;
};

}  // namespace hm
