// What a control skin knows of the frame skin that made it. The frame skin
// (skin/frame) implements it; control skins never name the frame's class.
#pragma once

namespace hm {

class TCanvas;
class TSkinControl;

class IControlSkinHost {
 public:
  // The work canvas lent to the control skins: they attach a device context
  // to it for one paint and never own it.
  virtual TCanvas& ControlCanvas() = 0;
  // The push-button skin under the mouse, or null; set and cleared by the
  // button skins.
  virtual TSkinControl* HotNativeButton() const = 0;
  virtual void SetHotNativeButton(TSkinControl* button) = 0;
  // The host's list of its control skins: listing twice keeps one entry;
  // unlisting also forgets the skin as the hot button.
  virtual void ListControlSkin(TSkinControl& skin) = 0;
  virtual void UnlistControlSkin(TSkinControl& skin) = 0;

 protected:
  ~IControlSkinHost() = default;
};

}  // namespace hm
