#include "editors/field_data_link.h"

#include "framework/data/dataset.h"

namespace hm {

void TFieldDataLinkEh::SetFieldName(const std::string& name) {
  if (name == field_name_) return;
  field_name_ = name;
  FindField();
  CheckBinding();
  Notify(client_.DataChange);
}

void TFieldDataLinkEh::SetDataSource(TDataSource* source) {
  if (source == DataSource()) return;
  TDataLink::SetDataSource(source);
  FindField();
  CheckBinding();
}

// A data source going away unlinks us through the base class alone, so the
// switch is noticed wherever it shows.
void TFieldDataLinkEh::CheckBinding() {
  if (independent_ == DataIndependent()) return;
  independent_ = DataIndependent();
  independent_value_ = std::monostate{};
  editing_ = false;
  modified_ = false;
  Notify(client_.ActiveChange);
  Notify(client_.DataChange);
}

void TFieldDataLinkEh::FindField() {
  TDataSet* ds = DataSet();
  field_ = Active() && ds && !field_name_.empty() ? ds->FindField(field_name_) : nullptr;
}

bool TFieldDataLinkEh::CanModify() const {
  if (read_only_) return false;
  if (DataIndependent()) return true;
  return field_ != nullptr && field_->CanModify();
}

bool TFieldDataLinkEh::Edit() {
  if (DataIndependent()) {
    if (!editing_ && !read_only_) {
      editing_ = true;
      modified_ = false;
      Notify(client_.EditingChange);
    }
    return editing_;
  }
  if (CanModify() && !TDataLink::Editing()) TDataLink::Edit();
  return TDataLink::Editing();
}

void TFieldDataLinkEh::Reset() {
  modified_ = false;
  Notify(client_.DataChange);
}

void TFieldDataLinkEh::UpdateRecord() {
  if (DataIndependent()) {
    if (modified_) Notify(client_.UpdateData);
    modified_ = false;
    if (editing_) {
      editing_ = false;
      Notify(client_.EditingChange);
    }
    return;
  }
  UpdateData();
}

void TFieldDataLinkEh::PostText(const std::string& text) {
  if (DataIndependent()) return PostValue(text);
  if (field_) field_->SetAsString(text);
}

void TFieldDataLinkEh::PostValue(const TFieldValue& value) {
  if (DataIndependent()) {
    independent_value_ = value;
    modified_ = false;
    Notify(client_.DataChange);  // the record "changed": the editor shows the held value
    return;
  }
  if (field_) field_->SetValue(value);
}

void TFieldDataLinkEh::ActiveChanged() {
  FindField();
  CheckBinding();
  modified_ = false;
  Notify(client_.ActiveChange);
  Notify(client_.DataChange);
}

void TFieldDataLinkEh::RecordChanged(TField* field) {
  if (field != nullptr && field != field_) return;
  // A field change written by this link itself is what the editor shows already.
  if (updating_) return;
  modified_ = false;
  Notify(client_.DataChange);
}

void TFieldDataLinkEh::EditingChanged() { Notify(client_.EditingChange); }

void TFieldDataLinkEh::UpdateData() {
  if (!modified_ || updating_) return;
  updating_ = true;
  try {
    Notify(client_.UpdateData);
  } catch (...) {
    updating_ = false;
    throw;
  }
  updating_ = false;
  modified_ = false;
}

}  // namespace hm
