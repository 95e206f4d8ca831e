// The link between a data-aware editor and one field of a data source. With
// neither a data source nor a field name it is "data independent": it holds
// the editor's value itself, so an unbound editor posts and reads back like
// a bound one.
#pragma once

#include <functional>
#include <string>

#include "framework/data/data_source.h"
#include "framework/data/field_value.h"

namespace hm {

class TFieldDataLinkEh : public TDataLink {
 public:
  // What the editor hears from its link.
  struct Client {
    std::function<void()> DataChange;     // show the value (record changed, posted)
    std::function<void()> EditingChange;  // the editing state changed
    std::function<void()> UpdateData;     // write the pending text now
    std::function<void()> ActiveChange;   // bound or unbound, open or closed
  };

  explicit TFieldDataLinkEh(Client client) : client_(std::move(client)) {}

  const std::string& FieldName() const { return field_name_; }
  void SetFieldName(const std::string& name);
  void SetDataSource(TDataSource* source);
  // The bound field, or null (unbound, closed, or no such field).
  TField* Field() const { return field_; }

  // Neither a data source nor a field name is set.
  bool DataIndependent() const { return DataSource() == nullptr && field_name_.empty(); }
  // The value an unbound link holds; null after creation and whenever the
  // link switches between bound and unbound.
  const TFieldValue& IndependentValue() const { return independent_value_; }

  // Unbound: always; bound: an open dataset with the field.
  bool LinkActive() const { return DataIndependent() || (Active() && field_ != nullptr); }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value) { read_only_ = value; }
  // The value may be changed through this link now.
  bool CanModify() const;
  bool Editing() const { return DataIndependent() ? editing_ : TDataLink::Editing(); }
  bool Modified() const { return modified_; }
  // The editor's text changed since the value was last shown or posted.
  void Modify() { modified_ = true; }

  // Asks for the editing state; answers whether the link is editing now.
  bool Edit();
  // Drops a pending change: the editor shows the value again.
  void Reset();
  // Leaving the editor: a pending change is posted, editing ends.
  void UpdateRecord();

  // Writes a posted value: unbound into the held value (then the editor is
  // told to show it), bound into the field as text or value.
  void PostText(const std::string& text);
  void PostValue(const TFieldValue& value);
  // Notices a switch between bound and unbound that happened behind the
  // link's back (its data source freed): the held value is dropped.
  void CheckBinding();

 protected:
  void ActiveChanged() override;
  void RecordChanged(TField* field) override;
  void EditingChanged() override;
  void UpdateData() override;

 private:
  void FindField();
  void Notify(const std::function<void()>& f) const {
    if (f) f();
  }

  Client client_;
  std::string field_name_;
  TField* field_ = nullptr;  // owned by its dataset; dropped when it closes
  TFieldValue independent_value_;
  bool independent_ = true;
  bool editing_ = false;  // unbound only; bound links ask the dataset
  bool modified_ = false;
  bool read_only_ = false;
  bool updating_ = false;
};

}  // namespace hm
