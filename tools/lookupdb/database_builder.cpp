#include "tools/lookupdb/database_builder.h"

#include <charconv>
#include <filesystem>
#include <limits>
#include <system_error>

#include "framework/data/lookup_database.h"
#include "framework/data/sha256.h"
#include "framework/data/sqlite_handle.h"
#include "tools/lookupdb/csv_reader.h"
#include "tools/lookupdb/data_info.h"
#include "tools/lookupdb/mobile_ranges.h"

namespace hm::lookupdb {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Of(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

enum class ColumnType { Text, Integer };

struct TableSource {
  const char* table;
  std::vector<ColumnType> types;  // per column of LookupTables(), in order
};

const std::vector<TableSource>& Sources() {
  static const std::vector<TableSource> sources = {
      {"AreaData", {ColumnType::Text, ColumnType::Text, ColumnType::Text, ColumnType::Text}},
      {"MobileCode",
       {ColumnType::Integer, ColumnType::Integer, ColumnType::Text, ColumnType::Text, ColumnType::Text,
        ColumnType::Text}},
      {"ZipCode", {ColumnType::Integer, ColumnType::Text}},
  };
  return sources;
}

// Decimal digits with an optional '-'; nothing else, not even blanks.
bool ParseInteger(const std::string& text, std::int64_t& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  return r.ec == std::errc() && r.ptr == end;
}

// Removes the temporary file unless the build got to the rename.
class TempFile {
 public:
  explicit TempFile(fs::path path) : path_(std::move(path)) {}
  ~TempFile() {
    if (!path_.empty()) {
      std::error_code ec;
      fs::remove(path_, ec);
      fs::remove(fs::path(path_).concat("-journal"), ec);
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const fs::path& Path() const { return path_; }
  void Release() { path_.clear(); }

 private:
  fs::path path_;
};

std::int64_t LoadTable(TSqliteDatabase& db, const TLookupTableShape& shape, const TableSource& source,
                       const std::string& file, const std::string& text) {
  const std::vector<TCsvRecord> records = ParseCsv(text, file);
  if (records.empty()) throw ECsvError(file, 1, "the header row is missing");
  const TCsvRecord& header = records.front();
  if (header.fields != shape.columns) {
    std::string expected;
    for (const std::string& c : shape.columns) expected += (expected.empty() ? "" : ",") + c;
    throw ECsvError(file, header.line, "the header must be " + expected);
  }
  std::string columns, params;
  for (std::size_t i = 0; i < shape.columns.size(); ++i) {
    columns += (i ? ", " : "") + shape.columns[i];
    params += (i ? ", ?" : "?") + std::to_string(i + 1);
  }
  TSqliteStatement insert = db.Prepare("INSERT INTO " + shape.name + "(" + columns + ") VALUES(" + params + ")");
  const bool isRange = shape.name == "MobileCode";
  std::vector<TNumberRange> ranges;
  for (std::size_t r = 1; r < records.size(); ++r) {
    const TCsvRecord& record = records[r];
    if (record.fields.size() != shape.columns.size()) {
      throw ECsvError(file, record.line, std::to_string(record.fields.size()) + " fields, expected " +
                                             std::to_string(shape.columns.size()));
    }
    insert.Reset();
    std::int64_t numbers[2] = {0, 0};
    for (std::size_t c = 0; c < record.fields.size(); ++c) {
      const std::string& text = record.fields[c];
      const int param = static_cast<int>(c + 1);
      if (source.types[c] == ColumnType::Integer) {
        std::int64_t value = 0;
        if (!ParseInteger(text, value)) {
          throw ECsvError(file, record.line, shape.columns[c] + " is not an integer: '" + text + "'");
        }
        if (isRange && (value < 0 || value > std::numeric_limits<std::int32_t>::max())) {
          throw ECsvError(file, record.line, shape.columns[c] + " is out of range: " + text);
        }
        if (c < 2) numbers[c] = value;
        insert.BindInt64(param, value);
      } else if (text.empty()) {
        insert.BindNull(param);  // the data has gaps; a gap is no value
      } else {
        insert.BindText(param, text);
      }
    }
    if (isRange && numbers[0] > numbers[1]) {
      throw ECsvError(file, record.line, "号码B is greater than 号码E");
    }
    if (isRange) ranges.push_back({numbers[0], numbers[1], record.line});
    insert.Step();
  }
  if (const auto overlap = FindOverlap(std::move(ranges))) {
    const auto& [earlier, later] = *overlap;
    throw ECsvError(file, later.line,
                    "the range " + std::to_string(later.first) + "-" + std::to_string(later.last) +
                        " overlaps the range " + std::to_string(earlier.first) + "-" + std::to_string(earlier.last) +
                        " of line " + std::to_string(earlier.line));
  }
  return static_cast<std::int64_t>(records.size() - 1);
}

}  // namespace

TBuildResult BuildLookupDatabase(const std::string& dataDir, const std::string& output, const std::string& password) {
  const fs::path target = PathOf(output);
  TempFile temp(fs::path(target).concat(".building"));
  {
    std::error_code ec;
    fs::remove(temp.Path(), ec);  // left over from a killed run
  }
  TBuildResult result;
  {
    TSqliteDatabase db(Utf8Of(temp.Path()), TSqliteDatabase::OpenMode::Create);
    // A crash midway leaves only the temporary file, so the build needs no
    // journal of its own.
    db.Exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF");
    db.Exec("BEGIN");
    CreateLookupSchema(db, password);
    std::vector<TDataInfoEntry> info = ReadDataManifest(Utf8Of(PathOf(dataDir) / PathOf(std::string(kManifestFile))));
    const auto& tables = LookupTables();
    for (std::size_t i = 0; i < tables.size(); ++i) {
      const std::string file = Utf8Of(PathOf(dataDir) / (tables[i].name + ".csv"));
      const std::string text = ReadTextFile(file);
      result.rowCounts.emplace_back(tables[i].name, LoadTable(db, tables[i], Sources()[i], file, text));
      info.push_back({DigestKey(tables[i].name), ToHex(Sha256Of(text))});
    }
    WriteDataInfo(db, info);
    db.Exec("COMMIT");
    db.Exec("ANALYZE");
  }
  std::error_code ec;
  fs::rename(temp.Path(), target, ec);
  if (ec) {
    // Some platforms refuse to rename over an existing file.
    fs::remove(target);
    fs::rename(temp.Path(), target);
  }
  temp.Release();
  return result;
}

}  // namespace hm::lookupdb
