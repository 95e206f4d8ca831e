#include "framework/data/dataset.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/data/connection_string.h"
#include "framework/data/data_source.h"
#include "framework/data/db_error.h"

namespace hm {
namespace {

const TFieldValue kNull;

TFieldType FieldTypeOf(TColumnKind kind) {
  switch (kind) {
    case TColumnKind::Integer: return ftLargeint;
    case TColumnKind::Float: return ftFloat;
    case TColumnKind::Blob: return ftBlob;
    default: return ftString;
  }
}

}  // namespace

// Active is published by the concrete datasets, in their own order.
HM_PUBLISH(TDataSet) {}

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() = default;

void TDataSet::Destroying() {
  // Still complete here: close (which tells the controls) while the
  // descendant's OpenSnapshot and friends exist, then let sources forget us.
  try {
    DoClose();
  } catch (...) {
    // Closing a snapshot does not fail; a control's handler must not stop
    // the teardown.
  }
  const std::vector<TDataSource*> sources = dataSources_;
  for (TDataSource* s : sources) s->SetDataSet(nullptr);
  TComponent::Destroying();
}

std::string TDataSet::Prefixed(const std::string& message) const {
  return Name().empty() ? message : Name() + ": " + message;
}

void TDataSet::SetActive(bool active) {
  if (ComponentState().Contains(csLoading)) {
    streamedActive_ = active;
    return;
  }
  if (active == Active()) return;
  if (active) {
    DoOpen();
  } else {
    DoClose();
  }
}

void TDataSet::Loaded() {
  TComponent::Loaded();
  if (streamedActive_) SetActive(true);
}

void TDataSet::DoOpen() {
  TSnapshot snapshot = OpenSnapshot();  // raises: the dataset stays closed
  snapshot_ = std::move(snapshot);
  fields_.clear();
  const auto& columns = snapshot_.Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    fields_.push_back(std::make_unique<TField>(*this, static_cast<int>(i), columns[i].name, FieldTypeOf(columns[i].kind)));
  }
  bookmarkIds_.resize(snapshot_.RowCount());
  for (std::size_t i = 0; i < bookmarkIds_.size(); ++i) bookmarkIds_[i] = static_cast<std::int64_t>(i);
  current_ = activeIndex_ = 0;
  bof_ = true;
  eof_ = snapshot_.RowCount() == 0;
  state_ = dsBrowse;
  DataEvent(TDataEvent::UpdateState);
}

void TDataSet::DoClose() {
  if (!Active()) return;
  editBuffer_.clear();
  state_ = dsInactive;
  // Controls hear of it while the fields still exist, so they can drop
  // their pointers to them.
  DataEvent(TDataEvent::UpdateState);
  fields_.clear();
  snapshot_ = TSnapshot();
  bookmarkIds_.clear();
  current_ = activeIndex_ = 0;
  bof_ = eof_ = true;
  AfterClose();
}

void TDataSet::CheckActive() const {
  if (!Active()) throw EDatabaseError(Prefixed("Cannot perform this operation on a closed dataset"));
}

TField* TDataSet::Fields(int index) const {
  if (index < 0 || index >= FieldCount()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return fields_[static_cast<std::size_t>(index)].get();
}

TField* TDataSet::FindField(std::string_view name) const {
  for (const auto& f : fields_) {
    if (SameTextAscii(f->FieldName(), name)) return f.get();
  }
  return nullptr;
}

TField& TDataSet::FieldByName(std::string_view name) const {
  TField* f = FindField(name);
  if (!f) throw EDatabaseError(Prefixed("Field '" + std::string(name) + "' not found"));
  return *f;
}

int TDataSet::RecordCount() const { return Active() ? static_cast<int>(snapshot_.RowCount()) : 0; }

int TDataSet::RecNo() const { return (Active() && !IsEmpty()) ? current_ + 1 : 0; }

void TDataSet::SetRecNo(int recNo) {
  CheckActive();
  if (IsEmpty()) return;
  MoveBy(std::clamp(recNo, 1, RecordCount()) - 1 - current_);
}

void TDataSet::MoveTo(int index) {
  CheckBrowseMode();
  current_ = activeIndex_ = index;
  DataEvent(TDataEvent::DataSetScroll);
}

void TDataSet::First() {
  CheckActive();
  CheckBrowseMode();
  if (current_ != 0 && !IsEmpty()) MoveTo(0);
  bof_ = true;
  eof_ = IsEmpty();
}

void TDataSet::Last() {
  CheckActive();
  CheckBrowseMode();
  if (!IsEmpty() && current_ != RecordCount() - 1) MoveTo(RecordCount() - 1);
  eof_ = true;
  bof_ = IsEmpty();
}

int TDataSet::MoveBy(int distance) {
  CheckActive();
  CheckBrowseMode();
  bof_ = eof_ = false;
  if (IsEmpty()) {
    bof_ = eof_ = true;
    return 0;
  }
  const long long target = static_cast<long long>(current_) + distance;
  int index = static_cast<int>(std::clamp<long long>(target, 0, RecordCount() - 1));
  if (target < 0) bof_ = true;
  if (target > RecordCount() - 1) eof_ = true;
  const int moved = index - current_;
  if (moved != 0) MoveTo(index);
  return moved;
}

TBookmark TDataSet::GetBookmark() const {
  if (!Active() || IsEmpty()) return {};
  return {bookmarkIds_[static_cast<std::size_t>(current_)]};
}

bool TDataSet::BookmarkValid(const TBookmark& bookmark) const {
  return bookmark.Valid() && std::find(bookmarkIds_.begin(), bookmarkIds_.end(), bookmark.id) != bookmarkIds_.end();
}

void TDataSet::GotoBookmark(const TBookmark& bookmark) {
  CheckActive();
  const auto it = std::find(bookmarkIds_.begin(), bookmarkIds_.end(), bookmark.id);
  if (!bookmark.Valid() || it == bookmarkIds_.end()) throw EDatabaseError(Prefixed("Record not found"));
  const int index = static_cast<int>(it - bookmarkIds_.begin());
  CheckBrowseMode();
  bof_ = eof_ = false;
  if (index != current_) MoveTo(index);
}

void TDataSet::DisableControls() { ++disableCount_; }

void TDataSet::EnableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0 && changedWhileDisabled_) {
    changedWhileDisabled_ = false;
    DataEvent(TDataEvent::DataSetChange);
  }
}

bool TDataSet::CanModify() const { return Active() && snapshot_.CanModify(); }

void TDataSet::Delete() {
  CheckActive();
  if (IsEmpty()) throw EDatabaseError(Prefixed("Cannot perform this operation on an empty dataset"));
  if (!CanModify()) throw EDatabaseError(Prefixed("Cannot modify a read-only dataset"));
  if (state_ == dsEdit) Cancel();
  DeleteSnapshotRow(snapshot_, static_cast<std::size_t>(current_));  // raises: nothing changed
  bookmarkIds_.erase(bookmarkIds_.begin() + current_);
  // The record after the deleted one becomes current; the last one when
  // the deleted one was last.
  current_ = activeIndex_ = std::min(current_, std::max(0, RecordCount() - 1));
  bof_ = current_ == 0;
  eof_ = IsEmpty();
  DataEvent(TDataEvent::DataSetChange);
}

void TDataSet::Edit() {
  CheckActive();
  if (state_ == dsEdit) return;
  if (IsEmpty()) throw EDatabaseError(Prefixed("Cannot perform this operation on an empty dataset"));
  if (!CanModify()) throw EDatabaseError(Prefixed("Cannot modify a read-only dataset"));
  editBuffer_ = snapshot_.Row(static_cast<std::size_t>(current_)).values;
  state_ = dsEdit;
  DataEvent(TDataEvent::UpdateState);
}

void TDataSet::Post() {
  if (state_ != dsEdit) return;
  DataEvent(TDataEvent::UpdateRecord);
  UpdateSnapshotRow(snapshot_, static_cast<std::size_t>(current_), editBuffer_);  // raises: stays in edit
  editBuffer_.clear();
  state_ = dsBrowse;
  DataEvent(TDataEvent::UpdateState);
  DataEvent(TDataEvent::RecordChange);
}

void TDataSet::Cancel() {
  if (state_ != dsEdit) return;
  editBuffer_.clear();
  state_ = dsBrowse;
  DataEvent(TDataEvent::UpdateState);
  DataEvent(TDataEvent::RecordChange);
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ == dsEdit) Post();
}

const TFieldValue& TDataSet::ActiveValue(int fieldIndex) const {
  if (!Active() || IsEmpty()) return kNull;
  const auto column = static_cast<std::size_t>(fieldIndex);
  if (state_ == dsEdit && activeIndex_ == current_) return editBuffer_.at(column);
  const int row = std::clamp(activeIndex_, 0, RecordCount() - 1);
  return snapshot_.Row(static_cast<std::size_t>(row)).values.at(column);
}

void TDataSet::SetFieldValue(TField& field, const TFieldValue& value) {
  if (&field.DataSet() != this) throw EDatabaseError(Prefixed("Field belongs to another dataset"));
  if (field.ReadOnly()) throw EDatabaseError(Prefixed("Field '" + field.FieldName() + "' cannot be modified"));
  Edit();
  editBuffer_.at(static_cast<std::size_t>(field.Index())) = value;
  DataEvent(TDataEvent::FieldChange, &field);
}

void TDataSet::RegisterDataSource(TDataSource& source) {
  if (std::find(dataSources_.begin(), dataSources_.end(), &source) == dataSources_.end()) {
    dataSources_.push_back(&source);
  }
}

void TDataSet::UnregisterDataSource(TDataSource& source) {
  dataSources_.erase(std::remove(dataSources_.begin(), dataSources_.end(), &source), dataSources_.end());
}

void TDataSet::DataEvent(TDataEvent event, const TField* field) {
  // Opening, closing and edit-mode changes always reach the controls: they
  // hold field pointers that must not outlive the fields.
  if (disableCount_ > 0 && event != TDataEvent::UpdateState) {
    changedWhileDisabled_ = true;
    return;
  }
  if (disableCount_ > 0) changedWhileDisabled_ = true;
  const std::vector<TDataSource*> sources = dataSources_;  // a handler may unlink
  for (TDataSource* s : sources) s->DataEvent(event, field);
}

}  // namespace hm
