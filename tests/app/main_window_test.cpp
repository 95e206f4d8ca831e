// The real main window in this process, beside the real Code.BM: the three
// lookups from their buttons, every refusal, the keyboard order and the
// accelerators, and pages keeping what they show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Main.h"
#include "app/program.h"
#include "framework/core/text.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "framework/ui/platform/win32.h"

#include <commctrl.h>
#include "skin/core/control_skin_choice.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm {
namespace {

using test::Pump;

class LookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().SetTitle(kApplicationTitle);
    form_ = MakeForm<TFrmMain>();
    form_->Show();
    Pump();
  }

  void Click(TBitBtn& button) {
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    Pump();
  }
  void ShowPage(TTabSheet& page) {
    form_->PageControl1->SetActivePage(&page);
    Pump();
  }
  std::vector<std::string> Lines(TMemo& memo) { return memo.Lines()->ToVector(); }
  // The grid's rows as the linked result holds them.
  int GridRows() {
    TDataSet* data = form_->DataSource1->DataSet();
    return data && data->Active() ? data->RecordCount() : 0;
  }
  std::string FocusedName() {
    TWinControl* focused = FindControlOrAncestor(GetFocus());
    return focused ? focused->Name() : "";
  }

  MessageBoxCapture boxes_;
  Owned<TFrmMain> form_;
};

TEST_F(LookupTest, AMobileNumberGivesItsRegionCityAreaCodeAndCardType) {
  ShowPage(*form_->TabSheet2);
  form_->DBEditEh1->SetText("  13800138000 ");
  Click(*form_->BitBtn2);
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(Lines(*form_->Memo1),
            (std::vector<std::string>{"所属地区: 北京", "所属城市: 北京", "所属区号: 010", "手机类型: 中国移动"}));
  EXPECT_FALSE(form_->ADOQuery1->Active()) << "closed after reading the first row";
}

TEST_F(LookupTest, AnIdNumberWithItsCheckLetterGivesTheRegionOfRegistration) {
  ShowPage(*form_->TabSheet3);
  form_->DBEditEh3->SetText("11010319800101123X");
  Click(*form_->BitBtn3);
  EXPECT_EQ(Lines(*form_->Memo2), (std::vector<std::string>{"原户籍所在地: ", "北京市崇文区"}));
}

TEST_F(LookupTest, AreaSearchesFillTheGridByTheChosenColumn) {
  form_->DBEditEh2->SetText("0755");
  Click(*form_->BitBtn1);
  EXPECT_EQ(form_->DataSource1->DataSet(), form_->ADOQuery1);
  EXPECT_GT(GridRows(), 0);
  EXPECT_EQ(form_->ADOQuery1->FieldByName("区号").AsString(), "0755");
  EXPECT_EQ(form_->ADOQuery1->SQL()->Get(0), "Select * from AreaData where 区号 like '%0755%'");

  form_->DBComboBoxEh1->SetText("县/市名");
  form_->DBEditEh2->SetText("深圳");
  Click(*form_->BitBtn1);
  EXPECT_GT(GridRows(), 0);
  EXPECT_NE(form_->ADOQuery1->FieldByName("县市名").AsString().find("深圳"), std::string::npos);
}

TEST_F(LookupTest, EachRefusalShowsItsMessageAndGivesTheInputTheFocus) {
  struct Case {
    TTabSheet* page;
    TDBEditEh* input;
    TBitBtn* button;
    std::string text;
    std::string message;
  };
  const std::vector<Case> cases{
      {form_->TabSheet1, form_->DBEditEh2, form_->BitBtn1, "   ", "请输入要查找的区号"},
      {form_->TabSheet2, form_->DBEditEh1, form_->BitBtn2, " 138001 ", "手机号码必须输入7位以上!"},
      {form_->TabSheet3, form_->DBEditEh3, form_->BitBtn3, "11010", "身份证号码必须输入6位以上!"},
  };
  for (const Case& c : cases) {
    boxes_.Clear();
    ShowPage(*c.page);
    c.input->SetText(c.text);
    Click(*c.button);
    ASSERT_EQ(boxes_.Boxes().size(), 1u) << c.message;
    EXPECT_EQ(boxes_.Boxes()[0].text, c.message);
    EXPECT_EQ(boxes_.Boxes()[0].caption, "工具箱");
    EXPECT_EQ(boxes_.Boxes()[0].style, 64u);
    EXPECT_EQ(FocusedName(), c.input->Name());
  }
}

TEST_F(LookupTest, SevenAndSixDigitsAreEnough) {
  ShowPage(*form_->TabSheet2);
  form_->DBEditEh1->SetText("1380013");
  Click(*form_->BitBtn2);
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(Lines(*form_->Memo1).at(0), "所属地区: 北京");
  ShowPage(*form_->TabSheet3);
  form_->DBEditEh3->SetText("110103");
  Click(*form_->BitBtn3);
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(Lines(*form_->Memo2).at(1), "北京市崇文区");
}

TEST_F(LookupTest, APrefixThatIsNoIntegerIsReportedAndTheMemoKeepsItsText) {
  ShowPage(*form_->TabSheet2);
  form_->Memo1->Lines()->SetText("earlier answer");
  form_->DBEditEh1->SetText("138 00138000");
  Click(*form_->BitBtn2);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].text, "'138 001' is not a valid integer value.");
  EXPECT_EQ(boxes_.Boxes()[0].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(Lines(*form_->Memo1), std::vector<std::string>{"earlier answer"});
}

TEST_F(LookupTest, AComboTextThatIsNoItemSearchesTheAreaCodeAndIsQuotedWhenEmpty) {
  form_->DBComboBoxEh1->SetText("电话");
  EXPECT_EQ(form_->DBComboBoxEh1->ItemIndex(), -1);
  form_->DBEditEh2->SetText("");
  Click(*form_->BitBtn1);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].text, "请输入要查找的电话");
  form_->DBEditEh2->SetText("0571");
  Click(*form_->BitBtn1);
  EXPECT_EQ(form_->ADOQuery1->SQL()->Get(0), "Select * from AreaData where 区号 like '%0571%'");
}

TEST_F(LookupTest, QuotesInTheSearchTextAreMatchedLiterallyAndEndNothing) {
  form_->DBComboBoxEh1->SetText("县/市名");
  form_->DBEditEh2->SetText("' or ''='");
  Click(*form_->BitBtn1);
  EXPECT_TRUE(boxes_.Boxes().empty()) << boxes_.Boxes().at(0).text;
  EXPECT_EQ(form_->ADOQuery1->SQL()->Get(0), "Select * from AreaData where 县市名 like '%'' or ''''=''%'");
  EXPECT_EQ(GridRows(), 0) << "no county is named with quotes";
}

TEST_F(LookupTest, BlanksAroundTheSearchTextStayInThePattern) {
  form_->DBEditEh2->SetText(" 0755");
  Click(*form_->BitBtn1);
  EXPECT_EQ(form_->ADOQuery1->SQL()->Get(0), "Select * from AreaData where 区号 like '% 0755%'");
}

TEST_F(LookupTest, TheGridStaysEmptyAfterAMobileOrIdLookupUntilTheNextAreaSearch) {
  form_->DBEditEh2->SetText("0755");
  Click(*form_->BitBtn1);
  ASSERT_GT(GridRows(), 0);
  ShowPage(*form_->TabSheet2);
  form_->DBEditEh1->SetText("1380013");
  Click(*form_->BitBtn2);
  EXPECT_EQ(form_->DataSource1->DataSet(), nullptr);
  ShowPage(*form_->TabSheet1);
  EXPECT_EQ(GridRows(), 0);
  Click(*form_->BitBtn1);
  EXPECT_GT(GridRows(), 0);
}

TEST_F(LookupTest, SwitchingPagesKeepsWhatEveryControlHolds) {
  form_->DBEditEh2->SetText("杭州");
  form_->DBComboBoxEh1->SetText("县/市名");
  ShowPage(*form_->TabSheet2);
  form_->DBEditEh1->SetText("1380013");
  form_->Memo1->Lines()->SetText("note");
  ShowPage(*form_->TabSheet3);
  form_->DBEditEh3->SetText("110103");
  ShowPage(*form_->TabSheet1);
  ShowPage(*form_->TabSheet2);
  EXPECT_EQ(form_->DBEditEh2->GetText(), "杭州");
  EXPECT_EQ(form_->DBComboBoxEh1->ItemIndex(), 3);
  EXPECT_EQ(form_->DBEditEh1->GetText(), "1380013");
  EXPECT_EQ(Lines(*form_->Memo1), std::vector<std::string>{"note"});
  EXPECT_EQ(form_->DBEditEh3->GetText(), "110103");
}

TEST_F(LookupTest, TabGoesFromTheSearchTextIntoTheGridAndShiftTabFromTheComboToTheButton) {
  form_->DBEditEh2->SetFocus();
  test::PressKey(VK_TAB);
  EXPECT_EQ(FocusedName(), "DBGridEh1");
  form_->DBComboBoxEh1->SetFocus();
  {
    test::ShiftHeld shift;
    test::PressKey(VK_TAB);
  }
  EXPECT_EQ(FocusedName(), "BitBtn1");
}

TEST_F(LookupTest, AltAcceleratorsReachOnlyTheVisiblePage) {
  form_->BitBtn1->SetFocus();
  test::PressAlt(L'm');
  EXPECT_EQ(FocusedName(), "DBComboBoxEh1");
  test::PressAlt(L't');
  EXPECT_EQ(FocusedName(), "DBEditEh2");
  test::PressAlt(L'c');
  EXPECT_EQ(FocusedName(), "DBEditEh2") << "the ID page is hidden";

  ShowPage(*form_->TabSheet2);
  form_->BitBtn2->SetFocus();
  test::PressAlt(L'm');
  EXPECT_EQ(FocusedName(), "DBEditEh1");
  form_->DBEditEh1->SetText("1380013");
  test::PressAlt(L's');
  EXPECT_EQ(Lines(*form_->Memo1).size(), 4u) << "Alt+S clicks this page's button";

  ShowPage(*form_->TabSheet3);
  form_->BitBtn3->SetFocus();
  test::PressAlt(L'c');
  EXPECT_EQ(FocusedName(), "DBEditEh3");
  form_->DBEditEh3->SetText("");
  boxes_.Clear();
  test::PressAlt(L's');
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].text, "身份证号码必须输入6位以上!");
}

// A click on a tab, as the mouse gives it, at the middle of the tab.
void ClickTab(TPageControl& tabs, int index) {
  RECT r{};
  ASSERT_TRUE(SendMessageW(tabs.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageW(tabs.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(tabs.Handle(), WM_LBUTTONUP, 0, at);
  Pump();
}

TEST_F(LookupTest, TabsStayClickableAfterTheArrowKeysTurnedThePage) {
  TPageControl& tabs = *form_->PageControl1;
  tabs.SetFocus();
  test::PressKey(VK_RIGHT);
  ASSERT_EQ(tabs.ActivePage(), form_->TabSheet2);
  ClickTab(tabs, 0);
  EXPECT_EQ(tabs.ActivePage(), form_->TabSheet1) << "the first tab answers its click";
  test::PressKey(VK_RIGHT);
  test::PressKey(VK_RIGHT);
  ASSERT_EQ(tabs.ActivePage(), form_->TabSheet3);
  ClickTab(tabs, 1);
  EXPECT_EQ(tabs.ActivePage(), form_->TabSheet2);
}

TEST_F(LookupTest, StartsOnTheFirstPageWithOnlyTheComboText) {
  EXPECT_EQ(form_->PageControl1->ActivePage(), form_->TabSheet1);
  EXPECT_EQ(form_->DBComboBoxEh1->GetText(), "区号");
  EXPECT_EQ(form_->DBComboBoxEh1->ItemIndex(), 0);
  EXPECT_EQ(form_->DBEditEh1->GetText(), "");
  EXPECT_TRUE(form_->Memo1->Lines()->ToVector().empty());
  EXPECT_EQ(form_->DataSource1->DataSet(), nullptr);
}

TEST_F(LookupTest, EveryControlGetsTheControlSkinItsKindCallsFor) {
  TControlSkinContext context{*form_->SkinData1, nullptr, form_.get(), form_->Name(), {}};
  std::vector<std::string> chosen;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    TComponent& c = *form_->Components(i);
    if (!dynamic_cast<TControl*>(&c)) continue;
    const TControlSkinChoice choice = ChooseControlSkin(c, context);
    chosen.push_back(c.Name() + "=" + choice.skin_class);
  }
  EXPECT_EQ(chosen, (std::vector<std::string>{
                        "PageControl1=TSkinTab", "TabSheet1=", "Label1=", "Label2=", "DBEditEh2=TSkinEdit",
                        "DBGridEh1=TSkinScrollbar", "BitBtn1=TSkinBitButton", "DBComboBoxEh1=", "TabSheet2=",
                        "Panel2=TSkinBox", "Label4=", "DBEditEh1=TSkinEdit", "BitBtn2=TSkinBitButton",
                        "Memo1=TSkinScrollbar", "TabSheet3=", "Panel3=TSkinBox", "Label5=", "DBEditEh3=TSkinEdit",
                        "BitBtn3=TSkinBitButton", "Memo2=TSkinScrollbar"}));
}

}  // namespace
}  // namespace hm
