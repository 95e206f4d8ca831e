#include "app/Main.h"

#include "framework/ui/platform/win32.h"

#include "app/database_path.h"
#include "app/lookups/lookup_checks.h"
#include "app/lookups/lookup_database.h"
#include "app/lookups/lookup_run.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"

namespace hm {

HM_PUBLISH(TFrmMain) {
  p.Method("FormCreate", &TFrmMain::FormCreate);
  p.Method("FormCanResize", &TFrmMain::FormCanResize);
  p.Method("BitBtn1Click", &TFrmMain::BitBtn1Click);
  p.Method("BitBtn2Click", &TFrmMain::BitBtn2Click);
  p.Method("BitBtn3Click", &TFrmMain::BitBtn3Click);
  p.Field("PageControl1", &TFrmMain::PageControl1);
  p.Field("TabSheet1", &TFrmMain::TabSheet1);
  p.Field("Label1", &TFrmMain::Label1);
  p.Field("Label2", &TFrmMain::Label2);
  p.Field("DBEditEh2", &TFrmMain::DBEditEh2);
  p.Field("DBGridEh1", &TFrmMain::DBGridEh1);
  p.Field("BitBtn1", &TFrmMain::BitBtn1);
  p.Field("DBComboBoxEh1", &TFrmMain::DBComboBoxEh1);
  p.Field("TabSheet2", &TFrmMain::TabSheet2);
  p.Field("Panel2", &TFrmMain::Panel2);
  p.Field("Label4", &TFrmMain::Label4);
  p.Field("DBEditEh1", &TFrmMain::DBEditEh1);
  p.Field("BitBtn2", &TFrmMain::BitBtn2);
  p.Field("Memo1", &TFrmMain::Memo1);
  p.Field("TabSheet3", &TFrmMain::TabSheet3);
  p.Field("Panel3", &TFrmMain::Panel3);
  p.Field("Label5", &TFrmMain::Label5);
  p.Field("DBEditEh3", &TFrmMain::DBEditEh3);
  p.Field("BitBtn3", &TFrmMain::BitBtn3);
  p.Field("Memo2", &TFrmMain::Memo2);
  p.Field("DataSource1", &TFrmMain::DataSource1);
  p.Field("ADOConnection1", &TFrmMain::ADOConnection1);
  p.Field("ADOQuery1", &TFrmMain::ADOQuery1);
  p.Field("SkinData1", &TFrmMain::SkinData1);
}

TFrmMain::TFrmMain(TComponent* owner) : TForm(owner) {}

void TFrmMain::FormCreate(TObject*) {
  // Controls that follow the form's font follow this one too.
  LOGFONTW iconTitle{};
  if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof iconTitle, &iconTitle, 0)) {
    Font()->AssignLogFont(iconTitle);
  }

  const std::string path = DatabasePath();
  if (!DatabaseFileExists(path)) {
    ShowMessageBox("数据文件:" + path + "不存在!", Application().Title(), MB_ICONINFORMATION | MB_OK);
    Application().Terminate();
    return;
  }
  ADOConnection1->SetConnected(false);
  ADOConnection1->SetConnectionString(lookups::LookupConnectionString(path));
  try {
    ADOConnection1->SetConnected(true);
  } catch (const std::exception&) {
    // Deliberately silent: the first lookup opens the connection again and
    // reports what goes wrong then.
  }
}

void TFrmMain::FormCanResize(TObject*, int&, int&, bool& resize) { resize = false; }

void TFrmMain::Refuse(const std::string& message, TWinControl& input) {
  ShowMessageBox(message, Application().Title(), MB_ICONINFORMATION | MB_OK);
  input.SetFocus();
}

void TFrmMain::BitBtn1Click(TObject*) {
  const lookups::TAreaSearch search =
      lookups::CheckAreaSearch(DBEditEh2->GetText(), DBComboBoxEh1->GetText(), DBComboBoxEh1->ItemIndex());
  if (search.Refused()) return Refuse(search.refusal, *DBEditEh2);
  lookups::OpenAreaSearch(*ADOQuery1, search);
  DataSource1->SetDataSet(ADOQuery1);
}

void TFrmMain::BitBtn2Click(TObject*) {
  // A prefix that is no integer raises here, before anything has changed.
  const lookups::TPrefixLookup lookup = lookups::CheckMobileLookup(DBEditEh1->GetText());
  if (lookup.Refused()) return Refuse(lookup.refusal, *DBEditEh1);
  DataSource1->SetDataSet(nullptr);
  lookups::RunMobileLookup(*ADOQuery1, lookup, Memo1->Lines());
}

void TFrmMain::BitBtn3Click(TObject*) {
  const lookups::TPrefixLookup lookup = lookups::CheckIdLookup(DBEditEh3->GetText());
  if (lookup.Refused()) return Refuse(lookup.refusal, *DBEditEh3);
  DataSource1->SetDataSet(nullptr);
  lookups::RunIdLookup(*ADOQuery1, lookup, Memo2->Lines());
}

}  // namespace hm
