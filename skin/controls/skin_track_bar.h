// TSkinTrackBar: track bars keep their own channel and tics; the skin
// draws only the thumb, through the bar's custom-draw notifications
// (which the parent hands back to the control).
#pragma once

#include "skin/controls/skin_control.h"

namespace hm {

class TSkinTrackBar : public TSkinControl {
  HM_CLASS(TSkinTrackBar, TSkinControl)

 public:
  explicit TSkinTrackBar(TComponent* owner);

  bool BeforeMessage(TMessage& message) override;

  int ThumbsDrawn() const { return thumbs_drawn_; }

 private:
  void DrawThumb(HDC dc);

  int thumbs_drawn_ = 0;
};

}  // namespace hm
