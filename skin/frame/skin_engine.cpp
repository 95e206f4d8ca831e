#include "skin/frame/skin_engine.h"

#include "framework/ui/forms/form.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/skin_manage.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_pop_menu.h"

namespace hm {

namespace {

ISkinFrame* AttachFrame(TCustomForm* form, HWND window, TSkinData& data) {
  // A form's frame skin is the form's; a bare window's belongs to the manager.
  Owned<TWinSkinForm> made = MakeRoot<TWinSkinForm>();
  made->SetHandle(window);
  if (form) {
    made->AttachForm(data, *form);
    TWinSkinForm* skin = made.get();
    form->InsertComponent(Owned<TComponent>(made.release()));
    return skin;
  }
  made->Attach(data);
  return made.release();
}

std::unique_ptr<ISkinPopupMenu> AttachPopupMenu(HWND window, TSkinData& data) {
  auto made = std::make_unique<TWinSkinPopMenu>();
  made->Attach(window, data);
  return made;
}

}  // namespace

void RegisterFrameSkins(TSkinManage& manager) { manager.SetFactories(TSkinFactories{&AttachFrame, &AttachPopupMenu}); }

void InstallSkinEngine() {
  RegisterControlSkins();
  StartSkinDrawing();
  RegisterFrameSkins(SkinManager());
}

}  // namespace hm
