#include "framework/core/stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "framework/core/exception.h"
#include "framework/core/text.h"

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace hm {
namespace {

std::FILE* OpenFile(const std::string& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wmode(mode, mode + std::strlen(mode));
  return _wfopen(Widen(path).c_str(), wmode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

}  // namespace

std::int64_t TStream::Size() {
  const std::int64_t pos = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError("Stream write error");
}

std::int32_t TStream::ReadInt32() {
  unsigned char b[4];
  ReadBuffer(b, 4);
  return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

void TStream::WriteInt32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                              static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  WriteBuffer(b, 4);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  char buf[65536];
  std::int64_t left = count;
  while (left > 0) {
    const std::int64_t n = std::min<std::int64_t>(left, sizeof buf);
    source.ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    left -= n;
  }
  return count;
}

TMemoryStream::TMemoryStream(std::string_view bytes) : data_(bytes) {}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0 || pos_ >= Size()) return 0;
  const std::int64_t n = std::min(count, Size() - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (pos_ + count > Size()) data_.resize(static_cast<size_t>(pos_ + count));
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = pos_;
  else if (origin == TSeekOrigin::soEnd) base = Size();
  if (base + offset < 0) throw EStreamError("Seek before the start of a stream");
  pos_ = base + offset;  // beyond the end is allowed; a write fills the gap
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<size_t>(size));
  if (pos_ > size) pos_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  SetSize(size);
  pos_ = 0;
  if (size > 0) source.ReadBuffer(data_.data(), size);
}

void TMemoryStream::SaveToStream(TStream& dest) const {
  if (!data_.empty()) dest.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  TFileStream f(path, fmOpenRead);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const std::string& path) const {
  TFileStream f(path, fmCreate);
  SaveToStream(f);
}

TFileStream::TFileStream(const std::string& path, unsigned mode) : path_(path) {
  const char* m = "rb";
  if (mode == fmCreate) m = "w+b";
  else if ((mode & 3) == fmOpenWrite || (mode & 3) == fmOpenReadWrite) m = "r+b";
  file_.reset(OpenFile(path, m));
  if (!file_) {
    const std::string reason = std::strerror(errno);
    if (mode == fmCreate) throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
  }
}

TFileStream::~TFileStream() = default;

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_.get()));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_.get()));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
#ifdef _WIN32
  const bool ok = _fseeki64(file_.get(), offset, whence) == 0;
  const std::int64_t pos = _ftelli64(file_.get());
#else
  const bool ok = fseeko(file_.get(), offset, whence) == 0;
  const std::int64_t pos = ftello(file_.get());
#endif
  if (!ok || pos < 0) throw EStreamError("Cannot seek in file \"" + path_ + "\"");
  return pos;
}

void TFileStream::SetSize(std::int64_t size) {
  std::fflush(file_.get());
#ifdef _WIN32
  const bool ok = _chsize_s(_fileno(file_.get()), size) == 0;
#else
  const bool ok = ftruncate(fileno(file_.get()), size) == 0;
#endif
  if (!ok) throw EStreamError("Cannot change the size of file \"" + path_ + "\"");
  if (Position() > size) SetPosition(size);
}

bool FileExists(const std::string& path) {
#ifdef _WIN32
  struct _stat64 st;
  return _wstat64(Widen(path).c_str(), &st) == 0 && (st.st_mode & _S_IFREG);
#else
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool RemoveFile(const std::string& path) {
#ifdef _WIN32
  return _wremove(Widen(path).c_str()) == 0;
#else
  return std::remove(path.c_str()) == 0;
#endif
}

}  // namespace hm
