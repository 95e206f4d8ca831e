// TSkinButton: push buttons drawn from the skin's five-frame [Buttons]
// strip with the caption centred on it. The skin keeps the button going
// down to itself (the control never sees the press), tracks hover and
// press, and clicks the control on release. TSkinBitButton and
// TSkinSpeedButton build on it.
#pragma once

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/button_face_layout.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TDataSkinButton;

class TSkinButton : public TSkinControl {
  HM_CLASS(TSkinButton, TSkinControl)

 public:
  explicit TSkinButton(TComponent* owner);
  ~TSkinButton() override;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The face frame drawn last (0 before the first paint or without a skin).
  int LastFace() const { return last_face_; }

 protected:
  // The [Buttons] definition when it has a face strip, else null.
  const TDataSkinButton* FaceDefinition() const;
  int FaceFrameCount() const;
  // The mouse is over us: hot, the previous hot button told it was left.
  void MouseMoved();
  // The mouse went: hot and pressed cleared.
  void MouseLeft();
  virtual void RepaintFace() { Redraw(); }
  // The click: BN_CLICKED to the parent, sent for framework controls
  // (which get it back as their click), posted for bare windows.
  void ClickControl();
  // Fresh state for drawing: focus, enabling, caption.
  void ReadWindowState();
  void CopyFace(HDC dc, const RECT& rect);

  TBitmap face_bitmap_;
  int last_face_ = 0;

 private:
  void TrackLeave();
  void ReleaseMouse();

  bool tracking_leave_ = false;  // a WM_MOUSELEAVE is asked for
  bool captured_ = false;        // we hold the mouse since the press
};

// Text colour of a face: the skin's colour for normal, hot and pressed
// when it gave one, else `otherwise`.
TColor FaceTextColour(const TDataSkinButton& definition, int face, TColor otherwise);

}  // namespace hm
