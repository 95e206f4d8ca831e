// The grid of the main window's first page showing the area search for
// "0755" from the real Code.BM, focused, for a few seconds: for looking at
// (screenshots), not a test. Argument: milliseconds until it ends.
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
  form->Show();
  form->DBGridEh1->SetFocus();
  Application().Run();
  return 0;
}
