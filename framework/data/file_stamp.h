// What the file system says about the database file, to notice that it was
// removed, replaced, rewritten in place or made read-only since the
// connection last looked.
#pragma once

#include <cstdint>
#include <string>

namespace hm {

struct TFileStamp {
  bool exists = false;  // a regular file: a folder of that name is none
  bool writable = false;  // no read-only attribute (Windows) or write bit
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the system's finest unit
  std::uint64_t identity = 0;  // the inode where the system has one
  bool operator==(const TFileStamp&) const = default;
};

// Never raises: an unreadable entry counts as missing.
TFileStamp FileStampOf(const std::string& utf8Path);

}  // namespace hm

namespace hm {

enum class TSystemFailure { SharingViolation, AccessDenied, Other };
// What an operating-system error number behind a failed open means.
TSystemFailure ClassifySystemError(int error);

}  // namespace hm
