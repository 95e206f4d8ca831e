// The child windows inside an editor that show its buttons: one per button,
// and for a flat editor a one-pixel separator line left of each. They only
// draw and report the mouse; the editor decides what a press does.
#pragma once

#include <functional>

#include "editors/edit_button.h"
#include "framework/ui/base/win_control.h"

namespace hm {

class TEditButtonControlEh : public TCustomControl {
  HM_CLASS(TEditButtonControlEh, TCustomControl)

 public:
  struct Handlers {
    std::function<void(bool top)> Down;       // left button pressed on it
    std::function<void()> Click;              // released over it after a press
    std::function<void(POINT screen)> Drag;   // moved while pressed
    std::function<void(POINT screen)> Up;     // released, wherever
    std::function<void()> MouseMove;          // the mouse is over it
    std::function<void()> MouseLeave;
  };

  explicit TEditButtonControlEh(TComponent* owner);

  void SetHandlers(Handlers handlers) { handlers_ = std::move(handlers); }
  // Takes the look of the stored button.
  void Follow(const TEditButtonEh& button, bool flat);
  TEditButtonStyleEh Style() const { return style_; }
  bool Flat() const { return flat_; }
  // The editor's flat border is drawn: a flat button then fills its place.
  void SetActive(bool value);
  // Shown pressed whatever the mouse does (an open drop-down).
  void SetAlwaysDown(bool value);
  bool AlwaysDown() const { return always_down_; }
  // Pressed now by the mouse.
  bool Pressed() const { return pressed_ && (over_ || style_ == ebsDropDownEh); }

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  void DrawFace(HDC dc, RECT r, bool down);
  void Track(POINT client);

  Handlers handlers_;
  TEditButtonStyleEh style_ = ebsDropDownEh;
  bool flat_ = false;
  bool active_ = true;
  bool always_down_ = false;
  bool pressed_ = false;  // left button went down here and is held
  bool over_ = false;     // the held mouse is over the button
  bool tracking_ = false; // asked for WM_MOUSELEAVE
  bool last_top_ = false; // the press was in the upper half (up-down style)
  TGlyph* glyph_ = nullptr;  // the stored button's; lives as long as the editor
  int num_glyphs_ = 1;
};

// The one-pixel line left of a flat editor's button.
class TEditButtonSeparatorEh : public TCustomControl {
  HM_CLASS(TEditButtonSeparatorEh, TCustomControl)

 public:
  explicit TEditButtonSeparatorEh(TComponent* owner);
  void SetLineColor(TColor color);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  TColor line_color_ = clBtnFace;
};

}  // namespace hm
