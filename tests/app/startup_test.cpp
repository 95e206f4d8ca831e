// Start-up of the program: the database beside the executable, the message
// when it is missing, silence when it cannot be opened, the default error
// report, and the window's fixed size.
#include "framework/ui/platform/win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Main.h"
#include "app/database_path.h"
#include "app/program.h"
#include "framework/core/exception.h"
#include "framework/core/text.h"
#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "grid/find_dialog.h"
#include "tests/app/child_process.h"

namespace hm {
namespace {

using test::ChildResult;
using test::RunChild;
using test::TempFolder;

std::string BoxLine(const MessageBoxRecord& box) {
  return "box|" + box.text + "|" + box.caption + "|" + std::to_string(box.style);
}

// ---- scenarios run by a copy of this program in another folder ----------

// The real program entry, as Haomiso.exe runs it.
int EntryScenario() {
  MessageBoxCapture capture;
  const int code = RunProgram();
  for (const auto& box : capture.Boxes()) test::Report(BoxLine(box));
  test::Report("ended");
  return code;
}

// Start-up only, then the first thing a lookup does: open the query.
int CreateScenario() {
  MessageBoxCapture capture;
  TApplication& application = Application();
  application.Initialize();
  application.SetTitle(kApplicationTitle);
  TFrmMain* form = application.CreateForm<TFrmMain>();
  test::Report(std::string("connected=") + (form->ADOConnection1->Connected() ? "1" : "0"));
  for (const auto& box : capture.Boxes()) test::Report(BoxLine(box));
  capture.Clear();
  form->ADOQuery1->SQL()->SetText("Select * from ZipCode where BM=110101");
  try {
    form->ADOQuery1->SetActive(true);
  } catch (...) {
    application.HandleException();
  }
  for (const auto& box : capture.Boxes()) test::Report("lookup" + BoxLine(box));
  return 0;
}

// The real entry with the grid's find dialog opened and closed before the
// main window closes: the dialog outlives the main window, and the program
// must still end cleanly.
void CALLBACK CloseTheMainWindow(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageW(Application().MainFormHandle(), WM_CLOSE, 0, 0);
}

void CALLBACK CloseTheFindDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  TDBGridEhFindDlg* dialog = ExistingDBGridEhFindDlg();
  if (dialog && dialog->Modal()) test::Report("find dialog shown");
  if (dialog) dialog->SetModalResult(mrCancel);
  SetTimer(nullptr, 0, 300, &CloseTheMainWindow);
}

void CALLBACK OpenTheFindDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto* form = dynamic_cast<TFrmMain*>(Application().MainForm());
  if (!form) return;
  form->DBEditEh2->SetText("0755");
  form->BitBtn1->Click();
  SetTimer(nullptr, 0, 700, &CloseTheFindDialog);
  DBGridEhFindDlg().Execute(*form->DBGridEh1, "");
}

int FindDialogScenario() {
  SetTimer(nullptr, 0, 1000, &OpenTheFindDialog);
  const int code = RunProgram();
  test::Report("ended");
  return code;
}

int RunScenario(const std::string& name) {
  if (name == "entry") return EntryScenario();
  if (name == "create") return CreateScenario();
  if (name == "find") return FindDialogScenario();
  return 3;
}

// ---- the database path --------------------------------------------------

TEST(DatabasePath, IsTheExecutableFolderFollowedByCodeBM) {
  EXPECT_EQ(DatabasePathFor("D:\\工具\\Haomiso.exe"), "D:\\工具\\Code.BM");
  EXPECT_EQ(DatabasePathFor("C:Haomiso.exe"), "C:Code.BM");
  EXPECT_EQ(DatabasePathFor("Haomiso.exe"), "Code.BM");
  // "乗" ends in the byte of "\" in GBK; it is not a separator.
  EXPECT_EQ(DatabasePathFor("D:\\a\\乗\\x乗.exe"), "D:\\a\\乗\\Code.BM");
  EXPECT_EQ(DatabasePathFor("D:\\a\\乗"), "D:\\a\\Code.BM");
}

TEST(DatabasePath, KeepsFolderNamesOutsideTheGbkCodePage) {
  EXPECT_EQ(DatabasePathFor("D:\\한국어\\café\\Haomiso.exe"), "D:\\한국어\\café\\Code.BM");
  EXPECT_EQ(DatabasePathFor("D:\\Ελλάδα\\Haomiso.exe"), "D:\\Ελλάδα\\Code.BM");
}

TEST(DatabasePath, AFolderNamedCodeBMIsNotTheFile) {
  TempFolder folder("dbpath");
  const std::string path = folder.Path() + "Code.BM";
  EXPECT_FALSE(DatabaseFileExists(path));
  ASSERT_TRUE(CreateDirectoryW(Widen(path).c_str(), nullptr));
  EXPECT_FALSE(DatabaseFileExists(path));
  RemoveDirectoryW(Widen(path).c_str());
  test::WriteFile(path, "x");
  EXPECT_TRUE(DatabaseFileExists(path));
}

// ---- the program started from other folders ------------------------------

TEST(StartUp, MissingDatabaseInAChineseFolderIsReportedAndTheProgramEnds) {
  TempFolder folder("工具");
  const ChildResult child = RunChild(folder.Path(), "entry");
  ASSERT_TRUE(child.finished) << "the program kept running after the missing-file message";
  EXPECT_EQ(child.exitCode, 0u);
  ASSERT_EQ(child.lines.size(), 2u);
  EXPECT_EQ(child.lines[0], "box|数据文件:" + folder.Path() + "Code.BM不存在!|工具箱|64");
  EXPECT_EQ(child.lines[1], "ended");
}

TEST(StartUp, TheProgramEndsCleanlyAfterTheFindDialogWasOpen) {
  TempFolder folder("find");
  ASSERT_TRUE(CopyFileW(Widen(test::ExecutableFolder() + "Code.BM").c_str(),
                        Widen(folder.Path() + "Code.BM").c_str(), FALSE));
  const ChildResult child = RunChild(folder.Path(), "find");
  ASSERT_TRUE(child.finished) << "the program hung at its end";
  EXPECT_EQ(child.exitCode, 0u) << "the program failed at its end";
  EXPECT_EQ(child.lines, (std::vector<std::string>{"find dialog shown", "ended"}));
}

TEST(StartUp, TheDatabaseIsFoundInAFolderNamedOutsideTheGbkCodePage) {
  TempFolder folder("한국어 café");
  ASSERT_TRUE(CopyFileW(Widen(test::ExecutableFolder() + "Code.BM").c_str(),
                        Widen(folder.Path() + "Code.BM").c_str(), FALSE));
  const ChildResult child = RunChild(folder.Path(), "create");
  ASSERT_TRUE(child.finished);
  ASSERT_EQ(child.lines.size(), 1u) << "no message, no lookup error";
  EXPECT_EQ(child.lines[0], "connected=1");
}

TEST(StartUp, AFolderNamedCodeBMCountsAsMissing) {
  TempFolder folder("folder");
  ASSERT_TRUE(CreateDirectoryW(Widen(folder.Path() + "Code.BM").c_str(), nullptr));
  const ChildResult child = RunChild(folder.Path(), "entry");
  ASSERT_TRUE(child.finished);
  ASSERT_EQ(child.lines.size(), 2u);
  EXPECT_EQ(child.lines[0], "box|数据文件:" + folder.Path() + "Code.BM不存在!|工具箱|64");
}

TEST(StartUp, WrongPasswordIsSilentAtStartAndReportedByTheFirstLookup) {
  TempFolder folder("password");
  {
    TSqliteDatabase db(folder.Path() + "Code.BM", TSqliteDatabase::OpenMode::Create);
    CreateLookupSchema(db, "not-the-password");
  }
  const ChildResult child = RunChild(folder.Path(), "create");
  ASSERT_TRUE(child.finished);
  ASSERT_EQ(child.lines.size(), 2u) << "a message was shown at start-up";
  EXPECT_EQ(child.lines[0], "connected=0");
  EXPECT_EQ(child.lines[1].rfind("lookupbox|", 0), 0u);
  EXPECT_NE(child.lines[1].find("|工具箱|16"), std::string::npos) << child.lines[1];
  EXPECT_EQ(child.lines[1].find("quorbane5173"), std::string::npos) << "the password must never be shown";
}

TEST(StartUp, DamagedDatabaseIsSilentAtStart) {
  TempFolder folder("damaged");
  test::WriteFile(folder.Path() + "Code.BM", std::string(4096, '\x5A'));
  const ChildResult child = RunChild(folder.Path(), "create");
  ASSERT_TRUE(child.finished);
  ASSERT_GE(child.lines.size(), 1u);
  EXPECT_EQ(child.lines[0], "connected=0");
  ASSERT_EQ(child.lines.size(), 2u);
  EXPECT_NE(child.lines[1].find("|工具箱|16"), std::string::npos) << child.lines[1];
}

// ---- the main window in this process (beside the real Code.BM) ----------

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().SetTitle(kApplicationTitle);
    form_ = MakeForm<TFrmMain>();
    form_->Show();
    Application().ProcessMessages();
  }

  RECT WindowRect() {
    RECT r{};
    GetWindowRect(form_->Handle(), &r);
    return r;
  }

  Owned<TFrmMain> form_;
};

TEST_F(MainWindow, OpensTheDatabaseBesideTheExecutable) {
  EXPECT_TRUE(form_->ADOConnection1->Connected());
  EXPECT_NE(form_->ADOConnection1->ConnectionString().find("dbq=" + test::ExecutableFolder() + "Code.BM;"),
            std::string::npos);
  EXPECT_FALSE(form_->ADOQuery1->Active()) << "the query is not opened at start-up";
}

TEST_F(MainWindow, TakesTheIconTitleFont) {
  LOGFONTW iconTitle{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof iconTitle, &iconTitle, 0));
  EXPECT_EQ(form_->Font()->Name(), Narrow(iconTitle.lfFaceName));
  EXPECT_NE(form_->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(form_->Font()->Height(), iconTitle.lfHeight);
}

TEST_F(MainWindow, RefusesEveryResizeButMoves) {
  const RECT before = WindowRect();
  ASSERT_EQ(before.right - before.left, 303);
  ASSERT_EQ(before.bottom - before.top, 335);

  SetWindowPos(form_->Handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  RECT r = WindowRect();
  EXPECT_EQ(r.right - r.left, 303);
  EXPECT_EQ(r.bottom - r.top, 335);

  // A border drag proposes its rectangle through WM_SIZING.
  RECT dragged = before;
  dragged.right += 40;
  dragged.bottom += 30;
  SendMessageW(form_->Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&dragged));
  EXPECT_EQ(dragged.right - dragged.left, 303);
  EXPECT_EQ(dragged.bottom - dragged.top, 335);

  ShowWindow(form_->Handle(), SW_MAXIMIZE);
  Application().ProcessMessages();
  r = WindowRect();
  EXPECT_EQ(r.right - r.left, 303);
  EXPECT_EQ(r.bottom - r.top, 335);
  ShowWindow(form_->Handle(), SW_RESTORE);

  SetWindowPos(form_->Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  r = WindowRect();
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 303);
}

TEST_F(MainWindow, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
  MessageBoxCapture capture;
  form_->OnCanResize = [](TObject*, int&, int&, bool&) { throw Exception("磁盘已满"); };
  SetWindowPos(form_->Handle(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  Application().ProcessMessages();
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "磁盘已满.");
  EXPECT_EQ(capture.Boxes()[0].caption, "工具箱");
  EXPECT_EQ(capture.Boxes()[0].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));

  // The window still answers.
  form_->OnCanResize = [](TObject*, int&, int&, bool& resize) { resize = false; };
  SetWindowPos(form_->Handle(), nullptr, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(WindowRect().left, 60);
  EXPECT_TRUE(IsWindow(form_->Handle()));
}

}  // namespace
}  // namespace hm

int main(int argc, char** argv) {
  const std::string scenario = hm::test::ChildScenario();
  if (!scenario.empty()) return hm::RunScenario(scenario);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
