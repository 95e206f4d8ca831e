// TSkinSizer: the native scroll bar windows of dialogs (size grips and
// bars) become a ButtonFace box framed in ButtonShadow.
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TSkinSizer : public TSkinControl {
  HM_CLASS(TSkinSizer, TSkinControl)

 public:
  explicit TSkinSizer(TComponent* owner);

  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};

}  // namespace hm
