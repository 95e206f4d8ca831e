// lookupdb: builds and checks the lookup database.
//
//   lookupdb build DATA_DIR OUTPUT PASSWORD
//   lookupdb check FILE [PASSWORD]
#include <cstdio>
#include <exception>
#include <string>

#include "framework/data/sqlite_handle.h"
#include "tools/lookupdb/database_builder.h"
#include "tools/lookupdb/database_check.h"

namespace {

int Usage() {
  std::fputs("usage: lookupdb build DATA_DIR OUTPUT PASSWORD\n"
             "       lookupdb check FILE [PASSWORD]\n",
             stderr);
  return 2;
}

int Build(const std::string& dataDir, const std::string& output, const std::string& password) {
  const hm::lookupdb::TBuildResult result = hm::lookupdb::BuildLookupDatabase(dataDir, output, password);
  for (const auto& [table, rows] : result.rowCounts) std::printf("%s: %lld rows\n", table.c_str(), static_cast<long long>(rows));
  std::printf("wrote %s\n", output.c_str());
  return 0;
}

int Check(const std::string& file, const std::string* password) {
  hm::TSqliteDatabase db(file, hm::TSqliteDatabase::OpenMode::ReadOnly);
  const hm::TLookupCheckReport report =
      hm::lookupdb::CheckBuiltDatabase(db, password ? std::optional<std::string_view>(*password) : std::nullopt);
  for (const std::string& line : report.lines) std::printf("%s\n", line.c_str());
  return report.ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "build" && argc == 5) return Build(argv[2], argv[3], argv[4]);
    if (command == "check" && (argc == 3 || argc == 4)) {
      const std::string password = argc == 4 ? argv[3] : "";
      return Check(argv[2], argc == 4 ? &password : nullptr);
    }
    return Usage();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lookupdb: %s\n", e.what());
    return 1;
  }
}
