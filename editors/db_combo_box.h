// The data-aware combo box: the edit with a list of items (and optional
// parallel keys), an item index kept in step with the text, stepping and
// typing completion, and a drop-down list of its own.
#pragma once

#include <memory>
#include <string>

#include "editors/combo_logic.h"
#include "editors/db_edit.h"
#include "editors/drop_down_watch.h"
#include "editors/popup_listbox.h"
#include "framework/ui/controls/item_strings.h"

namespace hm {

// How the list drops down.
class TDropDownBoxEh : public TPersistent {
  HM_CLASS(TDropDownBoxEh, TPersistent)

 public:
  TDropDownAlign Align() const { return align_; }
  void SetAlign(TDropDownAlign value) { align_ = value; }
  // Typing drops the list down.
  bool AutoDrop() const { return auto_drop_; }
  void SetAutoDrop(bool value) { auto_drop_ = value; }
  int Rows() const { return rows_; }
  void SetRows(int value) { rows_ = value; }
  bool Sizable() const { return sizable_; }
  void SetSizable(bool value) { sizable_ = value; }
  // -1: the widest item; 0 or less: the combo's width.
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }

 private:
  TDropDownAlign align_ = daLeft;
  bool auto_drop_ = false;
  int rows_ = 7;
  bool sizable_ = false;
  int width_ = 0;
};

// Sender, accepted.
using TCloseUpEventEh = TEvent<TObject*, bool>;
// Sender, the text, handled.
using TNotInListEventEh = TEvent<TObject*, const std::string&, bool&>;
// Sender, item, image index.
using TGetItemImageIndexEventEh = TEvent<TObject*, int, int&>;

class TCustomDBComboBoxEh : public TCustomDBEditEh {
  HM_CLASS(TCustomDBComboBoxEh, TCustomDBEditEh)

 public:
  explicit TCustomDBComboBoxEh(TComponent* owner);
  ~TCustomDBComboBoxEh() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings& items) { items_->Assign(items); }
  TStrings* KeyItems() const { return key_items_.get(); }
  void SetKeyItems(const TStrings& items) { key_items_->Assign(items); }
  // The current item, -1 for none; writing chooses an item.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  // Items usable: with keys, as many as both lists have.
  int ItemCount() const;
  bool KeyBased() const { return key_items_->Count() > 0; }
  // The current key (null without an item); setting it chooses the item.
  const TFieldValue& KeyValue() const { return key_value_; }
  void SetKeyValue(const TFieldValue& value);
  bool ListVisible() const { return list_visible_; }
  bool DroppedDown() const override { return list_visible_; }
  TDropDownBoxEh* DropDownBox() const { return drop_down_box_.get(); }
  // Made on the first drop-down; null before.
  TPopupListboxEh* PopupList() const { return list_; }
  // The image index of the current item, from OnGetItemImageIndex.
  int ImageIndex() const { return image_index_; }

  void SetText(const std::string& text) override;
  void DropDown() override;
  void CloseUp(bool accept) override;

  TNotifyEvent OnDropDown;
  TCloseUpEventEh OnCloseUp;
  TNotInListEventEh OnNotInList;
  TGetItemImageIndexEventEh OnGetItemImageIndex;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Change() override;
  void DataChanged() override;
  void PostData() override;
  bool KeyDown(WORD key, TShiftState shift) override;
  bool KeyPress(wchar_t& key) override;
  void KeyPressed(wchar_t key) override;
  bool WantsKey(WPARAM key) const override;
  void EditButtonDrag(POINT screen) override;
  void EditButtonUp(POINT screen) override;
  void UpDownStep(bool up) override;
  void WMKillFocus(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ItemsChanged();
  // Re-derives the index from the text.
  void SyncIndexToText();
  // Chooses item `index` and shows its text even when it is current.
  void Choose(int index);
  void Step(bool next);
  void UpdateImageIndex();
  void KeyBasedType(const std::u16string& typed);
  void KeyBasedBackspace();
  bool OwnsWindow(HWND window);
  void CancelMode(HWND taker);
  void FillList();

  std::unique_ptr<TItemStrings> items_;
  std::unique_ptr<TItemStrings> key_items_;
  std::unique_ptr<TDropDownBoxEh> drop_down_box_;
  TPopupListboxEh* list_ = nullptr;  // owned as a component of this combo
  std::unique_ptr<TDropDownWatch> watch_;
  int item_index_ = -1;
  TFieldValue key_value_;
  int image_index_ = -1;
  bool list_visible_ = false;
  bool choosing_ = false;      // the text is being set from an item
  int index_before_key_ = -1;  // the index when the typed key arrived
};

class TDBComboBoxEh : public TCustomDBComboBoxEh {
  HM_CLASS(TDBComboBoxEh, TCustomDBComboBoxEh)

 public:
  explicit TDBComboBoxEh(TComponent* owner);
};

}  // namespace hm
