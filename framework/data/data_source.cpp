#include "framework/data/data_source.h"

#include <algorithm>

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TDataSource) {
  p.Prop("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
  p.Prop("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled);
  p.Event("OnDataChange", &TDataSource::OnDataChange);
  p.Event("OnStateChange", &TDataSource::OnStateChange);
}

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() = default;

void TDataSource::Destroying() {
  SetDataSet(nullptr);
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) link->SetDataSource(nullptr);
  TComponent::Destroying();
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == dataSet_) SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet_) {
    dataSet_->UnregisterDataSource(*this);
    RemoveFreeNotification(dataSet_);
  }
  dataSet_ = dataSet;
  if (dataSet_) {
    dataSet_->RegisterDataSource(*this);
    FreeNotification(dataSet_);
  }
  NotifyActiveChanged();
}

void TDataSource::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyActiveChanged();
}

TDataSetState TDataSource::State() const { return (dataSet_ && enabled_) ? dataSet_->State() : dsInactive; }

void TDataSource::NotifyActiveChanged() {
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) link->UpdateActive();
  OnStateChange(this);
}

void TDataSource::DataEvent(TDataEvent event, const TField* field) {
  if (event == TDataEvent::UpdateState) {
    NotifyActiveChanged();
    return;
  }
  if (!enabled_) return;
  const std::vector<TDataLink*> links = links_;
  for (TDataLink* link : links) link->DataEvent(event, field);
  if (event == TDataEvent::FieldChange || event == TDataEvent::RecordChange ||
      event == TDataEvent::DataSetChange || event == TDataEvent::DataSetScroll) {
    OnDataChange(this, const_cast<TField*>(field));
  }
}

void TDataSource::AddLink(TDataLink& link) {
  if (std::find(links_.begin(), links_.end(), &link) == links_.end()) links_.push_back(&link);
}

void TDataSource::RemoveLink(TDataLink& link) {
  links_.erase(std::remove(links_.begin(), links_.end(), &link), links_.end());
}

// ---- TDataLink

TDataLink::~TDataLink() {
  if (dataSource_) dataSource_->RemoveLink(*this);
}

void TDataLink::SetDataSource(TDataSource* source) {
  if (source == dataSource_) return;
  if (dataSource_) dataSource_->RemoveLink(*this);
  dataSource_ = source;
  if (dataSource_) dataSource_->AddLink(*this);
  UpdateActive();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::Editing() const { return active_ && DataSet()->State() == dsEdit; }

void TDataLink::UpdateActive() {
  TDataSet* ds = DataSet();
  const bool active = ds && dataSource_->Enabled() && ds->Active();
  const bool editing = active && ds->State() == dsEdit;
  if (active && active_ && ds != activeDataSet_) {
    // Another open dataset behind the link: to the control that is the old
    // one closing and the new one opening (it holds the old one's fields).
    active_ = false;
    activeDataSet_ = nullptr;
    ActiveChanged();
  }
  if (active != active_) {
    active_ = active;
    activeDataSet_ = active ? ds : nullptr;
    first_ = 0;
    if (active_) AdjustWindow();
    ActiveChanged();
  }
  if (editing != editing_) {
    editing_ = editing;
    EditingChanged();
  }
}

void TDataLink::SetBufferCount(int count) {
  count = std::max(1, count);
  if (count == bufferCount_) return;
  bufferCount_ = count;
  if (active_) {
    first_ = std::min(first_, std::max(0, DataSet()->RecordCount() - bufferCount_));
    AdjustWindow();
  }
}

int TDataLink::RecordCount() const {
  if (!active_) return 0;
  return std::clamp(DataSet()->RecordCount() - first_, 0, bufferCount_);
}

int TDataLink::ActiveRecord() const { return active_ ? DataSet()->ActiveIndex() - first_ : 0; }

void TDataLink::SetActiveRecord(int index) {
  if (active_) DataSet()->SetActiveIndex(first_ + index);
}

bool TDataLink::Bof() const { return active_ ? DataSet()->Bof() : true; }

bool TDataLink::Eof() const { return active_ ? DataSet()->Eof() : true; }

int TDataLink::MoveBy(int distance) { return active_ ? DataSet()->MoveBy(distance) : 0; }

bool TDataLink::Edit() {
  if (!active_ || !DataSet()->CanModify() || DataSet()->IsEmpty()) return false;
  DataSet()->Edit();
  return DataSet()->State() == dsEdit;
}

int TDataLink::AdjustWindow() {
  const int old = first_;
  const int current = DataSet()->CurrentIndex();
  if (current < first_) first_ = current;
  if (current >= first_ + bufferCount_) first_ = current - bufferCount_ + 1;
  first_ = std::max(0, first_);
  return first_ - old;
}

void TDataLink::DataEvent(TDataEvent event, const TField* field) {
  if (!active_) return;
  switch (event) {
    case TDataEvent::FieldChange:
    case TDataEvent::RecordChange:
      RecordChanged(const_cast<TField*>(field));
      break;
    case TDataEvent::DataSetChange:
      // Rows went: keep the window full where the rows allow it.
      first_ = std::min(first_, std::max(0, DataSet()->RecordCount() - bufferCount_));
      AdjustWindow();
      DataSetChanged();
      break;
    case TDataEvent::DataSetScroll:
      DataSetScrolled(AdjustWindow());
      break;
    case TDataEvent::LayoutChange:
      LayoutChanged();
      break;
    case TDataEvent::UpdateRecord:
      UpdateData();
      break;
    case TDataEvent::UpdateState:
      break;  // handled by UpdateActive
  }
}

}  // namespace hm
