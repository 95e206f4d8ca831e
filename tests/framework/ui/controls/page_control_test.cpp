#include <gtest/gtest.h>

#include "framework/ui/platform/win32.h"
#include <commctrl.h>

#include "fixture.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/controls/page_control.h"

namespace hm::test {
namespace {

class PageControlTest : public ShowcaseTest {
 protected:
  void SetUp() override {
    ShowcaseTest::SetUp();
    ShowForm();
  }
  TPageControl& Pages() { return Get<TPageControl>("PageControl1"); }
  bool Showing(TWinControl& c) { return IsWindowVisible(c.Handle()) != FALSE; }

  // A click on the tab, as the user makes it.
  void ClickTab(int index) {
    RECT r{};
    SendMessageW(Pages().Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(Pages().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Pages().Handle(), WM_LBUTTONUP, 0, at);
    Application().ProcessMessages();
  }
};

TEST_F(PageControlTest, OnlyTheActivePagesControlsAreShowing) {
  EXPECT_TRUE(Showing(Get<TMemo>("Memo1")));
  EXPECT_FALSE(Showing(Get<TEdit>("Edit2")));
  EXPECT_EQ(Pages().TabIndex(), 0);

  Pages().SetActivePage(&Get<TTabSheet>("TabSheet2"));
  EXPECT_FALSE(Showing(Get<TMemo>("Memo1")));
  EXPECT_TRUE(Showing(Get<TEdit>("Edit2")));
  EXPECT_EQ(Pages().TabIndex(), 1);
  EXPECT_EQ(SendMessageW(Pages().Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(PageControlTest, PagesFillTheDisplayAreaBelowTheTabs) {
  RECT display{0, 0, Pages().Width(), Pages().Height()};
  SendMessageW(Pages().Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TTabSheet& sheet = Get<TTabSheet>("TabSheet1");
  EXPECT_EQ(sheet.Left(), display.left);
  EXPECT_EQ(sheet.Top(), display.top);
  EXPECT_EQ(sheet.Width(), display.right - display.left);
  EXPECT_EQ(sheet.Height(), display.bottom - display.top);
}

TEST_F(PageControlTest, SwitchingPagesKeepsEveryControlsContent) {
  auto& memo = Get<TMemo>("Memo1");
  auto& edit = Get<TEdit>("Edit2");
  memo.Lines()->Add("北京 010");
  edit.SetText("13800138000");
  for (const char* page : {"TabSheet2", "TabSheet3", "TabSheet1", "TabSheet2", "TabSheet1"}) {
    Pages().SetActivePage(&Get<TTabSheet>(page));
    Application().ProcessMessages();
  }
  ASSERT_EQ(memo.Lines()->Count(), 3);
  EXPECT_EQ(memo.Lines()->Get(2), "北京 010");
  EXPECT_EQ(edit.GetText(), "13800138000");
  wchar_t text[32] = {};
  GetWindowTextW(edit.Handle(), text, 32);
  EXPECT_STREQ(text, L"13800138000");
}

TEST_F(PageControlTest, ClickingATabActivatesItsPageAndReports) {
  int changes = 0;
  Pages().OnChange = [&](TObject*) { ++changes; };
  ClickTab(2);
  EXPECT_EQ(Pages().ActivePage(), &Get<TTabSheet>("TabSheet3"));
  EXPECT_EQ(changes, 1);

  Pages().OnChanging = [](TObject*, bool& allow) { allow = false; };
  ClickTab(0);
  EXPECT_EQ(Pages().ActivePage(), &Get<TTabSheet>("TabSheet3"));
  EXPECT_EQ(Pages().TabIndex(), 2);
  EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, FocusLeavesAPageThatIsHidden) {
  auto& memo = Get<TMemo>("Memo1");
  memo.SetFocus();
  ASSERT_EQ(GetFocus(), memo.Handle());
  Pages().SetActivePage(&Get<TTabSheet>("TabSheet2"));
  EXPECT_EQ(GetFocus(), Get<TEdit>("Edit2").Handle());
}

TEST_F(PageControlTest, HiddenTabsAndRemovedPagesPassTheActivePageOn) {
  Get<TTabSheet>("TabSheet1").SetTabVisible(false);
  EXPECT_EQ(Pages().ActivePage(), &Get<TTabSheet>("TabSheet2"));
  EXPECT_EQ(SendMessageW(Pages().Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(Get<TTabSheet>("TabSheet3").TabIndex(), 1);

  form_->FreeComponent(Get<TTabSheet>("TabSheet2"));
  EXPECT_EQ(Pages().PageCount(), 2);
  EXPECT_EQ(Pages().ActivePage(), &Get<TTabSheet>("TabSheet3"));
  EXPECT_TRUE(Showing(Get<TTabSheet>("TabSheet3")));
}

}  // namespace
}  // namespace hm::test
