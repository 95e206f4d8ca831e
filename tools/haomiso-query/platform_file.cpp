// Files and dates through the C library, on every platform.
#include "tools/haomiso-query/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "framework/core/text.h"
#endif

namespace hm::query {
namespace {

class TFileInput : public TByteInput {
 public:
  TFileInput(std::FILE* file, std::string name, bool owned) : file_(file), name_(std::move(name)), owned_(owned) {}
  ~TFileInput() override {
    if (owned_) std::fclose(file_);
  }
  TFileInput(const TFileInput&) = delete;
  TFileInput& operator=(const TFileInput&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::fread(buffer, 1, size, file_);
    if (n == 0 && std::ferror(file_)) throw EToolIoError(name_ + ": 读取失败: " + std::strerror(errno));
    return n;
  }

 private:
  std::FILE* file_;
  std::string name_;
  bool owned_;
};

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::unique_ptr<TByteInput> FileInput(std::FILE* file, const std::string& name) {
  return std::make_unique<TFileInput>(file, name, false);
}

std::unique_ptr<TByteInput> OpenFileInput(const std::string& path) {
#ifdef _WIN32
  std::FILE* file = _wfopen(Widen(path).c_str(), L"rb");
#else
  std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
  if (!file) throw EToolIoError(path + ": 无法打开: " + std::strerror(errno));
  return std::make_unique<TFileInput>(file, path, true);
}

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(PathOf(path), ec);
}

TDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace hm::query
