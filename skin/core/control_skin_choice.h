// Which control skin a control of a skinned form gets, and how it is
// attached. The frame skin asks for every component its form owns (and for
// the child windows of bare dialogs) and makes what the answer names; the
// answer is a plain value so the rules can be checked on their own.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>
#include <vector>

namespace hm {

class TComponent;
class TSkinData;

enum class TSkinAttach {
  InitSkin,           // hooks the framework control's window-procedure slot
  InitSkinHandle,     // subclasses the control's window natively
  InitScrollbarSkin,  // the slot hook plus the scroll-bar set-up
  AttachGraphic,      // hooks a graphic (windowless) control's slot
};

struct TControlSkinChoice {
  // The control-skin class to make ("TSkinTab"); empty: none for the
  // control itself (its owned components may still be walked).
  std::string skin_class;
  TSkinAttach attach = TSkinAttach::InitSkin;
  bool recolor = false;            // the control's colour becomes ButtonFace while skinned
  bool handle_nc_buttons = false;  // scroll-bar skins: the arrows are drawn in the frame
  bool skin_owned_components = false;  // panels, group boxes, child forms
  // Radio and check groups: the skin each child control gets first.
  std::string child_skin_class;
  // A skin OnSkinControl handed over: initialise it as it is.
  TComponent* from_handler = nullptr;
  // Published Boolean properties set to True before the skin is made.
  std::vector<std::string> set_true;
  bool grid_fixed_color = false;  // the grid's FixedColor becomes ButtonFace
  int step = 0;                   // the rule that decided
};

// A control skin the frame skin already holds: bound to a framework
// component, or only to a window handle (component null).
struct TExistingControlSkin {
  const TComponent* component = nullptr;
  HWND handle = nullptr;
};

struct TControlSkinContext {
  const TSkinData& data;
  TComponent* frame_skin = nullptr;  // Sender of OnSkinControl
  TComponent* container = nullptr;   // the form (or panel) being walked
  std::string form_name;             // the frame skin's form's component name
  std::vector<TExistingControlSkin> existing;
};

// The choice for one component. Makes the component's window when it has
// none yet (the skins need it); a window that cannot be made means no skin.
TControlSkinChoice ChooseControlSkin(TComponent& component, const TControlSkinContext& context);

// Applies what the choice asks of the control before its skin is made
// (properties set by name; a control without them is left alone).
void PrepareControlForSkin(TComponent& component, const TControlSkinChoice& choice, const TSkinData& data);

// The kind Skin3rd names for a class ("panel"), lower-cased, or empty.
std::string Skin3rdKind(const TSkinData& data, const std::string& class_name);

// The choice for a child window of a bare window (a system dialog), by its
// class and style; always attached by InitSkinHandle. For "comboboxex32"
// `attach_window` is its first child window.
struct TNativeSkinChoice {
  std::string skin_class;
  HWND attach_window = nullptr;
};
TNativeSkinChoice ChooseNativeChildSkin(HWND window);

}  // namespace hm
