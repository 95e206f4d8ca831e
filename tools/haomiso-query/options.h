// The command line of haomiso-query.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/haomiso-query/classify.h"
#include "tools/haomiso-query/line_reader.h"
#include "tools/haomiso-query/output_format.h"

namespace hm::query {

struct TOptions {
  bool help = false;
  std::string database;              // empty: Code.BM beside the executable
  std::optional<std::string> file;   // "-": standard input
  TInputEncoding encoding = TInputEncoding::Utf8;
  TOutputFormat format = TOutputFormat::Tsv;
  bool header = true;
  int columnItem = 3;                // item index of the area search's column combo
  TForcedKind as = TForcedKind::Auto;
  std::vector<std::string> inputs;   // from the command line
};

// Raises EUsageError with a message for the user.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

TOptions ParseOptions(const std::vector<std::string>& args);

// The --help text.
std::string HelpText();

}  // namespace hm::query
