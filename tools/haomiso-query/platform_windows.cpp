#include "tools/haomiso-query/platform.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <vector>

#include "framework/core/text.h"

namespace hm::query {

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

std::string LastError() {
  const DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = text ? Trim(Narrow(text)) : "error " + std::to_string(code);
  LocalFree(text);
  return message;
}

// A console shows UTF-16 text whatever its code page is.
class TConsoleOutput : public TTextOutput {
 public:
  TConsoleOutput(HANDLE console, const char* name) : console_(console), name_(name) {}
  void Write(std::string_view text) override {
    const std::wstring wide = Widen(text);
    std::size_t done = 0;
    while (done < wide.size()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
      if (!WriteConsoleW(console_, wide.data() + done, chunk, &written, nullptr) || written == 0) {
        throw EToolIoError(std::string(name_) + ": 写入失败: " + LastError());
      }
      done += written;
    }
  }

 private:
  HANDLE console_;
  const char* name_;
};

// Pipes and files get the UTF-8 bytes unchanged (binary mode: no CR added).
class TFileOutput : public TTextOutput {
 public:
  TFileOutput(std::FILE* file, const char* name) : file_(file), name_(name) { _setmode(_fileno(file), _O_BINARY); }
  void Write(std::string_view text) override {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail();
  }
  void Flush() override {
    if (std::fflush(file_) != 0) Fail();
  }

 private:
  [[noreturn]] void Fail() { throw EToolIoError(std::string(name_) + ": 写入失败"); }
  std::FILE* file_;
  const char* name_;
};

// Typed lines arrive as UTF-16 and leave as UTF-8.
class TConsoleInput : public TByteInput {
 public:
  explicit TConsoleInput(HANDLE console) : console_(console) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    while (pending_.empty()) {
      wchar_t chunk[1024];
      DWORD read = 0;
      if (!ReadConsoleW(console_, chunk, 1024, &read, nullptr)) {
        throw EToolIoError("标准输入: 读取失败: " + LastError());
      }
      if (read == 0) return 0;
      // Ctrl+Z at the start of a line ends console input.
      std::wstring text(chunk, read);
      const std::size_t eof = text.find(L'\x1A');
      if (eof != std::wstring::npos) {
        text.resize(eof);
        ended_ = true;
      }
      pending_ = Narrow(text);
      if (pending_.empty() && ended_) return 0;
    }
    const std::size_t n = std::min(size, pending_.size());
    pending_.copy(buffer, n);
    pending_.erase(0, n);
    return n;
  }

 private:
  HANDLE console_;
  std::string pending_;
  bool ended_ = false;
};

std::unique_ptr<TTextOutput> Output(DWORD which, std::FILE* file, const char* name) {
  const HANDLE handle = GetStdHandle(which);
  if (IsConsole(handle)) return std::make_unique<TConsoleOutput>(handle, name);
  return std::make_unique<TFileOutput>(file, name);
}

}  // namespace

std::unique_ptr<TByteInput> StandardInput() {
  const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  if (IsConsole(handle)) return std::make_unique<TConsoleInput>(handle);
  _setmode(_fileno(stdin), _O_BINARY);
  return FileInput(stdin, "标准输入");
}

std::unique_ptr<TTextOutput> StandardOutput() { return Output(STD_OUTPUT_HANDLE, stdout, "标准输出"); }
std::unique_ptr<TTextOutput> StandardError() { return Output(STD_ERROR_HANDLE, stderr, "标准错误"); }
bool StandardErrorIsTerminal() { return IsConsole(GetStdHandle(STD_ERROR_HANDLE)); }
bool StandardInputIsTerminal() { return IsConsole(GetStdHandle(STD_INPUT_HANDLE)); }

std::string ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace hm::query
