// Skin definitions: what one INI section (or key prefix) of a skin says,
// with its images decoded, so painters never go back to the archive. The
// skin component owns them; each owns its bitmaps.
//
// The fields are filled by the loader and read by the painters; their
// meaning (frame order, what Style or Action selects) is the painters'.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/color.h"
#include "framework/core/object.h"
#include "framework/ui/graphics/bitmap.h"

namespace hm {

class TDataSkinObject : public TObject {
  HM_CLASS(TDataSkinObject, TObject)

 public:
  TDataSkinObject() = default;
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}

  // Fixed parts of the image in nine-part cutting.
  std::int32_t LeftWidth = 0;
  std::int32_t TopHeight = 0;
  std::int32_t RightWidth = 0;
  std::int32_t BottomHeight = 0;
  TBitmap Bitmap;  // empty when the skin has none
  std::int32_t Trans = 0;  // 0: opaque
  std::int32_t Tile = 0;   // how the middle parts are filled
  std::string Name;        // the section (or key prefix) it came from
  std::int32_t FrameCount = 0;  // state frames of equal width side by side
  std::int32_t Style = 0;
  // Indexes into the skin's colour table; -1 = none.
  std::int32_t NormalColour = -1;
  std::int32_t MouseOverColour = -1;
  std::int32_t PressedColour = -1;
  // Colours given directly.
  TColor NormalColour2 = clBlack;
  TColor MouseOverColour2 = clBlack;
  TColor PressedColour2 = clBlack;

  // Back to the state of a new definition of this name; bitmaps emptied.
  void Reset();
};

class TDataSkinBorder : public TDataSkinObject {
  HM_CLASS(TDataSkinBorder, TDataSkinObject)

 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap SecondBitmap;

  void Reset();
};

class TDataSkinButton : public TDataSkinObject {
  HM_CLASS(TDataSkinButton, TDataSkinObject)

 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckBitmap;
  TBitmap RadioBitmap;
  std::int32_t RadioFrameCount = 0;
  std::int32_t CheckFrameCount = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;

  void Reset();
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
  HM_CLASS(TDataSkinSysButton, TDataSkinObject)

 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

// The caption text and the image behind it.
class TDataSkinTitle : public TDataSkinObject {
  HM_CLASS(TDataSkinTitle, TDataSkinObject)

 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TxtBackLeft = 0;
  std::int32_t TxtBackRight = 0;
  TColor ActiveTextColor = clNone;
  TColor InactiveTextColor = clNone;

  void Reset();
};

// A group box: its caption plate and where the plate sits.
class TDataSkinBoxLabel : public TDataSkinObject {
  HM_CLASS(TDataSkinBoxLabel, TDataSkinObject)

 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

}  // namespace hm
