#include "framework/data/file_stamp.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include <cerrno>
#endif

#include "framework/core/text.h"

namespace hm {

#ifdef _WIN32

// The attributes by path, not through a handle: asking for one would itself
// be refused while another program holds the file exclusively.
TFileStamp FileStampOf(const std::string& utf8Path) {
  TFileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(utf8Path).c_str(), GetFileExInfoStandard, &data)) return stamp;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return stamp;
  stamp.exists = true;
  stamp.writable = !(data.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
  stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                             data.ftLastWriteTime.dwLowDateTime);
  return stamp;
}

TSystemFailure ClassifySystemError(int error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return TSystemFailure::SharingViolation;
    case ERROR_ACCESS_DENIED: return TSystemFailure::AccessDenied;
    default: return TSystemFailure::Other;
  }
}

#else

TFileStamp FileStampOf(const std::string& utf8Path) {
  TFileStamp stamp;
  struct stat st{};
  if (stat(utf8Path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
  stamp.exists = true;
  // The write bits, not access(): as root every file is writable, and a
  // file its owner made read-only should still be left alone.
  stamp.writable = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  stamp.identity = static_cast<std::uint64_t>(st.st_ino);
  return stamp;
}

TSystemFailure ClassifySystemError(int error) {
  return error == EACCES || error == EPERM ? TSystemFailure::AccessDenied : TSystemFailure::Other;
}

#endif

}  // namespace hm
