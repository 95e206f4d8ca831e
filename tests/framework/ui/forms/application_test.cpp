// The application object: the default error report and the message loop.
#include <gtest/gtest.h>

#include "framework/ui/forms/application.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/controls/std_controls.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm {
namespace {

TEST(ErrorReport, AppendsAPeriodAfterCharactersAboveThePeriod) {
  EXPECT_EQ(ErrorReportText("Table not found"), "Table not found.");
  EXPECT_EQ(ErrorReportText("Done."), "Done.");
  EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");   // '!' sorts below '.'
  EXPECT_EQ(ErrorReportText("a-b-"), "a-b-");     // so does '-'
  EXPECT_EQ(ErrorReportText("path/"), "path/.");  // '/' sorts above
  EXPECT_EQ(ErrorReportText("why?"), "why?.");
  EXPECT_EQ(ErrorReportText("ends in 1"), "ends in 1.");
  EXPECT_EQ(ErrorReportText("trailing "), "trailing ");
  EXPECT_EQ(ErrorReportText(""), "");
}

TEST(ErrorReport, ADoubleByteCharacterCountsAsOne) {
  EXPECT_EQ(ErrorReportText("数据库打不开"), "数据库打不开.");
  // Ends in a full stop of its own: still a double-byte character above '.'.
  EXPECT_EQ(ErrorReportText("无法连接。"), "无法连接。.");
  EXPECT_EQ(ErrorReportText("错误: 1!"), "错误: 1!");
  // Outside GBK: one character, shown as '?' in GBK, above '.'.
  EXPECT_EQ(ErrorReportText("x\xF0\x9F\x98\x80"), "x\xF0\x9F\x98\x80.");
}

TEST(HandleException, ShowsTheMessageWithTheTitleAndTheErrorIcon) {
  Application().SetTitle("工具箱");
  MessageBoxCapture capture;
  try {
    throw Exception("找不到数据");
  } catch (...) {
    Application().HandleException();
  }
  try {
    throw std::runtime_error("plain failure");
  } catch (...) {
    Application().HandleException();
  }
  try {
    Abort();
  } catch (...) {
    Application().HandleException();  // silent
  }
  ASSERT_EQ(capture.Boxes().size(), 2u);
  EXPECT_EQ(capture.Boxes()[0].text, "找不到数据.");
  EXPECT_EQ(capture.Boxes()[0].caption, "工具箱");
  EXPECT_EQ(capture.Boxes()[0].style, 16u);
  EXPECT_EQ(capture.Boxes()[1].text, "plain failure.");
}

TEST(MessageBoxCapture, RecordsBoxesAndChoosesTheAnswer) {
  MessageBoxCapture outer;
  {
    MessageBoxCapture inner([](const MessageBoxRecord& box) { return box.style == MB_YESNO ? IDYES : IDOK; });
    EXPECT_EQ(ShowMessageBox("删除?", "工具箱", MB_YESNO), IDYES);
    ASSERT_EQ(inner.Boxes().size(), 1u);
    EXPECT_EQ(inner.Boxes()[0].text, "删除?");
  }
  EXPECT_EQ(ShowMessageBox("info", "t", MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(outer.Boxes().size(), 1u);  // only what came after the inner one ended
}

// The loop reports an error escaping a click handler and goes on; the next
// click asks to terminate, and Run returns.
TEST(MessageLoop, ReportsHandlerErrorsAndEndsOnTerminate) {
  Application().SetTitle("工具箱");
  MessageBoxCapture capture;
  auto form = MakeRoot<TForm>();
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form.get());
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    if (++clicks == 1) throw Exception("查询失败");
    Application().Terminate();
  };
  const WPARAM clicked = MAKEWPARAM(0, BN_CLICKED);
  const LPARAM from = reinterpret_cast<LPARAM>(button->Handle());
  PostMessageW(form->Handle(), WM_COMMAND, clicked, from);
  PostMessageW(form->Handle(), WM_COMMAND, clicked, from);
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "查询失败.");
  EXPECT_EQ(capture.Boxes()[0].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));
}

TEST(MessageLoop, FirstFormIsTheMainFormAndAnEarlyTerminateSkipsShowingIt) {
  TForm* main = Application().CreateForm<TForm>();
  TForm* second = Application().CreateForm<TForm>();
  EXPECT_EQ(Application().MainForm(), main);
  // As when a creation handler finds nothing to work on.
  Application().Terminate();
  Application().Run();
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  Application().FreeComponent(*second);
  Application().FreeComponent(*main);
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST(MessageLoop, ReleasedFormsGoOnTheNextTurn) {
  auto* form = Application().CreateForm<TForm>();
  const int before = Application().ComponentCount();
  form->Release();
  EXPECT_EQ(Application().ComponentCount(), before);  // not inside the call
  test::Pump();
  EXPECT_EQ(Application().ComponentCount(), before - 1);
}

}  // namespace
}  // namespace hm
