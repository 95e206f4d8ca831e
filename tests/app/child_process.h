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

// In the child: the scenario's name, or empty in a normal test run.
std::string ChildScenario();
// In the child: appends one line to the report the parent reads.
void Report(const std::string& line);

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
