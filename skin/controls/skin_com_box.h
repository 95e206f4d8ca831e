// TSkinComBox: drop-down combo boxes get the skin's sunken border and its
// drop button ([ComboButton], at the left and mirrored for a left-scroll-
// bar box), or, when [ComboButton] asks for the simple style, a flat frame
// with the button stretched in.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TDataSkinObject;

class TSkinComBox : public TSkinControl {
  HM_CLASS(TSkinComBox, TSkinControl)

 public:
  explicit TSkinComBox(TComponent* owner);

  // The styles at the last paint.
  DWORD Style() const { return style_; }
  DWORD ExStyle() const { return ex_style_; }
  // The frame of the button strip drawn at the last paint (of the mirrored
  // strip for a left button), 0 before the first.
  int LastButtonFrame() const { return last_button_frame_; }

  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void DrawSimple(HDC dc, const RECT& rect, const TDataSkinObject& button);
  void SetHot(bool hot);

  DWORD style_ = 0;
  DWORD ex_style_ = 0;
  int last_button_frame_ = 0;
  bool tracking_leave_ = false;
};

}  // namespace hm
