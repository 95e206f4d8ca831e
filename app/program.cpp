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
  // The forms go now, while the skin manager and the framework's window,
  // timer and menu registries still live. Left to the application's own
  // end they would be freed after those (function statics made after the
  // application), and the find dialog, which outlives the main form,
  // crashed or hung the exit.
  application.DestroyComponents();
  return 0;
}

}  // namespace hm
