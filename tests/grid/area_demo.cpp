// The grid of the main window's first page showing the area search for
// "0755" from the real Code.BM, focused, for a few seconds: for looking at
// (screenshots), not a test. Arguments: milliseconds until it ends, the
// search text, how many Page Downs to press, the grid column whose title
// button to hold down (the last three optional).
#include <cstdlib>

#include "framework/ui/forms/application.h"
#include "framework/ui/forms/timer.h"
#include "tests/grid/area_search.h"
#include "tests/grid/grid_test_form.h"

using namespace hm;

int main(int argc, char** argv) {
  Application().Initialize();
  Application().SetTitle("工具箱");
  auto form = MakeForm<test::TGridTestForm>();
  form->SetCaption("Haomiso");
  // As at start-up: the window takes the icon-title font, the grid follows.
  LOGFONTW icon_title{};
  if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof icon_title, &icon_title, 0))
    form->Font()->AssignLogFont(icon_title);
  test::AreaSearch search(*form);
  search.ByAreaCode(argc > 2 ? argv[2] : "0755");
  form->DataSource1->SetDataSet(search.query);
  search.query->MoveBy(2);

  auto* timer = MakeOwned<TTimer>(*form);
  timer->SetInterval(argc > 1 ? std::atoi(argv[1]) : 8000);
  timer->OnTimer = [](TObject*) { Application().Terminate(); };
  const int pages = argc > 3 ? std::atoi(argv[3]) : 0;
  const int held_title = argc > 4 ? std::atoi(argv[4]) : -1;
  auto* act = MakeOwned<TTimer>(*form);
  act->SetInterval(500);
  act->OnTimer = [&, act](TObject*) {
    act->SetEnabled(false);
    HWND grid = form->DBGridEh1->Handle();
    for (int i = 0; i < pages; ++i) SendMessageW(grid, WM_KEYDOWN, VK_NEXT, 1);
    if (held_title >= 0) {
      const RECT r = form->DBGridEh1->CellRect(held_title, 0);
      SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }
  };
  form->Show();
  form->DBGridEh1->SetFocus();
  Application().Run();
  return 0;
}
