// The frame's mouse-sensitive objects: caption buttons (and, with the menu
// bar, its items). Each knows its place in window coordinates and its
// state; the frame skin finds the one under the mouse and tells it.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/core/object.h"

namespace hm {

class TDataSkinSysButton;
class TWinSkinForm;

// State values.
constexpr int kNCResting = 1;
constexpr int kNCPressed = 2;
constexpr int kNCHot = 3;

class TNCObject : public TObject {
  HM_CLASS(TNCObject, TObject)

 public:
  explicit TNCObject(TWinSkinForm& form) : form_(form) {}
  ~TNCObject() override = default;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm& Form() const { return form_; }
  RECT Rect{};
  bool Visible = false;
  int State = kNCResting;

 private:
  TWinSkinForm& form_;
};

class TWinSysButton : public TNCObject {
  HM_CLASS(TWinSysButton, TNCObject)

 public:
  TWinSysButton(TWinSkinForm& form, TDataSkinSysButton& definition) : TNCObject(form), definition_(definition) {}

  // State changes between full paints: straight into the window.
  void Paint() override;
  TDataSkinSysButton& Definition() const { return definition_; }

 private:
  TDataSkinSysButton& definition_;  // the skin's, shared
};

}  // namespace hm
