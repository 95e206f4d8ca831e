#include "framework/ui/forms/message_box.h"

#include "framework/ui/platform/win32.h"

#include "framework/core/text.h"

namespace hm {

namespace {
MessageBoxCapture* g_capture = nullptr;  // innermost live capture, not owned
HWND (*g_default_owner)() = nullptr;
}  // namespace

void SetDefaultMessageBoxOwner(HWND (*owner)()) { g_default_owner = owner; }

MessageBoxCapture::MessageBoxCapture(Answer answer) : answer_(std::move(answer)), outer_(g_capture) {
  g_capture = this;
}

MessageBoxCapture::~MessageBoxCapture() { g_capture = outer_; }

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  if (g_capture) {
    MessageBoxCapture& capture = *g_capture;
    capture.boxes_.push_back({text, caption, style});
    return capture.answer_ ? capture.answer_(capture.boxes_.back()) : IDOK;
  }
  HWND owner = GetActiveWindow();
  if (!owner && g_default_owner) owner = g_default_owner();
  return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), style);
}

}  // namespace hm
