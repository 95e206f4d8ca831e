// TSkinEdit: edits get a two-ring border (ButtonShadow outside, white
// inside) over their own frame; an edit without a border gets none. A spin
// button found inside the edit gets its own skin (UpDown). Always attached
// by subclassing the window, framework edits too.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  HM_CLASS(TSkinEdit, TSkinControl)

 public:
  explicit TSkinEdit(TComponent* owner);
  ~TSkinEdit() override;

  // The skin of the spin button inside the edit; null until one is found.
  TSkinUpDown* UpDown() const { return up_down_; }

  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void FindUpDown();
  void DrawPrintBorder(HDC dc);

  TSkinUpDown* up_down_ = nullptr;  // owned by our owner
};

}  // namespace hm
