#include <gtest/gtest.h>

#include "framework/ui/application.h"
#include "framework/ui/buttons.h"
#include "framework/ui/exceptions.h"
#include "framework/ui/memo.h"
#include "framework/ui/modal.h"
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
  EXPECT_EQ(ShowModal(*dialog_), mrOk);
  EXPECT_EQ(ok_clicks_, 1);
  EXPECT_EQ(cancel_clicks_, 0);
  EXPECT_FALSE(dialog_->Visible());
  EXPECT_FALSE(IsModal(*dialog_));
}

TEST_F(ModalDialogTest, EscClicksTheCancelButton) {
  OnShowPost({Key(edit_->Handle(), VK_ESCAPE)});
  EXPECT_EQ(ShowModal(*dialog_), mrCancel);
  EXPECT_EQ(cancel_clicks_, 1);
  EXPECT_EQ(ok_clicks_, 0);
}

TEST_F(ModalDialogTest, EnterInAMemoIsANewLineNotTheDefaultButton) {
  OnShowPost({Key(memo_->Handle(), VK_RETURN), Key(edit_->Handle(), VK_ESCAPE)});
  EXPECT_EQ(ShowModal(*dialog_), mrCancel);
  Application().ProcessMessages();  // the typed character follows its key
  EXPECT_EQ(ok_clicks_, 0);
  EXPECT_EQ(memo_->GetText(), "\r\n");
}

TEST_F(ModalDialogTest, ClosingTheDialogCountsAsCancel) {
  OnShowPost({MSG{dialog_->Handle(), WM_CLOSE, 0, 0, 0, {}}});
  EXPECT_EQ(ShowModal(*dialog_), mrCancel);
  EXPECT_EQ(cancel_clicks_, 0);
}

TEST_F(ModalDialogTest, OtherWindowsAreDisabledOnlyWhileTheDialogRuns) {
  bool main_enabled_inside = true;
  ok_->OnClick = [&](TObject*) { main_enabled_inside = IsWindowEnabled(main_->Handle()) != FALSE; };
  OnShowPost({Key(edit_->Handle(), VK_RETURN)});
  ShowModal(*dialog_);
  EXPECT_FALSE(main_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(main_->Handle()));
}

TEST_F(ModalDialogTest, AResultSetByCodeEndsTheLoopAndAVisibleFormCannotGoModal) {
  dialog_->OnShow = [this](TObject*) { SetModalResult(*dialog_, mrRetry); };
  EXPECT_EQ(ShowModal(*dialog_), mrRetry);
  EXPECT_THROW(ShowModal(*main_), EInvalidOperation);
}

}  // namespace
}  // namespace hm::test
