// haomiso-query: the window's three lookups for lists of numbers.
#include <string>
#include <vector>

#include "tools/haomiso-query/platform.h"
#include "tools/haomiso-query/query_tool.h"

#ifdef _WIN32
#include "framework/core/text.h"
#endif

namespace {

int Run(std::vector<std::string> args) {
  using namespace hm::query;
  const std::unique_ptr<TTextOutput> out = StandardOutput();
  const std::unique_ptr<TTextOutput> err = StandardError();
  TToolContext context;
  context.out = out.get();
  context.err = err.get();
  context.standardInput = StandardInput;
  context.openFile = OpenFileInput;
  context.isFile = IsRegularFile;
  context.executablePath = ExecutablePath();
  context.progress = StandardErrorIsTerminal();
  context.interactive = StandardInputIsTerminal();
  context.today = Today();
  return RunQueryTool(args, context);
}

}  // namespace

#ifdef _WIN32
// The command line as wide text: arguments outside the ANSI code page survive.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(hm::Narrow(argv[i]));
  return Run(std::move(args));
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
