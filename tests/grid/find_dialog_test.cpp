// The grid's find dialog on the real area search "0755" (ten rows of
// Shenzhen, 龙岗区 the sixth and 龙华区 the eighth): its description, the
// search through columns and records in each direction, the match kinds,
// the not-found message and the view it leaves, and Ctrl+F opening the one
// dialog modally with what it keeps between openings.
#include "grid/find_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/field.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "tests/grid/grid_input.h"

namespace hm::test {
namespace {

enum { kAnyPart = 0, kWholeField = 1, kFieldStart = 2 };
enum { kUp = 0, kDown = 1, kAll = 2 };

struct Shenzhen {
  GridForm f;
  AreaSearch search{*f.form};
  TDataSet& data = *search.query;
  TDBGridEhFindDlg& dialog = DBGridEhFindDlg();

  Shenzhen() {
    Application().SetTitle("工具箱");
    search.ByAreaCode("0755");
    f.form->DataSource1->SetDataSet(search.query);
    f.grid.SetFocus();
    Pump();
  }
  std::string City() const { return data.FieldByName("县市名").AsString(); }
  // Opened for the grid as Ctrl+F opens it, but not shown; the settings a
  // test relies on are set anew (the one dialog keeps them between tests).
  TDBGridEhFindDlg& Open(int kind = kAnyPart, int direction = kAll, bool all_columns = true) {
    dialog.Prepare(f.grid, "");
    dialog.cbMatchinType->SetItemIndex(kind);
    dialog.cbFindDirection->SetItemIndex(direction);
    dialog.cbCharCase->SetChecked(false);
    dialog.cbUseFormat->SetChecked(true);
    if (all_columns) dialog.cbFindIn->SetItemIndex(dialog.cbFindIn->Items()->Count() - 1);
    return dialog;
  }
};

TEST(GridFindDialog, ItsDescriptionGivesTheLayoutTextsTabOrderAndFirstValues) {
  Owned<TDBGridEhFindDlg> d = MakeForm<TDBGridEhFindDlg>();
  EXPECT_EQ(d->Caption(), "Find text");
  EXPECT_EQ(d->BorderStyle(), bsDialog);
  EXPECT_EQ(d->Position(), poScreenCenter);
  EXPECT_EQ(d->ClientWidthValue(), 505);
  EXPECT_EQ(d->ClientHeightValue(), 124);
  EXPECT_EQ(d->Font()->Height(), -10);
  EXPECT_TRUE(d->KeyPreview());
  struct Place {
    TControl* control;
    int left, top, width, height;
  };
  const std::vector<Place> places = {
      {d->Label1, 10, 12, 52, 13},          {d->Label2, 10, 35, 34, 13},
      {d->cbMatchType, 10, 58, 33, 13},     {d->Label3, 10, 82, 37, 13},
      {d->cbText, 88, 9, 316, 21},          {d->cbFindIn, 88, 32, 192, 21},
      {d->cbMatchinType, 88, 55, 144, 21},  {d->cbFindDirection, 88, 79, 144, 21},
      {d->cbCharCase, 88, 105, 144, 14},    {d->cbUseFormat, 260, 105, 144, 14},
      {d->bFind, 413, 9, 82, 23},           {d->bCancel, 413, 37, 82, 22},
  };
  for (const Place& p : places) {
    ASSERT_NE(p.control, nullptr);
    EXPECT_EQ(p.control->Left(), p.left) << p.control->Name();
    EXPECT_EQ(p.control->Top(), p.top) << p.control->Name();
    // The labels size themselves to their text in the font they get.
    if (dynamic_cast<TLabel*>(p.control)) continue;
    EXPECT_EQ(p.control->Width(), p.width) << p.control->Name();
    EXPECT_EQ(p.control->Height(), p.height) << p.control->Name();
  }
  EXPECT_EQ(d->Label1->FocusControl(), d->cbText);
  const std::vector<TWinControl*> tab_order = {d->cbText,     d->cbFindIn,    d->cbMatchinType, d->cbFindDirection,
                                               d->cbCharCase, d->cbUseFormat, d->bFind,         d->bCancel};
  for (std::size_t i = 0; i < tab_order.size(); ++i) EXPECT_EQ(tab_order[i]->TabOrder(), static_cast<int>(i));
  EXPECT_EQ(d->Label1->Caption(), "Fi&nd What:");
  EXPECT_EQ(d->Label2->Caption(), "Find &in:");
  EXPECT_EQ(d->cbMatchType->Caption(), "Matc&h:");
  EXPECT_EQ(d->Label3->Caption(), "Sea&rch:");
  EXPECT_EQ(d->cbCharCase->Caption(), "Match &Case");
  EXPECT_EQ(d->cbUseFormat->Caption(), "Match F&ormat");
  EXPECT_EQ(d->bFind->Caption(), "&Find next");
  EXPECT_EQ(d->bCancel->Caption(), "Close");
  EXPECT_TRUE(d->bCancel->Cancel());
  EXPECT_EQ(d->cbMatchinType->Items()->Text(), "From any part of field\r\nWhole field\r\nFrom beging of field\r\n");
  EXPECT_EQ(d->cbFindDirection->Items()->Text(), "Up\r\nDown\r\nAll\r\n");
  EXPECT_EQ(d->cbMatchinType->GetText(), "From any part of field");
  EXPECT_EQ(d->cbMatchinType->ItemIndex(), 0);
  EXPECT_EQ(d->cbFindDirection->GetText(), "All");
  EXPECT_FALSE(d->cbCharCase->Checked());
  EXPECT_TRUE(d->cbUseFormat->Checked());
  EXPECT_EQ(d->cbText->DropDownBox()->Rows(), 17);
  EXPECT_TRUE(d->cbFindIn->DropDownBox()->Sizable());
  // The three lists take only their items.
  EXPECT_TRUE(d->cbMatchinType->KeyBased());
  d->cbFindDirection->SetText("Sideways");
  EXPECT_EQ(d->cbFindDirection->GetText(), "All");
}

TEST(GridFindDialog, FindInListsTheVisibleColumnsThenAllAndChoosesTheCurrentOne) {
  Shenzhen s;
  s.f.grid.SetSelectedIndex(2);
  TDBGridEhFindDlg& d = s.dialog;
  d.Prepare(s.f.grid, "");
  EXPECT_EQ(d.cbFindIn->Items()->Text(), "区号\r\n邮编\r\n省份\r\n县/市名\r\n<All>\r\n");
  EXPECT_EQ(d.cbFindIn->GetText(), "省份");
  ASSERT_EQ(d.SearchColumns().size(), 1u);
  EXPECT_EQ(d.SearchColumns()[0], s.f.grid.VisibleColumns()[2]);
  EXPECT_EQ(d.ActiveControl(), d.cbText);
  EXPECT_TRUE(d.FirstTry());
  d.cbFindIn->SetItemIndex(4);
  EXPECT_EQ(d.SearchColumns(), s.f.grid.VisibleColumns());
  // Only the chosen column is searched: 龙 is a city, not a province.
  d.cbFindIn->SetItemIndex(2);
  d.cbText->SetText("龙");
  MessageBoxCapture boxes;
  EXPECT_FALSE(d.FindNext());
  EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST(GridFindDialog, AllFindsTheUpperRowThenTheLowerThenReportsNotFoundAndKeepsTheLower) {
  Shenzhen s;
  TDBGridEhFindDlg& d = s.Open();
  d.cbText->SetText("龙");
  MessageBoxCapture boxes;
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "龙岗区");
  EXPECT_EQ(s.data.RecNo(), 6);
  EXPECT_EQ(s.f.grid.SelectedIndex(), 3) << "the matching column becomes current";
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "龙华区");
  EXPECT_EQ(s.data.RecNo(), 8);
  EXPECT_TRUE(boxes.Boxes().empty());
  const int row = s.f.grid.Row();
  EXPECT_FALSE(d.FindNext());
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, "String \"龙\" not found.");
  EXPECT_EQ(boxes.Boxes()[0].caption, "工具箱");
  EXPECT_EQ(boxes.Boxes()[0].style, static_cast<unsigned>(MB_OK)) << "no icon";
  EXPECT_EQ(s.data.RecNo(), 8) << "the lower row stays current";
  EXPECT_EQ(s.f.grid.Row(), row) << "and where it was shown";
  EXPECT_FALSE(s.data.ControlsDisabled());
  // The search moved through the records with the controls disabled: the
  // data source heard of one change at the end, not of every record.
  int changes = 0;
  s.f.form->DataSource1->OnDataChange = [&](TObject*, TField*) { ++changes; };
  d.cbText->SetText("光明");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.data.RecNo(), 10);
  EXPECT_EQ(changes, 1);
  s.f.form->DataSource1->OnDataChange.Clear();
  int in_history = 0;
  for (int i = 0; i < d.cbText->Items()->Count(); ++i) in_history += d.cbText->Items()->Get(i) == "龙";
  EXPECT_EQ(in_history, 1) << "the text joined the history once";
}

TEST(GridFindDialog, NothingFoundInAThousandRowsLeavesTheSameRecordCurrentAndTheSameRowsShown) {
  GridForm f;
  AreaSearch search{*f.form};
  search.ByAreaCode("0");
  f.form->DataSource1->SetDataSet(search.query);
  f.grid.SetFocus();
  Pump();
  TDataSet& data = *search.query;
  ASSERT_GT(data.RecordCount(), 1000);
  // The current record low in the rows shown, away from the middle.
  data.MoveBy(200);
  data.MoveBy(-6);
  Pump();
  const int recno = data.RecNo();
  const int row = f.grid.Row();
  const int first_shown = f.grid.DataLink().FirstRecord();
  ASSERT_NE(row, 1 + f.grid.VisibleRowCount() / 2) << "not already in the middle";
  TDBGridEhFindDlg& d = DBGridEhFindDlg();
  d.Prepare(f.grid, "");
  d.cbMatchinType->SetItemIndex(kAnyPart);
  d.cbFindDirection->SetItemIndex(kAll);
  d.cbFindIn->SetItemIndex(d.cbFindIn->Items()->Count() - 1);
  d.cbText->SetText("不在其中");
  MessageBoxCapture boxes;
  EXPECT_FALSE(d.FindNext());
  Pump();
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(data.RecNo(), recno);
  EXPECT_EQ(f.grid.Row(), row);
  EXPECT_EQ(f.grid.DataLink().FirstRecord(), first_shown);
  EXPECT_FALSE(data.ControlsDisabled());

  // Found far below: the match becomes current.
  d.cbText->SetText("光明区");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(data.FieldByName("县市名").AsString(), "光明区");
  EXPECT_GT(data.RecNo(), recno);
}

TEST(GridFindDialog, CtrlReversesTheDirectionDownFromTheLastRowFindsNothingWithCtrlItSearchesUpward) {
  Shenzhen s;
  s.data.Last();
  Pump();
  TDBGridEhFindDlg& d = s.Open(kAnyPart, kDown);
  d.cbText->SetText("龙");
  MessageBoxCapture boxes;
  EXPECT_FALSE(d.FindNext());
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(s.data.RecNo(), 10);
  {
    KeyHeld ctrl(VK_CONTROL);
    ASSERT_TRUE(d.FindNext());
  }
  EXPECT_EQ(s.City(), "龙华区");
  // "Up" finds the same way without Ctrl, and with Ctrl goes down again.
  d.cbFindDirection->SetItemIndex(kUp);
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "龙华区") << "a position reset: the search starts at the current row";
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "龙岗区") << "then goes up";
  {
    KeyHeld ctrl(VK_CONTROL);
    ASSERT_TRUE(d.FindNext());
  }
  EXPECT_EQ(s.City(), "龙华区") << "and with Ctrl down again";
}

TEST(GridFindDialog, WholeFieldAndFieldStartAndAStartLongerThanTheFieldNeverMatching) {
  Shenzhen s;
  TDBGridEhFindDlg& d = s.Open(kFieldStart);
  MessageBoxCapture boxes;
  d.cbText->SetText("5180001");  // longer than every postal code
  EXPECT_FALSE(d.FindNext());
  d.cbText->SetText("51808");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "盐田区");
  EXPECT_EQ(s.f.grid.SelectedIndex(), 1);
  d.cbText->SetText("深圳");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.data.RecNo(), 1);
  d.cbText->SetText("圳");  // inside the field, not at its start
  EXPECT_FALSE(d.FindNext());

  d.cbMatchinType->SetItemIndex(kWholeField);
  d.cbText->SetText("广");
  EXPECT_FALSE(d.FindNext());
  d.cbText->SetText("南山区");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.data.RecNo(), 4);
  EXPECT_EQ(boxes.Boxes().size(), 3u);
}

TEST(GridFindDialog, WithMatchCaseTheCurrentColumnStays) {
  Shenzhen s;
  s.f.grid.SetSelectedIndex(0);
  TDBGridEhFindDlg& d = s.Open();
  d.cbCharCase->SetChecked(true);
  d.cbText->SetText("坪山");
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.data.RecNo(), 9);
  EXPECT_EQ(s.f.grid.SelectedIndex(), 0);
}

TEST(GridFindDialog, ANewTextAfterASuccessStartsAgainFromTheFirstRow) {
  Shenzhen s;
  TDBGridEhFindDlg& d = s.Open();
  d.cbText->SetText("龙");
  ASSERT_TRUE(d.FindNext());
  ASSERT_EQ(s.data.RecNo(), 6);
  EXPECT_FALSE(d.FirstTry());
  d.cbText->SetText("区");
  EXPECT_TRUE(d.FirstTry());
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "罗湖区") << "from the first row, not on from 龙岗区";
  ASSERT_TRUE(d.FindNext());
  EXPECT_EQ(s.City(), "福田区");
}

TEST(GridFindDialog, AnErrorOfTheDatasetReachesTheCallerWithTheControlsEnabledAgain) {
  // A pending change the read-only file refuses: the search's first move
  // posts it and fails.
  CodeBmCopy file("find-refused");
  file.SetReadOnly();
  GridForm f;
  WritableAreaSearch search(*f.form, file.Path());
  search.ByAreaCode("0755");
  f.form->DataSource1->SetDataSet(search.query);
  Pump();
  TDataSet& data = *search.query;
  TDBGridEhFindDlg& d = DBGridEhFindDlg();
  d.Prepare(f.grid, "");
  d.cbFindDirection->SetItemIndex(kAll);
  d.cbText->SetText("龙");
  data.Edit();
  data.FieldByName("县市名").SetAsString("改");
  MessageBoxCapture boxes;
  EXPECT_ANY_THROW(d.FindNext());
  EXPECT_FALSE(data.ControlsDisabled());
  EXPECT_TRUE(boxes.Boxes().empty()) << "no not-found message after an error";
  data.Cancel();
}

// ---- Ctrl+F: the modal dialog, driven from a timer inside its loop.

struct Seen {
  bool visible = false;
  bool modal = false;
  std::string caption;
  std::string text;
  std::string find_in;
  bool focus_in_text = false;
  int history = -1;
  bool char_case = false;
  bool use_format = true;
  int kind = -1;
  int direction = -1;
};
Seen g_seen;
bool g_first_opening = true;

void CALLBACK WhileTheDialogIsUp(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  TDBGridEhFindDlg* d = ExistingDBGridEhFindDlg();
  if (!d) return;
  g_seen.visible = IsWindowVisible(d->Handle()) != FALSE;
  g_seen.modal = d->Modal();
  g_seen.caption = d->Caption();
  g_seen.text = d->cbText->GetText();
  g_seen.find_in = d->cbFindIn->GetText();
  g_seen.focus_in_text = GetFocus() == d->cbText->Handle() || IsChild(d->cbText->Handle(), GetFocus());
  g_seen.history = d->cbText->Items()->IndexOf("龙");
  g_seen.char_case = d->cbCharCase->Checked();
  g_seen.use_format = d->cbUseFormat->Checked();
  g_seen.kind = d->cbMatchinType->ItemIndex();
  g_seen.direction = d->cbFindDirection->ItemIndex();
  // Ctrl+F was pressed with Ctrl held; it is up again by now.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  if (g_first_opening) {
    d->cbText->SetText("龙");
    d->cbFindIn->SetItemIndex(d->cbFindIn->Items()->Count() - 1);
    d->cbMatchinType->SetItemIndex(kFieldStart);
    d->cbFindDirection->SetItemIndex(kDown);
    d->cbCharCase->SetChecked(true);
    d->cbUseFormat->SetChecked(false);
    // Enter in the text runs Find next; Esc closes.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  }
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}

TEST(GridFindDialog, CtrlFOpensTheOneDialogModallyEnterFindsEscClosesAndItKeepsItsChoices) {
  Shenzhen s;
  s.f.grid.SetSelectedIndex(0);
  TDBGridEhFindDlg* before = ExistingDBGridEhFindDlg();
  MessageBoxCapture boxes;
  g_seen = Seen{};
  g_first_opening = true;
  ASSERT_NE(SetTimer(nullptr, 0, 300, &WhileTheDialogIsUp), 0u);
  Key('F', true);
  EXPECT_EQ(ExistingDBGridEhFindDlg(), before) << "the same dialog again";
  EXPECT_EQ(ExistingDBGridEhFindDlg()->Owner(), &Application());
  EXPECT_TRUE(g_seen.visible);
  EXPECT_TRUE(g_seen.modal);
  EXPECT_EQ(g_seen.caption, "Find text");
  EXPECT_EQ(g_seen.text, "");
  EXPECT_EQ(g_seen.find_in, "区号");
  EXPECT_TRUE(g_seen.focus_in_text);
  EXPECT_FALSE(s.dialog.Visible()) << "Esc closed it";
  EXPECT_EQ(s.City(), "龙岗区") << "Enter found the first match";
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_EQ(s.f.grid.SelectedIndex(), 0) << "with Match Case the column stays";

  // The second opening: the text and "Find in" anew, the rest as left.
  s.f.grid.SetSelectedIndex(1);
  g_seen = Seen{};
  g_first_opening = false;
  ASSERT_NE(SetTimer(nullptr, 0, 300, &WhileTheDialogIsUp), 0u);
  Key('F', true);
  EXPECT_TRUE(g_seen.visible);
  EXPECT_EQ(g_seen.text, "");
  EXPECT_EQ(g_seen.find_in, "邮编");
  EXPECT_GE(g_seen.history, 0) << "the history keeps 龙";
  EXPECT_TRUE(g_seen.char_case);
  EXPECT_FALSE(g_seen.use_format);
  EXPECT_EQ(g_seen.kind, kFieldStart);
  EXPECT_EQ(g_seen.direction, kDown);
  EXPECT_EQ(s.City(), "龙岗区");
}

}  // namespace
}  // namespace hm::test
