// Builds a lookup database from the three CSV files of data/ and their manifest.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace hm::lookupdb {

struct TBuildResult {
  std::vector<std::pair<std::string, std::int64_t>> rowCounts;  // table, rows
};

// Reads DIR/AreaData.csv, DIR/MobileCode.csv, DIR/ZipCode.csv and the
// manifest DIR/DataInfo.csv (see data_info.h) and writes `output`. The database is built in a temporary file beside `output` and
// renamed over it only when complete, so a failure (ECsvError for bad data,
// EDatabaseError, std::filesystem errors) leaves `output` as it was and no
// partial file behind.
TBuildResult BuildLookupDatabase(const std::string& dataDir, const std::string& output, const std::string& password);

}  // namespace hm::lookupdb
