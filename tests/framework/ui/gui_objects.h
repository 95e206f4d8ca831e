// GDI and USER objects of this process, for tests that must leave none
// behind. Wine answers GetGuiResources with 0, but it accepts a handle's
// table index on its own, so the live entries can be counted by probing
// every index; on Windows the system's own counts are used.
#pragma once

#include "framework/ui/platform/win32.h"

namespace hm::test {

inline int CountGdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(n);
  int count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
  return count;
}

// Windows and menus (the USER objects the framework makes).
inline int CountUserObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(n);
  int count = 0;
  for (UINT_PTR index = 0x20; index < 0x10000; index += 2) {
    const auto handle = reinterpret_cast<HANDLE>(index);
    count += IsWindow(static_cast<HWND>(handle)) || IsMenu(static_cast<HMENU>(handle));
  }
  return count;
}

}  // namespace hm::test
