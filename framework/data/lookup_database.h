// The shape of a lookup database file: its three tables, their indexes and
// the information table that marks the file and holds the password verifier.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/data/sqlite_handle.h"

namespace hm {

// Stored in the file header (PRAGMA application_id): "HMLK".
inline constexpr std::int32_t kLookupApplicationId = 0x484D4C4B;
inline constexpr int kLookupSchemaVersion = 1;
inline constexpr std::string_view kLookupInfoTable = "LookupInfo";

struct TLookupTableShape {
  std::string name;
  std::vector<std::string> columns;  // the ones the program names, in order
};

// AreaData, MobileCode, ZipCode with the columns lookups read.
const std::vector<TLookupTableShape>& LookupTables();

// Creates the tables, indexes and information table in an empty database
// and stores the password verifier.
void CreateLookupSchema(TSqliteDatabase& db, std::string_view password);

// Raises EDatabaseError with a clear message when the open file is not a
// lookup database or the password is wrong. `path` only names the file in
// messages.
void VerifyLookupDatabase(TSqliteDatabase& db, std::string_view path, std::string_view password);

struct TLookupCheckReport {
  bool ok = true;
  std::vector<std::string> lines;  // one finding or count per line
};

// Everything `lookupdb check` reports: marker, schema version, the password
// verifier (and that it matches `password` when one is given), each table
// with its columns and row count, and the engine's integrity check.
TLookupCheckReport CheckLookupDatabase(TSqliteDatabase& db, std::optional<std::string_view> password);

}  // namespace hm
