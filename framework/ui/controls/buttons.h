// Buttons with a glyph: the windowed bitmap button (a push button the
// framework draws itself) and the speed button (a graphic control that can
// stay down, alone or as one of a group).
#pragma once

#include <memory>

#include "framework/ui/controls/button_face.h"
#include "framework/ui/controls/std_controls.h"

namespace hm {

// A kind other than bkCustom gives the button the usual caption, modal
// result and Default/Cancel role of that kind.
HM_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

class TBitBtn : public TButton {
  HM_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TButtonFace& Face() { return face_; }
  TGlyph* Glyph() const { return face_.Glyph(); }
  int NumGlyphs() const { return face_.NumGlyphs(); }
  TButtonLayout Layout() const { return face_.Layout(); }
  int Margin() const { return face_.Margin(); }
  int Spacing() const { return face_.Spacing(); }
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CNDrawItem(TMessage& message);

 private:
  void DrawFace(const DRAWITEMSTRUCT& item);

  TButtonFace face_{[this] { Invalidate(); }};
  TBitBtnKind kind_ = bkCustom;
  bool show_default_ = false;  // drawn with the default frame (focused or Default)
};

class TSpeedButton : public TGraphicControl {
  HM_CLASS(TSpeedButton, TGraphicControl)

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  // With a GroupIndex the button stays down when clicked and the others of
  // its group (same parent, same index) come up.
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int value);
  // A down button of a group may be clicked up again.
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool value);
  // Flat buttons show no face unless down or pressed.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TButtonFace& Face() { return face_; }
  TGlyph* Glyph() const { return face_.Glyph(); }
  int NumGlyphs() const { return face_.NumGlyphs(); }
  TButtonLayout Layout() const { return face_.Layout(); }
  int Margin() const { return face_.Margin(); }
  int Spacing() const { return face_.Spacing(); }

  // Pressed by the mouse right now (not the same as Down).
  bool Pressed() const { return pressed_; }
  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;

 private:
  void MouseDown(POINT p);
  void MouseMove(POINT p);
  void MouseUp(POINT p);
  void UpdateExclusive();

  TButtonFace face_{[this] { Invalidate(); }};
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool flat_ = false;
  bool pressed_ = false;   // the mouse went down on us and is over us
  bool tracking_ = false;  // the mouse went down on us and is still down
};

}  // namespace hm
