#include <gtest/gtest.h>

#include "framework/ui/forms/application.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/forms/form.h"
#include "showcase_form.h"

namespace hm::test {
namespace {

// A dialog made in code: an edit, a memo, OK (default) and Cancel buttons,
// over a visible main window.
class ModalDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlClasses();
    Application().Initialize();
  }
  void SetUp() override {
    owner_ = MakeRoot<TForm>();
    main_ = MakeOwned<TForm>(*owner_);
    main_->SetBounds(10, 10, 300, 200);
    main_->Show();
    dialog_ = MakeOwned<TForm>(*owner_);
    dialog_->SetBorderStyle(bsDialog);
    dialog_->SetBounds(100, 100, 320, 200);
    edit_ = MakeOwned<TEdit>(*dialog_);
    edit_->SetParent(dialog_);
    edit_->SetBounds(8, 8, 200, 21);
    memo_ = MakeOwned<TMemo>(*dialog_);
    memo_->SetParent(dialog_);
    memo_->SetBounds(8, 36, 200, 80);
    ok_ = MakeOwned<TBitBtn>(*dialog_);
    ok_->SetParent(dialog_);
    ok_->SetKind(bkOK);
    ok_->SetBounds(220, 8, 75, 25);
    cancel_ = MakeOwned<TBitBtn>(*dialog_);
    cancel_->SetParent(dialog_);
    cancel_->SetKind(bkCancel);
    cancel_->SetBounds(220, 40, 75, 25);
    ok_->OnClick = [this](TObject*) { ++ok_clicks_; };
    cancel_->OnClick = [this](TObject*) { ++cancel_clicks_; };
  }

  // Posts the messages once the dialog shows, so its own loop takes them.
  void OnShowPost(std::vector<MSG> messages) {
    dialog_->OnShow = [messages](TObject*) {
      for (const MSG& m : messages) PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
    };
  }
  static MSG Key(HWND window, WPARAM key) { return MSG{window, WM_KEYDOWN, key, 1, 0, {}}; }

  Owned<TForm> owner_;
  TForm* main_ = nullptr;
  TForm* dialog_ = nullptr;
  TEdit* edit_ = nullptr;
  TMemo* memo_ = nullptr;
  TBitBtn* ok_ = nullptr;
  TBitBtn* cancel_ = nullptr;
  int ok_clicks_ = 0;
  int cancel_clicks_ = 0;
};

TEST_F(ModalDialogTest, EnterClicksTheDefaultButton) {
  OnShowPost({Key(edit_->Handle(), VK_RETURN)});
  EXPECT_EQ(dialog_->ShowModal(), mrOk);
  EXPECT_EQ(ok_clicks_, 1);
  EXPECT_EQ(cancel_clicks_, 0);
  EXPECT_FALSE(dialog_->Visible());
  EXPECT_FALSE(dialog_->Modal());
}

TEST_F(ModalDialogTest, EscClicksTheCancelButton) {
  OnShowPost({Key(edit_->Handle(), VK_ESCAPE)});
  EXPECT_EQ(dialog_->ShowModal(), mrCancel);
  EXPECT_EQ(cancel_clicks_, 1);
  EXPECT_EQ(ok_clicks_, 0);
}

TEST_F(ModalDialogTest, EnterInAMemoIsANewLineNotTheDefaultButton) {
  OnShowPost({Key(memo_->Handle(), VK_RETURN), Key(edit_->Handle(), VK_ESCAPE)});
  EXPECT_EQ(dialog_->ShowModal(), mrCancel);
  Application().ProcessMessages();  // the typed character follows its key
  EXPECT_EQ(ok_clicks_, 0);
  EXPECT_EQ(memo_->GetText(), "\r\n");
}

TEST_F(ModalDialogTest, ClosingTheDialogCountsAsCancel) {
  OnShowPost({MSG{dialog_->Handle(), WM_CLOSE, 0, 0, 0, {}}});
  EXPECT_EQ(dialog_->ShowModal(), mrCancel);
  EXPECT_EQ(cancel_clicks_, 0);
}

TEST_F(ModalDialogTest, OtherWindowsAreDisabledOnlyWhileTheDialogRuns) {
  bool main_enabled_inside = true;
  ok_->OnClick = [&](TObject*) { main_enabled_inside = IsWindowEnabled(main_->Handle()) != FALSE; };
  OnShowPost({Key(edit_->Handle(), VK_RETURN)});
  dialog_->ShowModal();
  EXPECT_FALSE(main_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(main_->Handle()));
}

TEST_F(ModalDialogTest, AResultSetByCodeEndsTheLoopAndAVisibleFormCannotGoModal) {
  dialog_->OnShow = [this](TObject*) { dialog_->SetModalResult(mrRetry); };
  EXPECT_EQ(dialog_->ShowModal(), mrRetry);
  EXPECT_THROW(main_->ShowModal(), EInvalidOperation);
}

TEST_F(ModalDialogTest, AButtonThatSetsAResultAndClosesTheFormKeepsItsResult) {
  ok_->OnClick = [this](TObject*) { dialog_->Close(); };
  OnShowPost({Key(edit_->Handle(), VK_RETURN)});
  EXPECT_EQ(dialog_->ShowModal(), mrOk);
}

TEST_F(ModalDialogTest, APlainButtonWithAModalResultClosesTheDialog) {
  auto* retry = MakeOwned<TButton>(*dialog_);
  retry->SetParent(dialog_);
  retry->SetBounds(220, 72, 75, 25);
  retry->SetModalResult(mrRetry);
  int clicks = 0;
  retry->OnClick = [&](TObject*) { ++clicks; };
  dialog_->OnShow = [retry](TObject*) { PostMessageW(retry->Handle(), BM_CLICK, 0, 0); };
  EXPECT_EQ(dialog_->ShowModal(), mrRetry);
  EXPECT_EQ(clicks, 1);
  // Outside a modal loop a click leaves no result behind.
  SendMessageW(retry->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog_->ModalResult(), mrNone);
}

}  // namespace
}  // namespace hm::test
