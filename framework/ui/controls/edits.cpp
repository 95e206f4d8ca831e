#include "framework/ui/controls/edits.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TCustomEdit) {}

HM_PUBLISH(TEdit) {
  p.Prop("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect);
  p.Prop("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize);
  p.Prop("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle);
  p.Prop("CharCase", &TEdit::CharCase, &TEdit::SetCharCase);
  p.Prop("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection);
  p.Prop("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength);
  p.Prop("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar);
  p.Prop("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly);
  p.Prop("Text", &TEdit::GetText, &TEdit::SetText);
  p.Event("OnChange", static_cast<TNotifyEvent TEdit::*>(&TEdit::OnChange));
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"EDIT";
  params.own_class = false;
  params.style |= ES_AUTOHSCROLL;
  if (!hide_selection_) params.style |= ES_NOHIDESEL;
  if (read_only_) params.style |= ES_READONLY;
  if (!password_char_.empty()) params.style |= ES_PASSWORD;
  if (char_case_ == ecUpperCase) params.style |= ES_UPPERCASE;
  if (char_case_ == ecLowerCase) params.style |= ES_LOWERCASE;
  if (border_style_ != bsNone) {
    if (Ctl3D()) params.ex_style |= WS_EX_CLIENTEDGE;
    else params.style |= WS_BORDER;
  }
}

void TCustomEdit::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  HWND h = Handle();
  SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
  if (!password_char_.empty()) {
    const std::u16string c = Utf8ToUtf16(password_char_);
    SendMessageW(h, EM_SETPASSWORDCHAR, static_cast<WPARAM>(c[0]), 0);
  }
  SendMessageW(h, EM_SETMODIFY, modified_, 0);
  AdjustHeight();
}

void TCustomEdit::SaveWindowState() {
  TWinControl::SaveWindowState();
  modified_ = Modified();
}

void TCustomEdit::AdjustHeight() {
  if (!auto_size_ || Loading()) return;
  const int text_height = FontTextHeight(*Font());
  if (text_height <= 0) return;
  // Two border pixels and two gap pixels above and below the text.
  const int allowance = GetSystemMetrics(SM_CYBORDER) * (border_style_ == bsNone ? 0 : Ctl3D() ? 8 : 6);
  SetHeight(text_height + allowance);
}

void TCustomEdit::SetAutoSize(bool value) {
  auto_size_ = value;
  if (HandleAllocated()) AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
  if (value == border_style_) return;
  border_style_ = value;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == char_case_) return;
  char_case_ = value;
  if (value == ecUpperCase) SetText(AnsiUpperCase(GetText()));
  if (value == ecLowerCase) SetText(AnsiLowerCase(GetText()));
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (value == hide_selection_) return;
  hide_selection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int value) {
  max_length_ = value < 0 ? 0 : value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TCustomEdit::SetPasswordChar(const std::string& value) {
  if (value == password_char_) return;
  const std::u16string c = Utf8ToUtf16(value);
  password_char_ = c.empty() ? std::string() : Utf16ToUtf8(c.substr(0, 1));
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  read_only_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

bool TCustomEdit::Modified() const {
  auto* self = const_cast<TCustomEdit*>(this);
  return HandleAllocated() ? SendMessageW(self->Handle(), EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool value) {
  modified_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMODIFY, value, 0);
}

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int value) { SendMessageW(Handle(), EM_SETSEL, value, value); }

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, start, start + value);
}

std::string TCustomEdit::SelText() const {
  const std::u16string text = Utf8ToUtf16(GetText());
  const auto start = static_cast<std::size_t>(SelStart());
  if (start >= text.size()) return {};
  return Utf16ToUtf8(text.substr(start, static_cast<std::size_t>(SelLength())));
}

void TCustomEdit::SetSelText(const std::string& text) {
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Change() {
  if (!Loading()) OnChange(this);
}

void TCustomEdit::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == EN_CHANGE) Change();
}

// Without a window there is no EN_CHANGE; the text change itself reports.
void TCustomEdit::CMTextChanged(TMessage& message) {
  TWinControl::CMTextChanged(message);
  if (!HandleAllocated()) Change();
}

void TCustomEdit::CMFontChanged(TMessage& message) {
  TWinControl::CMFontChanged(message);
  if (HandleAllocated()) AdjustHeight();
}

void TCustomEdit::CMCtl3DChanged(TMessage& message) {
  RecreateWnd();
  TWinControl::CMCtl3DChanged(message);
}

void TCustomEdit::WMSetFocus(TMessage& message) {
  TWinControl::WMSetFocus(message);
  // Clicking places the caret; arriving by the keyboard selects all.
  if (auto_select_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) return CNCommand(message);
  TWinControl::WndProc(message);
}

}  // namespace hm
