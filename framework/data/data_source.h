// Data sources connect one dataset to any number of data links; a link is
// the part of a data-aware control (grid, edit) that hears what happens to
// the dataset and keeps a window of records for the rows it shows.
#pragma once

#include <vector>

#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/data/dataset.h"

namespace hm {

class TDataLink;

class TDataSource : public TComponent {
  HM_CLASS(TDataSource, TComponent)

 public:
  explicit TDataSource(TComponent* owner);
  ~TDataSource() override;

  TDataSet* DataSet() const { return dataSet_; }
  // Links hear ActiveChanged. A dataset that is freed unlinks itself.
  void SetDataSet(TDataSet* dataSet);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TDataSetState State() const;

  // Raised after the links heard a record change, a scroll or a data-set
  // change (field: the changed field or nullptr); and after a state change.
  TEvent<TObject*, TField*> OnDataChange;
  TNotifyEvent OnStateChange;

  // Used by TDataSet and TDataLink.
  void DataEvent(TDataEvent event, const TField* field);
  void AddLink(TDataLink& link);
  void RemoveLink(TDataLink& link);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Destroying() override;

 private:
  void NotifyActiveChanged();

  TDataSet* dataSet_ = nullptr;     // not owned
  bool enabled_ = true;
  std::vector<TDataLink*> links_;  // not owned; links remove themselves
};

class TDataLink {
 public:
  TDataLink() = default;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;
  virtual ~TDataLink();

  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* source);
  // The linked dataset, or nullptr.
  TDataSet* DataSet() const;
  // Linked to an open dataset through an enabled data source.
  bool Active() const { return active_; }
  bool Editing() const;

  // The records the control shows: a window of up to BufferCount records
  // around the current one. Changing the count keeps the current record in.
  int BufferCount() const { return bufferCount_; }
  void SetBufferCount(int count);
  // Records in the window (fewer than BufferCount near the end).
  int RecordCount() const;
  // Index in the window of the record fields read; setting it lets a
  // control read another row of the window. Restore it afterwards.
  int ActiveRecord() const;
  void SetActiveRecord(int index);
  // Index of the window's first record in the dataset, from 0.
  int FirstRecord() const { return first_; }

  bool Bof() const;
  bool Eof() const;
  int MoveBy(int distance);
  // Puts the dataset into edit mode when it can be modified.
  bool Edit();

 protected:
  virtual void ActiveChanged() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void RecordChanged(TField* /*field*/) {}
  // The window moved by `distance` records.
  virtual void DataSetScrolled(int /*distance*/) { DataSetChanged(); }
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void EditingChanged() {}
  // Write a pending edit of the control into its field.
  virtual void UpdateData() {}

 private:
  friend class TDataSource;
  void DataEvent(TDataEvent event, const TField* field);
  void UpdateActive();
  // Moves the window so it holds the current record; returns how far.
  int AdjustWindow();

  TDataSource* dataSource_ = nullptr;  // not owned
  TDataSet* activeDataSet_ = nullptr;  // the dataset the control was last told of; compared, never used
  bool active_ = false;
  bool editing_ = false;
  int bufferCount_ = 1;
  int first_ = 0;
};

}  // namespace hm
