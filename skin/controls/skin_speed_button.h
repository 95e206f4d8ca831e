// TSkinSpeedButton: speed buttons (controls without a window) drawn like
// bit buttons into the shared work bitmap. It hooks the speed button's
// window-procedure slot (AttachGraphic) and, because the parent paints its
// graphic children itself, also its parent's slot: after the parent has
// painted, the skinned face goes over the control's own.
#pragma once

#include "skin/controls/skin_bit_button.h"

namespace hm {

class TSkinSpeedButton : public TSkinBitButton {
  HM_CLASS(TSkinSpeedButton, TSkinBitButton)

 public:
  explicit TSkinSpeedButton(TComponent* owner);
  ~TSkinSpeedButton() override;

  // Attaches to the graphic control that owns this object.
  void AttachGraphic(IControlSkinHost* form_skin, TSkinData& data, TCanvas* canvas);

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  // dc 0: straight onto the parent's window at the control's place.
  void PaintSkin(HDC dc) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 protected:
  void RepaintFace() override { PaintSkin(nullptr); }
  bool DeferFree() override;
  void Destroying() override;

 private:
  void Route(TMessage& message, const TCallNext& next);
  void PassDown(TMessage& message);
  void Unhook();
  void ParentLayer(TMessage& message, const TCallNext& next);
  void WatchLeave(bool on);
  bool CursorOver() const;

  TLayerToken parent_layer_;
  HWND parent_window_ = nullptr;
  bool watching_ = false;
  const TCallNext* next_down_ = nullptr;  // while a message of ours passes
  int depth_ = 0;
  bool free_pending_ = false;  // freed inside one of our messages
};

}  // namespace hm
