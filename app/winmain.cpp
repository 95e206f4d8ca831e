// The Windows entry point; the command line is not read.
#include "framework/ui/platform/win32.h"

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return hm::RunProgram(); }
