#include "tests/app/child_process.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "framework/core/text.h"

namespace hm::test {
namespace {

const wchar_t kScenarioVar[] = L"HAOMISO_TEST_SCENARIO";
const wchar_t kReportVar[] = L"HAOMISO_TEST_REPORT";

std::wstring Env(const wchar_t* name) {
  wchar_t buffer[1024];
  const DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
  return n > 0 && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + L"\\");
      } else {
        DeleteFileW((folder + name).c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.substr(0, folder.size() - 1).c_str());
}

}  // namespace

std::string ExecutableFolder() {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 2);
  std::wstring path(buffer, n);
  return Narrow(path.substr(0, path.find_last_of(L'\\') + 1));
}

TempFolder::TempFolder(const std::string& leaf) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = Narrow(temp) + "haomiso-" + std::to_string(GetCurrentProcessId()) + "-" + leaf + "\\";
  RemoveTree(Widen(path_));
  // Each level of the leaf may be a new folder.
  for (size_t at = path_.find('\\', 3); at != std::string::npos; at = path_.find('\\', at + 1)) {
    CreateDirectoryW(Widen(path_.substr(0, at)).c_str(), nullptr);
  }
}

TempFolder::~TempFolder() { RemoveTree(Widen(path_)); }

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(Widen(path).c_str(), std::ios::binary) << bytes;
}

namespace {

std::wstring SignalFile(const std::string& folder, const std::string& name) {
  return Widen(folder) + L"signal-" + Widen(name);
}

}  // namespace

TRunningChild::TRunningChild(const std::string& folder, const std::string& scenario) : folder_(folder) {
  wchar_t self[MAX_PATH * 2];
  GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
  const std::wstring copy = Widen(folder) + Widen(scenario) + L"_child.exe";
  report_ = Widen(folder) + Widen(scenario) + L"_report.txt";
  if (!CopyFileW(self, copy.c_str(), FALSE)) return;
  DeleteFileW(report_.c_str());

  SetEnvironmentVariableW(kScenarioVar, Widen(scenario).c_str());
  SetEnvironmentVariableW(kReportVar, report_.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + copy + L"\"";
  const BOOL started = CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &startup, &process);
  SetEnvironmentVariableW(kScenarioVar, nullptr);
  SetEnvironmentVariableW(kReportVar, nullptr);
  if (!started) return;
  CloseHandle(process.hThread);
  process_ = process.hProcess;
}

TRunningChild::~TRunningChild() { Kill(); }

void TRunningChild::Kill() {
  if (!process_) return;
  TerminateProcess(process_, 99);
  WaitForSingleObject(process_, 10000);
  CloseHandle(process_);
  process_ = nullptr;
}

std::vector<std::string> TRunningChild::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(report_.c_str(), std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool TRunningChild::WaitForLine(const std::string& line, int seconds) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < static_cast<DWORD>(seconds) * 1000;) {
    for (const std::string& l : Lines()) {
      if (l == line) return true;
    }
    if (!process_ || WaitForSingleObject(process_, 20) == WAIT_OBJECT_0) {
      for (const std::string& l : Lines()) {
        if (l == line) return true;
      }
      return false;
    }
  }
  return false;
}

void TRunningChild::Signal(const std::string& name) {
  std::ofstream(SignalFile(folder_, name).c_str(), std::ios::binary) << name;
}

ChildResult TRunningChild::Finish(int seconds) {
  ChildResult result;
  if (process_) {
    if (WaitForSingleObject(process_, seconds * 1000) == WAIT_OBJECT_0) {
      result.finished = true;
      GetExitCodeProcess(process_, &result.exitCode);
      CloseHandle(process_);
      process_ = nullptr;
    } else {
      Kill();
    }
  }
  result.lines = Lines();
  return result;
}

ChildResult RunChild(const std::string& folder, const std::string& scenario, int seconds) {
  TRunningChild child(folder, scenario);
  if (!child.Started()) return {};
  return child.Finish(seconds);
}

bool WaitForSignal(const std::string& name, int seconds) {
  const std::wstring file = SignalFile(ExecutableFolder(), name);
  for (const DWORD start = GetTickCount();; Sleep(10)) {
    if (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    if (GetTickCount() - start >= static_cast<DWORD>(seconds) * 1000) return false;
  }
}

std::string ChildScenario() { return Narrow(Env(kScenarioVar)); }

void Report(const std::string& line) {
  std::ofstream(Env(kReportVar).c_str(), std::ios::binary | std::ios::app) << line << '\n';
}

}  // namespace hm::test
