// TSkinGroupBox: group boxes, radio groups and check groups. After the
// control painted itself, its frame is covered in ButtonFace and a rounded
// frame in ButtonShadow is drawn instead, the caption opaque over it.
// Attached with the base InitSkin; the frame skin asks for recolouring.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TSkinGroupBox : public TSkinControl {
  HM_CLASS(TSkinGroupBox, TSkinControl)

 public:
  explicit TSkinGroupBox(TComponent* owner);

  void DrawSkin(HDC dc, const RECT& rect) override;

  // Where the last paint put the frame's top (half the height of "0" in
  // the caption's font, minus 1).
  int LastFrameTop() const { return last_frame_top_; }

 private:
  int last_frame_top_ = 0;
};

}  // namespace hm
