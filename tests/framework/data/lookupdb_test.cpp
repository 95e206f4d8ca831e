#include <gtest/gtest.h>

#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/test_database.h"
#include "tools/lookupdb/csv_reader.h"
#include "tools/lookupdb/database_builder.h"

namespace hm {
namespace {

using lookupdb::ECsvError;
using lookupdb::ParseCsv;

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
  test::WriteSampleCsv(dir_);
  std::filesystem::remove(dir_.Path() / "ZipCode.csv");
  EXPECT_NE(BuildError().find("ZipCode.csv:0: cannot open the file"), std::string::npos);
  EXPECT_TRUE(OnlyCsvFilesLeft());
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

}  // namespace
}  // namespace hm
