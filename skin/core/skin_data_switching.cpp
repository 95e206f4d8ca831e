// What a skin component asks of the skin manager: registering when its form
// was read, switching skinning on and off, and applying a new skin.
#include "framework/ui/forms/form.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"

namespace hm {

TSkinData::~TSkinData() {
  if (TSkinManage* manager = ExistingSkinManager()) manager->UnregisterSkinData(*this);
}

void TSkinData::SetActive(bool active) {
  // While read and in a designer the value is only kept.
  if (Reading() || Designing() || active == active_) {
    active_ = active;
    return;
  }
  active_ = active;
  if (formType_ == sfDialog) return;
  TSkinManage& manager = SkinManager();
  if (formType_ == sfOnlyThisForm) manager.SetCurrentSkinData(this);
  if (active && skinNotLoaded_) return;  // stays on, with nothing to show
  manager.SetCurrentSkinData(this);
  manager.PostSkinCommand(active ? TSkinCommand::Activate : TSkinCommand::Deactivate);
}

void TSkinData::ApplySkin() {
  if (Reading() || Designing()) return;
  if (!ExistingSkinManager()) Loaded();
  TSkinManage& manager = SkinManager();
  manager.SetCurrentSkinData(this);
  manager.ReleaseAllCaptionButtons();
  manager.PostSkinCommand(TSkinCommand::Refresh);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  TSkinManage& manager = SkinManager();
  manager.RegisterSkinData(*this);
  if (formType_ != sfMainform) {
    manager.SetEnabled(true);
    manager.RaiseActivationCount();
    auto* control = dynamic_cast<TControl*>(Owner());
    if (TCustomForm* form = control ? control->AsForm() : nullptr) {
      try {
        manager.SkinForm(form->Handle());
      } catch (...) {
        // A form whose window cannot be made now is skinned when it shows.
      }
    }
    return;
  }
  manager.InstallHook();
  if (!active_) return;
  // A skin that did not load leaves the windows unskinned.
  if (skinNotLoaded_) {
    active_ = false;
    return;
  }
  manager.PostSkinCommand(TSkinCommand::Activate);
}

}  // namespace hm
