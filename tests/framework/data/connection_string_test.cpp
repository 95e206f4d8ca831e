#include "framework/data/connection_string.h"

#include <gtest/gtest.h>

#include "framework/data/db_error.h"

namespace hm {
namespace {

TEST(ConnectionString, ParsesTheProgramsFormat) {
  const TConnectionParams p = ParseConnectionParams(
      "driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=quorbane5173;dbq=D:\\工具\\Code.BM;"
      "Persist Security Info=False");
  EXPECT_EQ(p.driver, "Microsoft Access Driver (*.mdb)");
  EXPECT_EQ(p.user, "Admin");
  EXPECT_EQ(p.password, "quorbane5173");
  EXPECT_EQ(p.database, "D:\\工具\\Code.BM");
}

TEST(ConnectionString, KeysIgnoreCaseAndBlanks) {
  const TConnectionString cs = TConnectionString::Parse(" DBQ = a.db ; PWD=x ;  ;uid=u");
  EXPECT_EQ(cs.Value("dbq"), "a.db");
  EXPECT_EQ(cs.Value("Pwd"), "x");
  EXPECT_EQ(cs.Value("UID"), "u");
  EXPECT_FALSE(cs.Value("driver").has_value());
}

TEST(ConnectionString, BracedValuesKeepSeparatorsAndEscapedBraces) {
  const TConnectionString cs = TConnectionString::Parse("pwd={a;b=c}}d};dbq={ spaced path }");
  EXPECT_EQ(cs.Value("pwd"), "a;b=c}d");
  EXPECT_EQ(cs.Value("dbq"), " spaced path ");
}

TEST(ConnectionString, FirstOccurrenceWins) {
  EXPECT_EQ(TConnectionString::Parse("dbq=first;DBQ=second").Value("dbq"), "first");
}

TEST(ConnectionString, MalformedTextIsRefused) {
  for (const char* bad : {"dbq={unterminated", "dbq={x}y", "justakey", "=value"}) {
    EXPECT_THROW(TConnectionString::Parse(bad), EDatabaseError) << bad;
  }
}

TEST(ConnectionString, DriverAndFileAreRequired) {
  try {
    ParseConnectionParams("driver={SQL Server};dbq=x");
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Driver not found: 'SQL Server'");
  }
  EXPECT_THROW(ParseConnectionParams("dbq=x;pwd=y"), EDatabaseError);
  EXPECT_THROW(ParseConnectionParams("driver={Microsoft Access Driver (*.mdb)};pwd=y"), EDatabaseError);
  // The driver name is compared without regard to case.
  EXPECT_EQ(ParseConnectionParams("DRIVER={microsoft access driver (*.MDB)};dbq=x").database, "x");
}

TEST(ConnectionString, ErrorsNeverShowThePassword) {
  try {
    ParseConnectionParams("driver=nothing;pwd=secret123;dbq=x");
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(std::string(e.Message()).find("secret123"), std::string::npos);
  }
}

}  // namespace
}  // namespace hm
