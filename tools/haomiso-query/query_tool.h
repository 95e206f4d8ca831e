// haomiso-query as a function: the command line, the streams and the
// surroundings in, the exit status out. main() only supplies the platform's
// streams.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/haomiso-query/id_number.h"
#include "tools/haomiso-query/streams.h"

namespace hm::query {

inline constexpr int kExitAnswered = 0;  // every input answered
inline constexpr int kExitRefused = 1;   // some input refused, or an identity-card number failed its checks
inline constexpr int kExitError = 2;     // command line, input file or database

struct TToolContext {
  TTextOutput* out = nullptr;
  TTextOutput* err = nullptr;
  std::function<std::unique_ptr<TByteInput>()> standardInput;
  // Raises EToolIoError when the file cannot be opened.
  std::function<std::unique_ptr<TByteInput>(const std::string& path)> openFile;
  std::function<bool(const std::string& path)> isFile;  // a file, not a folder
  std::string executablePath;  // the default database lies beside it
  bool progress = false;       // standard error is a terminal
  bool interactive = false;    // standard input is a terminal: answer each line at once
  TDate today;
};

int RunQueryTool(const std::vector<std::string>& args, const TToolContext& context);

// The folder of `executablePath` (up to its last "/" or "\") and Code.BM.
std::string DatabaseBeside(const std::string& executablePath);

}  // namespace hm::query
