#include <gtest/gtest.h>

#include <sqlite3.h>

#include "framework/core/typinfo.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"

namespace hm::test {
namespace {

using AdoConnection = AdoFixture;
using AdoQuery = AdoFixture;

TEST_F(AdoConnection, ConnectionStringIsKeptUntilReassigned) {
  UseSampleDatabase();
  const std::string text = ConnectionStringFor(path_);
  EXPECT_EQ(connection_->ConnectionString(), text);
  connection_->Open();
  EXPECT_EQ(connection_->ConnectionString(), text);
  connection_->Close();
  EXPECT_EQ(connection_->ConnectionString(), text);
  connection_->SetConnectionString("dbq=elsewhere");
  EXPECT_EQ(connection_->ConnectionString(), "dbq=elsewhere");
}

TEST_F(AdoConnection, OpenAndCloseAreHarmlessWhenAlreadyInThatState) {
  UseSampleDatabase();
  EXPECT_FALSE(connection_->Connected());
  connection_->SetConnected(false);
  EXPECT_FALSE(connection_->Connected());
  connection_->SetConnected(true);
  connection_->SetConnected(true);
  EXPECT_TRUE(connection_->Connected());
  connection_->SetConnected(false);
  connection_->SetConnected(false);
  EXPECT_FALSE(connection_->Connected());
}

TEST_F(AdoConnection, EachFailureHasItsOwnMessageAndLeavesItClosed) {
  UseSampleDatabase();
  const auto failure = [&](const std::string& connectionString) {
    connection_->SetConnectionString(connectionString);
    const std::string message = ErrorOf([&] { connection_->Open(); });
    EXPECT_EQ(connection_->Connected(), message.empty()) << connectionString;
    return message;
  };
  EXPECT_EQ(failure("driver={SQL Server};dbq=" + path_), "Driver not found: 'SQL Server'");
  EXPECT_EQ(failure(ConnectionStringFor(dir_.File("none.BM"))), "Database file '" + dir_.File("none.BM") + "' not found");
  std::filesystem::create_directory(dir_.Path() / "folder.BM");
  EXPECT_EQ(failure(ConnectionStringFor(dir_.File("folder.BM"))),
            "Database file '" + dir_.File("folder.BM") + "' not found");
  WriteFile(dir_.File("text.BM"), std::string(4096, 'x'));
  EXPECT_EQ(failure(ConnectionStringFor(dir_.File("text.BM"))), "'" + dir_.File("text.BM") + "' is not a lookup database");
  {
    TSqliteDatabase other(dir_.File("other.db"), TSqliteDatabase::OpenMode::Create);
    other.Exec("CREATE TABLE AreaData(x)");
  }
  EXPECT_EQ(failure(ConnectionStringFor(dir_.File("other.db"))),
            "'" + dir_.File("other.db") + "' is not a lookup database");
  EXPECT_EQ(failure(ConnectionStringFor(path_, "quorbane5172")), "Wrong password for the lookup database");
  EXPECT_EQ(failure(ConnectionStringFor(path_, "")), "Wrong password for the lookup database");
  // And the right one still works afterwards.
  EXPECT_EQ(failure(ConnectionStringFor(path_)), "");
  EXPECT_TRUE(connection_->Connected());
}

TEST_F(AdoConnection, ALockedFileFailsWithTheEnginesMessage) {
  UseSampleDatabase();
  connection_->SetCommandTimeout(0);
  TSqliteDatabase other(path_, TSqliteDatabase::OpenMode::ReadWrite);
  other.Exec("BEGIN EXCLUSIVE");
  EXPECT_EQ(ErrorOf([&] { connection_->Open(); }), "database is locked");
  EXPECT_FALSE(connection_->Connected());
  other.Exec("COMMIT");
  connection_->Open();
  other.Exec("BEGIN EXCLUSIVE");
  EXPECT_EQ(ErrorOf([&] { Run("Select * from ZipCode where BM=110101"); }), "database is locked");
  EXPECT_FALSE(query_->Active());
  other.Exec("ROLLBACK");
}

TEST_F(AdoConnection, ADamagedFileFailsWithTheEnginesMessage) {
  UseSampleDatabase();
  // Keep the header page, wipe the rest: the tables are gone to garbage.
  std::string bytes = ReadFile(path_);
  ASSERT_GT(bytes.size(), 8192u);
  std::fill(bytes.begin() + 4096, bytes.end(), '\xA5');
  WriteFile(path_, bytes);
  const std::string message = ErrorOf([&] { connection_->Open(); });
  EXPECT_NE(message.find("malformed"), std::string::npos) << message;
  EXPECT_FALSE(connection_->Connected());
}

TEST_F(AdoConnection, StoredSettingsArePublishedProperties) {
  EXPECT_TRUE(SetPropEnumName(connection_, "Mode", "cmShareDenyNone"));
  EXPECT_EQ(connection_->Mode(), cmShareDenyNone);
  EXPECT_TRUE(SetPropEnumName(connection_, "LoginPrompt", "False"));
  EXPECT_FALSE(connection_->LoginPrompt());
  EXPECT_TRUE(SetPropString(connection_, "ConnectionString", "dbq=x"));
  EXPECT_EQ(connection_->ConnectionString(), "dbq=x");

  query_->SetConnection(nullptr);
  EXPECT_TRUE(SetPropObject(query_, "Connection", connection_));
  EXPECT_EQ(query_->Connection(), connection_);
  EXPECT_TRUE(SetPropEnumName(query_, "CursorType", "ctStatic"));
  EXPECT_EQ(query_->CursorType(), ctStatic);
  auto* sql = dynamic_cast<TStrings*>(GetPropObject(query_, "SQL"));
  ASSERT_NE(sql, nullptr);
  sql->SetText("Select * from AreaData");
  EXPECT_EQ(query_->SQL()->Text(), "Select * from AreaData\r\n");
  EXPECT_EQ(GetPropEnumName(query_, "Active"), "False");
  EXPECT_TRUE(SetPropObject(source_, "DataSet", query_));
  EXPECT_EQ(source_->DataSet(), query_);
  EXPECT_EQ(query_->ClassName(), "TADOQuery");
  EXPECT_EQ(connection_->ClassName(), "TADOConnection");
}

TEST_F(AdoConnection, FreeingTheConnectionUnlinksAndClosesTheQuery) {
  UseSampleDatabase();
  Run("Select * from ZipCode");
  form_->FreeComponent(*connection_);
  EXPECT_EQ(query_->Connection(), nullptr);
  EXPECT_FALSE(query_->Active());
  EXPECT_EQ(ErrorOf([&] { query_->Open(); }), "ADOQuery1: Missing Connection or ConnectionString");
}

TEST_F(AdoQuery, OpeningOpensTheConnectionAndGoesToTheFirstRow) {
  UseSampleDatabase();
  query_->SetActive(false);  // harmless when closed
  query_->SQL()->SetText("Select * from AreaData where 区号 like '%0755%'");
  EXPECT_FALSE(connection_->Connected());
  query_->SetActive(true);
  EXPECT_TRUE(connection_->Connected());
  EXPECT_TRUE(query_->Active());
  EXPECT_EQ(query_->RecordCount(), 2);
  EXPECT_EQ(query_->RecNo(), 1);
  EXPECT_EQ(Text("县市名"), "深圳市");
}

TEST_F(AdoQuery, SettingTheTextReplacesTheStatementAndClosesTheResult) {
  UseSampleDatabase();
  Run("Select * from ZipCode where BM=110000");
  query_->SQL()->SetText("Select * from ZipCode where BM=440305");
  EXPECT_FALSE(query_->Active());
  query_->Open();
  EXPECT_EQ(Text("DQ"), "广东省深圳市南山区");
}

TEST_F(AdoQuery, TheThreeLookupStatements) {
  UseSampleDatabase();
  Run("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  EXPECT_EQ(Text("地区") + "/" + Text("城市") + "/" + Text("区号") + "/" + Text("类型"), "北京/北京/010/中国移动");
  // Both ends of a range belong to it.
  Run("Select * from MobileCode where 号码B<=1380029 and 号码E>=1380029");
  EXPECT_EQ(Text("城市"), "深圳");
  Run("Select * from MobileCode where 号码B<=1300000 and 号码E>=1300000");
  EXPECT_EQ(Text("城市"), "济南");
  Run("Select * from ZipCode where BM=110101");
  EXPECT_EQ(Text("DQ"), "北京市东城区");
  Run("Select * from AreaData where 邮编 like '%518%'");
  EXPECT_EQ(query_->RecordCount(), 2);
}

TEST_F(AdoQuery, FieldByNameIgnoresCaseAndNamesTheQueryWhenMissing) {
  UseSampleDatabase();
  Run("Select * from ZipCode where BM=110101");
  EXPECT_EQ(&query_->FieldByName("dq"), &query_->FieldByName("DQ"));
  EXPECT_EQ(query_->FieldByName("bm").AsString(), "110101");
  EXPECT_EQ(ErrorOf([&] { query_->FieldByName("类型"); }), "ADOQuery1: Field '类型' not found");
}

TEST_F(AdoQuery, AMissingColumnStopsTheMobileLookupAtThatField) {
  UseSampleDatabase();
  {
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("DROP TABLE MobileCode; CREATE TABLE MobileCode(号码B INTEGER, 号码E INTEGER, 地区 TEXT, 城市 TEXT, 区号 TEXT);"
            "INSERT INTO MobileCode VALUES(1380010, 1380019, '北京', '北京', '010')");
  }
  Run("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  std::vector<std::string> lines;
  const std::string error = ErrorOf([&] {
    for (const char* f : {"地区", "城市", "区号", "类型"}) lines.push_back(Text(f));
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"北京", "北京", "010"}));
  EXPECT_EQ(error, "ADOQuery1: Field '类型' not found");
}

TEST_F(AdoQuery, NoMatchOrNullGivesEmptyText) {
  UseSampleDatabase();
  Run("Select * from MobileCode where 号码B<=1999999999 and 号码E>=1999999999");
  EXPECT_TRUE(query_->IsEmpty());
  EXPECT_TRUE(query_->Eof());
  EXPECT_TRUE(query_->Bof());
  for (const char* f : {"地区", "城市", "区号", "类型"}) EXPECT_EQ(Text(f), "") << f;
  Run("Select * from ZipCode where BM=-5");
  EXPECT_EQ(Text("DQ"), "");
  EXPECT_TRUE(query_->FieldByName("DQ").IsNull());
  Run("Select * from AreaData where 县市名 like '%北屯%'");
  EXPECT_TRUE(query_->FieldByName("区号").IsNull());
  EXPECT_EQ(Text("区号"), "");
  EXPECT_EQ(Text("邮编"), "843000");
}

TEST_F(AdoQuery, EngineErrorsCarryItsMessageAndLeaveTheQueryClosed) {
  UseSampleDatabase();
  // A quote in the search text ends the literal early.
  const std::string quote = ErrorOf([&] { Run("Select * from AreaData where 区号 like '%0'755%'"); });
  EXPECT_EQ(quote, "near \"755\": syntax error");
  EXPECT_FALSE(query_->Active());
  EXPECT_EQ(query_->RecordCount(), 0);
  EXPECT_EQ(ErrorOf([&] { Run("Select * from NoSuchTable"); }), "no such table: NoSuchTable");
  EXPECT_FALSE(query_->Active());
  EXPECT_EQ(ErrorOf([&] { Run("Select * from AreaData where 不存在 like '%1%'"); }), "no such column: 不存在");
  EXPECT_EQ(ErrorOf([&] { Run("Select * from ZipCode; Delete from ZipCode"); }), "Only one statement at a time can be run");
  EXPECT_EQ(ErrorOf([&] { Run("  "); }), "ADOQuery1: SQL text is empty");
  // The next good statement works.
  Run("Select * from ZipCode where BM=110000");
  EXPECT_EQ(Text("DQ"), "北京市");
}

TEST_F(AdoQuery, ClosingTheConnectionClosesTheQuery) {
  UseSampleDatabase();
  Run("Select * from ZipCode");
  connection_->Close();
  EXPECT_FALSE(query_->Active());
  Run("Select * from ZipCode");  // reopens it
  EXPECT_TRUE(connection_->Connected());
}

TEST_F(AdoQuery, ExplainShowsTheLookupsUseIndexes) {
  UseSampleDatabase();
  connection_->Open();
  const auto plan = [&](const std::string& sql) {
    TSqliteStatement s = connection_->Database().Prepare("EXPLAIN QUERY PLAN " + sql);
    std::string detail;
    while (s.Step()) detail += s.ColumnText(3) + ";";
    return detail;
  };
  // The R*Tree answers both bounds of the range itself (B0: 号码B<=, D1: 号码E>=).
  const std::string mobile = plan("Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013");
  EXPECT_NE(mobile.find("VIRTUAL TABLE INDEX"), std::string::npos) << mobile;
  EXPECT_NE(mobile.find("B0"), std::string::npos) << mobile;
  EXPECT_NE(mobile.find("D1"), std::string::npos) << mobile;
  const std::string id = plan("Select * from ZipCode where BM=110101");
  EXPECT_NE(id.find("SEARCH ZipCode USING INDEX"), std::string::npos) << id;
}

}  // namespace
}  // namespace hm::test
