// Shows the demo form with both panels until it is closed, or for the
// number of milliseconds given as the first argument.
#include <cstdlib>

#include "framework/ui/forms/application.h"
#include "framework/ui/forms/timer.h"
#include "tests/framework/ui/forms/demo_form.h"

int main(int argc, char** argv) {
  using namespace hm;
  Application().Initialize();
  Application().SetTitle("Demo");
  auto* form = Application().CreateForm<test::TDemoForm>();
  form->Panel2->Show();
  TTimer* timer = nullptr;
  if (argc > 1) {
    timer = MakeOwned<TTimer>(*form);
    timer->SetInterval(std::atoi(argv[1]));
    timer->OnTimer = [](TObject*) { Application().Terminate(); };
  }
  Application().Run();
  return 0;
}
