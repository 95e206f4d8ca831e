// TSkinCheckBox and the shared painting of check and radio boxes: the
// control paints itself (caption and all), then the skin paints its box
// over the control's own from the [Buttons] CheckButton image.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TBitmap;

// A check or radio box: redrawn on every change of its check state or
// press, painted over after the control's own paint.
class TSkinBoxButton : public TSkinControl {
  HM_CLASS(TSkinBoxButton, TSkinControl)

 public:
  explicit TSkinBoxButton(TComponent* owner);

  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The frame drawn last (0 before the first paint or without an image).
  int LastFrame() const { return last_frame_; }

 protected:
  virtual bool Radio() const = 0;
  // Whether the control shows checked: its Checked property when it has
  // one, else the window's state.
  bool IsChecked(LRESULT state) const;

  int last_frame_ = 0;
};

class TSkinCheckBox : public TSkinBoxButton {
  HM_CLASS(TSkinCheckBox, TSkinBoxButton)

 public:
  explicit TSkinCheckBox(TComponent* owner);

 protected:
  bool Radio() const override { return false; }
};

}  // namespace hm
