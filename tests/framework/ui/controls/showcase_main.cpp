// Shows the form with every control class; closes after the number of
// seconds given as the first argument (default: when the user closes it);
// a second argument picks the page shown.
#include "framework/ui/platform/win32.h"

#include <cstdlib>

#include "framework/ui/forms/application.h"
#include "framework/ui/controls/page_control.h"
#include "showcase_form.h"

void CALLBACK EndShowcase(HWND, UINT, UINT_PTR, DWORD) { hm::Application().Terminate(); }

int main(int argc, char** argv) {
  using namespace hm;
  test::RegisterControlClasses();
  Application().Initialize();
  Application().SetTitle("Controls");
  auto* form = Application().CreateForm<test::TControlsShowcase>();
  if (argc > 2) {
    if (auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1")))
      pages->SetActivePageIndex(std::atoi(argv[2]));
  }
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndShowcase);
  Application().Run();
  return 0;
}
