// The control base: bounds, alignment, visibility, enabling, parent, font
// and colour that can follow the parent, caption, and the window-procedure
// slot. Every message a control gets, windowed or not, passes through the
// slot first: a chain of layers (the skin engine's, a test's) above the
// control's own WndProc. A control freed inside one of its own messages is
// torn down at once but its memory goes only when that message returns.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>

#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "framework/ui/platform/message_chain.h"
#include "framework/ui/platform/messages.h"

namespace hm {

class TWinControl;
class TCustomForm;
class TCanvas;

HM_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)

class TControl : public TComponent {
  HM_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // ---- The window-procedure slot: insert a layer to see every message
  // before the control does.
  TMessageChain& WindowProc() { return window_proc_; }
  // Sends a message through the slot and answers its result.
  LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);
  void Perform(TMessage& message);

  // ---- Parent and place.
  TWinControl* Parent() const { return parent_; }
  // The same parent seen as a control.
  TControl* ParentControl() const;
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  TCustomForm* ParentForm() const;  // the form the control sits on, or null
  // This control seen as a windowed or a form control; null when it is not one.
  virtual TWinControl* AsWinControl() { return nullptr; }
  virtual TCustomForm* AsForm() { return nullptr; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual void SetBounds(int left, int top, int width, int height);
  // Client area in the control's own coordinates.
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to a top-level window.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // ---- Look.
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* font);  // copies
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool value);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool value);
  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parent_ctl3d_; }
  void SetParentCtl3D(bool value);

  // Caption and Text are the same text under two names.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  virtual std::string GetText() const { return text_; }
  virtual void SetText(const std::string& text);

  TNotifyEvent OnClick;

  // ---- Painting.
  virtual void Invalidate();
  virtual void Update() {}
  void Repaint();

  // Control → client coordinates of the parent chain and the screen.
  virtual POINT ClientToScreen(POINT p) const;
  virtual POINT ScreenToClient(POINT p) const;

  // The default slot: dispatch to the named handlers below.
  virtual void WndProc(TMessage& message);
  // What a message does when no handler takes it.
  virtual void DefaultHandler(TMessage& message);

  void Loaded() override;

 protected:
  virtual void Click();
  // Whether the character is the caption's accelerator (IsAccelerator).
  static bool IsAccel(WPARAM character, const std::string& caption);

  // Notifications, named after their message.
  virtual void CMEnabledChanged(TMessage& message);
  virtual void CMVisibleChanged(TMessage& message);
  virtual void CMFontChanged(TMessage& message);
  virtual void CMColorChanged(TMessage& message);
  virtual void CMTextChanged(TMessage& message);
  virtual void CMParentFontChanged(TMessage& message);
  virtual void CMParentColorChanged(TMessage& message);
  virtual void CMParentCtl3DChanged(TMessage& message);
  virtual void CMCtl3DChanged(TMessage& message);

  // Called with the new bounds already stored.
  virtual void BoundsChanged() {}
  // Asks the parent to lay its aligned children out again.
  void RequestAlign();
  bool Loading() const { return ComponentState().Contains(csLoading); }

  void Destroying() override;
  bool DeferFree() override;
  // The form of ParentForm as a windowed control, for the notifications the
  // base sends it (focus changes, dialog keys).
  TWinControl* ParentFormControl() const;

  std::string text_;

 private:
  friend class TWinControl;
  friend class TDispatchScope;
  void FontChanged();
  static void DispatchToWndProc(void* control, TMessage& message);

  TMessageChain window_proc_{&TControl::DispatchToWndProc, this};
  int dispatch_depth_ = 0;     // messages of this control running now
  bool free_pending_ = false;  // freed inside one of them: deleted when they return
  TWinControl* parent_ = nullptr;  // not owned: the owner frees controls
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  TColor color_ = clWindow;
  bool parent_font_ = true;
  bool parent_color_ = true;
  bool ctl3d_ = true;
  bool parent_ctl3d_ = true;
  bool following_parent_ = false;  // a parent-driven change must not clear Parent*
};

// Counts the messages of a control that are running; when the last one
// returns, a control that was freed meanwhile is deleted.
class TDispatchScope {
 public:
  explicit TDispatchScope(TControl& control) noexcept;
  ~TDispatchScope();
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;

 private:
  TControl& control_;
};

// A control without a window of its own: its parent paints it (Paint on the
// parent's canvas, clipped to the control) and forwards mouse messages.
class TGraphicControl : public TControl {
  HM_CLASS(TGraphicControl, TControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  // Valid only during Paint.
  TCanvas& Canvas() { return *canvas_; }
  void Invalidate() override;
  void Update() override;

  // Called by the parent with the canvas attached to its DC, origin at the
  // control's top-left and clipped to it.
  void PaintTo(HDC dc);

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace hm
