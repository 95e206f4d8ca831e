// Forms: top-level windows made from their stored description. The
// description is an RCDATA resource named after the form's class (see
// FormResources.cmake); reading it creates every component in stored order,
// then OnCreate runs. A form shows its main menu as its menu bar and routes
// the bar's messages to the menu; it can be shown modally (ShowModal).
#pragma once

#include <memory>

#include "framework/core/enum_type.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/forms/modal_result.h"
#include "framework/ui/graphics/icon.h"
#include "framework/ui/menus/menus.h"

namespace hm {

HM_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = Set<TBorderIcon>;
HM_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
HM_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
        poMainFormCenter, poOwnerFormCenter)

// Sender, new width, new height, whether to resize (in/out).
using TCanResizeEvent = TEvent<TObject*, int&, int&, bool&>;

class TCustomForm : public TWinControl {
  HM_CLASS(TCustomForm, TWinControl)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TCustomForm* AsForm() override { return this; }

  // Reads the description resource named after the class (none is needed
  // for TForm itself), then runs OnCreate.
  void CreateFromDescription();

  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TIcon* Icon() const { return icon_.get(); }

  int ClientWidthValue() const { return ClientWidth(); }
  void SetClientWidth(int width);
  int ClientHeightValue() const { return ClientHeight(); }
  void SetClientHeight(int height);

  // Stored with the description: the density and text height it was made
  // for (0 = not stored, no scaling).
  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int ppi) { pixels_per_inch_ = ppi; }
  int TextHeight() const { return text_height_; }
  void SetTextHeight(int height) { text_height_ = height; }

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);

  // The menu bar (null: none). A menu is shown by one form at a time.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  // Shows the form, disables every other window of the thread and runs the
  // message loop until the form gets a modal result (a button with a
  // ModalResult was clicked, or code set one) or is closed (mrCancel).
  // Raises EInvalidOperation for a form that is visible or modal already.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  // The result the modal loop ends with; mrNone while it runs on and when
  // the form is not modal.
  TModalResult ModalResult() const { return modal_ ? modal_result_ : mrNone; }
  // Ends the modal loop with `result` (mrNone keeps it running); a form that
  // is not modal is left as it is.
  void SetModalResult(TModalResult result) {
    if (modal_) modal_result_ = result;
  }

  // Asks OnCanResize; true when the size may change to width x height
  // (which the handler may adjust).
  bool CanResize(int& width, int& height);

  // One resize the program makes for the window's own frame: while the
  // scope lives, a change of the window's size to exactly width x height is
  // not put to OnCanResize. A skinned frame swaps the system's frame for
  // its own and must keep the client size even on a form that refuses
  // every resize; any other size asked meanwhile (a drag, a SetBounds from
  // a handler) is still asked. Lives on the stack around the SetWindowPos.
  class TFrameResize {
   public:
    TFrameResize(TCustomForm& form, int width, int height) noexcept;
    ~TFrameResize();
    TFrameResize(const TFrameResize&) = delete;
    TFrameResize& operator=(const TFrameResize&) = delete;

   private:
    friend class TCustomForm;
    TCustomForm& form_;
    TFrameResize* outer_;
    int width_;
    int height_;
  };
  void SetBounds(int left, int top, int width, int height) override;

  void Close();
  // Frees the form on the next turn of the message loop (never mid-message).
  void Release();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TCanResizeEvent OnCanResize;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  bool OwnBackground() const override { return true; }
  void Destroying() override;

  void Notification(TComponent* component, TOperation operation) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void WMWindowPosChanging(TMessage& message);
  void WMSizing(TMessage& message);
  void WMActivate(TMessage& message);
  void WMClose(TMessage& message);
  // The menu bar's messages; true when the menu took the message.
  bool MenuMessage(TMessage& message);

 private:
  void ScaleForDensity();
  void ScaleControls(TWinControl& parent, int multiplier, int divisor);
  void AttachNativeMenu();
  // The rectangle a centred position centres in: the work area, or the main
  // form for poMainFormCenter.
  RECT CenteringArea() const;

  TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
  TFormBorderStyle border_style_ = bsSizeable;
  TPosition position_ = poDesigned;
  std::unique_ptr<TIcon> icon_;
  int pixels_per_inch_ = 0;
  int text_height_ = 0;
  TWinControl* active_control_ = nullptr;  // a descendant; cleared when it goes
  TMainMenu* menu_ = nullptr;              // not owned; free notification clears it
  bool created_ = false;
  bool modal_ = false;
  TModalResult modal_result_ = mrNone;
  TFrameResize* frame_resize_ = nullptr;  // the innermost live scope
};

class TForm : public TCustomForm {
  HM_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner);
};

// A form of class T owned by `owner` (or a root form when owner is null),
// created from its description with OnCreate run.
template <class T>
Owned<T> MakeForm() {
  Owned<T> form = MakeRoot<T>();
  form->CreateFromDescription();
  return form;
}

// The text height the density rule compares: the cell height of the font's
// characters on the screen.
int FontTextHeight(TFont& font);

}  // namespace hm
