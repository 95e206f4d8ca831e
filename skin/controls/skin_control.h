// TSkinControl: the base of every control skin. A control skin takes over
// one control's messages, lets the control do its own work and then paints
// over it from the skin. It is attached either to a framework control (a
// layer in the control's window-procedure chain) or to a bare native
// window (a subclass); it never stores or restores procedures itself, so
// giving the control back is dropping the layer or the subclass.
//
// Owner: the control it skins, or the frame skin for bare windows; the
// frame skin lists every control skin it made (IControlSkinHost) and frees
// them when the form is unskinned.
#pragma once

#include "framework/ui/platform/win32.h"

#include <commctrl.h>

#include <string>
#include <string_view>

#include "framework/core/color.h"
#include "framework/core/component.h"
#include "framework/ui/platform/message_chain.h"
#include "framework/ui/platform/subclass.h"

namespace hm {

class IControlSkinHost;
class TCanvas;
class TControl;
class TSkinData;

// Bits of MouseState.
constexpr int kMouseHot = 1;
constexpr int kMousePressed = 2;

// Values of State.
constexpr int kControlSkinCreated = 0;
constexpr int kControlSkinAttached = 1;
constexpr int kControlSkinColourGiven = 2;  // panels: colour given back
constexpr int kControlSkinDead = 6;         // the window was destroyed

class TSkinControl : public TComponent {
  HM_CLASS(TSkinControl, TComponent)

 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  // ---- The eight operations of every control skin.
  // Attaches to the framework control that owns this object.
  virtual void InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool recolor, TCanvas* canvas);
  // Attaches to a bare window by subclassing it.
  virtual void InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas);
  // Gives back what was changed on the control (its colour).
  virtual void UnSkin();
  // First look at a message: true lets the control's own procedure and
  // AfterMessage run; false ends the message with the result set here.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // Paints the whole control now; dc 0: the window's own window DC.
  // Drawing failures are swallowed.
  virtual void PaintSkin(HDC dc);
  // Draws the skin into dc within rect (the window rectangle at 0,0).
  virtual void DrawSkin(HDC dc, const RECT& rect);
  // The skin was replaced or reloaded.
  virtual void SkinChanged();

  // ---- Message routing.
  void SkinWndProc(TMessage& message);
  // Runs the control's own procedure: the layers below ours, or the
  // window's previous procedure.
  void CallDefault(TMessage& message);

  // ---- Helpers of the descendants.
  void Redraw();
  void FillBackground(HDC dc, const RECT& rect);
  // Paints with the DC of WM_PAINT (or a begin-paint of our own).
  void PaintOnWmPaint(TMessage& message);
  // Image-list icon and text side by side; alignment 0 left, 1 centre, 2 right.
  void DrawImageText(TCanvas& canvas, const RECT& rect, int alignment, const std::string& text, int image_index,
                     HIMAGELIST images);
  // The control's published properties by name; never raise: 0, "" or
  // null for no control, no such property or another kind.
  int GetPropInt(std::string_view name) const;
  std::string GetPropEnumName(std::string_view name) const;
  std::string GetPropString(std::string_view name) const;
  TObject* GetPropObject(std::string_view name, std::string_view class_name = {}) const;

  // ---- State.
  int State() const { return state_; }
  bool Attached() const { return attached_; }
  HWND Handle() const { return handle_; }
  TControl* Control() const { return control_; }
  TControl* GraphicControl() const { return graphic_control_; }
  IControlSkinHost* FormSkin() const { return form_skin_; }
  TSkinData* SkinData() const { return skin_data_; }
  TCanvas* Canvas() const { return canvas_; }
  bool Recolor() const { return recolor_; }
  void SetRecolor(bool recolor) { recolor_ = recolor; }
  TColor PriorColor() const { return prior_color_; }
  bool Enabled() const { return enabled_; }
  bool Focused() const { return focused_; }
  const std::string& Caption() const { return caption_; }
  const RECT& WindowRect() const { return window_rect_; }
  int MouseState() const { return mouse_state_; }
  // A layer or a subclass of ours is in place.
  bool Hooked() const { return layer_.Active() || subclass_.Installed(); }

 protected:
  void Destroying() override;
  bool DeferFree() override;

  // Lists the object with the frame skin that made it.
  void ListWithFormSkin(IControlSkinHost* form_skin);
  // Recolour for skins made with Recolor: keeps the colour and whether it
  // followed the parent, then takes the skin's ButtonFace.
  void ApplyRecolor();
  void GiveColourBack();
  static std::string WindowText(HWND window);

  int mouse_state_ = 0;
  TCanvas* canvas_ = nullptr;  // lent by the frame skin
  bool enabled_ = false;
  bool focused_ = false;
  std::string caption_;
  TSubclass subclass_;  // bare windows
  TSkinData* skin_data_ = nullptr;
  HWND handle_ = nullptr;
  TLayerToken layer_;  // framework controls
  TControl* control_ = nullptr;
  RECT window_rect_{};
  TControl* graphic_control_ = nullptr;
  bool recolor_ = false;
  TColor prior_color_ = clNone;
  bool attached_ = false;
  int state_ = kControlSkinCreated;
  IControlSkinHost* form_skin_ = nullptr;

 private:
  void GiveBack() noexcept;

  bool colour_taken_ = false;  // ApplyRecolor ran and the colour is not back yet
  bool prior_parent_color_ = false;
  bool prior_double_buffered_ = false;
  bool set_double_buffered_ = false;
  const TCallNext* next_ = nullptr;  // the layer's way down, while a message passes
  int depth_ = 0;                    // messages of ours running now
  bool free_pending_ = false;        // freed inside one of them
  friend class TSkinMessageScope;
};

}  // namespace hm
