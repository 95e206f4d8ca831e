// TWinSkinPopMenu: the skin of one menu window ("#32768"). It paints the
// window's three-pixel border ring, and the whole window when the system
// prints it for menu animation, from the skin's menu background; the items
// inside are owner-drawn by the frame skin and copy their piece of the same
// background, so border and items form one picture.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/platform/subclass.h"
#include "skin/core/skin_attachments.h"

namespace hm {

class TSkinData;

// Width of the menu window's border ring.
constexpr int kMenuRing = 3;

class TWinSkinPopMenu : public ISkinPopupMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu() override;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Raises when the window cannot be subclassed.
  void Attach(HWND window, TSkinData& data, HMENU menu = nullptr);
  void Detach() override;

  HWND Handle() const override { return handle_; }
  void SetMenuBarDropDown(bool value) override { menu_bar_drop_down_ = value; }
  bool MenuBarDropDown() const { return menu_bar_drop_down_; }
  HMENU MenuHandle() const override { return menu_; }
  void SetMenuHandle(HMENU menu) { menu_ = menu; }
  TBitmap* Background() override { return &background_; }
  bool Attached() const { return subclass_.Installed(); }

  // The window that painted its border before it knew its menu; the first
  // owner-drawn item drawn after that tells it (one menu opens at a time).
  static TWinSkinPopMenu* PendingPopup();
  // Pairs the pending window (if any) with `menu` and clears it.
  static void ServePendingPopup(HMENU menu);
  // The background of the window showing `menu` and where the window's
  // client area (the items' coordinates) starts in it; null when none.
  static TBitmap* ItemBackground(HMENU menu, POINT& client_origin);

 private:
  void WindowProc(TMessage& message);
  // The skin's menu background at the window's size; false when the skin
  // has none (the system's border and print stay).
  bool BuildBackground(int width, int height);
  void PaintRing(TMessage& message);
  // The ring from the built background onto the window.
  void DrawRing();
  // No border outside the client area: the menu draws its own border in
  // its client area (Wine), and the ring goes over it after each paint.
  bool RingInClient() const;
  void Print(TMessage& message);

  TSubclass subclass_;
  HWND handle_ = nullptr;
  TSkinData* data_ = nullptr;
  TBitmap background_;
  POINT client_origin_{kMenuRing, kMenuRing};
  HMENU menu_ = nullptr;
  bool menu_bar_drop_down_ = false;
};

}  // namespace hm
