// Windowed controls. The native window is made on demand (Handle) and every
// message it gets passes through the control's window-procedure slot: own
// classes and standard classes alike are subclassed with the control's stub
// the moment the window exists, before it sees WM_NCCREATE. A windowed
// control holds child controls, keeps their tab order, lays out aligned
// children, paints its graphic children and reflects notifications back to
// the child they concern.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/base/control.h"
#include "framework/ui/platform/object_instance.h"

namespace hm {

// What a window is made with. CreateParams describes the window's class and
// styles only; the parent window is resolved when the window is made, so
// asking for the parameters never makes a window.
struct TCreateParams {
  std::wstring class_name;   // a standard class ("BUTTON") or the framework's own
  bool own_class = true;     // register class_name with the framework's defaults
  UINT class_style = CS_DBLCLKS;
  DWORD style = 0;
  DWORD ex_style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;      // set by CreateWnd for child windows
  std::wstring caption;
};

class TWinControl : public TControl {
  HM_CLASS(TWinControl, TControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  TWinControl* AsWinControl() override { return this; }

  // ---- The native window.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Makes the window anew (for styles only creation sets); no-op without a
  // window. What the windows of this control and its children hold is kept
  // (SaveWindowState), and so is the focus.
  void RecreateWnd();
  // The procedure the stub hands unhandled messages to (the class's own).
  WNDPROC DefWndProc() const { return default_proc_; }

  // ---- Children, in insertion order (graphic and windowed alike).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  // The visible, enabled child at a client point, topmost first; graphic
  // children only when `windowed` is false.
  TControl* ControlAtPos(POINT p, bool windowed = false) const;

  // ---- Focus and tab order.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool value);
  // Windowed children in tab order, each followed by its own children.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Moves the focus to the next (or previous) focusable control after
  // `current` among this control's descendants, wrapping around; with
  // `check_tab_stop` only tab stops count, without it only direct children.
  void SelectNext(TWinControl* current, bool forward, bool check_tab_stop);
  // Keys the control takes itself instead of leaving them to the form's
  // navigation: DLGC_WANTARROWS, DLGC_WANTTAB, DLGC_WANTALLKEYS (Enter).
  UINT WantedKeys() const { return wanted_keys_; }
  void SetWantedKeys(UINT dlgc) { wanted_keys_ = dlgc; }

  // ---- Painting.
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool value) { double_buffered_ = value; }
  void Invalidate() override;
  void Update() override;

  // ---- Notifications to children.
  // Sends the message to each visible child until one sets a result.
  void Broadcast(TMessage& message);
  void NotifyControls(UINT msg);

  // ---- Layout.
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  void AlignControls();
  bool Showing() const override;

  POINT ClientToScreen(POINT p) const override;
  POINT ScreenToClient(POINT p) const override;
  std::string GetText() const override;
  void SetText(const std::string& text) override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;

 protected:
  // Applies what CreateParams now says about styles to the existing window
  // and has its frame recalculated (no-op without a window).
  void RecreateFrame();
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Runs once the window exists (set the font, child windows).
  virtual void CreateHandleDone();
  // Destroys the window (and its children's) after saving what they hold,
  // so a later window shows the same.
  void DestroyHandle();
  // Copies what only the window knows (text, selection, position) into the
  // control before the window goes; CreateHandleDone puts it into the next
  // window. Overrides call the base (it keeps the text).
  virtual void SaveWindowState();
  // The area aligned children share; a border or bevel narrows it.
  virtual void AdjustClientRect(RECT& rect) const { (void)rect; }
  // Draws the window's own face into dc (WM_PAINT with a DC).
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);
  // Fills the background with the control's colour (own classes).
  virtual void EraseBackground(HDC dc);
  // WM_ERASEBKGND answered by the framework rather than the class.
  virtual bool OwnBackground() const { return false; }
  HBRUSH ColorBrush();

  void Destroying() override;
  void BoundsChanged() override;

  // Handlers, named after their message.
  virtual void WMPaint(TMessage& message);
  virtual void WMEraseBkgnd(TMessage& message);
  virtual void WMSetFocus(TMessage& message);
  virtual void WMKillFocus(TMessage& message);
  virtual void WMWindowPosChanged(TMessage& message);
  virtual void WMGetDlgCode(TMessage& message);
  void WMReflectToChild(TMessage& message);
  void WMNotify(TMessage& message);
  void WMDrawItem(TMessage& message);
  virtual void CNCtlColor(TMessage& message);
  virtual void CNKeyDown(TMessage& message);
  virtual void CNSysChar(TMessage& message);
  virtual void CMDialogChar(TMessage& message);
  virtual void CMDialogKey(TMessage& message);
  void CMEnabledChanged(TMessage& message) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void CMCtl3DChanged(TMessage& message) override;
  bool ForwardMouseToGraphic(TMessage& message);

 private:
  friend class TControl;
  friend LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM);
  void InsertControl(TControl& control);
  void RemoveControl(TControl& control);
  void AttachHandle(HWND handle);
  void DestroyWindowOnly() noexcept;
  void SaveTreeState();
  void MainWndProc(TMessage& message);
  void UpdateBoundsFromWindow();

  HWND handle_ = nullptr;  // owned: destroyed with the control
  WNDPROC default_proc_ = nullptr;
  std::unique_ptr<TObjectInstance> instance_;  // the stub the window calls
  std::vector<TControl*> controls_;      // not owned: the owner frees them
  std::vector<TWinControl*> tab_list_;   // windowed children in tab order
  int stored_tab_order_ = -1;            // read from a description, applied in Loaded
  bool tab_stop_ = false;
  UINT wanted_keys_ = 0;
  bool double_buffered_ = false;
  bool aligning_ = false;
  TControl* mouse_capture_ = nullptr;    // graphic child holding the mouse
  std::unique_ptr<TBrush> brush_;        // the control's colour, for WM_CTLCOLOR
};

// A windowed control of the framework's own class that paints itself on a
// canvas.
class TCustomControl : public TWinControl {
  HM_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas& Canvas() { return *canvas_; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  bool OwnBackground() const override { return true; }

 private:
  std::unique_ptr<TCanvas> canvas_;
};

// The framework control that owns a window, or null.
TWinControl* FindControl(HWND window);
// The same for the window or its nearest ancestor (the edit inside a combo box).
TWinControl* FindControlOrAncestor(HWND window);

}  // namespace hm
