// Shows the main window after a real lookup on one page, for screenshots:
//   main_window_demo.exe PAGE SECONDS   (PAGE 0 area search, 1 mobile, 2 ID,
//   3 an area search of 3,000 rows half way down)
// Skinned as the program is.
#include <cstdlib>
#include <string>

#include "app/Main.h"
#include "app/program.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/timer.h"
#include "skin/frame/skin_engine.h"

int wmain(int argc, wchar_t** argv) {
  using namespace hm;
  const int page = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
  const int seconds = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 5;
  TApplication& application = Application();
  application.Initialize();
  application.SetTitle(kApplicationTitle);
  InstallSkinEngine();
  TFrmMain* form = application.CreateForm<TFrmMain>();
  form->Show();
  application.ProcessMessages();
  switch (page) {
    case 1:
      form->PageControl1->SetActivePage(form->TabSheet2);
      form->DBEditEh1->SetText("13800138000");
      form->BitBtn2->Click();
      break;
    case 2:
      form->PageControl1->SetActivePage(form->TabSheet3);
      form->DBEditEh3->SetText("11010319800101123X");
      form->BitBtn3->Click();
      break;
    case 3:
      form->DBEditEh2->SetText("0");
      form->BitBtn1->Click();
      form->DBGridEh1->SetFocus();
      form->ADOQuery1->SetRecNo(form->ADOQuery1->RecordCount() / 2);
      break;
    default:
      form->DBEditEh2->SetText("0755");
      form->BitBtn1->Click();
      form->DBGridEh1->SetFocus();
      break;
  }
  auto* timer = MakeOwned<TTimer>(*form);
  timer->SetInterval(seconds * 1000);
  timer->OnTimer = [&application](TObject*) { application.Terminate(); };
  application.Run();
  return 0;
}
