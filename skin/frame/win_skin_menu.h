// TWinSkinMenu: the skinned menu bar of a frame skin, one TMenuBtn per
// top-level item. The frame reserves the bar's rows under the title bar and
// takes the native menu off the window; the bar is drawn from the skin, and
// an item's drop-down is tracked at its lower-left corner with its items
// owner-drawn. While a drop-down is tracked a message-filter hook lets the
// arrow keys and the mouse move to the neighbouring drop-down.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/graphics/bitmap.h"
#include "skin/frame/nc_objects.h"

namespace hm {

class TMainMenu;
class TMenuItem;
class TSkinData;
class TWinSkinForm;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
  HM_CLASS(TMenuBtn, TNCObject)

 public:
  TMenuBtn(TWinSkinForm& form, TWinSkinMenu& bar, int index) : TNCObject(form), Index(index), bar_(bar) {}

  // Hover and press between full paints: straight into the window.
  void Paint() override;

  TMenuItem* Item = nullptr;  // when built from a framework menu
  int Index = 0;
  std::string Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;

 private:
  TWinSkinMenu& bar_;
};

// The text of an item of the drop-down tracked now, by command (at most
// 80 characters): read before the items became owner-drawn, as the system
// may answer no text for an owner-drawn item.
std::string TrackedItemText(HMENU tracked, UINT command);
// Windows NT 4, where some menus keep the system's drawing.
bool IsNT4Platform();

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm& form, TSkinData& data);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  void BuildFromForm();
  void RebuildFromForm();
  void RebuildFromNative(HMENU menu);
  // Into `bar` (window coordinates) of the window device context.
  void PaintBar(HDC dc, const RECT& bar);
  // The first item at the window point with a caption, or null.
  TMenuBtn* ItemAt(POINT window_point) const;
  // Posts the item's command and tracks its drop-down; returns after it closed.
  void OpenItem(TMenuBtn& item);
  TMenuBtn* FindAccelerator(WPARAM key) const;
  // A frame mouse-down at the item, posted: switches drop-downs, opens by accelerator.
  void ClickItem(const TMenuBtn& item);
  // A drop-down's selection changed (as the owner hears it).
  void MenuSelect(WPARAM wparam, LPARAM lparam);

  const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // The framework form's main menu, or null.
  TMainMenu* Menu() const;
  HMENU NativeMenu() const { return native_menu_; }
  void SetNativeMenu(HMENU menu) { native_menu_ = menu; }
  const RECT& BarRect() const { return bar_rect_; }
  const TBitmap& Background() const { return background_; }
  bool Painting() const { return painting_; }
  TWinSkinForm& Form() const { return form_; }
  TSkinData& Data() const { return data_; }

  // The drop-down being tracked now (process-wide), -1 when none.
  static int CurrentIndex();
  static bool HookInstalled();

 private:
  friend class TMenuBtn;
  friend struct TMenuTracking;
  void FillFromItem(TMenuBtn& button, TMenuItem& item);
  void DetachNative();
  // A button for each top item of `menu`; the window's native menu goes.
  void ItemsFromFramework(TMainMenu& menu);
  // The caption of an item into the bar's bitmap (or window) in rect.
  void DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect);
  bool RightToLeft() const;

  TWinSkinForm& form_;
  TSkinData& data_;
  std::vector<std::unique_ptr<TMenuBtn>> items_;
  RECT bar_rect_{};
  TBitmap background_;
  bool painting_ = false;
  HMENU native_menu_ = nullptr;
};

}  // namespace hm
