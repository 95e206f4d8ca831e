// Single-line text input over the native edit control.
#pragma once

#include <string>

#include "framework/ui/forms/form.h"
#include "framework/ui/base/win_control.h"

namespace hm {

HM_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)

class TCustomEdit : public TWinControl {
  HM_CLASS(TCustomEdit, TWinControl)

 public:
  explicit TCustomEdit(TComponent* owner);

  // Focus by the keyboard selects the whole text.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool value) { auto_select_ = value; }
  // The height follows the font.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  // bsNone: no border; any other style: the single (sunken with Ctl3D) border.
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle value);
  TEditCharCase CharCase() const { return char_case_; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool value);
  // In characters; 0 means no limit.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);
  // A character shown instead of each typed one; empty for none.
  std::string PasswordChar() const { return password_char_; }
  void SetPasswordChar(const std::string& value);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value);

  // Changed by the user since the flag was last cleared.
  bool Modified() const;
  void SetModified(bool value);
  // Selection in characters.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::string SelText() const;
  void SetSelText(const std::string& text);  // replaces the selection
  void SelectAll();
  void Clear() { SetText(""); }

  // After every change of the text, by the user or by code.
  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  virtual void Change();
  void SaveWindowState() override;
  // The height for the font: text height plus the border.
  void AdjustHeight();
  virtual void CNCommand(TMessage& message);
  void CMTextChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMCtl3DChanged(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;

 private:
  bool auto_select_ = true;
  bool auto_size_ = true;
  TFormBorderStyle border_style_ = bsSingle;
  TEditCharCase char_case_ = ecNormal;
  bool hide_selection_ = true;
  int max_length_ = 0;
  std::string password_char_;
  bool read_only_ = false;
  bool modified_ = false;  // kept while there is no window
};

class TEdit : public TCustomEdit {
  HM_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* owner);
};

}  // namespace hm
