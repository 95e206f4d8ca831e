// The program's entry, callable from tests in process.
#pragma once

namespace hm {

inline constexpr char kApplicationTitle[] = "工具箱";

// Initialises the application, creates the main window and runs the message
// loop until the program ends; returns the process exit code.
int RunProgram();

}  // namespace hm
