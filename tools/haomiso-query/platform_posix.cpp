#include "tools/haomiso-query/platform.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace hm::query {

namespace {

class TFileOutput : public TTextOutput {
 public:
  TFileOutput(std::FILE* file, const char* name) : file_(file), name_(name) {}
  void Write(std::string_view text) override {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Fail();
  }
  void Flush() override {
    if (std::fflush(file_) != 0) Fail();
  }

 private:
  [[noreturn]] void Fail() { throw EToolIoError(std::string(name_) + ": 写入失败: " + std::strerror(errno)); }
  std::FILE* file_;
  const char* name_;
};

}  // namespace

std::unique_ptr<TByteInput> StandardInput() { return FileInput(stdin, "标准输入"); }
std::unique_ptr<TTextOutput> StandardOutput() { return std::make_unique<TFileOutput>(stdout, "标准输出"); }
std::unique_ptr<TTextOutput> StandardError() { return std::make_unique<TFileOutput>(stderr, "标准错误"); }
bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }
bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

std::string ExecutablePath() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0) return {};
  path.resize(static_cast<std::size_t>(n));
  return path;
}

}  // namespace hm::query
