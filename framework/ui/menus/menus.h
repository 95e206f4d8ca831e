// Menus: a main menu shown as a form's menu bar and popup menus shown at a
// screen point. Both hold a tree of TMenuItem under Items(); the native
// menus follow every change of it.
//
// Owner drawing: with OwnerDraw on every item is drawn by the framework
// (the item's measure and draw handlers, or its default look). The window
// that receives WM_MEASUREITEM and WM_DRAWITEM for them is the form (menu
// bar) or the framework's popup window (popup menus); both hand the
// messages to DispatchMenuMessage. A form holds its main menu and routes
// the bar's messages itself.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/ui/menus/menu_item.h"
#include "framework/ui/platform/messages.h"

namespace hm {

class TImageList;
class TWinControl;

HM_ENUM(TFindItemKind, fkCommand, fkHandle, fkShortCut)
HM_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
HM_ENUM(TTrackButton, tbRightButton, tbLeftButton)

class TMenu : public TComponent, public IMenuRoot {
  HM_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root of the tree; its children are the menu's items.
  TMenuItem* Items() const override { return items_.get(); }
  // The native menu (made on first use).
  HMENU Handle() { return items_->Handle(); }

  TImageList* Images() const override { return images_; }
  void SetImages(TImageList* images);
  bool OwnerDraw() const override { return owner_draw_; }
  void SetOwnerDraw(bool value);
  // Right-to-left reading; the skinned menus mirror their layout for it.
  bool IsRightToLeft() const { return right_to_left_; }
  void SetRightToLeft(bool value);

  // By command identifier, native submenu handle or shortcut; null when no
  // item of this menu matches.
  TMenuItem* FindItem(UINT_PTR value, TFindItemKind kind) const;
  // Clicks the enabled item of this command; false when none is.
  bool DispatchCommand(UINT command);
  // An item's drop-down opens: the item with that submenu runs its click.
  bool DispatchPopup(HMENU submenu);
  // Clicks the enabled, visible item with this shortcut; true when one was.
  bool IsShortCut(WORD key, TShiftState shift);

  // Called after any item changed (rebuild: the native menu was rebuilt).
  void MenuChanged(TMenuItem* source, bool rebuild) override;
  TNotifyEvent OnChange;

  void Loaded() override;

 protected:
  HMENU CreateRootHandle() override { return CreatePopupMenu(); }
  TMenu& Menu() override { return *this; }
  TComponent& MenuComponent() override { return *this; }
  bool IsMenuBar() const override { return false; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  Owned<TMenuItem> items_;
  TImageList* images_ = nullptr;  // not owned; free notification clears it
  bool owner_draw_ = false;
  bool right_to_left_ = false;
};

// A form's menu bar. The form that shows it sets Window and hears of every
// change (CM_MENUCHANGED).
class TMainMenu : public TMenu {
  HM_CLASS(TMainMenu, TMenu)

 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  // The form showing this menu, or null.
  TWinControl* Window() const { return window_; }
  // Called by the form that shows the menu (null: no longer shown).
  void SetWindow(TWinControl* window);
  void MenuChanged(TMenuItem* source, bool rebuild) override;

 protected:
  HMENU CreateRootHandle() override { return CreateMenu(); }
  bool IsMenuBar() const override { return true; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TWinControl* window_ = nullptr;  // not owned; free notification clears it
};

class TPopupMenu : public TMenu {
  HM_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and returns after it was dismissed;
  // a chosen item has run its click by then.
  virtual void Popup(int x, int y);
  // The component the menu was last shown for (set by whoever shows it).
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* component);

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool value) { auto_popup_ = value; }
  TTrackButton TrackButton() const { return track_button_; }
  void SetTrackButton(TTrackButton value) { track_button_ = value; }

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* popup_component_ = nullptr;  // not owned; free notification clears it
  TPopupAlignment alignment_ = paLeft;
  bool auto_popup_ = true;
  TTrackButton track_button_ = tbRightButton;
};

// WM_COMMAND from a menu, WM_MEASUREITEM and WM_DRAWITEM for menu items,
// WM_INITMENUPOPUP: handled for framework items, Result set; false for
// anything else.
bool DispatchMenuMessage(TMessage& message);

// The hidden window that owns tracked popup menus.
HWND PopupListWindow();

}  // namespace hm
