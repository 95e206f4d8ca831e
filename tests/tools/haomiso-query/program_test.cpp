// The built program as its users run it: a separate process with its
// standard streams redirected, the database found beside it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/core/text.h"
#include "tests/framework/data/test_database.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace hm::test {
namespace {

struct TProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ProgramPath() {
  std::string path = HAOMISO_QUERY_EXE;
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') path = "Z:" + path;  // Wine's drive for "/"
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
#endif
  return path;
}

#ifdef _WIN32
// Quoted so that the C runtime's command-line parser gives the argument back.
std::wstring Quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t slashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++slashes;
      continue;
    }
    out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
    slashes = 0;
    out += c;
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

HANDLE Inheritable(const std::string& path, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(Widen(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
#endif

TProgramRun RunProgram(const std::vector<std::string>& args, const std::string& standardInput = "") {
  TempDir dir;
  const std::string in = dir.File("in"), out = dir.File("out"), err = dir.File("err");
  WriteFile(in, standardInput);
  TProgramRun run;
#ifdef _WIN32
  std::wstring commandLine = Quoted(Widen(ProgramPath()));
  for (const std::string& arg : args) commandLine += L" " + Quoted(Widen(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = Inheritable(in, false);
  startup.hStdOutput = Inheritable(out, true);
  startup.hStdError = Inheritable(err, true);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                      nullptr, &startup, &process);
  for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
  if (!started) {
    ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
    return run;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  run.status = static_cast<int>(code);
#else
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const std::string program = ProgramPath();
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "posix_spawn failed: " << spawned;
    return run;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  return run;
}

TEST(Program, AnswersWithTheDatabaseBesideIt) {
  const TProgramRun run = RunProgram({"13800138000", "南山", "+86 192-0014-0000"});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[1], "13800138000\tmobile\tfound\t\t13800138000\t北京\t北京\t010\t\t中国移动\t\t\t\t\t1");
  EXPECT_EQ(lines[2].rfind("南山\ttext\tfound\t\t\t黑龙江|广东\t南山区|南山区\t", 0), 0u) << lines[2];
  EXPECT_NE(lines[3].find("中国广电"), std::string::npos);
  // Line ends are written as they are, also on Windows.
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(Program, ReadsGbkFromStandardInputAndReportsRefusals) {
  const TProgramRun run = RunProgram({"--gbk", "--format", "jsonl"}, Utf8ToGbk("440305\r\n南山区\r\n1234\r\n"));
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_NE(lines[0].find("\"division\":\"广东省深圳市南山区\""), std::string::npos);
  EXPECT_NE(lines[1].find("\"input\":\"南山区\""), std::string::npos);
  EXPECT_NE(lines[2].find("\"status\":\"refused\""), std::string::npos);
}

TEST(Program, AMissingDatabaseIsExitStatusTwo) {
  TempDir dir;
  const std::string missing = dir.File("Code.BM");
  const TProgramRun run = RunProgram({"--db", missing, "13800138000"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "haomiso-query: 数据文件:" + missing + "不存在!\n");
  EXPECT_TRUE(run.out.empty());
}

}  // namespace
}  // namespace hm::test
