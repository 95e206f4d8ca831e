// The skin packer's commands, apart from main() so the tests can run them:
//   pack FOLDER ARCHIVE     every file of FOLDER (sorted by name) into ARCHIVE
//   unpack ARCHIVE FOLDER   every member into FOLDER (created if missing)
//   list ARCHIVE            the members with their sizes
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hm {

// `args` excludes the program name. Returns the process exit code: 0 done,
// 1 failed (the reason on `err`), 2 wrong usage.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace hm
