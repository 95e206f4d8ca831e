// The one way the program shows a message box. Tests install a capture that
// records each box and picks the answer; nothing else about the box changes.
#pragma once

#include "framework/ui/platform/win32.h"

#include <functional>
#include <string>
#include <vector>

namespace hm {

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned style = 0;  // MB_* flags as passed
};

// Shows a modal box over the active window (or the default owner) and
// returns the button pressed (IDOK, IDYES ...); 0 when the box could not be
// shown.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned style);
// The owner of a box shown while no window is active: the application sets
// its main form here.
void SetDefaultMessageBoxOwner(HWND (*owner)());

// While alive, boxes are recorded instead of shown and `answer` chooses the
// result (IDOK when not given). Captures nest; the innermost one wins.
class MessageBoxCapture {
 public:
  using Answer = std::function<int(const MessageBoxRecord&)>;
  explicit MessageBoxCapture(Answer answer = {});
  ~MessageBoxCapture();
  MessageBoxCapture(const MessageBoxCapture&) = delete;
  MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

  const std::vector<MessageBoxRecord>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

 private:
  friend int ShowMessageBox(const std::string&, const std::string&, unsigned);
  Answer answer_;
  std::vector<MessageBoxRecord> boxes_;
  MessageBoxCapture* outer_;
};

}  // namespace hm
