// The data grid's link to its data source: it holds the window of records
// the grid shows and passes what happens to the dataset on to the grid.
#pragma once

#include "framework/data/data_source.h"

namespace hm {

// What the link tells the grid.
class TGridDataLinkClientEh {
 public:
  virtual void LinkActiveChanged() = 0;         // opened, closed, linked or unlinked
  virtual void LinkDataSetChanged() = 0;        // rows came or went, anything may differ
  virtual void LinkDataSetScrolled(int distance) = 0;  // the current record moved
  virtual void LinkRecordChanged(TField* field) = 0;   // values of the current record
  virtual void LinkLayoutChanged() = 0;         // the fields changed
  virtual void LinkEditingChanged() = 0;        // entered or left edit mode
  virtual void LinkUpdateData() = 0;            // write a pending cell edit

 protected:
  ~TGridDataLinkClientEh() = default;
};

class TGridDataLinkEh : public TDataLink {
 public:
  explicit TGridDataLinkEh(TGridDataLinkClientEh& client) : client_(client) {}

 protected:
  void ActiveChanged() override { client_.LinkActiveChanged(); }
  void DataSetChanged() override { client_.LinkDataSetChanged(); }
  void DataSetScrolled(int distance) override { client_.LinkDataSetScrolled(distance); }
  void RecordChanged(TField* field) override { client_.LinkRecordChanged(field); }
  void LayoutChanged() override { client_.LinkLayoutChanged(); }
  void EditingChanged() override { client_.LinkEditingChanged(); }
  void UpdateData() override { client_.LinkUpdateData(); }

 private:
  TGridDataLinkClientEh& client_;
};

// Lets fields read another record of the link's window while a row is
// painted; the record fields read before comes back however the painting ends.
class TActiveRecordScope {
 public:
  TActiveRecordScope(TDataLink& link, int record) : link_(link), saved_(link.ActiveRecord()) {
    link_.SetActiveRecord(record);
  }
  ~TActiveRecordScope() { link_.SetActiveRecord(saved_); }
  TActiveRecordScope(const TActiveRecordScope&) = delete;
  TActiveRecordScope& operator=(const TActiveRecordScope&) = delete;

 private:
  TDataLink& link_;
  int saved_;
};

}  // namespace hm
