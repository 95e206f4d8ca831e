#include "app/Main.h"

#include "framework/ui/platform/win32.h"

#include "app/database_path.h"
#include "framework/core/typinfo.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/message_box.h"

namespace hm {

HM_PUBLISH(TFrmMain) {
  p.Method("FormCreate", &TFrmMain::FormCreate);
  p.Method("FormCanResize", &TFrmMain::FormCanResize);
  p.Field("DataSource1", &TFrmMain::DataSource1);
  p.Field("ADOConnection1", &TFrmMain::ADOConnection1);
  p.Field("ADOQuery1", &TFrmMain::ADOQuery1);
}

TFrmMain::TFrmMain(TComponent* owner) : TForm(owner) {}

std::string LookupConnectionString(const std::string& password, const std::string& path) {
  return "driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=" + password + ";dbq=" + path +
         ";Persist Security Info=False";
}

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
  ADOConnection1->SetConnectionString(LookupConnectionString(kDatabasePassword, path));
  try {
    ADOConnection1->SetConnected(true);
  } catch (const std::exception&) {
    // Deliberately silent: the first lookup opens the connection again and
    // reports what goes wrong then.
  }
}

void TFrmMain::FormCanResize(TObject*, int&, int&, bool& resize) { resize = false; }

}  // namespace hm
