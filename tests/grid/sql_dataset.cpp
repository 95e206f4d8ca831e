#include "tests/grid/sql_dataset.h"

#include "framework/core/typinfo.h"
#include "framework/data/db_error.h"

namespace hm::test {

HM_PUBLISH(TSqlDataSet) {}

TSqlDataSet::TSqlDataSet(TComponent* owner)
    : TDataSet(owner), db_(":memory:", TSqliteDatabase::OpenMode::Create) {}

void TSqlDataSet::Run(const std::string& sql) {
  Close();
  sql_ = sql;
  Open();
}

TSnapshot TSqlDataSet::OpenSnapshot() { return TSnapshot::Read(db_, sql_); }

void TSqlDataSet::DeleteSnapshotRow(TSnapshot&, std::size_t) { throw EDatabaseError("read-only"); }

void TSqlDataSet::UpdateSnapshotRow(TSnapshot&, std::size_t, const std::vector<TFieldValue>&) {
  throw EDatabaseError("read-only");
}

std::string AreaRows(int rows) {
  return "WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM r WHERE i < " + std::to_string(rows) +
         ") SELECT printf('%04d', i) AS 区号, printf('%06d', 100000 + i) AS 邮编, '省' || i AS 省名, "
         "'县' || i AS 县市名 FROM r";
}

}  // namespace hm::test
