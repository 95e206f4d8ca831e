// Runs this test program again, as a copy in another folder, with a
// scenario instead of the tests: the program's behaviour depends on where
// its executable lies.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hm::test {

struct ChildResult {
  bool finished = false;     // false: still running after the time limit
  unsigned long exitCode = 0;
  std::vector<std::string> lines;  // what the scenario reported
};

// Copies the running executable into `folder` (created as needed, UTF-8)
// and runs the copy with `scenario`; waits at most `seconds`.
ChildResult RunChild(const std::string& folder, const std::string& scenario, int seconds = 60);

// A copy started without waiting for it, so the parent can act on the
// files while it runs (another process, as far as the copy can tell). The
// copy is named after the scenario, so several can share one folder.
class TRunningChild {
 public:
  TRunningChild(const std::string& folder, const std::string& scenario);
  ~TRunningChild();  // ends a copy that is still running
  TRunningChild(const TRunningChild&) = delete;
  TRunningChild& operator=(const TRunningChild&) = delete;
  bool Started() const { return process_ != nullptr; }
  // True once the child reported `line`; false when it ended or the time ran out.
  bool WaitForLine(const std::string& line, int seconds = 60);
  // Lets the child's WaitForSignal(name) return.
  void Signal(const std::string& name);
  // Waits for the end; the lines are everything reported.
  ChildResult Finish(int seconds = 60);
  // Ends it at once, as a crash would: nothing of it runs any more.
  void Kill();
  std::vector<std::string> Lines() const;

 private:
  std::string folder_;
  std::wstring report_;
  void* process_ = nullptr;  // HANDLE
};

// In the child: the scenario's name, or empty in a normal test run.
std::string ChildScenario();
// In the child: appends one line to the report the parent reads.
void Report(const std::string& line);
// In the child: waits for the parent's Signal(name); false after `seconds`.
bool WaitForSignal(const std::string& name, int seconds = 60);

// A fresh folder under the temporary folder, removed with its content.
class TempFolder {
 public:
  explicit TempFolder(const std::string& leaf);
  ~TempFolder();
  const std::string& Path() const { return path_; }  // ends with "\"

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes);
std::string ExecutableFolder();

}  // namespace hm::test
