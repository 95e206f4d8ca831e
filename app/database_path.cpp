#include "app/database_path.h"

#include <windows.h>

#include <vector>

#include "framework/core/text.h"

namespace hm {

std::string DatabasePathFor(std::string_view executablePath) {
  // Separators are judged on the GBK bytes: a trail byte may equal "\".
  const std::string gbk = Utf8ToGbk(executablePath);
  const size_t last = GbkLastDelimiter(gbk, "\\:");
  const std::string folder = last == std::string::npos ? std::string() : gbk.substr(0, last + 1);
  return GbkToUtf8(folder) + kDatabaseFileName;
}

std::string DatabasePath() {
  // Read as wide text so folder names outside the system code page survive.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return kDatabaseFileName;
    if (n < buffer.size()) return DatabasePathFor(Narrow(std::wstring_view(buffer.data(), n)));
    buffer.resize(buffer.size() * 2);
  }
}

bool DatabaseFileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace hm
