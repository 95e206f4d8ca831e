// TSkinScControl: a stand-alone scroll bar control drawn as one skinned
// bar, measured from its own Min, Max, PageSize and Position. The control
// drags by itself; its notifications repaint the skin.
#pragma once

#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/skin_scroll_drawing.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TSkinScControl : public TSkinControl {
  HM_CLASS(TSkinScControl, TSkinControl)

 public:
  explicit TSkinScControl(TComponent* owner);

  int PressedPart() const { return pressed_part_; }
  const TBarGeometry& Geometry() const { return geometry_; }

  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

 private:
  int pressed_part_ = kPartNone;
  TBarGeometry geometry_;
  TSkinBarPainter painter_;
};

}  // namespace hm
