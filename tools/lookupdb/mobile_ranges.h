// MobileCode's number ranges must not share a number: the mobile lookup
// would find two rows and show whichever came first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"

namespace hm::lookupdb {

struct TNumberRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::size_t line = 0;  // where it came from
};

// Two ranges that share a number, the one starting later second; nullopt
// when there are none. Input order does not matter.
std::optional<std::pair<TNumberRange, TNumberRange>> FindOverlap(std::vector<TNumberRange> ranges);

// Adds the number of prefixes and ranges to `report`, or fails with the
// ranges that overlap an earlier one.
void CheckMobileRanges(TSqliteDatabase& db, TLookupCheckReport& report);

}  // namespace hm::lookupdb
