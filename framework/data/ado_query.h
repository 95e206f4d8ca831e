// A query on a TADOConnection: its SQL text is run when it opens, and the
// whole result is kept (static cursor). On the result of "Select * from T"
// over one table, Delete and Post write back to T.
#pragma once

#include <memory>
#include <string>

#include "framework/core/enum_type.h"
#include "framework/core/string_list.h"
#include "framework/data/ado_connection.h"
#include "framework/data/dataset.h"

namespace hm {

// Every cursor type reads a static snapshot; the value is kept for
// descriptions.
HM_ENUM(TCursorType, ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic)

class TADOQuery : public TDataSet {
  HM_CLASS(TADOQuery, TDataSet)

 public:
  explicit TADOQuery(TComponent* owner);
  ~TADOQuery() override;

  TADOConnection* Connection() const { return connection_; }
  void SetConnection(TADOConnection* connection);
  TCursorType CursorType() const { return cursorType_; }
  void SetCursorType(TCursorType type) { cursorType_ = type; }
  // The statement, one or more lines. Changing it closes an open query.
  TStrings* SQL() const { return sql_.get(); }
  void SetSQL(const TStrings* lines);

 protected:
  TSnapshot OpenSnapshot() override;
  void DeleteSnapshotRow(TSnapshot& snapshot, std::size_t index) override;
  void UpdateSnapshotRow(TSnapshot& snapshot, std::size_t index, const std::vector<TFieldValue>& values) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Destroying() override;

 private:
  class TQueryLines;
  void SQLChanged();
  // Our connection, opened when closed; raises without one.
  TADOConnection& Connected();

  TADOConnection* connection_ = nullptr;  // not owned
  TCursorType cursorType_ = ctUnspecified;
  std::unique_ptr<TStringList> sql_;
};

}  // namespace hm
