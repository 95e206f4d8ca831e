// Deleting a row of the area-search result from the real main window, on a
// copy of Code.BM beside the real one: Ctrl+Delete asks first; Cancel keeps
// the row, OK removes it from the file (seen by opening the file afresh).
#include <gtest/gtest.h>

#include <string>

#include "app/Main.h"
#include "app/database_path.h"
#include "app/lookups/lookup_database.h"
#include "app/program.h"
#include "framework/core/text.h"
#include "framework/data/field.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm {
namespace {

using test::Pump;

class GridDeleteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    copy_ = DatabasePath() + ".delete-test";
    ASSERT_TRUE(CopyFileW(Widen(DatabasePath()).c_str(), Widen(copy_).c_str(), FALSE));
    Application().SetTitle(kApplicationTitle);
    form_ = MakeForm<TFrmMain>();
    form_->ADOConnection1->SetConnected(false);
    form_->ADOConnection1->SetConnectionString(lookups::LookupConnectionString(copy_));
    form_->Show();
    Pump();
  }
  void TearDown() override {
    form_.reset();
    DeleteFileW(Widen(copy_).c_str());
  }
  void Search(const std::string& text) {
    form_->DBEditEh2->SetText(text);
    SendMessageW(form_->BitBtn1->Handle(), BM_CLICK, 0, 0);
    Pump();
    form_->DBGridEh1->SetFocus();
    Pump();
  }
  void CtrlDelete() {
    BYTE saved[256], held[256];
    GetKeyboardState(saved);
    GetKeyboardState(held);
    held[VK_CONTROL] = 0x80;  // posted keys do not set the key state under Wine
    SetKeyboardState(held);
    test::PressKey(VK_DELETE);
    SetKeyboardState(saved);
  }
  // Rows of the copy with this county, read through a connection of its own.
  int RowsInFile(const std::string& county) {
    Owned<TComponent> owner = MakeRoot<TComponent>();
    auto* connection = MakeOwned<TADOConnection>(*owner);
    connection->SetConnectionString(lookups::LookupConnectionString(copy_));
    auto* query = MakeOwned<TADOQuery>(*owner);
    query->SetConnection(connection);
    query->SQL()->SetText("Select * from AreaData where 县市名='" + county + "'");
    query->Open();
    return query->RecordCount();
  }

  std::string copy_;
  Owned<TFrmMain> form_;
};

TEST_F(GridDeleteTest, CtrlDeleteAsksFirstCancelKeepsTheRowAndOkRemovesItFromTheFile) {
  Search("0756");
  TADOQuery& data = *form_->ADOQuery1;
  const int rows = data.RecordCount();
  ASSERT_GT(rows, 1);
  test::PressKey(VK_DOWN);
  ASSERT_EQ(data.RecNo(), 2);
  const std::string county = data.FieldByName("县市名").AsString();
  ASSERT_EQ(RowsInFile(county), 1);

  {
    MessageBoxCapture cancel([](const MessageBoxRecord&) { return IDCANCEL; });
    CtrlDelete();
    ASSERT_EQ(cancel.Boxes().size(), 1u);
    EXPECT_EQ(cancel.Boxes()[0].text, "Delete record?");
    EXPECT_EQ(cancel.Boxes()[0].caption, "工具箱");
    EXPECT_EQ(cancel.Boxes()[0].style, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));
  }
  EXPECT_EQ(data.RecordCount(), rows);
  EXPECT_EQ(data.FieldByName("县市名").AsString(), county);
  EXPECT_EQ(RowsInFile(county), 1);

  {
    MessageBoxCapture ok([](const MessageBoxRecord&) { return IDOK; });
    CtrlDelete();
    EXPECT_EQ(ok.Boxes().size(), 1u) << "the question only, no error";
  }
  EXPECT_EQ(data.RecordCount(), rows - 1);
  EXPECT_NE(data.FieldByName("县市名").AsString(), county) << "the next row is current";
  EXPECT_EQ(form_->DBGridEh1->RowCount(), 1 + rows - 1);
  EXPECT_EQ(RowsInFile(county), 0);
  Search("0756");
  EXPECT_EQ(data.RecordCount(), rows - 1) << "a new search does not find it either";
}

}  // namespace
}  // namespace hm
