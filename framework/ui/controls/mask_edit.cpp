#include "framework/ui/controls/mask_edit.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TCustomMaskEdit) {}

HM_PUBLISH(TMaskEdit) {
  p.Prop("AutoSelect", &TMaskEdit::AutoSelect, &TMaskEdit::SetAutoSelect);
  p.Prop("AutoSize", &TMaskEdit::AutoSize, &TMaskEdit::SetAutoSize);
  p.Prop("BorderStyle", &TMaskEdit::BorderStyle, &TMaskEdit::SetBorderStyle);
  p.Prop("CharCase", &TMaskEdit::CharCase, &TMaskEdit::SetCharCase);
  // Before Text: the mask decides how a stored text is read.
  p.Prop("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
  p.Prop("MaxLength", &TMaskEdit::MaxLength, &TMaskEdit::SetMaxLength);
  p.Prop("PasswordChar", &TMaskEdit::PasswordChar, &TMaskEdit::SetPasswordChar);
  p.Prop("ReadOnly", &TMaskEdit::ReadOnly, &TMaskEdit::SetReadOnly);
  p.Prop("Text", &TMaskEdit::GetText, &TMaskEdit::SetText);
  p.Event("OnChange", static_cast<TNotifyEvent TMaskEdit::*>(&TMaskEdit::OnChange));
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const std::string& mask) {
  if (mask == edit_mask_) return;
  const std::string value = GetText();
  edit_mask_ = mask;
  mask_ = TEditMask(mask);
  SetMaxLength(mask_.Size());
  SetText(value);
}

void TCustomMaskEdit::CreateHandleDone() {
  TCustomEdit::CreateHandleDone();
  if (IsMasked()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(mask_.Size()), 0);
}

void TCustomMaskEdit::SetEditText(const std::string& text) { TWinControl::SetText(text); }

std::string TCustomMaskEdit::GetText() const {
  if (!IsMasked()) return TWinControl::GetText();
  return Utf16ToUtf8(mask_.Value(CurrentEditText()));
}

void TCustomMaskEdit::SetText(const std::string& text) {
  if (!IsMasked()) return TWinControl::SetText(text);
  TWinControl::SetText(Utf16ToUtf8(mask_.Format(Utf8ToUtf16(text))));
}

// The window's text in the mask's shape, whatever reached it.
std::u16string TCustomMaskEdit::CurrentEditText() const {
  std::u16string text = Utf8ToUtf16(EditText());
  if (static_cast<int>(text.size()) != mask_.Size()) text = mask_.Format(u"");
  return text;
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const int missing = mask_.FirstMissing(CurrentEditText());
  if (missing < 0) return;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, missing, missing);
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::Store(const std::u16string& edit_text, int caret) {
  TWinControl::SetText(Utf16ToUtf8(edit_text));
  SendMessageW(Handle(), EM_SETSEL, caret, caret);
  SetModified(true);
}

void TCustomMaskEdit::TypeChar(char16_t c) {
  std::u16string text = CurrentEditText();
  int pos = SelStart();
  const int end = pos + SelLength();
  for (int i = pos; i < end && i < mask_.Size(); ++i) {
    if (!mask_.IsLiteral(i)) text[static_cast<std::size_t>(i)] = mask_.Blank();
  }
  while (pos < mask_.Size() && mask_.IsLiteral(pos)) ++pos;
  const char16_t accepted = pos < mask_.Size() ? mask_.Accept(pos, c) : 0;
  if (!accepted) {
    MessageBeep(0);
    return;
  }
  text[static_cast<std::size_t>(pos)] = accepted;
  int caret = pos + 1;
  while (caret < mask_.Size() && mask_.IsLiteral(caret)) ++caret;
  Store(text, caret);
}

void TCustomMaskEdit::Erase(bool backwards) {
  std::u16string text = CurrentEditText();
  int pos = SelStart();
  const int length = SelLength();
  if (length > 0) {
    for (int i = pos; i < pos + length && i < mask_.Size(); ++i) {
      if (!mask_.IsLiteral(i)) text[static_cast<std::size_t>(i)] = mask_.Blank();
    }
    return Store(text, pos);
  }
  if (backwards) {
    --pos;
    while (pos >= 0 && mask_.IsLiteral(pos)) --pos;
    if (pos < 0) return;
  } else {
    while (pos < mask_.Size() && mask_.IsLiteral(pos)) ++pos;
    if (pos >= mask_.Size()) return;
  }
  text[static_cast<std::size_t>(pos)] = mask_.Blank();
  Store(text, backwards ? pos : SelStart());
}

void TCustomMaskEdit::WndProc(TMessage& message) {
  if (IsMasked() && !ReadOnly()) {
    switch (message.Msg) {
      case WM_CHAR:
        if (message.WParam == VK_BACK) return Erase(true);
        if (message.WParam < 0x20) break;  // Ctrl+C and friends
        return TypeChar(static_cast<char16_t>(message.WParam));
      case WM_KEYDOWN:
        if (message.WParam == VK_DELETE) return Erase(false);
        break;
      case WM_CLEAR: return Erase(false);
      case WM_CUT: {
        // Copy as usual, then blank instead of removing.
        TMessage copy{WM_COPY, 0, 0, 0};
        DefaultHandler(copy);
        return Erase(false);
      }
      case WM_PASTE: {
        // Pasted text goes in as if typed, one position at a time.
        const std::string clip = [this] {
          if (!OpenClipboard(Handle())) return std::string();
          std::string out;
          if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
              out = Narrow(wide);
              GlobalUnlock(data);
            }
          }
          CloseClipboard();
          return out;
        }();
        for (char16_t c : Utf8ToUtf16(clip)) TypeChar(c);
        return;
      }
      default: break;
    }
  }
  TCustomEdit::WndProc(message);
}

}  // namespace hm
