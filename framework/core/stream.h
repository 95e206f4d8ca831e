// Byte streams with a position and a size.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/object.h"

namespace hm {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Read and Write move as many bytes as they can and return the count.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  // Returns the new position; raises EStreamError when it cannot seek.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(std::int64_t size) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t pos) { Seek(pos, TSeekOrigin::soBeginning); }
  virtual std::int64_t Size();

  // All or nothing: EReadError "Stream read error" / EWriteError "Stream
  // write error" when fewer bytes move.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  // Little-endian 32-bit values, as stored records use them.
  std::int32_t ReadInt32();
  void WriteInt32(std::int32_t value);
  // Copies `count` bytes from the source's position (all of the source from
  // its start when count is 0); returns the count copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view bytes);

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }

  const char* Memory() const { return data_.data(); }
  char* Memory() { return data_.data(); }
  std::string_view Bytes() const { return data_; }
  void Clear();
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& dest) const;
  // Paths are UTF-8; errors as TFileStream raises them.
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  std::string data_;
  std::int64_t pos_ = 0;
};

enum TFileMode : unsigned {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmCreate = 0xFF00,  // create or truncate, read and write
};

class TFileStream : public TStream {
 public:
  // `path` is UTF-8. Raises EFOpenError "Cannot open file "%s". <reason>" or
  // EFCreateError "Cannot create file "%s". <reason>".
  TFileStream(const std::string& path, unsigned mode);
  ~TFileStream() override;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  const std::string& FileName() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
};

bool FileExists(const std::string& path);
// Deletes a file (UTF-8 path); false when it could not.
bool RemoveFile(const std::string& path);

}  // namespace hm
