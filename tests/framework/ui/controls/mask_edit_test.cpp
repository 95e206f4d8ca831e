#include <gtest/gtest.h>

#include "framework/core/text.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/controls/mask_edit.h"
#include "showcase_form.h"

namespace hm::test {
namespace {

class MaskEditTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlClasses();
    Application().Initialize();
  }
  void SetUp() override {
    form_ = MakeRoot<TForm>();
    edit_ = MakeOwned<TCustomMaskEdit>(*form_);
    edit_->SetParent(form_.get());
  }
  void Type(std::u16string_view text) {
    for (char16_t c : text) SendMessageW(edit_->Handle(), WM_CHAR, c, 1);
  }
  std::string WindowText() {
    wchar_t buffer[64] = {};
    SendMessageW(edit_->Handle(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer));
    return Narrow(buffer);
  }

  Owned<TForm> form_;
  TCustomMaskEdit* edit_ = nullptr;
};

TEST_F(MaskEditTest, ChineseTextRoundTripsWithoutAMask) {
  const std::string text = "查找内容：北京市 010";
  edit_->SetText(text);  // no window yet
  EXPECT_EQ(edit_->GetText(), text);
  edit_->HandleNeeded();
  EXPECT_EQ(WindowText(), text);
  EXPECT_EQ(edit_->GetText(), text);
  edit_->SetText("身份证号码");
  EXPECT_EQ(WindowText(), "身份证号码");
  EXPECT_EQ(edit_->GetText(), "身份证号码");
}

TEST_F(MaskEditTest, ChineseTextRoundTripsThroughAnAnyCharacterMask) {
  edit_->SetEditMask("CCCCC;1;_");
  edit_->SetText("工具箱号码");
  edit_->HandleNeeded();
  EXPECT_EQ(WindowText(), "工具箱号码");
  EXPECT_EQ(edit_->GetText(), "工具箱号码");
  EXPECT_NO_THROW(edit_->ValidateEdit());
  // Typed, one character per position.
  edit_->SetText("");
  SendMessageW(edit_->Handle(), EM_SETSEL, 0, 0);
  Type(u"手机号码归");
  EXPECT_EQ(edit_->GetText(), "手机号码归");
}

TEST_F(MaskEditTest, TypingFillsPositionsSkipsLiteralsAndRefusesMisfits) {
  edit_->SetEditMask("000-0000;1;_");
  edit_->HandleNeeded();
  EXPECT_EQ(WindowText(), "___-____");
  SendMessageW(edit_->Handle(), EM_SETSEL, 0, 0);
  Type(u"12a3456x7");
  EXPECT_EQ(WindowText(), "123-4567");
  EXPECT_EQ(edit_->GetText(), "123-4567");
  EXPECT_TRUE(edit_->Modified());

  // Backspace after the literal blanks the digit before it.
  SendMessageW(edit_->Handle(), EM_SETSEL, 4, 4);
  SendMessageW(edit_->Handle(), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(WindowText(), "12_-4567");
  EXPECT_EQ(edit_->SelStart(), 2);
}

TEST_F(MaskEditTest, ValidateEditPointsAtTheFirstBlankRequiredPosition) {
  edit_->SetEditMask("000-0000;1;_");
  edit_->HandleNeeded();
  SendMessageW(edit_->Handle(), EM_SETSEL, 0, 0);
  Type(u"12");
  EXPECT_THROW(edit_->ValidateEdit(), EDBEditError);
  EXPECT_EQ(edit_->SelStart(), 2);
  // Optional positions may stay blank.
  edit_->SetEditMask("0999;1;_");
  edit_->SetText("7");
  EXPECT_NO_THROW(edit_->ValidateEdit());
}

TEST_F(MaskEditTest, WithoutSavedLiteralsTheTextIsOnlyWhatWasEntered) {
  edit_->SetEditMask("000-000;0;_");
  edit_->SetText("123456");
  EXPECT_EQ(edit_->EditText(), "123-456");
  EXPECT_EQ(edit_->GetText(), "123456");
}

TEST_F(MaskEditTest, CaseMarksChangeTypedLetters) {
  edit_->SetEditMask(">LL<LL;1;*");
  edit_->HandleNeeded();
  EXPECT_EQ(WindowText(), "****");
  SendMessageW(edit_->Handle(), EM_SETSEL, 0, 0);
  Type(u"abCD");
  EXPECT_EQ(edit_->GetText(), "ABcd");
}

}  // namespace
}  // namespace hm::test
