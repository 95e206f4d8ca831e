// The database file in trouble: made read-only, locked by another writer,
// removed or replaced while connected, truncated or zero-filled, written by
// a process that died mid-transaction. Each ends in a defined error or the
// right answer, and never in lost or stale data.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

#include "framework/data/db_failure.h"
#include "framework/data/sqlite_handle.h"
#include "tests/framework/data/ado_fixture.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/core/text.h"
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace hm::test {
namespace {

namespace fs = std::filesystem;

class DatabaseFault : public AdoFixture {
 protected:
  void SetUp() override {
    UseSampleDatabase();
    connection_->SetCommandTimeout(0);  // a lock fails at once
  }
  void TearDown() override { SetReadOnly(false); }

  fs::path Path() const { return fs::path(std::u8string(path_.begin(), path_.end())); }
  void SetReadOnly(bool readOnly) {
    std::error_code ec;
    fs::permissions(Path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add, ec);
  }
  std::string OtherSees(const std::string& sql) {
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadOnly);
    TSqliteStatement s = db.Prepare(sql);
    std::string out;
    while (s.Step()) out += (out.empty() ? "" : "|") + s.ColumnText(0);
    return out;
  }
  // What the ID lookup answers, or the message of its error.
  std::string IdLookup(int code) {
    std::string answer;
    const std::string error = ErrorOf([&] {
      Run("Select * from ZipCode where BM=" + std::to_string(code));
      answer = Text("DQ");
    });
    return error.empty() ? answer : error;
  }
  // Rewrites the file in place: the same file, other bytes, as a copy
  // over it would.
  void Overwrite(const std::string& bytes) { WriteFile(path_, bytes); }

  std::string Damaged() const { return "'" + path_ + "' is damaged (database disk image is malformed)"; }
};

// ---- read-only ------------------------------------------------------------

TEST_F(DatabaseFault, AFileMadeReadOnlyWhileShownRefusesDeleteAndPostAndKeepsTheRow) {
  Run("Select * from AreaData where 省名 like '%广东%'");
  ASSERT_EQ(query_->RecordCount(), 2);
  SetReadOnly(true);
  // The connection still has write access; the file's attribute is obeyed anyway.
  EXPECT_EQ(ErrorOf([&] { query_->Delete(); }), ReadOnlyFileMessage(path_));
  EXPECT_EQ(query_->RecordCount(), 2);
  EXPECT_EQ(Text("县市名"), "深圳市");
  query_->FieldByName("县市名").SetAsString("深圳");
  EXPECT_EQ(ErrorOf([&] { query_->Post(); }), ReadOnlyFileMessage(path_));
  EXPECT_EQ(query_->State(), dsEdit) << "the edit is kept for another try";
  query_->Cancel();
  EXPECT_EQ(OtherSees("select 县市名 from AreaData where 省名='广东' order by 邮编"), "深圳市|南山区");
  // Lookups go on; once writable again the same delete goes through.
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  SetReadOnly(false);
  Run("Select * from AreaData where 省名 like '%广东%'");
  query_->Delete();
  EXPECT_EQ(OtherSees("select 县市名 from AreaData where 省名='广东'"), "南山区");
}

TEST_F(DatabaseFault, AFileReadOnlyAtTheStartOpensForReadingOnly) {
  SetReadOnly(true);
  connection_->Open();
  EXPECT_EQ(sqlite3_db_readonly(connection_->Database().Handle(), "main"), 1);
  EXPECT_EQ(IdLookup(440305), "广东省深圳市南山区");
  Run("Select * from ZipCode");
  EXPECT_EQ(ErrorOf([&] { query_->Delete(); }), ReadOnlyFileMessage(path_));
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "3");
}

// ---- locks ----------------------------------------------------------------

TEST_F(DatabaseFault, AWriterHoldingItsLockNeitherBlocksLookupsNorLetsADeleteThrough) {
  Run("Select * from ZipCode");
  TSqliteDatabase other(path_, TSqliteDatabase::OpenMode::ReadWrite);
  other.Exec("BEGIN IMMEDIATE; INSERT INTO ZipCode VALUES(120000, '天津市')");
  // Its rows are not ours until it commits...
  EXPECT_EQ(IdLookup(120000), "");
  // ...and our write waits for it, then gives up with nothing changed.
  Run("Select * from ZipCode");
  EXPECT_EQ(ErrorOf([&] { query_->Delete(); }), "database is locked");
  EXPECT_EQ(query_->RecordCount(), 3);
  other.Exec("COMMIT");
  EXPECT_EQ(IdLookup(120000), "天津市");
  query_->Delete();  // the row read before the other's insert
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "3");
}

#ifdef _WIN32
// Another program's handle without sharing: the same refusal whichever
// process holds it, since the system checks every open handle of the file.
TEST_F(DatabaseFault, AFileOpenedExclusivelyElsewhereIsNamedAndRecoveredFrom) {
  HANDLE exclusive =
      CreateFileW(Widen(path_).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  const std::string expected = "Database file '" + path_ + "' is opened exclusively by another program";
  EXPECT_EQ(ErrorOf([&] { connection_->Open(); }), expected);
  EXPECT_FALSE(connection_->Connected());
  EXPECT_EQ(IdLookup(110101), expected);
  CloseHandle(exclusive);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
}
#endif

// ---- removed or replaced ------------------------------------------------

TEST_F(DatabaseFault, ARemovedFileIsNotFoundUntilItIsBack) {
  const std::string bytes = ReadFile(path_);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  std::error_code ec;
  if (!fs::remove(Path(), ec)) {
    // Windows keeps a file that a program has open: the lookups go on.
    EXPECT_TRUE(FileExists(path_));
    EXPECT_EQ(IdLookup(110101), "北京市东城区");
    return;
  }
  // POSIX lets it go; the connection must not go on with the orphan.
  EXPECT_EQ(IdLookup(110101), FileNotFoundMessage(path_));
  EXPECT_EQ(IdLookup(110101), FileNotFoundMessage(path_)) << "and again, not a stale answer";
  WriteFile(path_, bytes);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
}

TEST_F(DatabaseFault, AFileRewrittenInPlaceIsReadAfreshEvenWithAnUnchangedHeader) {
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  const std::string before = ReadFile(path_);
  // The same file with one region renamed, its header put back as it was:
  // the engine alone would take its cached page for current.
  const std::string copy = dir_.File("copy.BM");
  WriteFile(copy, before);
  {
    TSqliteDatabase db(copy, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("UPDATE ZipCode SET DQ='北京市东城(新)' WHERE BM=110101");
  }
  std::string after = ReadFile(copy);
  ASSERT_EQ(after.size(), before.size());
  std::copy(before.begin() + 24, before.begin() + 40, after.begin() + 24);
  std::copy(before.begin() + 92, before.begin() + 100, after.begin() + 92);
  Overwrite(after);
  EXPECT_EQ(IdLookup(110101), "北京市东城(新)");
}

TEST_F(DatabaseFault, AReplacementIsCheckedLikeANewConnection) {
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  const std::string original = ReadFile(path_);
  TempDir other;
  const std::string foreign = BuildSampleDatabase(other, "another-password");
  Overwrite(ReadFile(foreign));
  EXPECT_EQ(IdLookup(110101), "Wrong password for the lookup database");
  Overwrite(std::string(8192, 'x'));
  EXPECT_EQ(IdLookup(110101), "'" + path_ + "' is not a lookup database");
  Overwrite(original);
  EXPECT_EQ(IdLookup(440305), "广东省深圳市南山区");
  EXPECT_TRUE(connection_->Connected());
}

TEST_F(DatabaseFault, AnExclusiveConnectionGoesOnAfterItsOwnWritesAndAfterAReplacement) {
  connection_->SetMode(cmShareExclusive);
  Run("Select * from ZipCode");
  query_->Delete();  // the connection keeps its write lock from here on
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  const std::string bytes = ReadFile(path_);
  Overwrite(ReadFile(path_));  // the same content, a new stamp
  EXPECT_EQ(IdLookup(440305), "广东省深圳市南山区");
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "2");
}

// ---- truncated, zero-filled -------------------------------------------

TEST_F(DatabaseFault, TruncatedOrZeroFilledFilesAreRefusedByName) {
  const std::string original = ReadFile(path_);
  const std::string notLookup = "'" + path_ + "' is not a lookup database";
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;
  };
  const std::vector<Case> cases{
      {"empty", "", notLookup},
      {"zero-filled", std::string(original.size(), '\0'), notLookup},
      {"cut inside the header", original.substr(0, 60), notLookup},
      {"cut in half", original.substr(0, original.size() / 2), Damaged()},
      {"last page missing", original.substr(0, original.size() - 4096), Damaged()},
  };
  for (const Case& c : cases) {
    connection_->Close();
    Overwrite(c.bytes);
    EXPECT_EQ(ErrorOf([&] { connection_->Open(); }), c.message) << c.what;
    EXPECT_FALSE(connection_->Connected()) << c.what;
    EXPECT_EQ(IdLookup(110101), c.message) << c.what << ", at the lookup";
    EXPECT_EQ(ReadFile(path_), c.bytes) << c.what << ": nothing was written to it";
  }
  Overwrite(original);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
}

TEST_F(DatabaseFault, AFileTruncatedWhileConnectedFailsAtTheNextLookupAndRecovers) {
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
  const std::string original = ReadFile(path_);
  Overwrite(original.substr(0, original.size() / 2));
  EXPECT_EQ(IdLookup(110101), Damaged());
  Overwrite(original);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
}

TEST_F(DatabaseFault, ZeroedPagesInsideTheFileGiveAnswersOrTheDamageNeverGarbage) {
  std::string bytes = ReadFile(path_);
  const std::size_t pages = bytes.size() / 4096;
  ASSERT_GE(pages, 4u);
  // Every page but the first in turn: whatever a lookup meets is either
  // the right answer, nothing, or the damage by name.
  for (std::size_t page = 1; page < pages; ++page) {
    std::string damaged = bytes;
    std::fill(damaged.begin() + static_cast<std::ptrdiff_t>(page * 4096),
              damaged.begin() + static_cast<std::ptrdiff_t>((page + 1) * 4096), '\0');
    connection_->Close();
    Overwrite(damaged);
    for (const auto& [sql, field, right] :
         {std::tuple<const char*, const char*, const char*>{"Select * from ZipCode where BM=110101", "DQ", "北京市东城区"},
          {"Select * from MobileCode where 号码B<=1380013 and 号码E>=1380013", "城市", "北京"},
          {"Select * from AreaData where 区号 like '%0755%'", "县市名", "深圳市"}}) {
      std::string answer;
      const std::string error = ErrorOf([&] {
        Run(sql);
        answer = Text(field);
      });
      if (!error.empty()) {
        EXPECT_TRUE(error == Damaged() || error == "'" + path_ + "' is not a lookup database" ||
                    error.find("' is damaged (") != std::string::npos)
            << "page " << page << ": " << error;
      } else {
        EXPECT_TRUE(answer == right || answer.empty()) << "page " << page << ": " << answer;
      }
    }
  }
  connection_->Close();
  Overwrite(bytes);
  EXPECT_EQ(IdLookup(110101), "北京市东城区");
}

// ---- missing tables and columns ----------------------------------------

TEST_F(DatabaseFault, AMissingTableOrSearchColumnIsTheEnginesMessage) {
  {
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("DROP TABLE ZipCode; ALTER TABLE AreaData DROP COLUMN 省名");
  }
  EXPECT_EQ(IdLookup(110101), "no such table: ZipCode");
  EXPECT_FALSE(query_->Active());
  EXPECT_EQ(ErrorOf([&] { Run("Select * from AreaData where 省名 like '%广东%'"); }), "no such column: 省名");
  Run("Select * from AreaData where 区号 like '%0755%'");
  EXPECT_EQ(ErrorOf([&] { query_->FieldByName("省名"); }), "ADOQuery1: Field '省名' not found");
  EXPECT_EQ(Text("县市名"), "深圳市");
}

// ---- a writer that died -----------------------------------------------

#ifndef _WIN32
TEST_F(DatabaseFault, AWriterThatDiedMidTransactionLeavesNothingBehind) {
  Run("Select * from ZipCode");
  connection_->SetCommandTimeout(5);
  const pid_t child = fork();
  if (child == 0) {
    // A tiny cache makes the engine write into the file before committing.
    TSqliteDatabase db(path_, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("PRAGMA cache_size=1; BEGIN IMMEDIATE; DELETE FROM ZipCode");
    for (int i = 0; i < 2000; ++i) db.Exec("INSERT INTO ZipCode VALUES(" + std::to_string(200000 + i) + ", 'x')");
    _exit(0);  // no rollback, no unlock: as if killed
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(FileExists(path_ + "-journal")) << "the dead writer left its journal";
  // The next reader rolls the journal back.
  EXPECT_EQ(IdLookup(440305), "广东省深圳市南山区");
  EXPECT_EQ(IdLookup(200000), "");
  EXPECT_EQ(OtherSees("select count(*) from ZipCode"), "3");
  EXPECT_EQ(OtherSees("pragma integrity_check"), "ok");
}
#endif

}  // namespace
}  // namespace hm::test
