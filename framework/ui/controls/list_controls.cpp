#include "framework/ui/controls/list_controls.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/form.h"

namespace hm {

namespace {

void MirrorItems(TWinControl& control, UINT insert, UINT reset, const TStrings& items) {
  HWND h = control.Handle();
  SendMessageW(h, reset, 0, 0);
  for (int i = 0; i < items.Count(); ++i) SendMessageW(h, insert, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(Widen(items.Get(i)).c_str()));
}

TItemStrings::Listener Mirror(TWinControl& control, UINT insert, UINT remove, UINT reset) {
  TItemStrings::Listener listener;
  listener.Inserted = [&control, insert](int index, const std::string& s) {
    if (control.HandleAllocated())
      SendMessageW(control.Handle(), insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Widen(s).c_str()));
  };
  listener.Deleted = [&control, remove](int index) {
    if (control.HandleAllocated()) SendMessageW(control.Handle(), remove, static_cast<WPARAM>(index), 0);
  };
  listener.Cleared = [&control, reset] {
    if (control.HandleAllocated()) SendMessageW(control.Handle(), reset, 0, 0);
  };
  listener.Changed = [&control, insert, remove](int index, const std::string& s) {
    if (!control.HandleAllocated()) return;
    SendMessageW(control.Handle(), remove, static_cast<WPARAM>(index), 0);
    SendMessageW(control.Handle(), insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Widen(s).c_str()));
  };
  return listener;
}

}  // namespace

// ---- TCustomListBox

HM_PUBLISH(TCustomListBox) {}

HM_PUBLISH(TListBox) {
  p.Prop("Columns", &TListBox::Columns, &TListBox::SetColumns);
  p.Prop("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight);
  p.Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).NotStored();
  p.Prop("Items", &TListBox::Items);
  p.Prop("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex);
  p.Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect);
  p.Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted);
  p.Event("OnDblClick", static_cast<TNotifyEvent TListBox::*>(&TListBox::OnDblClick));
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TItemStrings>(Mirror(*this, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT))) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

TListBox::TListBox(TComponent* owner) : TCustomListBox(owner) {}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"LISTBOX";
  params.own_class = false;
  params.style |= LBS_NOTIFY | WS_VSCROLL | LBS_HASSTRINGS;
  if (!integral_height_) params.style |= LBS_NOINTEGRALHEIGHT;
  if (multi_select_) params.style |= LBS_EXTENDEDSEL;
  if (columns_ > 0) params.style |= LBS_MULTICOLUMN | WS_HSCROLL;
  params.ex_style |= Ctl3D() ? WS_EX_CLIENTEDGE : 0;
  if (!Ctl3D()) params.style |= WS_BORDER;
}

void TCustomListBox::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  MirrorItems(*this, LB_INSERTSTRING, LB_RESETCONTENT, *items_);
  if (item_height_ > 0) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, item_height_);
  if (columns_ > 0) SendMessageW(Handle(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Width() / columns_), 0);
  SetItemIndex(item_index_);
}

void TCustomListBox::SaveWindowState() {
  TWinControl::SaveWindowState();
  item_index_ = ItemIndex();
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return item_index_;
  HWND h = const_cast<TCustomListBox*>(this)->Handle();
  const auto index = static_cast<int>(SendMessageW(h, multi_select_ ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
  // A multi-select list reports its caret even with nothing selected.
  if (multi_select_ && index >= 0 && !SendMessageW(h, LB_GETSEL, static_cast<WPARAM>(index), 0)) return -1;
  return index;
}

void TCustomListBox::SetItemIndex(int value) {
  if (Loading()) {
    item_index_ = value;  // the items may come later; made good with the window
    return;
  }
  if (value < -1 || value >= items_->Count()) value = -1;
  item_index_ = value;
  if (Loading() || !HandleAllocated()) return;
  if (multi_select_) {
    SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
    if (value >= 0) {
      SendMessageW(Handle(), LB_SETSEL, TRUE, value);
      SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(value), FALSE);
    }
  } else {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  }
}

// The stored index waited for the items.
void TCustomListBox::Loaded() {
  TWinControl::Loaded();
  SetItemIndex(item_index_);
}

bool TCustomListBox::Selected(int index) const {
  if (!HandleAllocated()) return index == item_index_ && index >= 0;
  return SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (!multi_select_) return SetItemIndex(value ? index : (ItemIndex() == index ? -1 : ItemIndex()));
  SendMessageW(Handle(), LB_SETSEL, value, index);
}

int TCustomListBox::SelCount() const {
  if (!multi_select_) return ItemIndex() >= 0 ? 1 : 0;
  if (!HandleAllocated()) return item_index_ >= 0 ? 1 : 0;
  return static_cast<int>(SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (value == multi_select_) return;
  multi_select_ = value;
  RecreateWnd();
}

void TCustomListBox::SetColumns(int value) {
  if (value == columns_) return;
  columns_ = std::max(value, 0);
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool value) {
  if (value == integral_height_) return;
  integral_height_ = value;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() const {
  if (HandleAllocated())
    return static_cast<int>(SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETITEMHEIGHT, 0, 0));
  return item_height_ > 0 ? item_height_ : FontTextHeight(*Font());
}

void TCustomListBox::SetItemHeight(int value) {
  item_height_ = std::max(value, 0);
  if (HandleAllocated() && item_height_ > 0) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, item_height_);
}

int TCustomListBox::TopIndex() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(SendMessageW(const_cast<TCustomListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int value) { SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(value), 0); }

void TCustomListBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    switch (HIWORD(message.WParam)) {
      case LBN_SELCHANGE:
        item_index_ = ItemIndex();
        Click();
        break;
      case LBN_DBLCLK: OnDblClick(this); break;
      default: break;
    }
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TComboBox

HM_PUBLISH(TComboBox) {
  p.Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount);
  p.Prop("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength);
  p.Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted);
  p.Prop("Style", &TComboBox::Style, &TComboBox::SetStyle);
  // After Items and Style: a stored text may pick an item.
  p.Prop("Items", &TComboBox::Items);
  p.Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).NotStored();
  p.Prop("Text", &TComboBox::GetText, &TComboBox::SetText);
  p.Event("OnChange", &TComboBox::OnChange);
  p.Event("OnCloseUp", &TComboBox::OnCloseUp);
  p.Event("OnDropDown", &TComboBox::OnDropDown);
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TItemStrings>(Mirror(*this, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT))) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TComboBox::~TComboBox() = default;

int TComboBox::ListHeight() const {
  TFont* font = Font();
  const int item = font ? FontTextHeight(*font) : 13;
  return item * std::max(drop_down_count_, 1) + 2;
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"COMBOBOX";
  params.own_class = false;
  params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case csDropDown: params.style |= CBS_DROPDOWN; break;
    case csSimple: params.style |= CBS_SIMPLE; break;
    case csDropDownList: params.style |= CBS_DROPDOWNLIST; break;
  }
  if (style_ != csSimple) params.height += ListHeight();
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  if (HandleAllocated() && style_ != csSimple) height += ListHeight();
  TWinControl::SetBounds(left, top, width, height);
}

void TComboBox::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  const std::string text = text_;
  MirrorItems(*this, CB_INSERTSTRING, CB_RESETCONTENT, *items_);
  SendMessageW(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
  if (item_index_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
  else if (style_ != csDropDownList) SetWindowTextW(Handle(), Widen(text).c_str());
}

void TComboBox::SaveWindowState() {
  TWinControl::SaveWindowState();
  item_index_ = ItemIndex();
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return item_index_;
  return static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
  if (Loading()) {
    item_index_ = value;
    return;
  }
  if (value < -1 || value >= items_->Count()) value = -1;
  item_index_ = value;
  text_ = value >= 0 ? items_->Get(value) : std::string();
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  if (item_index_ >= 0) SetItemIndex(item_index_);
}

// In a list-only combo the text can only be an item's.
void TComboBox::SetText(const std::string& text) {
  if (style_ == csDropDownList) {
    SetItemIndex(items_->IndexOf(text));
    return;
  }
  item_index_ = -1;
  TWinControl::SetText(text);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int value) {
  drop_down_count_ = std::max(value, 1);
  if (HandleAllocated()) SetBounds(Left(), Top(), Width(), Height());
}

void TComboBox::SetMaxLength(int value) {
  max_length_ = std::max(value, 0);
  if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

bool TComboBox::DroppedDown() const {
  return HandleAllocated() && SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0);
}

void TComboBox::SetDroppedDown(bool value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, value, 0); }

void TComboBox::CNCommand(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE:
      item_index_ = ItemIndex();
      if (item_index_ >= 0) text_ = items_->Get(item_index_);
      Click();
      if (!Loading()) OnChange(this);
      break;
    case CBN_EDITCHANGE:
      item_index_ = -1;
      if (!Loading()) OnChange(this);
      break;
    case CBN_DROPDOWN: OnDropDown(this); break;
    case CBN_CLOSEUP: OnCloseUp(this); break;
    default: break;
  }
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) return CNCommand(message);
  TWinControl::WndProc(message);
}

}  // namespace hm
