// The main window: its stored description (TFrmMain.dfm) holds every
// component; the handlers here open the database, keep the size fixed and
// run the three lookups of the search buttons.
#pragma once

#include "editors/db_combo_box.h"
#include "editors/db_edit.h"
#include "framework/data/ado_connection.h"
#include "framework/data/ado_query.h"
#include "framework/data/data_source.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/controls/page_control.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/form.h"
#include "grid/db_grid.h"
#include "skin/core/win_skin_data.h"

namespace hm {

class TFrmMain : public TForm {
  HM_CLASS(TFrmMain, TForm)

 public:
  explicit TFrmMain(TComponent* owner);

  // Components of the description, set when it is read; owned by the form.
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TabSheet1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TDBEditEh* DBEditEh2 = nullptr;
  TDBGridEh* DBGridEh1 = nullptr;
  TBitBtn* BitBtn1 = nullptr;
  TDBComboBoxEh* DBComboBoxEh1 = nullptr;
  TTabSheet* TabSheet2 = nullptr;
  TPanel* Panel2 = nullptr;
  TLabel* Label4 = nullptr;
  TDBEditEh* DBEditEh1 = nullptr;
  TBitBtn* BitBtn2 = nullptr;
  TMemo* Memo1 = nullptr;
  TTabSheet* TabSheet3 = nullptr;
  TPanel* Panel3 = nullptr;
  TLabel* Label5 = nullptr;
  TDBEditEh* DBEditEh3 = nullptr;
  TBitBtn* BitBtn3 = nullptr;
  TMemo* Memo2 = nullptr;
  TDataSource* DataSource1 = nullptr;
  TADOConnection* ADOConnection1 = nullptr;
  TADOQuery* ADOQuery1 = nullptr;
  TSkinData* SkinData1 = nullptr;

  void FormCreate(TObject* sender);
  void FormCanResize(TObject* sender, int& newWidth, int& newHeight, bool& resize);
  // The area search, the mobile number lookup and the ID number lookup.
  void BitBtn1Click(TObject* sender);
  void BitBtn2Click(TObject* sender);
  void BitBtn3Click(TObject* sender);

 private:
  // An input refused: the information box, then the focus back to the input.
  void Refuse(const std::string& message, TWinControl& input);
};

}  // namespace hm
