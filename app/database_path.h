// Where the lookup database lies: beside the executable.
#pragma once

#include <string>
#include <string_view>

namespace hm {

inline constexpr char kDatabaseFileName[] = "Code.BM";

// The executable's folder (its path up to and including the last "\" or
// ":" character) followed directly by "Code.BM". UTF-8 in and out.
std::string DatabasePathFor(std::string_view executablePath);

// The running program's own database path.
std::string DatabasePath();

// True only for a file: a folder of that name does not count.
bool DatabaseFileExists(const std::string& path);

}  // namespace hm
