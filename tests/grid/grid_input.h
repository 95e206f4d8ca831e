// Driving the grid as a user would: keys through the message loop (with
// Ctrl held in this thread's key state, which posted keys do not set under
// Wine), mouse messages at client points, and a private copy of Code.BM
// for tests that change data.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>

#include "tests/grid/area_search.h"
#include "tests/grid/grid_test_form.h"

namespace hm::test {

// Holds the given modifier (VK_CONTROL, VK_SHIFT) down while alive.
class KeyHeld {
 public:
  explicit KeyHeld(BYTE key);
  ~KeyHeld();
  KeyHeld(const KeyHeld&) = delete;
  KeyHeld& operator=(const KeyHeld&) = delete;

 private:
  BYTE saved_[256];
};

// A key posted to the focused window and dispatched by the message loop.
void Key(WPARAM key, bool ctrl = false);

void Press(HWND window, int x, int y, UINT message = WM_LBUTTONDOWN);
void MoveTo(HWND window, int x, int y);
void Release(HWND window, int x, int y, UINT message = WM_LBUTTONUP);

// The real Code.BM copied to a file of its own, removed at the end.
class CodeBmCopy {
 public:
  explicit CodeBmCopy(const std::string& name);
  ~CodeBmCopy();
  CodeBmCopy(const CodeBmCopy&) = delete;
  CodeBmCopy& operator=(const CodeBmCopy&) = delete;
  const std::string& Path() const { return path_; }  // UTF-8, for the connection string
  void SetReadOnly();

 private:
  std::wstring wide_;
  std::string path_;
};

// An area search on `file` that may change it (the lookups' connection mode).
struct WritableAreaSearch : AreaSearch {
  WritableAreaSearch(TComponent& owner, const std::string& file);
};

}  // namespace hm::test
