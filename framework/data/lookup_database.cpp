#include "framework/data/lookup_database.h"

#include <sqlite3.h>

#include "framework/data/db_error.h"
#include "framework/data/password_verifier.h"

namespace hm {
namespace {

// MobileCode is a one-dimensional R*Tree: the lookup "号码B<=n and 号码E>=n"
// is exactly its overlap query, answered without reading the other ranges.
// A B-tree index can only bound one side of it and would walk half the table.
// The R*Tree adds its row id column "ID" in front; 号码B<=号码E is enforced.
constexpr std::string_view kSchema = R"sql(
CREATE TABLE AreaData(区号 TEXT, 邮编 TEXT, 省名 TEXT, 县市名 TEXT);
CREATE VIRTUAL TABLE MobileCode USING rtree_i32(ID, 号码B, 号码E, +地区 TEXT, +城市 TEXT, +区号 TEXT, +类型 TEXT);
CREATE TABLE ZipCode(BM INTEGER, DQ TEXT);
CREATE INDEX ZipCode_BM ON ZipCode(BM);
CREATE TABLE LookupInfo(Name TEXT PRIMARY KEY, Value TEXT NOT NULL);
)sql";

std::string Quoted(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string Quote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  out += text;
  out += '\'';
  return out;
}

std::int64_t QueryInt(TSqliteDatabase& db, std::string_view sql) {
  TSqliteStatement stmt = db.Prepare(sql);
  return stmt.Step() ? stmt.ColumnInt64(0) : 0;
}

constexpr std::string_view kWrongPassword = "Wrong password for the lookup database";

bool IsNotADatabase(const TSqliteDatabase& db) {
  const int code = db.ErrorCode() & 0xFF;
  return code == SQLITE_NOTADB;
}

std::vector<std::string> ColumnsOf(TSqliteDatabase& db, std::string_view table) {
  std::vector<std::string> columns;
  TSqliteStatement stmt = db.Prepare("SELECT name FROM pragma_table_info(?1)");
  stmt.BindText(1, table);
  while (stmt.Step()) columns.push_back(stmt.ColumnText(0));
  return columns;
}

std::string ReadInfo(TSqliteDatabase& db, std::string_view name) {
  TSqliteStatement stmt = db.Prepare("SELECT Value FROM " + std::string(kLookupInfoTable) + " WHERE Name=?1");
  stmt.BindText(1, name);
  return stmt.Step() ? stmt.ColumnText(0) : std::string();
}

}  // namespace

const std::vector<TLookupTableShape>& LookupTables() {
  static const std::vector<TLookupTableShape> tables = {
      {"AreaData", {"区号", "邮编", "省名", "县市名"}},
      {"MobileCode", {"号码B", "号码E", "地区", "城市", "区号", "类型"}},
      {"ZipCode", {"BM", "DQ"}},
  };
  return tables;
}

void CreateLookupSchema(TSqliteDatabase& db, std::string_view password) {
  db.Exec(kSchema);
  db.Exec("PRAGMA application_id=" + std::to_string(kLookupApplicationId) +
          "; PRAGMA user_version=" + std::to_string(kLookupSchemaVersion));
  const TPasswordVerifier v = TPasswordVerifier::Make(password);
  TSqliteStatement put = db.Prepare("INSERT INTO " + std::string(kLookupInfoTable) + "(Name, Value) VALUES(?1, ?2)");
  for (const auto& [name, value] : {std::pair<const char*, const std::string&>{"salt", v.saltHex},
                                    std::pair<const char*, const std::string&>{"verifier", v.hashHex}}) {
    put.Reset();
    put.BindText(1, name);
    put.BindText(2, value);
    put.Step();
  }
}

namespace {

TPasswordVerifier ReadMarkerAndVerifier(TSqliteDatabase& db, std::string_view path) {
  const std::string file = Quote(path);
  const std::string notLookup = file + " is not a lookup database";
  std::int64_t appId = 0;
  try {
    appId = QueryInt(db, "PRAGMA application_id");
  } catch (const EDatabaseError&) {
    if (IsNotADatabase(db)) throw EDatabaseError(notLookup);
    throw;  // locked, unreadable: the engine's message says it
  }
  if (appId != kLookupApplicationId) throw EDatabaseError(notLookup);
  if (QueryInt(db, "PRAGMA user_version") != kLookupSchemaVersion) {
    throw EDatabaseError(file + " is a lookup database of an unsupported version");
  }
  TPasswordVerifier stored;
  try {
    stored.saltHex = ReadInfo(db, "salt");
    stored.hashHex = ReadInfo(db, "verifier");
  } catch (const EDatabaseError&) {
    if ((db.ErrorCode() & 0xFF) == SQLITE_ERROR) throw EDatabaseError(notLookup);  // no info table
    throw;
  }
  if (!stored.WellFormed()) throw EDatabaseError(notLookup);
  return stored;
}

}  // namespace

void VerifyLookupDatabase(TSqliteDatabase& db, std::string_view path, std::string_view password) {
  TSqliteTransaction transaction(db, TSqliteTransaction::Kind::Read);
  if (!ReadMarkerAndVerifier(db, path).Matches(password)) throw EDatabaseError(std::string(kWrongPassword));
  transaction.Commit();
}

TLookupCheckReport CheckLookupDatabase(TSqliteDatabase& db, std::optional<std::string_view> password) {
  TLookupCheckReport report;
  const auto fail = [&](std::string line) {
    report.ok = false;
    report.lines.push_back("FAIL " + std::move(line));
  };
  const auto pass = [&](std::string line) { report.lines.push_back("ok   " + std::move(line)); };

  TPasswordVerifier verifier;
  try {
    verifier = ReadMarkerAndVerifier(db, "the file");
    pass("lookup database, version " + std::to_string(kLookupSchemaVersion) + ", password verifier present");
  } catch (const EDatabaseError& e) {
    fail(e.Message());
    return report;
  }
  if (password) {
    if (verifier.Matches(*password)) {
      pass("password matches");
    } else {
      fail("password does not match");
    }
  }
  for (const TLookupTableShape& table : LookupTables()) {
    const std::vector<std::string> have = ColumnsOf(db, table.name);
    if (have.empty()) {
      fail("table " + table.name + " is missing");
      continue;
    }
    std::string missing;
    for (const std::string& column : table.columns) {
      bool found = false;
      for (const std::string& h : have) found = found || h == column;
      if (!found) missing += (missing.empty() ? "" : ", ") + column;
    }
    if (!missing.empty()) {
      fail("table " + table.name + " lacks column(s) " + missing);
      continue;
    }
    const std::int64_t rows = QueryInt(db, "SELECT count(*) FROM " + Quoted(table.name));
    pass("table " + table.name + ": " + std::to_string(rows) + " rows");
  }
  TSqliteStatement integrity = db.Prepare("PRAGMA integrity_check");
  std::string result;
  while (integrity.Step()) result += (result.empty() ? "" : "; ") + integrity.ColumnText(0);
  if (result == "ok") {
    pass("integrity check");
  } else {
    fail("integrity check: " + result);
  }
  return report;
}

}  // namespace hm
