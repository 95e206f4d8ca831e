// The data-aware single-line edit. Bound to a field through its data link,
// or unbound with the link holding its value; a flat one-pixel border that
// follows focus and mouse; a row of edit buttons at its right edge.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editors/edit_button.h"
#include "editors/edit_button_control.h"
#include "editors/edit_extras.h"
#include "editors/field_data_link.h"
#include "framework/data/alignment.h"
#include "framework/ui/controls/mask_edit.h"

namespace hm {

class TCustomDBEditEh : public TCustomMaskEdit {
  HM_CLASS(TCustomDBEditEh, TCustomMaskEdit)

 public:
  explicit TCustomDBEditEh(TComponent* owner);
  ~TCustomDBEditEh() override;

  // ---- Settings.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool AlwaysShowBorder() const { return always_show_border_; }
  void SetAlwaysShowBorder(bool value);
  // The height follows the font (and a taller image).
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool value) { want_tabs_ = value; }
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool value) { want_returns_ = value; }
  TDataSource* DataSource() const { return link_->DataSource(); }
  void SetDataSource(TDataSource* source);
  const std::string& DataField() const { return link_->FieldName(); }
  void SetDataField(const std::string& name) { link_->SetFieldName(name); }
  bool ReadOnly() const { return TCustomMaskEdit::ReadOnly(); }
  void SetReadOnly(bool value);

  TEditButtonEh* EditButton() const { return edit_button_.get(); }
  TEditButtonsEh* EditButtons() const { return edit_buttons_.get(); }
  TEditImageEh* EditImage() const { return edit_image_.get(); }
  TMRUListEh* MRUList() const { return mru_list_.get(); }
  TFieldDataLinkEh& DataLink() const { return *link_; }

  // ---- State.
  bool BorderActive() const { return border_active_; }
  bool MouseInControl() const { return mouse_in_control_; }
  int ButtonsWidth() const { return buttons_width_; }
  int ButtonHeight() const { return button_height_; }
  int ImageWidth() const { return image_width_; }
  // The control has the focus (set on entering, cleared on leaving).
  bool IsFocused() const { return focused_; }
  virtual bool DroppedDown() const { return false; }
  // The drop-down was opened by the press on the edit button now held.
  bool DroppedByButton() const { return dropped_by_button_; }
  // The client area less the buttons and the image: where the text goes.
  RECT TextRect() const;
  // The flat border is drawn by the control rather than the system.
  bool DrawsFlatBorder() const;

  // Setting the text posts it to the link (bound: the field, in edit mode).
  void SetText(const std::string& text) override;
  // Writes the text to the link now (validating a mask when focused).
  void UpdateData();
  // Opens and closes whatever the edit button drops down (the combo's list).
  virtual void DropDown() {}
  virtual void CloseUp(bool accept) { (void)accept; }

  // The windows that show the buttons: entry 0 is the edit button's.
  int ButtonControlCount() const { return static_cast<int>(button_controls_.size()); }
  TEditButtonControlEh* ButtonControl(int index) const { return button_controls_.at(index).button; }
  TEditButtonSeparatorEh* ButtonSeparator(int index) const { return button_controls_.at(index).separator; }

  // Any of the buttons: the edit button is entry 0.
  TButtonDownEventEh OnButtonDown;
  TButtonClickEventEh OnButtonClick;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  // A descendant brings its own kind of edit button (the combo's is visible).
  TCustomDBEditEh(TComponent* owner, std::unique_ptr<TEditButtonEh> edit_button);
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Change() override;
  void BoundsChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMCtl3DChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;

  // The link's value became current: show it.
  virtual void DataChanged();
  // Hands the text to the link (the combo hands its key or text).
  virtual void PostData();
  // Keys before the edit sees them; true when used up.
  virtual bool KeyDown(WORD key, TShiftState shift);
  // A character before the edit inserts it; true when used up.
  virtual bool KeyPress(wchar_t& key);
  // After the edit inserted a character (or deleted one with Backspace).
  virtual void KeyPressed(wchar_t key) { (void)key; }
  virtual bool WantsKey(WPARAM key) const;
  // The edit button's actions.
  virtual void EditButtonDown(int index, bool top);
  virtual void EditButtonClick(int index);
  virtual void EditButtonDrag(POINT screen) { (void)screen; }
  virtual void EditButtonUp(POINT screen);
  // An up-down edit button was pressed (top half: up).
  virtual void UpDownStep(bool up) { (void)up; }
  // After the drop-down opened or closed: the edit button shows it.
  void UpdateButtonsState();
  // The text as the control sets it, without posting.
  void SetTextQuietly(const std::string& text);
  // The link can be put into editing now.
  bool EditCanModify();
  // Draws the flat border into dc, or the window's DC when null.
  void DrawFlatBorder(HDC dc);
  void AdjustHeight();
  void LayoutButtons();
  TEditButtonEh& ButtonOf(int index) const;

  bool from_link_ = false;  // the text being shown came from the link
  // The timer that looks for the mouse having left (an id the edit class does not use).
  static constexpr UINT_PTR kMouseCheckTimer = 0x4D4C;

 private:
  struct ButtonPair {
    TEditButtonSeparatorEh* separator = nullptr;  // owned as components of this edit
    TEditButtonControlEh* button = nullptr;
  };
  void ButtonsChanged();
  void UpdateBorderState();
  void CheckMouseLeft();
  void MouseEntered();
  void ApplyMargins();
  void PaintAlignedText(HDC dc);
  bool PaintsTextItself() const;
  void PaintImage(HDC dc);
  void ClickButton(int index);
  int FlatButtonWidth() const;

  std::unique_ptr<TFieldDataLinkEh> link_;
  std::unique_ptr<TEditButtonEh> edit_button_;
  std::unique_ptr<TEditButtonsEh> edit_buttons_;
  std::unique_ptr<TEditImageEh> edit_image_;
  std::unique_ptr<TMRUListEh> mru_list_;
  std::vector<ButtonPair> button_controls_;

  bool flat_ = false;
  bool always_show_border_ = false;
  bool auto_size_ = true;
  TAlignment alignment_ = taLeftJustify;
  bool word_wrap_ = false;
  bool want_tabs_ = false;
  bool want_returns_ = false;

  bool border_active_ = false;
  bool mouse_in_control_ = false;
  bool tracking_mouse_ = false;
  int buttons_width_ = 0;
  int button_height_ = 0;
  int image_width_ = 0;
  bool focused_ = false;
  bool dropped_by_button_ = false;
  bool clicking_ = false;       // a mouse press is bringing the focus
  wchar_t swallow_char_ = 0;    // the character of a key already used up
  bool laying_out_ = false;
};

class TDBEditEh : public TCustomDBEditEh {
  HM_CLASS(TDBEditEh, TCustomDBEditEh)

 public:
  explicit TDBEditEh(TComponent* owner);
};

}  // namespace hm
