// The program with its Code.BM in trouble, as a user meets it: a copy of
// this test runs the real main window beside its own copy of the database,
// and this process is the other program that locks, write-protects,
// replaces, damages or writes to the file meanwhile. Each case ends in the
// answer or in one message, and the file keeps every row it should.
#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "app/Main.h"
#include "app/database_path.h"
#include "app/program.h"
#include "framework/core/text.h"
#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "tests/app/child_process.h"

namespace hm {
namespace {

using test::Report;
using test::TRunningChild;
using test::TempFolder;
using test::WaitForSignal;

// ---- the program's side (runs in the copy) -------------------------------

class Program {
 public:
  Program() {
    Application().Initialize();
    Application().SetTitle(kApplicationTitle);
    form_ = Application().CreateForm<TFrmMain>();
    form_->Show();
    Settle();
    Report(std::string("connected=") + (form_->ADOConnection1->Connected() ? "1" : "0"));
    ReportBoxes("start");
  }

  void Settle() {
    for (int i = 0; i < 3; ++i) {
      Application().ProcessMessages();
      UpdateWindow(form_->Handle());
    }
  }
  void ReportBoxes(const std::string& when) {
    for (const auto& box : boxes_.Boxes()) {
      Report(when + "|box|" + box.text + "|" + box.caption + "|" + std::to_string(box.style));
    }
    boxes_.Clear();
  }
  void Click(TTabSheet& page, TBitBtn& button) {
    form_->PageControl1->SetActivePage(&page);
    Settle();
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    Settle();
  }
  // Each lookup reports its boxes, then what the user then sees.
  void Mobile(const std::string& number) {
    form_->DBEditEh1->SetText(number);
    Click(*form_->TabSheet2, *form_->BitBtn2);
    ReportBoxes("mobile");
    Report("memo1|" + Join(form_->Memo1->Lines()->ToVector()));
  }
  void Id(const std::string& number) {
    form_->DBEditEh3->SetText(number);
    Click(*form_->TabSheet3, *form_->BitBtn3);
    ReportBoxes("id");
    Report("memo2|" + Join(form_->Memo2->Lines()->ToVector()));
  }
  void Area(const std::string& column, const std::string& text) {
    form_->DBComboBoxEh1->SetText(column);
    form_->DBEditEh2->SetText(text);
    Click(*form_->TabSheet1, *form_->BitBtn1);
    ReportBoxes("area");
    Report("grid|" + std::to_string(GridRows()));
  }
  int GridRows() const {
    TDataSet* data = form_->DataSource1->DataSet();
    return data && data->Active() ? data->RecordCount() : 0;
  }
  // What the grid's delete key does once the user confirmed: the current
  // row is deleted, and an error goes to the default error report.
  void DeleteCurrentRow() {
    try {
      form_->ADOQuery1->Delete();
    } catch (...) {
      Application().HandleException();
    }
    Settle();
    ReportBoxes("delete");
    Report("grid|" + std::to_string(GridRows()));
  }
  // Scrolls the shown result and repaints it, as a user reading it would.
  void Browse() {
    TDataSet* data = form_->DataSource1->DataSet();
    if (!data || !data->Active()) return;
    data->MoveBy(7);
    if (data->Eof()) data->First();
    InvalidateRect(form_->DBGridEh1->Handle(), nullptr, TRUE);
    Settle();
  }
  TFrmMain& Form() { return *form_; }

 private:
  static std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : "/") + l;
    return out;
  }

  MessageBoxCapture boxes_;
  TFrmMain* form_ = nullptr;  // owned by the application
};

// The file is held by the parent at start-up; it lets go on "released".
int ExclusiveScenario() {
  Program program;
  program.Mobile("13800138000");
  Report("waiting");
  if (!WaitForSignal("released")) return 4;
  program.Mobile("13800138000");
  return 0;
}

// The parent takes the writer's lock while the program runs.
int LockedScenario() {
  Program program;
  program.Form().Memo2->Lines()->SetText("earlier");
  Report("ready");
  if (!WaitForSignal("locked")) return 4;
  program.Id("110101");
  program.Area("区号", "0755");
  Report("waiting");
  if (!WaitForSignal("released")) return 4;
  program.Id("110101");
  return 0;
}

int ReadOnlyScenario() {
  Program program;
  program.Area("区号", "0755");
  Report("ready");
  if (!WaitForSignal("read-only")) return 4;
  program.DeleteCurrentRow();
  // Lookups go on; the ID lookup takes the shared query, so search again.
  program.Id("440305");
  program.Area("区号", "0755");
  Report("waiting");
  if (!WaitForSignal("writable")) return 4;
  program.DeleteCurrentRow();
  return 0;
}

// The parent removes, replaces, damages and restores the file between lookups.
int ReplacedScenario() {
  Program program;
  for (int step = 0;; ++step) {
    program.Id("110101");
    Report("done " + std::to_string(step));
    if (!WaitForSignal("step " + std::to_string(step + 1), 60)) return 4;
    if (test::WaitForSignal("end", 0)) return 0;
  }
}

// Start-up with whatever file the parent left, then one lookup of each kind.
int LookupsScenario() {
  Program program;
  program.Mobile("13800138000");
  program.Id("110101");
  program.Area("区号", "0755");
  program.Area("县/市名", "深圳");
  return 0;
}

// Shows a large result while the parent writes, then searches again.
int WritersScenario() {
  Program program;
  program.Area("区号", "0");
  Report("ready");
  while (!WaitForSignal("written", 0)) program.Browse();
  Report("grid|" + std::to_string(program.GridRows()));
  program.Area("区号", "0");
  Report("waiting");
  if (!WaitForSignal("writer died")) return 4;
  program.Area("区号", "0");
  program.Id("110101");
  return 0;
}

// Another program's writer that is killed before it commits.
int DyingWriterScenario() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  TSqliteDatabase db(DatabasePathFor(Narrow(self)), TSqliteDatabase::OpenMode::ReadWrite);
  // A tiny cache makes the engine write into the file before it commits.
  db.Exec("PRAGMA cache_size=1; BEGIN IMMEDIATE; DELETE FROM AreaData");
  for (int i = 0; i < 3000; ++i) db.Exec("INSERT INTO AreaData VALUES('0999', '999999', '无', '无" + std::to_string(i) + "')");
  Report("written");
  Sleep(INFINITE);
  return 0;
}

int RunScenario(const std::string& name) {
  if (name == "exclusive") return ExclusiveScenario();
  if (name == "locked") return LockedScenario();
  if (name == "readonly") return ReadOnlyScenario();
  if (name == "replaced") return ReplacedScenario();
  if (name == "lookups") return LookupsScenario();
  if (name == "writers") return WritersScenario();
  if (name == "dying") return DyingWriterScenario();
  return 3;
}

// ---- the other program's side (this test) --------------------------------

const std::string kAnswer = "memo1|所属地区: 北京/所属城市: 北京/所属区号: 010/手机类型: 中国移动";

class DbFault : public ::testing::Test {
 protected:
  explicit DbFault(const char* leaf = "dbfault") : folder_(leaf) {
    const std::wstring real = Widen(test::ExecutableFolder() + "Code.BM");
    EXPECT_TRUE(CopyFileW(real.c_str(), Widen(Db()).c_str(), FALSE));
  }
  ~DbFault() override { SetFileAttributesW(Widen(Db()).c_str(), FILE_ATTRIBUTE_NORMAL); }

  std::string Db() const { return folder_.Path() + "Code.BM"; }
  std::string Count(const std::string& sql) {
    TSqliteDatabase db(Db(), TSqliteDatabase::OpenMode::ReadOnly);
    TSqliteStatement s = db.Prepare(sql);
    return s.Step() ? s.ColumnText(0) : "";
  }
  static std::vector<std::string> After(const std::vector<std::string>& lines, const std::string& marker) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == marker) return {lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end()};
    }
    return {};
  }
  static std::vector<std::string> Before(const std::vector<std::string>& lines, const std::string& marker) {
    std::vector<std::string> out;
    for (const std::string& l : lines) {
      if (l == marker) break;
      out.push_back(l);
    }
    return out;
  }

  TempFolder folder_;
};

TEST_F(DbFault, AFileHeldExclusivelyAtStartIsSilentThenNamedByTheLookupUntilReleased) {
  // Share mode 0: refused to every other handle of the file, in this process or the program's.
  HANDLE exclusive = CreateFileW(Widen(Db()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  TRunningChild child(folder_.Path(), "exclusive");
  ASSERT_TRUE(child.WaitForLine("waiting"));
  CloseHandle(exclusive);
  child.Signal("released");
  const test::ChildResult result = child.Finish();
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{
                "connected=0",
                "mobile|box|Database file '" + Db() + "' is opened exclusively by another program.|工具箱|16",
                "memo1|", "waiting", kAnswer}));
}

TEST_F(DbFault, AWritersLockMakesTheLookupWaitThenFailWithTheMemoKept) {
  TRunningChild child(folder_.Path(), "locked");
  ASSERT_TRUE(child.WaitForLine("ready"));
  TSqliteDatabase other(Db(), TSqliteDatabase::OpenMode::ReadWrite);
  other.Exec("BEGIN EXCLUSIVE");
  child.Signal("locked");
  ASSERT_TRUE(child.WaitForLine("waiting", 90));
  other.Exec("ROLLBACK");
  child.Signal("released");
  const test::ChildResult result = child.Finish();
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"connected=1", "ready", "id|box|database is locked.|工具箱|16",
                                                    "memo2|earlier", "area|box|database is locked.|工具箱|16",
                                                    "grid|0", "waiting", "memo2|原户籍所在地: /北京市东城区"}));
}

TEST_F(DbFault, AFileMadeReadOnlyRefusesTheDeleteWithAMessageAndKeepsTheRow) {
  const std::string rows = Count("select count(*) from AreaData where 区号 like '%0755%'");
  TRunningChild child(folder_.Path(), "readonly");
  ASSERT_TRUE(child.WaitForLine("ready"));
  ASSERT_TRUE(SetFileAttributesW(Widen(Db()).c_str(), FILE_ATTRIBUTE_READONLY));
  child.Signal("read-only");
  ASSERT_TRUE(child.WaitForLine("waiting"));
  EXPECT_EQ(Count("select count(*) from AreaData where 区号 like '%0755%'"), rows);
  ASSERT_TRUE(SetFileAttributesW(Widen(Db()).c_str(), FILE_ATTRIBUTE_NORMAL));
  child.Signal("writable");
  const test::ChildResult result = child.Finish();
  ASSERT_TRUE(result.finished);
  const int n = std::stoi(rows);
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{
                "connected=1", "grid|" + rows, "ready",
                "delete|box|Cannot change the lookup database: '" + Db() + "' is read-only.|工具箱|16",
                "grid|" + rows, "memo2|原户籍所在地: /广东省深圳市南山区", "grid|" + rows, "waiting",
                "grid|" + std::to_string(n - 1)}));
  EXPECT_EQ(Count("select count(*) from AreaData where 区号 like '%0755%'"), std::to_string(n - 1));
}

TEST_F(DbFault, WhileTheProgramRunsTheFileCannotBeRemovedAndAReplacementIsCheckedAndRead) {
  const std::string original = Db() + ".original";
  ASSERT_TRUE(CopyFileW(Widen(Db()).c_str(), Widen(original).c_str(), FALSE));
  const std::string renamed = folder_.Path() + "renamed.BM";
  {
    ASSERT_TRUE(CopyFileW(Widen(Db()).c_str(), Widen(renamed).c_str(), FALSE));
    TSqliteDatabase db(renamed, TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("UPDATE ZipCode SET DQ='东城区(新)' WHERE BM=110101");
  }
  const std::string foreign = folder_.Path() + "foreign.BM";
  {
    TSqliteDatabase db(foreign, TSqliteDatabase::OpenMode::Create);
    CreateLookupSchema(db, "another-password");
  }
  const std::string garbage = folder_.Path() + "garbage.BM";
  test::WriteFile(garbage, std::string(8192, 'x'));

  TRunningChild child(folder_.Path(), "replaced");
  ASSERT_TRUE(child.WaitForLine("done 0"));
  // The program holds the file open without delete sharing: it stays.
  EXPECT_FALSE(DeleteFileW(Widen(Db()).c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(MoveFileExW(Widen(renamed).c_str(), Widen(Db()).c_str(), MOVEFILE_REPLACE_EXISTING));
  int step = 0;
  const auto next = [&] {
    ++step;
    child.Signal("step " + std::to_string(step));
    return child.WaitForLine("done " + std::to_string(step));
  };
  ASSERT_TRUE(next());
  // Copied over it: the same file with other content.
  for (const std::string* source : {&renamed, &foreign, &garbage, &original}) {
    ASSERT_TRUE(CopyFileW(Widen(*source).c_str(), Widen(Db()).c_str(), FALSE)) << GetLastError();
    ASSERT_TRUE(next());
  }
  child.Signal("end");
  child.Signal("step " + std::to_string(step + 1));
  const test::ChildResult result = child.Finish();
  ASSERT_TRUE(result.finished);
  const std::string dongcheng = "memo2|原户籍所在地: /北京市东城区";
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"connected=1", dongcheng, "done 0", dongcheng, "done 1",
                                      "memo2|原户籍所在地: /东城区(新)", "done 2",
                                      "id|box|Wrong password for the lookup database.|工具箱|16",
                                      "memo2|原户籍所在地: /东城区(新)", "done 3",
                                      "id|box|'" + Db() + "' is not a lookup database.|工具箱|16",
                                      "memo2|原户籍所在地: /东城区(新)", "done 4", dongcheng, "done 5"}));
}

TEST_F(DbFault, DamagedFilesAreSilentAtStartAndNamedByEachLookup) {
  const std::string bytes = [&] {
    std::ifstream in(Widen(Db()).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  // No full stop after a closing parenthesis: the report adds one only after a character above it.
  const std::string damaged = "'" + Db() + "' is damaged (database disk image is malformed)";
  const std::string notLookup = "'" + Db() + "' is not a lookup database.";
  for (const auto& [what, content, message] :
       {std::tuple<const char*, std::string, std::string>{"zero-filled", std::string(bytes.size(), '\0'), notLookup},
        {"empty", "", notLookup},
        {"truncated", bytes.substr(0, bytes.size() / 2), damaged}}) {
    test::WriteFile(Db(), content);
    const test::ChildResult result = TRunningChild(folder_.Path(), "lookups").Finish();
    ASSERT_TRUE(result.finished) << what;
    EXPECT_EQ(result.lines,
              (std::vector<std::string>{"connected=0", "mobile|box|" + message + "|工具箱|16", "memo1|",
                                        "id|box|" + message + "|工具箱|16", "memo2|",
                                        "area|box|" + message + "|工具箱|16", "grid|0",
                                        "area|box|" + message + "|工具箱|16", "grid|0"}))
        << what;
    std::ifstream in(Widen(Db()).c_str(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content) << what << ": left as it was";
  }
}

TEST_F(DbFault, AMissingTableOrColumnEndsTheLookupWhereItIsNeeded) {
  {
    TSqliteDatabase db(Db(), TSqliteDatabase::OpenMode::ReadWrite);
    db.Exec("DROP TABLE MobileCode; DROP TABLE ZipCode;"
            "CREATE TABLE MobileCode(号码B INTEGER, 号码E INTEGER, 地区 TEXT, 城市 TEXT, 区号 TEXT);"
            "INSERT INTO MobileCode VALUES(1380010, 1380019, '北京', '北京', '010');"
            "ALTER TABLE AreaData DROP COLUMN 县市名");
  }
  const test::ChildResult result = TRunningChild(folder_.Path(), "lookups").Finish();
  ASSERT_TRUE(result.finished);
  ASSERT_GE(result.lines.size(), 7u);
  // The grid shows the rows without the missing column; only searching it fails.
  const std::string rows = Count("select count(*) from AreaData where 区号 like '%0755%'");
  EXPECT_EQ(result.lines,
            (std::vector<std::string>{"connected=1", "mobile|box|ADOQuery1: Field '类型' not found.|工具箱|16",
                                      "memo1|所属地区: 北京/所属城市: 北京/所属区号: 010",
                                      "id|box|no such table: ZipCode.|工具箱|16", "memo2|", "grid|" + rows,
                                      "area|box|no such column: 县市名.|工具箱|16", "grid|0"}));
}

TEST_F(DbFault, OtherProgramsWritingWhileAResultIsShownChangeItOnlyAtTheNextSearch) {
  const int before = std::stoi(Count("select count(*) from AreaData where 区号 like '%0%'"));
  const int total = std::stoi(Count("select count(*) from AreaData"));
  TRunningChild child(folder_.Path(), "writers");
  ASSERT_TRUE(child.WaitForLine("ready"));
  {
    // Share mode deny-none: writing beside the program, one commit a row.
    TSqliteDatabase other(Db(), TSqliteDatabase::OpenMode::ReadWrite);
    other.SetBusyTimeout(5000);
    for (int i = 0; i < 50; ++i) {
      other.Exec("INSERT INTO AreaData VALUES('0" + std::to_string(9000 + i) + "', '000000', '测试', '新" +
                 std::to_string(i) + "')");
    }
    other.Exec("DELETE FROM AreaData WHERE rowid IN (SELECT rowid FROM AreaData WHERE 区号 like '%0%' LIMIT 10)");
  }
  child.Signal("written");
  ASSERT_TRUE(child.WaitForLine("waiting"));
  {
    // A writer killed before its commit leaves its journal behind.
    TRunningChild dying(folder_.Path(), "dying");
    ASSERT_TRUE(dying.WaitForLine("written"));
    dying.Kill();
  }
  EXPECT_NE(GetFileAttributesW(Widen(Db() + "-journal").c_str()), INVALID_FILE_ATTRIBUTES);

  child.Signal("writer died");
  const test::ChildResult result = child.Finish();
  ASSERT_TRUE(result.finished);
  const std::string after = std::to_string(before + 50 - 10);
  EXPECT_EQ(result.lines, (std::vector<std::string>{"connected=1", "grid|" + std::to_string(before), "ready",
                                                    "grid|" + std::to_string(before), "grid|" + after, "waiting",
                                                    "grid|" + after, "memo2|原户籍所在地: /北京市东城区"}));
  EXPECT_EQ(Count("pragma integrity_check"), "ok");
  EXPECT_EQ(Count("select count(*) from AreaData where 邮编='999999'"), "0") << "the dead writer's rows";
  EXPECT_EQ(Count("select count(*) from AreaData"), std::to_string(total + 50 - 10)) << "and every row it deleted";
}

}  // namespace
}  // namespace hm

int main(int argc, char** argv) {
  const std::string scenario = hm::test::ChildScenario();
  if (!scenario.empty()) return hm::RunScenario(scenario);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
