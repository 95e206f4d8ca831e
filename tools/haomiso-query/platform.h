// What main() takes from the operating system: the command line as UTF-8,
// the standard streams, files, the executable's path and today's date.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tools/haomiso-query/id_number.h"
#include "tools/haomiso-query/streams.h"

namespace hm::query {

std::unique_ptr<TByteInput> StandardInput();
// A console is written as UTF-16 text, anything else as UTF-8 bytes.
std::unique_ptr<TTextOutput> StandardOutput();
std::unique_ptr<TTextOutput> StandardError();
bool StandardErrorIsTerminal();
bool StandardInputIsTerminal();

// Raises EToolIoError naming the file and the reason.
std::unique_ptr<TByteInput> OpenFileInput(const std::string& path);
bool IsRegularFile(const std::string& path);
// Reads an open file that stays open; errors name it `name`.
std::unique_ptr<TByteInput> FileInput(std::FILE* file, const std::string& name);

std::string ExecutablePath();
TDate Today();

}  // namespace hm::query
