#include "tools/lookupdb/data_info.h"

#include <algorithm>
#include <set>

#include "framework/data/db_error.h"
#include "tools/lookupdb/csv_reader.h"

namespace hm::lookupdb {
namespace {

constexpr std::string_view kDigestSuffix = ".sha256";

bool IsKeyText(const std::string& key) {
  return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
  });
}

std::string DateKey(const std::string& table) { return table + ".date"; }

const TDataInfoEntry* Find(const std::vector<TDataInfoEntry>& entries, const std::string& key) {
  for (const TDataInfoEntry& e : entries) {
    if (e.key == key) return &e;
  }
  return nullptr;
}

}  // namespace

std::string DigestKey(std::string_view table) { return std::string(table) + std::string(kDigestSuffix); }

std::vector<TDataInfoEntry> ReadDataManifest(const std::string& path) {
  const std::vector<TCsvRecord> records = ReadCsvFile(path);
  if (records.empty()) throw ECsvError(path, 1, "the header row is missing");
  if (records.front().fields != std::vector<std::string>{"Key", "Value"}) {
    throw ECsvError(path, records.front().line, "the header must be Key,Value");
  }
  std::vector<TDataInfoEntry> entries;
  std::set<std::string> seen;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const TCsvRecord& record = records[r];
    if (record.fields.size() != 2) {
      throw ECsvError(path, record.line, std::to_string(record.fields.size()) + " fields, expected 2");
    }
    const std::string& key = record.fields[0];
    if (!IsKeyText(key)) throw ECsvError(path, record.line, "a key is letters, digits, '.', '_' or '-': '" + key + "'");
    if (key.ends_with(kDigestSuffix)) {
      throw ECsvError(path, record.line, "the build writes the digests itself: '" + key + "'");
    }
    if (!seen.insert(key).second) throw ECsvError(path, record.line, "the key '" + key + "' appears twice");
    if (record.fields[1].empty()) throw ECsvError(path, record.line, "the key '" + key + "' has no value");
    entries.push_back({key, record.fields[1]});
  }
  for (const TLookupTableShape& table : LookupTables()) {
    if (!Find(entries, DateKey(table.name))) {
      throw ECsvError(path, records.back().line, "the key '" + DateKey(table.name) + "' is missing");
    }
  }
  return entries;
}

void WriteDataInfo(TSqliteDatabase& db, const std::vector<TDataInfoEntry>& entries) {
  const std::string table(kDataInfoTable);
  db.Exec("CREATE TABLE " + table + "(Key TEXT PRIMARY KEY, Value TEXT NOT NULL)");
  TSqliteStatement put = db.Prepare("INSERT INTO " + table + "(Key, Value) VALUES(?1, ?2)");
  for (const TDataInfoEntry& e : entries) {
    put.Reset();
    put.BindText(1, e.key);
    put.BindText(2, e.value);
    put.Step();
  }
}

std::vector<TDataInfoEntry> ReadDataInfo(TSqliteDatabase& db) {
  std::vector<TDataInfoEntry> entries;
  TSqliteStatement get = db.Prepare("SELECT Key, Value FROM " + std::string(kDataInfoTable) + " ORDER BY rowid");
  while (get.Step()) entries.push_back({get.ColumnText(0), get.ColumnText(1)});
  return entries;
}

void CheckDataInfo(TSqliteDatabase& db, TLookupCheckReport& report) {
  std::vector<TDataInfoEntry> entries;
  try {
    entries = ReadDataInfo(db);
  } catch (const EDatabaseError& e) {
    report.ok = false;
    report.lines.push_back("FAIL DataInfo: " + e.Message() + " (the file does not say what it was built from)");
    return;
  }
  for (const TDataInfoEntry& e : entries) report.lines.push_back("ok   DataInfo " + e.key + ": " + e.value);
  for (const TLookupTableShape& table : LookupTables()) {
    if (!Find(entries, DateKey(table.name))) {
      report.ok = false;
      report.lines.push_back("FAIL DataInfo lacks " + DateKey(table.name));
    }
  }
}

}  // namespace hm::lookupdb
