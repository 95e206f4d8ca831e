// Engine failures that concern the database file itself, told in terms of
// the file: which file, and whether it is locked away, damaged or
// read-only. Other errors pass unchanged.
#pragma once

#include <string>

#include "framework/data/db_error.h"

namespace hm {

// For a failure while opening or reading the file at `path`.
EDatabaseError ExplainFileFailure(const std::string& path, const EDatabaseError& error);
// For a failure while writing to it.
EDatabaseError ExplainWriteFailure(const std::string& path, const EDatabaseError& error);

std::string FileNotFoundMessage(const std::string& path);
std::string ReadOnlyFileMessage(const std::string& path);

}  // namespace hm
