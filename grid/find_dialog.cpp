#include "grid/find_dialog.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/data/field.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"
#include "grid/portable/find_rules.h"

namespace hm {

namespace {

TDBGridEhFindDlg* g_dialog = nullptr;

constexpr const char* kAllColumns = "<All>";

}  // namespace

HM_PUBLISH(TDBGridEhFindDlg) {
  p.Prop("KeyPreview", &TDBGridEhFindDlg::KeyPreview, &TDBGridEhFindDlg::SetKeyPreview);
  p.Method("bFindClick", &TDBGridEhFindDlg::bFindClick);
  p.Method("cbTextChange", &TDBGridEhFindDlg::cbTextChange);
  p.Method("cbFindInChange", &TDBGridEhFindDlg::cbFindInChange);
  p.Method("cbFindDirectionChange", &TDBGridEhFindDlg::cbFindDirectionChange);
  p.Field("Label1", &TDBGridEhFindDlg::Label1);
  p.Field("Label2", &TDBGridEhFindDlg::Label2);
  p.Field("cbMatchType", &TDBGridEhFindDlg::cbMatchType);
  p.Field("Label3", &TDBGridEhFindDlg::Label3);
  p.Field("cbText", &TDBGridEhFindDlg::cbText);
  p.Field("cbFindIn", &TDBGridEhFindDlg::cbFindIn);
  p.Field("cbMatchinType", &TDBGridEhFindDlg::cbMatchinType);
  p.Field("cbFindDirection", &TDBGridEhFindDlg::cbFindDirection);
  p.Field("cbCharCase", &TDBGridEhFindDlg::cbCharCase);
  p.Field("cbUseFormat", &TDBGridEhFindDlg::cbUseFormat);
  p.Field("bFind", &TDBGridEhFindDlg::bFind);
  p.Field("bCancel", &TDBGridEhFindDlg::bCancel);
}

TDBGridEhFindDlg::TDBGridEhFindDlg(TComponent* owner) : TForm(owner) {}

TDBGridEhFindDlg::~TDBGridEhFindDlg() {
  if (g_dialog == this) g_dialog = nullptr;
}

TDBGridEhFindDlg& DBGridEhFindDlg() {
  if (!g_dialog) {
    auto* dialog = MakeOwned<TDBGridEhFindDlg>(Application());
    try {
      dialog->CreateFromDescription();
    } catch (...) {
      Application().FreeComponent(*dialog);
      throw;
    }
    g_dialog = dialog;
  }
  return *g_dialog;
}

TDBGridEhFindDlg* ExistingDBGridEhFindDlg() { return g_dialog; }

// ---- Opening

void TDBGridEhFindDlg::SetGrid(TCustomDBGridEh* grid) {
  if (grid == grid_) return;
  if (grid_) RemoveFreeNotification(grid_);
  grid_ = grid;
  columns_.clear();
  if (grid_) FreeNotification(grid_);
}

void TDBGridEhFindDlg::Notification(TComponent* component, TOperation operation) {
  TForm::Notification(component, operation);
  if (operation == opRemove && component == grid_) {
    grid_ = nullptr;
    columns_.clear();
  }
}

void TDBGridEhFindDlg::Prepare(TCustomDBGridEh& grid, const std::string& text) {
  SetGrid(&grid);
  cbText->SetText(text);
  FillFindIn();
  ResetPosition();
  SetActiveControl(cbText);
}

TModalResult TDBGridEhFindDlg::Execute(TCustomDBGridEh& grid, const std::string& text) {
  Prepare(grid, text);
  return ShowModal();
}

void TDBGridEhFindDlg::FillFindIn() {
  filling_ = true;
  TStrings& items = *cbFindIn->Items();
  TStrings& keys = *cbFindIn->KeyItems();
  items.Clear();
  keys.Clear();
  std::string current;
  if (grid_) {
    const std::vector<TColumnEh*>& visible = grid_->VisibleColumns();
    for (std::size_t i = 0; i < visible.size(); ++i) {
      items.Add(visible[i]->Title()->Caption());
      keys.Add(std::to_string(i));
    }
    if (TColumnEh* selected = grid_->SelectedColumn()) current = selected->Title()->Caption();
  }
  items.Add(kAllColumns);
  keys.Add("-1");
  int index = items.IndexOf(current);
  if (current.empty() || index < 0) index = items.Count() - 1;
  cbFindIn->SetItemIndex(index);
  filling_ = false;
  ChooseColumns();
}

void TDBGridEhFindDlg::ChooseColumns() {
  columns_.clear();
  if (!grid_) return;
  const std::vector<TColumnEh*>& visible = grid_->VisibleColumns();
  const int index = cbFindIn->ItemIndex();
  if (index >= 0 && index < static_cast<int>(visible.size())) {
    columns_.push_back(visible[static_cast<std::size_t>(index)]);
  } else if (index >= 0) {
    columns_ = visible;  // "<All>"
  }
}

TDBGridEhFindDlg::TDirection TDBGridEhFindDlg::Direction() const {
  const int index = cbFindDirection->ItemIndex();
  return index == kUp ? kUp : index == kDown ? kDown : kAll;
}

void TDBGridEhFindDlg::ResetPosition() {
  first_try_ = true;
  column_index_ = Direction() == kUp ? std::max(static_cast<int>(columns_.size()) - 1, 0) : 0;
}

void TDBGridEhFindDlg::cbTextChange(TObject*) { ResetPosition(); }

void TDBGridEhFindDlg::cbFindDirectionChange(TObject*) { ResetPosition(); }

void TDBGridEhFindDlg::cbFindInChange(TObject*) {
  if (filling_) return;
  ChooseColumns();
  ResetPosition();
}

// ---- Keys

void TDBGridEhFindDlg::CMDialogKey(TMessage& message) {
  if (message.WParam == VK_RETURN && key_preview_) {
    FindNext();
    cbText->SetModified(false);
    message.Result = 1;
    return;
  }
  TForm::CMDialogKey(message);
  if (message.WParam == VK_ESCAPE) cbText->SetModified(false);
}

void TDBGridEhFindDlg::bFindClick(TObject*) { FindNext(); }

// ---- Searching

std::string TDBGridEhFindDlg::CellText(TColumnEh& column) const {
  TField* field = column.Field();
  if (!field) return {};
  return cbUseFormat->Checked() ? field->DisplayText() : field->AsString();
}

void TDBGridEhFindDlg::Advance(TDataSet& dataset, bool forward) {
  const TFindStep step = NextFindStep(column_index_, static_cast<int>(columns_.size()), forward);
  column_index_ = step.column;
  if (step.record_move != 0) dataset.MoveBy(step.record_move);
}

bool TDBGridEhFindDlg::FindNext() {
  const TDirection direction = Direction();
  bool forward = direction != kUp;
  if (GetKeyState(VK_CONTROL) < 0) forward = !forward;
  const std::string text = cbText->GetText();
  if (cbText->Items()->IndexOf(text) < 0) cbText->Items()->Add(text);
  if (columns_.empty() || !grid_) return false;
  TDataSet* dataset = grid_->DataLink().DataSet();
  if (!dataset || !dataset->Active()) return false;

  const int match_index = cbMatchinType->ItemIndex();
  const TFindMatchKind kind = match_index == 1   ? TFindMatchKind::WholeField
                              : match_index == 2 ? TFindMatchKind::FieldStart
                                                 : TFindMatchKind::AnyPart;
  const bool match_case = cbCharCase->Checked();
  bool found = false;
  // The controls come back after an error too; the error goes on to the
  // caller (the default error report).
  dataset->DisableControls();
  try {
    // The record shown in the middle of the grid, to come back to when
    // nothing is found: the same record current and the same rows shown.
    TGridDataLinkEh& link = grid_->DataLink();
    const int offset = MiddleRowOffset(link.ActiveRecord(), link.RecordCount());
    dataset->MoveBy(-offset);
    const TBookmark middle = dataset->GetBookmark();
    dataset->MoveBy(offset);
    if (direction == kAll && first_try_) dataset->First();
    // A repeated search does not find the same cell again.
    if (!first_try_) Advance(*dataset, forward);
    column_index_ = std::clamp(column_index_, 0, static_cast<int>(columns_.size()) - 1);
    while (forward ? !dataset->Eof() : !dataset->Bof()) {
      TColumnEh& column = *columns_[static_cast<std::size_t>(column_index_)];
      if (FindTextMatches(CellText(column), text, kind, match_case)) {
        found = true;
        first_try_ = false;
        if (!match_case) {
          const std::vector<TColumnEh*>& visible = grid_->VisibleColumns();
          const auto at = std::find(visible.begin(), visible.end(), &column);
          if (at != visible.end()) grid_->SetSelectedIndex(static_cast<int>(at - visible.begin()));
        }
        break;
      }
      Advance(*dataset, forward);
    }
    if (!found && middle.Valid() && dataset->BookmarkValid(middle)) {
      dataset->GotoBookmark(middle);
      dataset->MoveBy(offset);
    }
  } catch (...) {
    dataset->EnableControls();
    throw;
  }
  dataset->EnableControls();
  if (!found) ShowMessageBox("String \"" + text + "\" not found.", Application().Title(), MB_OK);
  return found;
}

}  // namespace hm
