// Datasets: an open result of rows with named fields and a current record,
// navigated by the controls that show it. This base keeps the whole result
// in memory (a static snapshot); a descendant supplies it and writes deletes
// and edits back.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/enum_type.h"
#include "framework/data/field.h"
#include "framework/data/snapshot.h"

namespace hm {

class TDataSource;

HM_ENUM(TDataSetState, dsInactive, dsBrowse, dsEdit)

// What a dataset tells its data sources (and they their links).
enum class TDataEvent {
  FieldChange,     // a field of the current record got a new value
  RecordChange,    // the current record's values changed (post, cancel)
  DataSetChange,   // rows appeared or went, or anything may have changed
  DataSetScroll,   // the current record moved
  LayoutChange,    // fields changed
  UpdateState,     // opened, closed, entered or left edit mode
  UpdateRecord,    // controls should write pending edits into the fields
};

// Marks a record; stays valid across deletes of other records.
struct TBookmark {
  std::int64_t id = -1;
  bool Valid() const { return id >= 0; }
  bool operator==(const TBookmark&) const = default;
};

class TDataSet : public TComponent {
  HM_CLASS(TDataSet, TComponent)

 public:
  explicit TDataSet(TComponent* owner);
  ~TDataSet() override;

  bool Active() const { return state_ != dsInactive; }
  // Opening reads the whole result and goes to its first record; closing is
  // harmless when closed. While the owner is loading a description the
  // value is kept and applied in Loaded.
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return state_; }

  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField* Fields(int index) const;
  // Without regard to case; nullptr when absent.
  TField* FindField(std::string_view name) const;
  // Raises EDatabaseError "<Name>: Field '<name>' not found".
  TField& FieldByName(std::string_view name) const;

  // Navigation. MoveBy returns how far it moved; BOF/EOF are set when a
  // move was stopped by the first/last record (and both on an empty result).
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  int MoveBy(int distance);
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  bool IsEmpty() const { return RecordCount() == 0; }
  int RecordCount() const;
  // From 1; 0 when closed or empty. Setting it moves there (clamped).
  int RecNo() const;
  void SetRecNo(int recNo);

  TBookmark GetBookmark() const;
  bool BookmarkValid(const TBookmark& bookmark) const;
  // Raises EDatabaseError when the record is gone.
  void GotoBookmark(const TBookmark& bookmark);

  // While disabled, nothing is reported to controls; the last enable sends
  // one data-set change.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }

  bool CanModify() const;
  // Removes the current record from the result and the stored data.
  void Delete();
  // Edit mode: field values change in a copy of the current record until
  // Post writes them or Cancel drops them. Moving posts first.
  void Edit();
  void Post();
  void Cancel();
  // Posts a pending edit (a no-op in browse mode).
  void CheckBrowseMode();

  // Used by fields and data links.
  const TFieldValue& ActiveValue(int fieldIndex) const;
  void SetFieldValue(TField& field, const TFieldValue& value);
  // The record fields read, as an index into the result; differs from the
  // current record only while a link draws other rows (see TDataLink).
  int ActiveIndex() const { return activeIndex_; }
  void SetActiveIndex(int index) { activeIndex_ = index; }
  int CurrentIndex() const { return current_; }

  void RegisterDataSource(TDataSource& source);
  void UnregisterDataSource(TDataSource& source);

  void Loaded() override;

 protected:
  // Reads the result; raises EDatabaseError on failure.
  virtual TSnapshot OpenSnapshot() = 0;
  // Writes a delete or an edit of row `index` of snapshot() to the store
  // and into the snapshot; raises when refused.
  virtual void DeleteSnapshotRow(TSnapshot& snapshot, std::size_t index) = 0;
  virtual void UpdateSnapshotRow(TSnapshot& snapshot, std::size_t index, const std::vector<TFieldValue>& values) = 0;
  virtual void AfterClose() {}
  // "Name: message", or the message alone for an unnamed dataset.
  std::string Prefixed(const std::string& message) const;

  void Destroying() override;

 private:
  void DoOpen();
  void DoClose();
  void DataEvent(TDataEvent event, const TField* field = nullptr);
  void MoveTo(int index);
  void CheckActive() const;

  TDataSetState state_ = dsInactive;
  bool streamedActive_ = false;
  TSnapshot snapshot_;
  std::vector<std::unique_ptr<TField>> fields_;
  std::vector<std::int64_t> bookmarkIds_;  // per row of snapshot_
  int current_ = 0;       // index of the current record
  int activeIndex_ = 0;   // index of the record fields read
  bool bof_ = true;
  bool eof_ = true;
  std::vector<TFieldValue> editBuffer_;  // dsEdit: the current record's new values
  int disableCount_ = 0;
  bool changedWhileDisabled_ = false;
  std::vector<TDataSource*> dataSources_;  // not owned; they unregister themselves
};

}  // namespace hm
