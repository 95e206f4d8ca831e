// The combo box: items and keys, the index kept in step with the text,
// stepping, typing completion and posting.
#include "editors/db_combo_box.h"

#include <algorithm>

#include "editors/db_edit_publish.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TDropDownBoxEh) {
  p.Prop("Align", &TDropDownBoxEh::Align, &TDropDownBoxEh::SetAlign);
  p.Prop("AutoDrop", &TDropDownBoxEh::AutoDrop, &TDropDownBoxEh::SetAutoDrop);
  p.Prop("Rows", &TDropDownBoxEh::Rows, &TDropDownBoxEh::SetRows);
  p.Prop("Sizable", &TDropDownBoxEh::Sizable, &TDropDownBoxEh::SetSizable);
  p.Prop("Width", &TDropDownBoxEh::Width, &TDropDownBoxEh::SetWidth);
}

HM_PUBLISH(TCustomDBComboBoxEh) {}

HM_PUBLISH(TDBComboBoxEh) {
  PublishEditSettings(p);
  p.Prop("DropDownBox", &TDBComboBoxEh::DropDownBox);
  p.Prop("EditButton", &TDBComboBoxEh::EditButton);
  p.Prop("Items", &TDBComboBoxEh::Items);
  p.Prop("KeyItems", &TDBComboBoxEh::KeyItems);
  // After the items: a stored text chooses its item.
  p.Prop("Text", &TDBComboBoxEh::GetText, &TDBComboBoxEh::SetText);
  p.Event("OnCloseUp", static_cast<TCloseUpEventEh TDBComboBoxEh::*>(&TDBComboBoxEh::OnCloseUp));
  p.Event("OnDropDown", static_cast<TNotifyEvent TDBComboBoxEh::*>(&TDBComboBoxEh::OnDropDown));
  p.Event("OnGetItemImageIndex",
          static_cast<TGetItemImageIndexEventEh TDBComboBoxEh::*>(&TDBComboBoxEh::OnGetItemImageIndex));
  p.Event("OnNotInList", static_cast<TNotInListEventEh TDBComboBoxEh::*>(&TDBComboBoxEh::OnNotInList));
}

namespace {
TItemStrings::Listener Report(std::function<void()> changed) {
  TItemStrings::Listener l;
  l.Inserted = [changed](int, const std::string&) { changed(); };
  l.Deleted = [changed](int) { changed(); };
  l.Cleared = [changed] { changed(); };
  l.Changed = [changed](int, const std::string&) { changed(); };
  return l;
}
}  // namespace

TCustomDBComboBoxEh::TCustomDBComboBoxEh(TComponent* owner)
    : TCustomDBEditEh(owner, std::make_unique<TVisibleEditButtonEh>()),
      items_(std::make_unique<TItemStrings>(Report([this] { ItemsChanged(); }))),
      key_items_(std::make_unique<TItemStrings>(Report([this] { ItemsChanged(); }))),
      drop_down_box_(std::make_unique<TDropDownBoxEh>()) {}

TCustomDBComboBoxEh::~TCustomDBComboBoxEh() = default;

TDBComboBoxEh::TDBComboBoxEh(TComponent* owner) : TCustomDBComboBoxEh(owner) {}

void TCustomDBComboBoxEh::Loaded() {
  TCustomDBEditEh::Loaded();
  SyncIndexToText();
}

int TCustomDBComboBoxEh::ItemCount() const {
  return KeyBased() ? std::min(items_->Count(), key_items_->Count()) : items_->Count();
}

void TCustomDBComboBoxEh::ItemsChanged() {
  if (Loading() || ComponentState().Contains(csDestroying)) return;
  if (KeyBased()) {
    // A key-based text is always one of the items: none is chosen yet.
    key_value_ = std::monostate{};
    if (!GetText().empty()) SetTextQuietly("");
    SetMaxLength(0);
  }
  SyncIndexToText();
  if (list_visible_) FillList();
}

void TCustomDBComboBoxEh::SyncIndexToText() {
  if (choosing_) return;
  item_index_ = combo::FindItem(*items_, ItemCount(), GetText());
  if (KeyBased()) key_value_ = item_index_ >= 0 ? TFieldValue(key_items_->Get(item_index_)) : TFieldValue();
  if (list_visible_ && list_) list_->SetItemIndex(item_index_);
  UpdateImageIndex();
}

void TCustomDBComboBoxEh::UpdateImageIndex() {
  int index = -1;
  if (item_index_ >= 0) OnGetItemImageIndex(this, item_index_, index);
  image_index_ = index;
}

void TCustomDBComboBoxEh::Change() {
  TCustomDBEditEh::Change();
  SyncIndexToText();
}

void TCustomDBComboBoxEh::SetText(const std::string& text) {
  if (!KeyBased()) {
    TCustomDBEditEh::SetText(text);
    SyncIndexToText();
    return;
  }
  // A key-based combo takes only the texts of its items.
  const int index = combo::FindItem(*items_, ItemCount(), text);
  if (index < 0) return;
  Choose(index);
}

void TCustomDBComboBoxEh::SetItemIndex(int index) {
  if (index == item_index_) return;
  Choose(index);
}

void TCustomDBComboBoxEh::Choose(int index) {
  if (index < 0 || index >= ItemCount()) {
    item_index_ = -1;
    key_value_ = std::monostate{};
  } else {
    item_index_ = index;
    if (KeyBased()) key_value_ = key_items_->Get(index);
  }
  UpdateImageIndex();
  if (list_visible_ && list_) list_->SetItemIndex(item_index_);
  const std::string text = item_index_ < 0 ? std::string() : items_->Get(item_index_);
  choosing_ = true;
  try {
    TCustomDBEditEh::SetText(text);
  } catch (...) {
    choosing_ = false;
    throw;
  }
  choosing_ = false;
}

void TCustomDBComboBoxEh::SetKeyValue(const TFieldValue& value) {
  key_value_ = value;
  int index = -1;
  if (!IsNull(value)) {
    const int found = key_items_->IndexOf(ValueToText(value));
    index = found < ItemCount() ? found : -1;
  }
  item_index_ = index;
  UpdateImageIndex();
  if (list_visible_ && list_) list_->SetItemIndex(item_index_);
  choosing_ = true;
  try {
    TCustomDBEditEh::SetText(index >= 0 ? items_->Get(index) : std::string());
  } catch (...) {
    choosing_ = false;
    throw;
  }
  choosing_ = false;
}

void TCustomDBComboBoxEh::Step(bool next) {
  if (!EditCanModify()) return;
  const int index = combo::Step(item_index_, ItemCount(), next);
  if (index == item_index_) return;
  SetItemIndex(index);
  SelectAll();
}

void TCustomDBComboBoxEh::UpDownStep(bool up) { Step(!up); }

// ---- Posting

void TCustomDBComboBoxEh::PostData() {
  if (item_index_ == -1 && OnNotInList) {
    bool handled = false;
    OnNotInList(this, GetText(), handled);
  }
  if (KeyBased()) DataLink().PostValue(key_value_);
  else TCustomDBEditEh::PostData();
}

void TCustomDBComboBoxEh::DataChanged() {
  if (!KeyBased()) return TCustomDBEditEh::DataChanged();
  TFieldValue value;
  if (DataLink().DataIndependent()) value = DataLink().IndependentValue();
  else if (TField* field = DataLink().Field()) value = field->Value();
  key_value_ = value;
  int index = -1;
  if (!IsNull(value)) {
    const int found = key_items_->IndexOf(ValueToText(value));
    index = found < ItemCount() ? found : -1;
  }
  item_index_ = index;
  UpdateImageIndex();
  choosing_ = true;
  SetTextQuietly(index >= 0 ? items_->Get(index) : std::string());
  choosing_ = false;
  SetModified(false);
}

// ---- Keys

bool TCustomDBComboBoxEh::WantsKey(WPARAM key) const {
  if (list_visible_ && (key == VK_RETURN || key == VK_ESCAPE)) return true;
  return TCustomDBEditEh::WantsKey(key);
}

bool TCustomDBComboBoxEh::KeyDown(WORD key, TShiftState shift) {
  if (TCustomDBEditEh::KeyDown(key, shift)) return true;  // button shortcuts first
  if (list_visible_ && list_) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
      CloseUp(key == VK_RETURN);
      return true;
    }
    const bool to_list = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN ||
                         ((key == VK_HOME || key == VK_END) && shift.Contains(ssCtrl));
    if (to_list) {
      SendMessageW(list_->Handle(), WM_KEYDOWN, key, 0);
      return true;
    }
  }
  if ((key == VK_UP || key == VK_DOWN) && !shift.Contains(ssAlt) && !list_visible_ && !ReadOnly()) {
    const int length = static_cast<int>(Utf8ToUtf16(GetText()).size());
    if (!WordWrap() || (SelStart() == 0 && SelLength() == length)) {
      Step(key == VK_DOWN);
      return true;
    }
  }
  if (key == VK_DELETE && KeyBased() && !ReadOnly()) {
    // An unbound key-based combo (or one whose field is optional) can be cleared.
    if (EditCanModify()) SetKeyValue(TFieldValue());
    return true;
  }
  return false;
}

bool TCustomDBComboBoxEh::KeyPress(wchar_t& key) {
  index_before_key_ = item_index_;
  if (!KeyBased()) return TCustomDBEditEh::KeyPress(key);
  if (key != VK_BACK && key < 32) return false;
  if (ReadOnly() || !EditCanModify()) {
    MessageBeep(0);
    return true;
  }
  if (key == VK_BACK) {
    KeyBasedBackspace();
    return true;
  }
  const std::u16string text = Utf8ToUtf16(GetText());
  const auto start = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(text.size())));
  KeyBasedType(text.substr(0, start) + static_cast<char16_t>(key));
  return true;
}

void TCustomDBComboBoxEh::KeyBasedType(const std::u16string& typed) {
  const int index = combo::FindPrefix(*items_, ItemCount(), Utf16ToUtf8(typed));
  if (index < 0) {
    MessageBeep(0);
    return;
  }
  Choose(index);
  const int length = static_cast<int>(Utf8ToUtf16(GetText()).size());
  SendMessageW(Handle(), EM_SETSEL, typed.size(), length);
  if (DropDownBox()->AutoDrop()) DropDown();
}

// Backspace widens the selected tail by one character: the text stays an item.
void TCustomDBComboBoxEh::KeyBasedBackspace() {
  const int length = static_cast<int>(Utf8ToUtf16(GetText()).size());
  const int start = SelStart();
  if (start == 0 && SelLength() == length) {
    if (length > 0) SendMessageW(Handle(), EM_SETSEL, length - 1, length);
  } else if (start > 0) {
    SendMessageW(Handle(), EM_SETSEL, start - 1, length);
  }
}

void TCustomDBComboBoxEh::KeyPressed(wchar_t key) {
  if (KeyBased() || key == L'.' || GetKeyState(VK_CONTROL) < 0) return;
  const int before = index_before_key_;
  try {
    const std::u16string text = Utf8ToUtf16(GetText());
    const int start = SelStart();
    const int selected = SelLength();
    if (key != VK_BACK && selected == 0 && start == static_cast<int>(text.size())) {
      // Prefix completion: the rest of the first matching item, selected.
      const int index = combo::FindPrefix(*items_, ItemCount(), GetText());
      if (index >= 0) {
        Choose(index);
        const int length = static_cast<int>(Utf8ToUtf16(GetText()).size());
        SendMessageW(Handle(), EM_SETSEL, text.size(), length);
      }
    } else {
      const int index = combo::FindItem(*items_, ItemCount(), GetText());
      if (index >= 0 && index != before) {
        Choose(index);
        const int length = static_cast<int>(Utf8ToUtf16(GetText()).size());
        SendMessageW(Handle(), EM_SETSEL, start, length);
      }
    }
  } catch (...) {
    item_index_ = before;
    throw;
  }
  if (DropDownBox()->AutoDrop() && !list_visible_) DropDown();
}

}  // namespace hm
