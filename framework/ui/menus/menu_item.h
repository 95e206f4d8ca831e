// Menu items: a tree of components kept in step with native menus. Every
// item has a command identifier of its own (WM_COMMAND, owner-draw lookups);
// an item with children also owns the native popup menu that lists them.
// Any change of an item rebuilds its parent's native list and tells the menu
// (a main menu then tells its form with CM_MENUCHANGED).
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/events.h"
#include "framework/ui/platform/shortcut.h"

namespace hm {

class TCanvas;
class TImageList;
class TMenu;
class TMenuItem;

HM_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
        odInactive, odNoAccel, odNoFocusRect)
using TOwnerDrawState = Set<TOwnerDrawStateItem>;

// Sender, canvas, width and height (in: the item's own measure; out: the size to use).
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
// Sender, canvas, item rectangle, state.
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, RECT, TOwnerDrawState>;
// Sender, canvas, item rectangle, selected.
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, RECT, bool>;

// The caption of a separator item.
inline constexpr std::string_view kMenuLineCaption = "-";

// The menu at the root of an item tree, as its items see it; TMenu is the
// one implementation.
class IMenuRoot {
 public:
  virtual TMenu& Menu() = 0;
  virtual TComponent& MenuComponent() = 0;
  virtual TMenuItem* Items() const = 0;
  // The kind of native menu the root item lists its children in.
  virtual HMENU CreateRootHandle() = 0;
  virtual bool OwnerDraw() const = 0;
  virtual TImageList* Images() const = 0;
  // A form's menu bar (its top-level items are drawn in the bar).
  virtual bool IsMenuBar() const = 0;
  // After any item changed (rebuild: the native menu was rebuilt).
  virtual void MenuChanged(TMenuItem* source, bool rebuild) = 0;

 protected:
  ~IMenuRoot() = default;
};

class TMenuItem : public TComponent {
  HM_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // ---- The tree. Children are not owned here: their owner frees them.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  void SetMenuIndex(int index);
  // The menu the tree belongs to, or null.
  TMenu* GetParentMenu() const;
  // The child whose caption without "&" marks equals `caption`, or null.
  TMenuItem* Find(std::string_view caption) const;

  // ---- Native side.
  UINT Command() const { return command_; }
  // The native popup menu listing the children, made on first use.
  HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // ---- Properties.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return caption_ == kMenuLineCaption; }
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut shortcut);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool RadioItem() const { return radio_item_; }
  void SetRadioItem(bool value);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  // Glyphs for this item's children; without it they use the parent's or the menu's.
  TImageList* SubMenuImages() const { return sub_menu_images_; }
  void SetSubMenuImages(TImageList* images);
  // The glyphs this item is drawn with, or null.
  TImageList* GetImageList() const;

  // Runs OnClick (for an item with children: when its drop-down opens).
  virtual void Click();

  // Owner drawing. MeasureItem computes the item's own size on the canvas
  // (which carries the menu font), then lets OnMeasureItem adjust it;
  // MeasureOwnSize is the first half alone (a skin's handler builds on it).
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  void MeasureOwnSize(TCanvas& canvas, int& width, int& height) const;
  // OnAdvancedDrawItem when assigned, else OnDrawItem, else the default look.
  void AdvancedDrawItem(TCanvas& canvas, RECT rect, TOwnerDrawState state, bool top_level);
  void DrawDefault(TCanvas& canvas, RECT rect, TOwnerDrawState state, bool top_level);

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuDrawItemEvent OnDrawItem;

  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  // A top-level item of a main menu (shown in the menu bar).
  bool TopLevel() const;

  // The item with a command identifier, anywhere in the process, or null.
  static TMenuItem* FromCommand(UINT command);
  // The item whose native popup menu this is, or null.
  static TMenuItem* FromHandle(HMENU menu);

 protected:
  void Destroying() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  IMenuRoot* Root() const;
  // Rebuilds the native list of this item's children.
  void RebuildHandle();
  void AppendNative(HMENU menu, TMenuItem& child, bool owner_draw);
  // After a change of this item: the parent's list and the menu follow.
  void Changed(bool rebuild_parent = true);

  std::vector<TMenuItem*> items_;  // not owned
  TMenuItem* parent_ = nullptr;    // not owned
  IMenuRoot* menu_ = nullptr;      // set on a menu's root item only
  UINT command_ = 0;
  struct MenuDeleter {
    void operator()(HMENU menu) const noexcept;
  };
  std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter> handle_;  // owned

  std::string caption_;
  TShortCut shortcut_ = scNone;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  bool radio_item_ = false;
  int image_index_ = -1;
  TImageList* sub_menu_images_ = nullptr;  // not owned; free notification clears it
};

}  // namespace hm
