// The native list box and combo box. Their items live in a TItemStrings and
// are mirrored into the window, so they are there before the window is and
// survive its re-creation.
#pragma once

#include <memory>

#include "framework/ui/controls/item_strings.h"
#include "framework/ui/base/win_control.h"

namespace hm {

HM_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList)

class TCustomListBox : public TWinControl {
  HM_CLASS(TCustomListBox, TWinControl)

 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_.get(); }
  // The selected (focused) item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool value);
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The height is a whole number of items.
  bool IntegralHeight() const { return integral_height_; }
  void SetIntegralHeight(bool value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  int TopIndex() const;
  void SetTopIndex(int value);
  void Clear() { items_->Clear(); }

  TNotifyEvent OnDblClick;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void SaveWindowState() override;

 private:
  std::unique_ptr<TItemStrings> items_;
  mutable int item_index_ = -1;  // kept while there is no window
  bool multi_select_ = false;
  int columns_ = 0;
  bool integral_height_ = false;
  int item_height_ = 0;  // 0: the font's
};

class TListBox : public TCustomListBox {
  HM_CLASS(TListBox, TCustomListBox)

 public:
  explicit TListBox(TComponent* owner);
};

class TComboBox : public TWinControl {
  HM_CLASS(TComboBox, TWinControl)

 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TStrings* Items() const { return items_.get(); }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemIndex() const;
  void SetItemIndex(int value);
  // Rows the drop-down list shows.
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  void SetText(const std::string& text) override;
  // The closed height; the window also covers the drop-down list.
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void CNCommand(TMessage& message);
  void SaveWindowState() override;

 private:
  int ListHeight() const;
  std::unique_ptr<TItemStrings> items_;
  TComboBoxStyle style_ = csDropDown;
  mutable int item_index_ = -1;
  int drop_down_count_ = 8;
  int max_length_ = 0;
};

}  // namespace hm
