#include "app/program.h"

#include "app/Main.h"
#include "framework/ui/forms/application.h"
#include "skin/frame/skin_engine.h"

namespace hm {

int RunProgram() {
  TApplication& application = Application();
  application.Initialize();
  application.SetTitle(kApplicationTitle);
  InstallSkinEngine();
  application.CreateForm<TFrmMain>();
  application.Run();
  return 0;
}

}  // namespace hm
