// The grid's find dialog (TDBGridEhFindDlg.dfm): Ctrl+F in a grid with
// dghDialogFind opens it modally; "Find next" searches the grid's dataset
// record by record and column by column and makes the first match the
// current record. One dialog serves every grid: it is made at the first
// Ctrl+F, owned by the application, and kept, so the text history, the
// match kind, the direction and the check boxes keep their values.
#pragma once

#include <string>
#include <vector>

#include "editors/db_combo_box.h"
#include "framework/data/dataset.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/form.h"
#include "grid/db_grid.h"

namespace hm {

class TDBGridEhFindDlg : public TForm {
  HM_CLASS(TDBGridEhFindDlg, TForm)

 public:
  explicit TDBGridEhFindDlg(TComponent* owner);
  ~TDBGridEhFindDlg() override;

  // Components of the description; owned by the dialog.
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* cbMatchType = nullptr;
  TLabel* Label3 = nullptr;
  TDBComboBoxEh* cbText = nullptr;
  TDBComboBoxEh* cbFindIn = nullptr;
  TDBComboBoxEh* cbMatchinType = nullptr;
  TDBComboBoxEh* cbFindDirection = nullptr;
  TCheckBox* cbCharCase = nullptr;
  TCheckBox* cbUseFormat = nullptr;
  TButton* bFind = nullptr;
  TButton* bCancel = nullptr;

  // The form sees Enter before its controls do (a control that wants the
  // key, such as an open drop-down list, keeps it).
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool value) { key_preview_ = value; }

  // Opening for `grid`: the search text, "Find in" filled with the grid's
  // visible columns (the current one chosen), a first try, the focus in
  // the text. Execute then shows the dialog modally.
  void Prepare(TCustomDBGridEh& grid, const std::string& text);
  TModalResult Execute(TCustomDBGridEh& grid, const std::string& text);

  // One "Find next"; true when a match became the current record.
  bool FindNext();

  TCustomDBGridEh* Grid() const { return grid_; }
  // The columns searched, in order.
  const std::vector<TColumnEh*>& SearchColumns() const { return columns_; }
  bool FirstTry() const { return first_try_; }

  void bFindClick(TObject* sender);
  void cbTextChange(TObject* sender);
  void cbFindInChange(TObject* sender);
  void cbFindDirectionChange(TObject* sender);

 protected:
  void CMDialogKey(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  enum TDirection { kUp = 0, kDown = 1, kAll = 2 };
  TDirection Direction() const;
  void FillFindIn();
  void ChooseColumns();
  void ResetPosition();
  // One step to the next cell searched; moves the dataset at a row's end.
  void Advance(TDataSet& dataset, bool forward);
  std::string CellText(TColumnEh& column) const;
  void SetGrid(TCustomDBGridEh* grid);

  bool key_preview_ = false;
  TCustomDBGridEh* grid_ = nullptr;  // free notification clears it
  std::vector<TColumnEh*> columns_;  // the grid's, valid while it is shown here
  int column_index_ = 0;
  bool first_try_ = true;
  bool filling_ = false;  // "Find in" is being filled
};

// The one dialog, made (owned by the application) at the first call.
TDBGridEhFindDlg& DBGridEhFindDlg();
// The dialog if it was made; null before and after.
TDBGridEhFindDlg* ExistingDBGridEhFindDlg();

}  // namespace hm
