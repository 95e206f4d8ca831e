#include "framework/ui/platform/win32_error.h"

#include "framework/ui/platform/win32.h"

#include "framework/core/text.h"

namespace hm {

void RaiseLastWin32Error(std::string_view call) {
  const DWORD code = GetLastError();
  std::string text(call);
  text += " failed";
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length && buffer) {
    std::wstring message(buffer, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    text += ": " + Narrow(message);
  }
  if (buffer) LocalFree(buffer);
  throw EOSError(text, code);
}

}  // namespace hm
