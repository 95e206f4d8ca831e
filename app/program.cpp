#include "app/program.h"

#include "app/Main.h"
#include "framework/ui/forms/application.h"

namespace hm {

int RunProgram() {
  TApplication& application = Application();
  application.Initialize();
  application.SetTitle(kApplicationTitle);
  application.CreateForm<TFrmMain>();
  application.Run();
  return 0;
}

}  // namespace hm
