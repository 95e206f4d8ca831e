// A static result: every row of a statement read at once. Later changes by
// others do not show. When the statement is "Select * from T ..." on a single
// real table, each row remembers its row id, so it can be deleted or updated
// in that table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/data/field_value.h"
#include "framework/data/sqlite_handle.h"

namespace hm {

enum class TColumnKind { Unknown, Integer, Float, Text, Blob };

struct TSnapshotColumn {
  std::string name;
  std::string declType;
  TColumnKind kind = TColumnKind::Unknown;
};

struct TSnapshotRow {
  std::int64_t rowId = 0;  // only meaningful when the snapshot is updatable
  std::vector<TFieldValue> values;
};

class TSnapshot {
 public:
  // Runs `sql` and reads its whole result. Raises EDatabaseError with the
  // engine's message.
  static TSnapshot Read(TSqliteDatabase& db, std::string_view sql);

  const std::vector<TSnapshotColumn>& Columns() const { return columns_; }
  std::size_t RowCount() const { return rows_.size(); }
  const TSnapshotRow& Row(std::size_t index) const { return rows_.at(index); }
  // Index of the column, names compared without regard to ASCII case.
  std::optional<std::size_t> FindColumn(std::string_view name) const;

  bool CanModify() const { return !table_.empty(); }
  const std::string& Table() const { return table_; }

  // Delete the row from the table and from the snapshot. Raises when the
  // snapshot cannot be updated or the stored row no longer matches what was
  // read (changed or deleted by someone else since): nothing is lost then.
  void DeleteRow(TSqliteDatabase& db, std::size_t index);
  // Writes the changed values of `values` to the row; unchanged columns are
  // not written. Same refusals as DeleteRow.
  void UpdateRow(TSqliteDatabase& db, std::size_t index, const std::vector<TFieldValue>& values);

 private:
  std::vector<TSnapshotColumn> columns_;
  std::vector<TSnapshotRow> rows_;
  std::string table_;  // empty: the result cannot be updated
};

// The table of "Select * from <table> [where|order by|limit ...]" when that
// is all the statement reads; nothing otherwise. Exposed for tests.
std::optional<std::string> SingleTableOfSelectStar(std::string_view sql);

}  // namespace hm
