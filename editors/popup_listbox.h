// The drop-down list of the combo box: a list box in a top-level window of
// its own that never takes the activation. It reports presses and releases;
// the combo decides what they mean.
#pragma once

#include <functional>

#include "framework/ui/controls/list_controls.h"

namespace hm {

class TPopupListboxEh : public TCustomListBox {
  HM_CLASS(TPopupListboxEh, TCustomListBox)

 public:
  explicit TPopupListboxEh(TComponent* owner);

  // The window the list stays above (the combo's form).
  void SetOwnerWindow(HWND owner) { owner_window_ = owner; }
  // A released mouse button: inside the list or not.
  std::function<void(bool inside)> OnMouseRelease;

  // The list can be resized by its free edges; the grip goes in the corner
  // away from the combo.
  bool Sizable() const { return sizable_; }
  void SetSizable(bool value);
  void SetGripAtTop(bool value) { grip_at_top_ = value; }
  bool GripAtTop() const { return grip_at_top_; }
  // The user changed the list's size since it was last placed.
  bool UserResized() const { return user_resized_; }
  void ClearUserResized() { user_resized_ = false; }

  // The item at a point of the screen, -1 outside the items.
  int ItemAtScreen(POINT screen);
  // Selects the item under a screen point, if any (hot tracking).
  void TrackAt(POINT screen);
  // Pixels the border takes, top and bottom together.
  int BorderHeight();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  HWND owner_window_ = nullptr;
  bool sizable_ = false;
  bool grip_at_top_ = false;
  bool user_resized_ = false;
  bool in_size_move_ = false;
};

}  // namespace hm
