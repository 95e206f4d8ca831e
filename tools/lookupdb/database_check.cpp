#include "tools/lookupdb/database_check.h"

#include "framework/data/db_error.h"
#include "tools/lookupdb/data_info.h"
#include "tools/lookupdb/mobile_ranges.h"

namespace hm::lookupdb {
namespace {

// Past a file that is no lookup database there is nothing more to say.
bool IsMarked(TSqliteDatabase& db) {
  try {
    TSqliteStatement id = db.Prepare("PRAGMA application_id");
    return id.Step() && id.ColumnInt64(0) == kLookupApplicationId;
  } catch (const EDatabaseError&) {
    return false;
  }
}

}  // namespace

TLookupCheckReport CheckBuiltDatabase(TSqliteDatabase& db, std::optional<std::string_view> password) {
  TLookupCheckReport report = CheckLookupDatabase(db, password);
  if (!IsMarked(db)) return report;
  CheckMobileRanges(db, report);
  CheckDataInfo(db, report);
  return report;
}

}  // namespace hm::lookupdb
