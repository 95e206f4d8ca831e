// What a lookup database was built from, kept in its table DataInfo (Key,
// Value): the manifest DataInfo.csv beside the tables' CSV files (data date
// of each table, the sources' versions, licences) and the build's SHA-256 of
// each CSV file. The program never reads it; `lookupdb check` prints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"

namespace hm::lookupdb {

inline constexpr std::string_view kDataInfoTable = "DataInfo";
inline constexpr std::string_view kManifestFile = "DataInfo.csv";

struct TDataInfoEntry {
  std::string key;
  std::string value;
  bool operator==(const TDataInfoEntry&) const = default;
};

// The key under which the build stores the digest of TABLE.csv.
std::string DigestKey(std::string_view table);

// Reads the manifest: header Key,Value; keys of ASCII letters, digits and
// ". _ -", each once; no empty value; "<table>.date" for every lookup table;
// no digest key, those are the build's. ECsvError names file and line.
std::vector<TDataInfoEntry> ReadDataManifest(const std::string& path);

// Creates DataInfo and stores the entries in their order.
void WriteDataInfo(TSqliteDatabase& db, const std::vector<TDataInfoEntry>& entries);

// DataInfo's entries in the order they were written; EDatabaseError when the
// table is missing.
std::vector<TDataInfoEntry> ReadDataInfo(TSqliteDatabase& db);

// Adds one line per entry to `report`; a missing table or table date fails.
void CheckDataInfo(TSqliteDatabase& db, TLookupCheckReport& report);

}  // namespace hm::lookupdb
