#include "tools/lookupdb/mobile_ranges.h"

#include <algorithm>
#include <string>

#include "framework/data/db_error.h"

namespace hm::lookupdb {

std::optional<std::pair<TNumberRange, TNumberRange>> FindOverlap(std::vector<TNumberRange> ranges) {
  std::sort(ranges.begin(), ranges.end(), [](const TNumberRange& a, const TNumberRange& b) {
    return a.first != b.first ? a.first < b.first : a.last < b.last;
  });
  // The range reaching farthest so far is the one a later start can hit.
  const TNumberRange* reach = nullptr;
  for (const TNumberRange& r : ranges) {
    if (reach && r.first <= reach->last) return std::pair{*reach, r};
    if (!reach || r.last > reach->last) reach = &r;
  }
  return std::nullopt;
}

void CheckMobileRanges(TSqliteDatabase& db, TLookupCheckReport& report) {
  try {
    TSqliteStatement totals = db.Prepare("SELECT count(*), coalesce(sum(号码E - 号码B + 1), 0) FROM MobileCode");
    totals.Step();
    const std::int64_t ranges = totals.ColumnInt64(0), prefixes = totals.ColumnInt64(1);
    TSqliteStatement overlaps = db.Prepare(
        "SELECT count(*), min(号码B) FROM (SELECT 号码B, max(号码E) OVER (ORDER BY 号码B, 号码E ROWS BETWEEN "
        "UNBOUNDED PRECEDING AND 1 PRECEDING) AS reach FROM MobileCode) WHERE 号码B <= reach");
    overlaps.Step();
    if (const std::int64_t n = overlaps.ColumnInt64(0); n > 0) {
      report.ok = false;
      report.lines.push_back("FAIL MobileCode: " + std::to_string(n) +
                             " range(s) overlap an earlier one, the first at " +
                             std::to_string(overlaps.ColumnInt64(1)));
      return;
    }
    report.lines.push_back("ok   MobileCode: " + std::to_string(prefixes) + " prefixes in " + std::to_string(ranges) +
                           " ranges, none overlapping");
  } catch (const EDatabaseError& e) {
    report.ok = false;
    report.lines.push_back("FAIL MobileCode ranges: " + e.Message());
  }
}

}  // namespace hm::lookupdb
