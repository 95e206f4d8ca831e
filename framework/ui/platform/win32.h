// <windows.h> for framework code. The system headers define macros named
// like framework functions (RegisterClass, GetObject, ...); they are
// undefined here so the framework's names mean the same in every file.
// Win32 calls of those names are written with their W suffix.
#pragma once

#include <windows.h>

#undef RegisterClass
#undef GetObject
