// TSkinData (unit WinSkinData): the component a form carries to be skinned.
// It keeps the skin archive exactly as stored (in the form's SkinStream or
// read from SkinFile), turns it into definitions, colours and the colour
// table when it loads, and publishes the options that decide what gets
// skinned. Frame, menu and control skins read everything from here.
//
// The skin manager's side (registering at Loaded, Active switching the
// skinning on and off, ApplySkin refreshing the skinned forms) is not here
// yet: Loaded and Active only record state.
#pragma once

#include "framework/ui/platform/win32.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/core/stream.h"
#include "framework/core/string_list.h"
#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/platform/handles.h"
#include "skin/core/skin_definitions.h"
#include "skin/core/skin_options.h"

namespace hm {

class TControl;
class TSkinData;

// Asked with a window's class name before it gets a frame skin.
using TOnFormSkin = TEvent<TObject* /*Sender*/, const std::string& /*aName*/, bool& /*DoSkin*/>;
// Asked before the built-in rules choose a control skin; a skin put into
// SkinnedControl is taken.
using TOnSkinControl = TEvent<TComponent* /*Sender*/, TSkinData* /*SkinData*/, TControl* /*Form*/,
                              TControl* /*Control*/, const std::string& /*ControlClass*/,
                              TComponent*& /*SkinnedControl*/>;

class TSkinData : public TComponent {
  HM_CLASS(TSkinData, TComponent)

 public:
  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // ---- Published options.
  bool Active() const { return active_; }
  void SetActive(bool active);
  std::int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(std::int32_t tag) { disableTag_ = tag; }
  TSkinControlTypes SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlTypes types) { skinControls_ = types; }
  TStrings* Skin3rd() const { return skin3rd_.get(); }
  const std::string& SkinFile() const { return skinFile_; }
  // At run time an existing file replaces the stored archive and is loaded
  // at once; a missing one changes nothing but SkinNotLoaded.
  void SetSkinFile(const std::string& path);
  // "(Good)" in a form designer while an archive is stored, else "(none)".
  std::string SkinStore() const;
  TSkinFormType SkinFormtype() const { return formType_; }
  void SetSkinFormtype(TSkinFormType type) { formType_ = type; }
  std::string Version() const { return kSkinDataVersion; }
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool update) { menuUpdate_ = update; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;

  // ---- The stored archive (property SkinStream: its length as 32 bits,
  // then the bytes).
  void ReadSkinStream(TStream& stream);
  void WriteSkinStream(TStream& stream) const;
  bool HasSkinStream() const { return true; }  // always stored, even empty
  std::string_view StoredArchive() const { return store_.Bytes(); }

  // Loads the stored archive into the definitions; false (and nothing
  // changed) in a form designer, or when the archive is refused. A wrong
  // version is shown to the user in the application's message box.
  bool LoadSkin();
  bool SkinNotLoaded() const { return skinNotLoaded_; }
  // Applies a newly loaded skin to the forms skinned with this component;
  // nothing while the form is read or in a designer. Its manager part comes
  // with the skin manager.
  void ApplySkin();
  // Raises OnSkinChanged; the manager calls it after each command.
  void DoSkinChanged();

  void Loaded() override;

  // ---- For the manager and the painters.
  const TSkinDefinitions& Definitions() const { return skin_; }
  const std::string& SkinName() const { return skin_.SkinName; }
  const TSkinColours& Colours() const { return skin_.Colours; }
  const std::vector<TColor>& ColourTable() const { return skin_.ColourTable; }
  const TDataSkinBorder& Border(TSkinBorderSide side) const { return skin_.Borders[side]; }
  const TDataSkinTitle& Title() const { return skin_.Title; }
  const TDataSkinButton& Buttons() const { return skin_.Buttons; }
  const std::vector<std::unique_ptr<TDataSkinSysButton>>& CaptionButtons() const { return skin_.CaptionButtons; }
  // Null while the skin has no menu-bar image key, or lacks the section.
  const TDataSkinObject* MenuBar() const { return skin_.MenuBar.get(); }
  const TDataSkinObject* Section(TSkinSection section) const { return skin_.Sections[section].get(); }
  // Sections of the kinds with a second image (Progress, Tabs, ComboButton,
  // UpDown.Horz, UpDown.Vert) and the group box; null for other sections.
  const TDataSkinBorder* BorderSection(TSkinSection section) const;
  const TDataSkinBoxLabel* GroupBox() const;

  // A solid brush of ButtonFaceColor, made anew by each load (null before
  // the first).
  HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_.get(); }
  // Restore, maximize, minimize and close, 16 x 16, from the program's
  // bitmap resource SYSMENUGLYPHS (empty when the program has none).
  TImageList& SystemMenuGlyphs() const { return *glyphs_; }
  // A bitmap the frame skins share and reuse.
  TBitmap& CacheBitmap() const { return *cache_; }
  // While off, frame skins paint no frame.
  bool FramePainting() const { return framePainting_; }
  void SetFramePainting(bool on) { framePainting_ = on; }

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Reading() const { return ComponentState().Contains(csLoading); }
  void LoadSystemMenuGlyphs();

  bool active_ = false;
  std::int32_t disableTag_ = 99;
  TSkinControlTypes skinControls_ = kDefaultSkinControls;
  std::unique_ptr<TStringList> skin3rd_;
  std::string skinFile_;
  TSkinFormType formType_ = sfMainform;
  bool menuUpdate_ = true;

  TMemoryStream store_;  // the archive as stored
  bool skinNotLoaded_ = true;
  TSkinDefinitions skin_;
  UniqueGdi<HBRUSH> buttonFaceBrush_;
  Owned<TImageList> glyphs_;
  std::unique_ptr<TBitmap> cache_;
  bool framePainting_ = true;
};

}  // namespace hm
