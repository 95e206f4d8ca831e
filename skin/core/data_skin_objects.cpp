#include "skin/core/data_skin_objects.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TDataSkinObject) {}
HM_PUBLISH(TDataSkinBorder) {}
HM_PUBLISH(TDataSkinButton) {}
HM_PUBLISH(TDataSkinSysButton) {}
HM_PUBLISH(TDataSkinTitle) {}
HM_PUBLISH(TDataSkinBoxLabel) {}

void TDataSkinObject::Reset() {
  LeftWidth = TopHeight = RightWidth = BottomHeight = 0;
  Bitmap.SetSize(0, 0);
  Trans = Tile = FrameCount = Style = 0;
  NormalColour = MouseOverColour = PressedColour = -1;
  NormalColour2 = MouseOverColour2 = PressedColour2 = clBlack;
}

void TDataSkinBorder::Reset() {
  TDataSkinObject::Reset();
  SecondBitmap.SetSize(0, 0);
}

void TDataSkinButton::Reset() {
  TDataSkinObject::Reset();
  CheckBitmap.SetSize(0, 0);
  RadioBitmap.SetSize(0, 0);
  RadioFrameCount = CheckFrameCount = 0;
  HasNormalColour2 = HasMouseOverColour2 = HasPressedColour2 = false;
}

void TDataSkinTitle::Reset() {
  TDataSkinObject::Reset();
  TextAlignment = TextBackground = FontHeight = TxtBackLeft = TxtBackRight = 0;
  ActiveTextColor = InactiveTextColor = clNone;
}

}  // namespace hm
