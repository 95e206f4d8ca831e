// Buttons with a glyph: the windowed bitmap button (a push button the
// framework draws itself) and the speed button (a graphic control that can
// stay down, alone or as one of a group).
#pragma once

#include <memory>

#include "framework/ui/button_layout.h"
#include "framework/ui/glyph.h"
#include "framework/ui/modal.h"
#include "framework/ui/std_controls.h"

namespace hm {

// A kind other than bkCustom gives the button the usual caption, modal
// result and Default/Cancel role of that kind.
HM_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

class TBitBtn : public TButton {
  HM_CLASS(TBitBtn, TButton)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TGlyph* Glyph() const { return glyph_.get(); }
  void SetGlyph(TGlyph* glyph);  // copies
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  // Set on the parent form when clicked; a modal dialog then closes with it.
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult value) { modal_result_ = value; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CNDrawItem(TMessage& message);

 private:
  void DrawFace(const DRAWITEMSTRUCT& item);
  void Changed();

  std::unique_ptr<TGlyph> glyph_;
  int num_glyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
  TModalResult modal_result_ = mrNone;
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
  TGlyph* Glyph() const { return glyph_.get(); }
  void SetGlyph(TGlyph* glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

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

  std::unique_ptr<TGlyph> glyph_;
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool flat_ = false;
  int num_glyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool pressed_ = false;   // the mouse went down on us and is over us
  bool tracking_ = false;  // the mouse went down on us and is still down
};

}  // namespace hm
