#include <gtest/gtest.h>

#include "framework/data/lookup_database.h"
#include "framework/data/sha256.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/test_database.h"
#include "tools/lookupdb/csv_reader.h"
#include "tools/lookupdb/data_info.h"
#include "tools/lookupdb/database_builder.h"
#include "tools/lookupdb/database_check.h"
#include "tools/lookupdb/mobile_ranges.h"

namespace hm {
namespace {

using lookupdb::ECsvError;
using lookupdb::ParseCsv;
using lookupdb::TDataInfoEntry;

bool HasLine(const TLookupCheckReport& report, const std::string& line) {
  return std::find(report.lines.begin(), report.lines.end(), line) != report.lines.end();
}

std::string CsvErrorOf(std::string_view text) {
  try {
    ParseCsv(text, "t.csv");
  } catch (const ECsvError& e) {
    return e.what();
  }
  return "";
}

TEST(Csv, ReadsPlainQuotedAndEmptyFields) {
  const auto records = ParseCsv("a,b,c\r\n1,\"x,\"\"y\"\"\",\n\"multi\nline\",,z", "t.csv");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(records[1].fields, (std::vector<std::string>{"1", "x,\"y\"", ""}));
  EXPECT_EQ(records[2].fields, (std::vector<std::string>{"multi\nline", "", "z"}));
  EXPECT_EQ(records[2].line, 3u);
}

TEST(Csv, SkipsByteOrderMarkAndFinalLineBreak) {
  const auto records = ParseCsv("\xEF\xBB\xBF区号,邮编\n010,100010\n", "t.csv");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].fields[0], "区号");
}

TEST(Csv, MalformedTextNamesFileAndLine) {
  EXPECT_EQ(CsvErrorOf("a,b\n1,\"open\n2,3\n"), "t.csv:2: unterminated quoted field");
  EXPECT_EQ(CsvErrorOf("a,b\n1,x\"y\n"), "t.csv:2: quote inside an unquoted field");
  EXPECT_EQ(CsvErrorOf("a,b\n\"1\"x,2\n"), "t.csv:2: text after the closing quote of a field");
  EXPECT_EQ(CsvErrorOf("a,b\n\n1,2\n"), "t.csv:2: blank line");
  EXPECT_EQ(CsvErrorOf("a,b\n1,2\r3,4\n"), "t.csv:2: carriage return without line feed");
  EXPECT_EQ(CsvErrorOf("a,b\n1,\xC0\xAF\n"), "t.csv:2: text is not valid UTF-8");
  // Lines inside a quoted field count.
  EXPECT_EQ(CsvErrorOf("a,b\n\"x\ny\",1\n1,x\"\n"), "t.csv:4: quote inside an unquoted field");
}

class LookupDbBuild : public ::testing::Test {
 protected:
  std::string Build() {
    const std::u8string d = dir_.Path().u8string();
    lookupdb::BuildLookupDatabase(std::string(d.begin(), d.end()), dir_.File("Code.BM"), test::kPassword);
    return dir_.File("Code.BM");
  }
  // The error of a build, "" when it succeeded.
  std::string BuildError() {
    try {
      Build();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "";
  }
  bool OnlyCsvFilesLeft() const {
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path())) {
      if (entry.path().extension() != ".csv") return false;
    }
    return true;
  }
  test::TempDir dir_;
};

TEST_F(LookupDbBuild, GoodDataGivesCountsAndPassesTheCheck) {
  test::WriteSampleCsv(dir_);
  const std::u8string d = dir_.Path().u8string();
  const auto result = lookupdb::BuildLookupDatabase(std::string(d.begin(), d.end()), dir_.File("Code.BM"), test::kPassword);
  ASSERT_EQ(result.rowCounts.size(), 3u);
  EXPECT_EQ(result.rowCounts[0], (std::pair<std::string, std::int64_t>{"AreaData", 5}));
  EXPECT_EQ(result.rowCounts[1], (std::pair<std::string, std::int64_t>{"MobileCode", 4}));
  EXPECT_EQ(result.rowCounts[2], (std::pair<std::string, std::int64_t>{"ZipCode", 3}));

  TSqliteDatabase db(dir_.File("Code.BM"), TSqliteDatabase::OpenMode::ReadOnly);
  const TLookupCheckReport good = CheckLookupDatabase(db, test::kPassword);
  EXPECT_TRUE(good.ok);
  EXPECT_NE(std::find(good.lines.begin(), good.lines.end(), "ok   table MobileCode: 4 rows"), good.lines.end());
  EXPECT_FALSE(CheckLookupDatabase(db, "wrong").ok);
  EXPECT_TRUE(CheckLookupDatabase(db, std::nullopt).ok);
  // Area codes keep their leading zero; a gap in the data is null.
  TSqliteStatement s = db.Prepare("SELECT 区号, typeof(区号) FROM AreaData WHERE 县市名='北屯市' OR 县市名='东城区'");
  ASSERT_TRUE(s.Step());
  EXPECT_EQ(s.ColumnText(0), "010");
  ASSERT_TRUE(s.Step());
  EXPECT_EQ(s.ColumnText(1), "null");
  EXPECT_FALSE(test::FileExists(dir_.File("Code.BM.building")));
}

TEST_F(LookupDbBuild, RecordsTheManifestAndTheDigestOfEachFile) {
  test::WriteSampleCsv(dir_);
  TSqliteDatabase db(Build(), TSqliteDatabase::OpenMode::ReadOnly);
  std::vector<TDataInfoEntry> expected = {{"AreaData.date", "2024-12-31"},
                                          {"MobileCode.date", "2024-05-01"},
                                          {"MobileCode.sources", "sample (rows)"},
                                          {"ZipCode.date", "2024-12-31"}};
  for (const char* table : {"AreaData", "MobileCode", "ZipCode"}) {
    expected.push_back({lookupdb::DigestKey(table),
                        ToHex(Sha256Of(test::ReadFile(dir_.File(std::string(table) + ".csv"))))});
  }
  EXPECT_EQ(lookupdb::ReadDataInfo(db), expected);

  const TLookupCheckReport report = lookupdb::CheckBuiltDatabase(db, test::kPassword);
  EXPECT_TRUE(report.ok);
  EXPECT_TRUE(HasLine(report, "ok   DataInfo MobileCode.date: 2024-05-01"));
  EXPECT_TRUE(HasLine(report, "ok   DataInfo ZipCode.sha256: " + expected.back().value));
  // 1 + 10 + 10 + 10000; ranges that only touch do not overlap.
  EXPECT_TRUE(HasLine(report, "ok   MobileCode: 10021 prefixes in 4 ranges, none overlapping"));
}

TEST_F(LookupDbBuild, MalformedCsvLeavesNoDatabaseBehind) {
  struct Case {
    const char* file;
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"ZipCode.csv", "BM,DQ\n110000,北京市\n11x101,东城区\n", "ZipCode.csv:3: BM is not an integer: '11x101'"},
      {"ZipCode.csv", "BM,DQ\n110000\n", "ZipCode.csv:2: 1 fields, expected 2"},
      {"ZipCode.csv", "BM,DQ,More\n", "ZipCode.csv:1: the header must be BM,DQ"},
      {"ZipCode.csv", "", "ZipCode.csv:1: the header row is missing"},
      {"MobileCode.csv", "号码B,号码E,地区,城市,区号,类型\n1380019,1380010,北京,北京,010,中国移动\n",
       "MobileCode.csv:2: 号码B is greater than 号码E"},
      {"MobileCode.csv", "号码B,号码E,地区,城市,区号,类型\n1,9999999999,北京,北京,010,中国移动\n",
       "MobileCode.csv:2: 号码E is out of range: 9999999999"},
      {"AreaData.csv", "区号,邮编,省名,县市名\n010,\"100010,北京,东城区\n", "AreaData.csv:2: unterminated quoted field"},
      {"MobileCode.csv",
       "号码B,号码E,地区,城市,区号,类型\n1380010,1380019,北京,北京,010,中国移动\n1300000,1300000,山东,济南,0531,中国联通\n"
       "1380015,1380015,广东,深圳,0755,中国移动\n",
       "MobileCode.csv:4: the range 1380015-1380015 overlaps the range 1380010-1380019 of line 2"},
      {"DataInfo.csv", "Key,Value\nAreaData.date,2024\nZipCode.date,2024\n",
       "DataInfo.csv:3: the key 'MobileCode.date' is missing"},
      {"DataInfo.csv", "Key,Value\nAreaData.date,2024\nMobileCode.date,2024\nZipCode.date,2024\nAreaData.date,2020\n",
       "DataInfo.csv:5: the key 'AreaData.date' appears twice"},
      {"DataInfo.csv", "Key,Value\nAreaData.date,\n", "DataInfo.csv:2: the key 'AreaData.date' has no value"},
      {"DataInfo.csv", "Key,Value\nMobileCode.sha256,00\n", "DataInfo.csv:2: the build writes the digests itself"},
      {"DataInfo.csv", "Key,Value\nArea Data.date,2024\n", "DataInfo.csv:2: a key is letters, digits"},
      {"DataInfo.csv", "Name,Value\n", "DataInfo.csv:1: the header must be Key,Value"},
      {"DataInfo.csv", "", "DataInfo.csv:1: the header row is missing"},
  };
  for (const Case& c : cases) {
    test::WriteSampleCsv(dir_);
    test::WriteFile(dir_.File(c.file), c.text);
    const std::string error = BuildError();
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_TRUE(OnlyCsvFilesLeft()) << c.error;
  }
}

TEST_F(LookupDbBuild, FailedRebuildKeepsThePreviousDatabase) {
  test::WriteSampleCsv(dir_);
  const std::string path = Build();
  const std::string before = test::ReadFile(path);
  test::WriteFile(dir_.File("AreaData.csv"), "区号,邮编,省名,县市名\n010\n");
  EXPECT_NE(BuildError(), "");
  EXPECT_EQ(test::ReadFile(path), before);
  EXPECT_FALSE(test::FileExists(path + ".building"));
}

TEST_F(LookupDbBuild, MissingCsvFileIsAnError) {
  for (const char* file : {"ZipCode.csv", "DataInfo.csv"}) {
    test::WriteSampleCsv(dir_);
    std::filesystem::remove(dir_.Path() / file);
    EXPECT_NE(BuildError().find(std::string(file) + ":0: cannot open the file"), std::string::npos);
    EXPECT_TRUE(OnlyCsvFilesLeft());
  }
}

TEST(MobileRanges, FindOverlapInAnyOrder) {
  using lookupdb::TNumberRange;
  EXPECT_FALSE(lookupdb::FindOverlap({}));
  EXPECT_FALSE(lookupdb::FindOverlap({{20, 29, 2}, {10, 19, 3}, {30, 30, 4}}));
  // A range inside a longer one is reported with it.
  const auto overlap = lookupdb::FindOverlap({{50, 55, 4}, {1, 100, 2}, {0, 0, 3}});
  ASSERT_TRUE(overlap);
  EXPECT_EQ(overlap->first.line, 2u);
  EXPECT_EQ(overlap->second.line, 4u);
  // The same range twice.
  const auto twice = lookupdb::FindOverlap({{7, 7, 2}, {7, 7, 3}});
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->second.first, 7);
}

TEST(LookupDbCheck, ReportsWhatIsWrong) {
  test::TempDir dir;
  TSqliteDatabase plain(dir.File("plain.db"), TSqliteDatabase::OpenMode::Create);
  plain.Exec("CREATE TABLE t(x)");
  const TLookupCheckReport notLookup = CheckLookupDatabase(plain, std::nullopt);
  EXPECT_FALSE(notLookup.ok);
  ASSERT_FALSE(notLookup.lines.empty());
  EXPECT_NE(notLookup.lines[0].find("is not a lookup database"), std::string::npos);

  const std::string path = test::BuildSampleDatabase(dir);
  TSqliteDatabase db(path, TSqliteDatabase::OpenMode::ReadWrite);
  db.Exec("DROP TABLE ZipCode; CREATE TABLE ZipCode(BM INTEGER)");
  const TLookupCheckReport lacking = CheckLookupDatabase(db, test::kPassword);
  EXPECT_FALSE(lacking.ok);
  EXPECT_NE(std::find(lacking.lines.begin(), lacking.lines.end(), "FAIL table ZipCode lacks column(s) DQ"),
            lacking.lines.end());
}

TEST(LookupDbCheck, ReportsOverlapsAndWhatTheFileDoesNotRecord) {
  test::TempDir dir;
  const std::string path = test::BuildSampleDatabase(dir);
  TSqliteDatabase db(path, TSqliteDatabase::OpenMode::ReadWrite);
  db.Exec("INSERT INTO MobileCode(号码B, 号码E, 地区, 城市, 区号, 类型) VALUES(1380025, 1380040, '广东', '广州', '020', '中国移动');"
          "DELETE FROM DataInfo WHERE Key='ZipCode.date'");
  const TLookupCheckReport report = lookupdb::CheckBuiltDatabase(db, test::kPassword);
  EXPECT_FALSE(report.ok);
  EXPECT_TRUE(HasLine(report, "FAIL MobileCode: 1 range(s) overlap an earlier one, the first at 1380025"));
  EXPECT_TRUE(HasLine(report, "FAIL DataInfo lacks ZipCode.date"));
  EXPECT_TRUE(HasLine(report, "ok   DataInfo AreaData.date: 2024-12-31"));

  // A file of an older build has no DataInfo; the program can still read it.
  db.Exec("DELETE FROM MobileCode WHERE 号码B=1380025; DROP TABLE DataInfo");
  const TLookupCheckReport old = lookupdb::CheckBuiltDatabase(db, test::kPassword);
  EXPECT_FALSE(old.ok);
  EXPECT_TRUE(HasLine(old, "ok   MobileCode: 10021 prefixes in 4 ranges, none overlapping"));
  EXPECT_TRUE(HasLine(old, "FAIL DataInfo: no such table: DataInfo (the file does not say what it was built from)"));
  db.Close();
  TSqliteDatabase reader(path, TSqliteDatabase::OpenMode::ReadOnly);
  EXPECT_NO_THROW(VerifyLookupDatabase(reader, path, test::kPassword));

  // Past a file that is not a lookup database, nothing more is said.
  TSqliteDatabase plain(dir.File("plain.db"), TSqliteDatabase::OpenMode::Create);
  plain.Exec("CREATE TABLE t(x)");
  EXPECT_EQ(lookupdb::CheckBuiltDatabase(plain, std::nullopt).lines.size(), 1u);
}

}  // namespace
}  // namespace hm
