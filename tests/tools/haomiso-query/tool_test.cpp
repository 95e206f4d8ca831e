// The whole tool in process: inputs from arguments, standard input and
// files, the exit status, the database errors, and the same answers as the
// window's lookups.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "app/lookups/lookup_run.h"
#include "framework/core/string_list.h"
#include "framework/core/text.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"
#include "tests/framework/data/test_database.h"
#include "tools/haomiso-query/answerer.h"
#include "tools/haomiso-query/platform.h"
#include "tools/haomiso-query/progress.h"
#include "tools/haomiso-query/query_tool.h"

namespace hm::query {
namespace {

struct TRun {
  int status = -1;
  std::string out;
  std::string err;

  // The TSV lines after the header, each as column name -> value.
  std::vector<std::map<std::string, std::string>> Rows() const {
    const std::vector<std::string> lines = SplitLines(out);
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty()) return rows;
    const auto split = [](const std::string& line) {
      std::vector<std::string> fields;
      std::size_t at = 0;
      for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1) {
        fields.push_back(line.substr(at, tab - at));
      }
      fields.push_back(line.substr(at));
      return fields;
    };
    const std::vector<std::string> names = split(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
      const std::vector<std::string> values = split(lines[i]);
      std::map<std::string, std::string>& row = rows.emplace_back();
      for (std::size_t c = 0; c < names.size() && c < values.size(); ++c) row[names[c]] = values[c];
      EXPECT_EQ(values.size(), names.size()) << lines[i];
    }
    return rows;
  }
};

TRun RunTool(std::vector<std::string> args, std::string standardInput = "",
         const std::string& executable = "/nowhere/haomiso-query") {
  TStringOutput out;
  TStringOutput err;
  TToolContext context;
  context.out = &out;
  context.err = &err;
  context.standardInput = [&] { return std::make_unique<TStringInput>(standardInput); };
  context.openFile = OpenFileInput;
  context.isFile = IsRegularFile;
  context.executablePath = executable;
  context.today = {2024, 6, 15};
  TRun run;
  run.status = RunQueryTool(args, context);
  run.out = out.Text();
  run.err = err.Text();
  return run;
}

std::vector<std::string> WithDb(const std::string& db, std::vector<std::string> args) {
  args.insert(args.begin(), {"--db", db});
  return args;
}

class RealTool : public ::testing::Test {
 protected:
  TRun RunReal(std::vector<std::string> args, std::string standardInput = "") {
    return RunTool(WithDb(test::RealDatabasePath(), std::move(args)), std::move(standardInput));
  }
};

TEST_F(RealTool, AnswersEachKindFromTheArguments) {
  const TRun run = RunReal({"13800138000", "110103198001011230", "110103", "0755", "南山"});
  EXPECT_EQ(run.status, kExitRefused) << run.err;  // the ID number's check character is wrong
  const auto rows = run.Rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].at("kind"), "mobile");
  EXPECT_EQ(rows[0].at("province") + rows[0].at("city") + rows[0].at("area_code") + rows[0].at("carrier"),
            "北京北京010中国移动");
  EXPECT_EQ(rows[1].at("status"), "invalid");
  EXPECT_EQ(rows[1].at("division"), "北京市崇文区");
  EXPECT_EQ(rows[1].at("reason"), "校验码错误(应为5)");
  EXPECT_EQ(rows[1].at("birth_date"), "1980-01-01");
  EXPECT_EQ(rows[2].at("kind"), "division_code");
  EXPECT_EQ(rows[2].at("division"), "北京市崇文区");
  EXPECT_EQ(rows[3].at("kind"), "area_code");
  EXPECT_NE(rows[3].at("city").find("南山区"), std::string::npos);
  EXPECT_EQ(rows[4].at("province"), "黑龙江|广东");
  EXPECT_EQ(rows[4].at("matches"), "2");
}

// Whatever route the tool takes to an answer (statement, cache or index),
// it is what the window's lookup gives for the same input.
TEST_F(RealTool, SameAnswersAsTheWindowsLookups) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> prefix(1300000, 1999999);
  std::string input;
  std::vector<int> prefixes;
  for (int i = 0; i < 600; ++i) {
    prefixes.push_back(i % 7 == 0 && i > 0 ? prefixes[i - 1] : prefix(random));
    input += std::to_string(prefixes.back()) + "1234\n";
  }
  const TRun run = RunReal({}, input);
  ASSERT_EQ(run.status, kExitAnswered) << run.err;
  const auto rows = run.Rows();
  ASSERT_EQ(rows.size(), prefixes.size());

  Owned<TComponent> form = MakeRoot<TComponent>();
  TADOConnection* connection = MakeOwned<TADOConnection>(*form);
  connection->SetConnectionString(test::ConnectionStringFor(test::RealDatabasePath()));
  TADOQuery* query = MakeOwned<TADOQuery>(*form);
  query->SetConnection(connection);
  for (std::size_t i = 0; i < prefixes.size(); i += 7) {
    TStringList memo;
    lookups::RunMobileLookup(*query, lookups::CheckMobileLookup(std::to_string(prefixes[i])), &memo);
    EXPECT_EQ("所属地区: " + rows[i].at("province"), memo[0]) << prefixes[i];
    EXPECT_EQ("所属城市: " + rows[i].at("city"), memo[1]) << prefixes[i];
    EXPECT_EQ("所属区号: " + rows[i].at("area_code"), memo[2]) << prefixes[i];
    EXPECT_EQ("手机类型: " + rows[i].at("carrier"), memo[3]) << prefixes[i];
  }
  TStringList memo;
  lookups::RunIdLookup(*query, lookups::CheckIdLookup("110103"), &memo);
  EXPECT_EQ(memo[1], RunReal({"110103"}).Rows()[0].at("division"));
}

TEST_F(RealTool, TheIndexIsReadOnceAListIsLong) {
  Owned<TComponent> form = MakeRoot<TComponent>();
  TADOConnection* connection = MakeOwned<TADOConnection>(*form);
  connection->SetConnectionString(test::ConnectionStringFor(test::RealDatabasePath()));
  TADOQuery* query = MakeOwned<TADOQuery>(*form);
  query->SetConnection(connection);
  TAnswerer answerer(*query, 3);
  std::vector<lookups::TMobileAnswer> answers;
  for (const char* n : {"1380013", "1380013", "1500000", "1920014"}) {
    answers.push_back(answerer.Mobile(lookups::CheckMobileLookup(n)));
  }
  EXPECT_EQ(answerer.Counts().statements, 3u);  // the repeat came from the cache
  EXPECT_FALSE(answerer.Counts().mobileIndex);
  EXPECT_EQ(answerer.Mobile(lookups::CheckMobileLookup("1500000")), answers[2]);
  EXPECT_TRUE(answerer.Counts().mobileIndex);
  EXPECT_EQ(answerer.Mobile(lookups::CheckMobileLookup("1920014")), answers[3]);
  EXPECT_EQ(answers[3].type, "中国广电");
}

class SampleTool : public ::testing::Test {
 protected:
  SampleTool() : db_(test::BuildSampleDatabase(dir_)) {}
  TRun RunSample(std::vector<std::string> args, std::string standardInput = "") {
    return RunTool(WithDb(db_, std::move(args)), std::move(standardInput));
  }
  test::TempDir dir_;
  std::string db_;
};

TEST_F(SampleTool, StandardInputWithByteOrderMarkCrLfAndBlankLines) {
  const TRun run = RunSample({}, "\xEF\xBB\xBF" "13800100000\r\n\r\n15000000000\r\n");
  EXPECT_EQ(run.status, kExitAnswered);
  const auto rows = run.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].at("input"), "13800100000");
  EXPECT_EQ(rows[0].at("city"), "北京");
  EXPECT_EQ(rows[1].at("status"), "empty");
  // No match: the number echoed and recognised, every answer empty.
  EXPECT_EQ(rows[2].at("status"), "no_match");
  EXPECT_EQ(rows[2].at("number"), "15000000000");
  EXPECT_EQ(rows[2].at("province") + rows[2].at("city") + rows[2].at("area_code") + rows[2].at("carrier"), "");
  EXPECT_EQ(rows[2].at("matches"), "0");
}

TEST_F(SampleTool, GbkFileAndCsvOutput) {
  const std::string file = dir_.File("列表.txt");
  test::WriteFile(file, Utf8ToGbk("南山\r\n北京,东城\r\n"));
  const TRun run = RunSample({"--gbk", "--file", file, "--format", "csv"});
  EXPECT_EQ(run.status, kExitAnswered) << run.err;
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n");
  EXPECT_EQ(lines[1], "南山,text,found,,,广东,南山区,0755,518052,,,,,,1");
  EXPECT_EQ(lines[2], "\"北京,东城\",text,no_match,,,,,,,,,,,,0");
  // The same file read as UTF-8 is refused line by line, not as a whole.
  const TRun asUtf8 = RunSample({"--file", file, "--format", "jsonl"});
  EXPECT_EQ(asUtf8.status, kExitRefused);
  EXPECT_EQ(SplitLines(asUtf8.out).size(), 2u);
  EXPECT_NE(asUtf8.out.find("\"reason\":\"不是有效的UTF-8文本"), std::string::npos);
}

TEST_F(SampleTool, RefusedLinesGetAReasonAndTheRunGoesOn) {
  const TRun run = RunSample({"--format", "jsonl"}, "12345\n13800100000\n");
  EXPECT_EQ(run.status, kExitRefused);
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("\"status\":\"refused\",\"reason\":\"无法识别的号码(5位数字)\""), std::string::npos);
  EXPECT_NE(lines[1].find("\"city\":\"北京\""), std::string::npos);
  EXPECT_TRUE(run.err.empty());
}

TEST_F(SampleTool, AQuoteInATextIsSearchedLiterally) {
  {
    TSqliteDatabase db(db_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("INSERT INTO AreaData VALUES('0999', '999001', '测试', 'O''Brien镇');");
  }
  const TRun run = RunSample({"O'Brien", "x' or 'a'='a"});
  EXPECT_EQ(run.status, kExitAnswered) << run.err;
  const auto rows = run.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].at("city"), "O'Brien镇");
  EXPECT_EQ(rows[1].at("status"), "no_match");
}

TEST_F(SampleTool, ColumnOption) {
  const auto rows = RunSample({"--column", "省份", "广"}).Rows();
  EXPECT_EQ(rows.at(0).at("matches"), "2");
  EXPECT_EQ(RunSample({"--column", "postal_code", "--as", "text", "518052"}).Rows().at(0).at("city"), "南山区");
}

TEST_F(SampleTool, DatabaseBesideTheExecutableByDefault) {
  const TRun run = RunTool({"13800100000"}, "", dir_.File("haomiso-query"));
  EXPECT_EQ(run.status, kExitAnswered) << run.err;
  EXPECT_EQ(run.Rows().at(0).at("city"), "北京");
}

TEST_F(SampleTool, ADatabasePathWithASemicolon) {
  const std::string folder = dir_.File("a;b");
  std::filesystem::create_directories(std::filesystem::path(std::u8string(folder.begin(), folder.end())));
  const std::string db = dir_.File("a;b/Code.BM");
  test::WriteFile(db, test::ReadFile(db_));
  const TRun run = RunTool(WithDb(db, {"13800100000"}));
  EXPECT_EQ(run.status, kExitAnswered) << run.err;
}

TEST_F(SampleTool, ArgumentsThatAreNoUtf8AreRefused) {
  const TRun run = RunSample({"\xB1\xB1\xBE\xA9", "--format", "jsonl"});
  EXPECT_EQ(run.status, kExitRefused);
  EXPECT_EQ(run.out.rfind("{\"input\":\"\xEF\xBF\xBD", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\"reason\":\"不是有效的UTF-8文本\""), std::string::npos);
}

TEST_F(SampleTool, MissingOrDamagedDatabase) {
  const std::string missing = dir_.File("无/Code.BM");
  TRun run = RunTool(WithDb(missing, {"13800100000"}));
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err, "haomiso-query: 数据文件:" + missing + "不存在!\n");
  EXPECT_TRUE(run.out.empty());

  const std::string garbage = dir_.File("garbage.BM");
  test::WriteFile(garbage, std::string(8192, 'x'));
  run = RunTool(WithDb(garbage, {"13800100000"}));
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err.rfind("haomiso-query: 无法打开数据文件 " + garbage + ": ", 0), 0u) << run.err;

  // The header survives; the pages holding the tables do not.
  const std::string whole = test::ReadFile(db_);
  const std::string damaged = dir_.File("damaged.BM");
  std::string bytes = whole;
  for (std::size_t i = 4096; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  test::WriteFile(damaged, bytes);
  run = RunTool(WithDb(damaged, {"13800100000", "南山"}));
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err.rfind("haomiso-query: ", 0), 0u);
  EXPECT_NE(run.err.find(damaged), std::string::npos) << run.err;
}

TEST_F(SampleTool, ADatabaseErrorMidRunEndsItAndKeepsWhatWasAnswered) {
  std::int64_t page = 0;
  std::int64_t pageSize = 0;
  {
    TSqliteDatabase db(db_, TSqliteDatabase::OpenMode::ReadOnly);
    TSqliteStatement root = db.Prepare("SELECT rootpage FROM sqlite_master WHERE name='ZipCode'");
    ASSERT_TRUE(root.Step());
    page = root.ColumnInt64(0);
    TSqliteStatement size = db.Prepare("PRAGMA page_size");
    ASSERT_TRUE(size.Step());
    pageSize = size.ColumnInt64(0);
  }
  std::string bytes = test::ReadFile(db_);
  for (std::int64_t i = (page - 1) * pageSize; i < page * pageSize; ++i) bytes[static_cast<std::size_t>(i)] = '\xA5';
  test::WriteFile(db_, bytes);
  const TRun run = RunSample({"13800100000", "110101", "13800100000"});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.Rows().size(), 1u);
  EXPECT_EQ(run.err.rfind("haomiso-query: 数据文件 " + db_ + " 出错: ", 0), 0u) << run.err;
}

TEST(ToolUsage, HelpAndMistakes) {
  const TRun help = RunTool({"--help"});
  EXPECT_EQ(help.status, kExitAnswered);
  EXPECT_EQ(help.out.rfind("用法: haomiso-query", 0), 0u);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--format", "xml"}, {"--bogus"}, {"--db"}, {"--column", "城市"}, {"--file", "a", "13800138000"}}) {
    const TRun run = RunTool(args);
    EXPECT_EQ(run.status, kExitError) << args[0];
    EXPECT_NE(run.err.find("用 haomiso-query --help 查看用法。"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(RunTool({"--db", "/nowhere/Code.BM", "--file", "/nowhere/list.txt"}).status, kExitError);
}

TEST(ToolProgress, ShownOnlyAfterTheDelayAndEndedWithALineBreak) {
  TStringOutput err;
  TProgress late(err, true, std::chrono::hours(1));
  late.Step(1024);
  late.Finish(1024);
  EXPECT_TRUE(err.Text().empty());
  TProgress progress(err, true, std::chrono::seconds(0));
  progress.Step(1000);  // only every 1024 lines
  EXPECT_TRUE(err.Text().empty());
  progress.Step(2048);
  progress.Finish(2050);
  EXPECT_EQ(err.Text(), "\rhaomiso-query: 已处理 2048 行\rhaomiso-query: 已处理 2050 行\n");
}

}  // namespace
}  // namespace hm::query
