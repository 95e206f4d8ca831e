#include "tests/grid/grid_input.h"

#include <stdexcept>

#include "framework/core/text.h"

namespace hm::test {

KeyHeld::KeyHeld(BYTE key) {
  GetKeyboardState(saved_);
  BYTE state[256];
  GetKeyboardState(state);
  state[key] = 0x80;
  SetKeyboardState(state);
}

KeyHeld::~KeyHeld() { SetKeyboardState(saved_); }

void Key(WPARAM key, bool ctrl) {
  if (!ctrl) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    Pump();
    return;
  }
  KeyHeld held(VK_CONTROL);
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  Pump();
}

void Press(HWND window, int x, int y, UINT message) {
  const WPARAM buttons = message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
  SendMessageW(window, message, buttons, MAKELPARAM(x, y));
}

void MoveTo(HWND window, int x, int y) {
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, static_cast<LPARAM>(static_cast<WORD>(x)) |
                                                     (static_cast<LPARAM>(static_cast<WORD>(y)) << 16));
}

void Release(HWND window, int x, int y, UINT message) {
  SendMessageW(window, message, 0,
               static_cast<LPARAM>(static_cast<WORD>(x)) | (static_cast<LPARAM>(static_cast<WORD>(y)) << 16));
  Pump(2);
}

CodeBmCopy::CodeBmCopy(const std::string& name) {
  wchar_t folder[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, folder)) throw std::runtime_error("GetTempPath");
  wide_ = std::wstring(folder) + L"haomiso-" + Widen(name) + L".BM";
  SetFileAttributesW(wide_.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CopyFileW(Widen(RealCodeBm()).c_str(), wide_.c_str(), FALSE)) throw std::runtime_error("CopyFile");
  path_ = Narrow(wide_);
}

CodeBmCopy::~CodeBmCopy() {
  SetFileAttributesW(wide_.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(wide_.c_str());
}

void CodeBmCopy::SetReadOnly() { SetFileAttributesW(wide_.c_str(), FILE_ATTRIBUTE_READONLY); }

WritableAreaSearch::WritableAreaSearch(TComponent& owner, const std::string& file) : AreaSearch(owner) {
  connection->SetMode(cmShareDenyNone);
  connection->SetConnectionString("driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=" +
                                  file + ";Persist Security Info=False");
}

}  // namespace hm::test
