#include "app/database_path.h"

#include "framework/ui/platform/win32.h"

#include <vector>

#include "framework/core/text.h"

namespace hm {

std::string DatabasePathFor(std::string_view executablePath) {
  // Separators are looked for in UTF-16, where no unit of another character
  // can be taken for a backslash (a GBK trail byte can), and where folder
  // names outside the GBK code page are kept as they are.
  const std::u16string wide = Utf8ToUtf16(executablePath);
  const size_t last = wide.find_last_of(u"\\:");
  const std::u16string folder = last == std::u16string::npos ? std::u16string() : wide.substr(0, last + 1);
  return Utf16ToUtf8(folder) + kDatabaseFileName;
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
