// Shows the main window, skinned as the program shows it, after a real
// lookup on one page, for screenshots:
//   main_window_demo.exe PAGE SECONDS   (PAGE 0 area search, 1 mobile, 2 ID,
//                                        3 the area search with the grid's
//                                        find dialog open over it, 4 an area
//                                        search of 3,000 rows half way down;
//                                        the page chosen by a click on its tab)
#include "framework/ui/platform/win32.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "app/Main.h"
#include "app/program.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/timer.h"
#include "grid/find_dialog.h"
#include "skin/frame/skin_engine.h"

namespace {

// The page chosen as the user does it: a click on its tab.
void ClickTab(hm::TPageControl& pages, int index) {
  RECT r{};
  if (!SendMessageW(pages.Handle(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) return;
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(pages.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(pages.Handle(), WM_LBUTTONUP, 0, at);
}

}  // namespace

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
  for (int i = 0; i < 20; ++i) {
    application.ProcessMessages();
    Sleep(10);
  }
  switch (page) {
    case 1:
      ClickTab(*form->PageControl1, 1);
      form->DBEditEh1->SetText("13800138000");
      form->BitBtn2->Click();
      break;
    case 2:
      ClickTab(*form->PageControl1, 2);
      form->DBEditEh3->SetText("11010319800101123X");
      form->BitBtn3->Click();
      break;
    case 4:
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
  if (page == 3) {
    // As Ctrl+F opens it, once the main window is up and skinned.
    auto* find = MakeOwned<TTimer>(*form);
    find->SetInterval(1500);
    find->OnTimer = [form, find](TObject*) {
      find->SetEnabled(false);
      DBGridEhFindDlg().Execute(*form->DBGridEh1, "");
    };
  }
  auto* timer = MakeOwned<TTimer>(*form);
  timer->SetInterval(seconds * 1000);
  timer->OnTimer = [&application](TObject*) { application.Terminate(); };
  application.Run();
  // As the program does: the forms go while everything they use still lives.
  application.DestroyComponents();
  return 0;
}
