// TSkinUpDown: spin buttons, alone or inside edits and tab controls. Both
// halves are drawn from [UpDown.Vert] or [UpDown.Horz] (eight frames: four
// states of each button), or as plain raised boxes with arrows when the
// skin has no such image. Attached to the window with InitSkinHandle.
#pragma once

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/button_face_layout.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TSkinUpDown : public TSkinControl {
  HM_CLASS(TSkinUpDown, TSkinControl)

 public:
  explicit TSkinUpDown(TComponent* owner);

  // Draw one pixel inside the client area (a spin button of an edit).
  bool Inset() const { return inset_; }
  void SetInset(bool inset) { inset_ = inset; }
  // Horizontal whatever the style says (the scroller of a tab set).
  bool Horizontal() const { return horizontal_; }
  void SetHorizontal(bool horizontal) { horizontal_ = horizontal; }

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The frames of the two halves at the last paint.
  const TUpDownPlace& LastPlace() const { return last_place_; }

 private:
  void DrawPlainHalf(HDC dc, const TPieceRect& half, int state, bool horizontal, bool first);

  bool inset_ = false;
  bool horizontal_ = false;
  bool tracking_leave_ = false;
  TBitmap face_bitmap_;
  TUpDownPlace last_place_;
};

}  // namespace hm
