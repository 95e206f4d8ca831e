// An edit that can hold its text to an edit mask (see edit_mask.h). Typing
// overwrites one position at a time and skips the literals; characters
// that do not fit their position are refused. Without a mask it is a plain
// edit and Text is exactly what the window shows.
#pragma once

#include "framework/core/exception.h"
#include "framework/ui/portable/edit_mask.h"
#include "framework/ui/controls/edits.h"

namespace hm {

// A required position of the mask is still blank.
class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

class TCustomMaskEdit : public TCustomEdit {
  HM_CLASS(TCustomMaskEdit, TCustomEdit)

 public:
  explicit TCustomMaskEdit(TComponent* owner);

  std::string EditMask() const { return edit_mask_; }
  void SetEditMask(const std::string& mask);
  bool IsMasked() const { return !mask_.Empty(); }

  // What the window shows: the literals and the blank character included.
  std::string EditText() const { return TWinControl::GetText(); }
  void SetEditText(const std::string& text);
  // The value: with a mask, the edit text by the mask's save-literals rule.
  std::string GetText() const override;
  void SetText(const std::string& text) override;

  // Raises EDBEditError and puts the caret on the first required position
  // that is blank; nothing without a mask.
  virtual void ValidateEdit();

  void WndProc(TMessage& message) override;

 protected:
  void CreateHandleDone() override;

 private:
  std::u16string CurrentEditText() const;
  void Store(const std::u16string& edit_text, int caret);
  void TypeChar(char16_t c);
  void Erase(bool backwards);

  std::string edit_mask_;
  TEditMask mask_;
};

class TMaskEdit : public TCustomMaskEdit {
  HM_CLASS(TMaskEdit, TCustomMaskEdit)

 public:
  explicit TMaskEdit(TComponent* owner);
};

}  // namespace hm
