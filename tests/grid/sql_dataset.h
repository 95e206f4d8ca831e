// A dataset over a statement on an in-memory database: rows of any shape
// for the grid's tests without a file. Read-only.
#pragma once

#include <string>

#include "framework/data/dataset.h"
#include "framework/data/sqlite_handle.h"

namespace hm::test {

class TSqlDataSet : public TDataSet {
  HM_CLASS(TSqlDataSet, TDataSet)

 public:
  explicit TSqlDataSet(TComponent* owner);
  // Closes, takes the statement and opens again.
  void Run(const std::string& sql);

 protected:
  TSnapshot OpenSnapshot() override;
  void DeleteSnapshotRow(TSnapshot& snapshot, std::size_t index) override;
  void UpdateSnapshotRow(TSnapshot& snapshot, std::size_t index, const std::vector<TFieldValue>& values) override;

 private:
  TSqliteDatabase db_;
  std::string sql_;
};

// `rows` area rows with the columns of AreaData: 区号 "0001".., 邮编
// "100001".., 省名 "省1".., 县市名 "县1"...
std::string AreaRows(int rows);

}  // namespace hm::test
