#include "framework/ui/menus/menu_item.h"

#include <algorithm>
#include <map>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/graphics/image_list.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {

// Commands stay below the system commands (SC_SIZE is 0xF000), which the
// skinned frame turns into WM_SYSCOMMAND.
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0xEFFF;

// Every live item by its command. User-interface thread only.
std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

UINT AllocateCommand(TMenuItem* item) {
  auto& commands = Commands();
  UINT next = kFirstCommand;
  for (const auto& [command, owner] : commands) {
    if (command != next) break;
    ++next;
  }
  if (next > kLastCommand) throw EInvalidOperation("Too many menu items");
  commands.emplace(next, item);
  return next;
}

// Owner-drawn item metrics, in pixels.
constexpr int kGlyphSize = 16;         // glyph square without an image list
constexpr int kGlyphGap = 3;           // between glyph and caption
constexpr int kShortCutGap = 16;       // between caption and shortcut text
constexpr int kRightMargin = 10;       // after the shortcut (room for the submenu arrow)
constexpr int kSeparatorHeight = 8;
constexpr int kTopLevelPadding = 6;    // each side of a menu-bar caption

std::string ItemText(const TMenuItem& item) {
  std::string text = item.Caption();
  if (item.ShortCut() != scNone && !item.TopLevel()) {
    const std::string shortcut = ShortCutToText(item.ShortCut());
    if (!shortcut.empty()) text += "\t" + shortcut;
  }
  return text;
}

}  // namespace

HM_PUBLISH(TMenuItem) {
  p.Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  p.Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
  p.Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
  p.Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
  p.Prop("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
  p.Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
  p.Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut);
  p.Prop("SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages);
  p.Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
  p.Event("OnClick", &TMenuItem::OnClick);
  p.Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
  p.Event("OnDrawItem", &TMenuItem::OnDrawItem);
  p.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

void TMenuItem::MenuDeleter::operator()(HMENU menu) const noexcept {
  // DestroyMenu also destroys submenus, which their own items own: take
  // them out first.
  while (GetMenuItemCount(menu) > 0) {
    if (!RemoveMenu(menu, 0, MF_BYPOSITION)) break;
  }
  DestroyMenu(menu);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = AllocateCommand(this); }

TMenuItem::~TMenuItem() { Commands().erase(command_); }

void TMenuItem::Destroying() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* child : std::vector<TMenuItem*>(items_)) child->parent_ = nullptr;
  items_.clear();
  if (handle_) RebuildHandle();  // empty now: nothing of ours stays in it
  TComponent::Destroying();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == sub_menu_images_) {
    sub_menu_images_ = nullptr;
    Changed();
  }
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
  const auto found = Commands().find(command);
  return found == Commands().end() ? nullptr : found->second;
}

TMenuItem* TMenuItem::FromHandle(HMENU menu) {
  if (!menu) return nullptr;
  for (const auto& [command, item] : Commands()) {
    if (item->handle_.get() == menu) return item;
  }
  return nullptr;
}

// ---- The tree

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EInvalidOperation("Menu item '" + item->Name() + "' is already inserted");
  for (const TMenuItem* p = this; p; p = p->parent_) {
    if (p == item) throw EInvalidOperation("A menu item cannot contain itself");
  }
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  RebuildHandle();
  Changed();  // the first child makes this item a submenu in its parent
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  items_.erase(found);
  item->parent_ = nullptr;
  RebuildHandle();
  Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMenuItem::SetMenuIndex(int index) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  index = std::clamp(index, 0, parent->Count() - 1);
  if (index == MenuIndex()) return;
  std::erase(parent->items_, this);
  parent->items_.insert(parent->items_.begin() + index, this);
  parent->RebuildHandle();
  Changed(false);
}

IMenuRoot* TMenuItem::Root() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TMenu* TMenuItem::GetParentMenu() const {
  IMenuRoot* root = Root();
  return root ? &root->Menu() : nullptr;
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  auto plain = [](std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && i + 1 < text.size()) ++i;
      out += text[i];
    }
    return out;
  };
  const std::string wanted = plain(caption);
  for (TMenuItem* item : items_) {
    if (plain(item->caption_) == wanted) return item;
  }
  return nullptr;
}

bool TMenuItem::TopLevel() const {
  return parent_ && !parent_->parent_ && parent_->menu_ && parent_->menu_->IsMenuBar();
}

TComponent* TMenuItem::GetParentComponent() const {
  if (!parent_) return nullptr;
  if (parent_->menu_) return &parent_->menu_->MenuComponent();
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<IMenuRoot*>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

// ---- Native side

HMENU TMenuItem::Handle() {
  if (!handle_) {
    HMENU made = menu_ ? menu_->CreateRootHandle() : CreatePopupMenu();
    if (!made) RaiseLastWin32Error("CreateMenu");
    handle_.reset(made);
    RebuildHandle();
  }
  return handle_.get();
}

void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  HMENU menu = handle_.get();
  while (GetMenuItemCount(menu) > 0) {
    if (!RemoveMenu(menu, 0, MF_BYPOSITION)) break;
  }
  const IMenuRoot* owner_menu = Root();
  const bool owner_draw = owner_menu && owner_menu->OwnerDraw();
  for (TMenuItem* child : items_) {
    if (child->visible_) AppendNative(menu, *child, owner_draw);
  }
}

void TMenuItem::AppendNative(HMENU menu, TMenuItem& child, bool owner_draw) {
  const std::wstring text = Widen(ItemText(child));
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
  if (child.IsLine()) {
    info.fType = MFT_SEPARATOR;
  } else {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  }
  if (child.radio_item_) info.fType |= MFT_RADIOCHECK;
  if (owner_draw) info.fType |= MFT_OWNERDRAW;
  if (child.checked_) info.fState |= MFS_CHECKED;
  if (!child.enabled_) info.fState |= MFS_DISABLED | MFS_GRAYED;
  if (child.default_) info.fState |= MFS_DEFAULT;
  info.wID = child.command_;
  info.dwItemData = child.command_;
  info.hSubMenu = child.Count() > 0 ? child.Handle() : nullptr;
  if (!InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) RaiseLastWin32Error("InsertMenuItem");
}

void TMenuItem::Changed(bool rebuild_parent) {
  if (rebuild_parent && parent_) parent_->RebuildHandle();
  if (IMenuRoot* menu = Root()) menu->MenuChanged(this, true);
}

// ---- Properties

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
  if (shortcut == shortcut_) return;
  shortcut_ = shortcut;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default item per list, as the system shows only one bold item.
  if (value && parent_) {
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  }
  default_ = value;
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radio_item_) return;
  radio_item_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed();
}

void TMenuItem::SetSubMenuImages(TImageList* images) {
  if (images == sub_menu_images_) return;
  if (sub_menu_images_) RemoveFreeNotification(sub_menu_images_);
  sub_menu_images_ = images;
  if (images) FreeNotification(images);
  Changed();
}

TImageList* TMenuItem::GetImageList() const {
  for (const TMenuItem* p = parent_; p; p = p->parent_) {
    if (p->sub_menu_images_) return p->sub_menu_images_;
  }
  const IMenuRoot* menu = Root();
  return menu ? menu->Images() : nullptr;
}

void TMenuItem::Click() {
  if (enabled_) OnClick(this);
}

// ---- Owner drawing

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  MeasureOwnSize(canvas, width, height);
  OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::MeasureOwnSize(TCanvas& canvas, int& width, int& height) const {
  const TImageList* images = GetImageList();
  const bool top_level = TopLevel();
  const int glyph_w = images ? images->Width() : kGlyphSize;
  const int glyph_h = images ? images->Height() : kGlyphSize;
  if (IsLine()) {
    width = 0;
    height = kSeparatorHeight;
  } else {
    RECT caption{0, 0, 0, 0};
    canvas.DrawText(caption_.empty() ? " " : caption_, caption, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const int text_h = caption.bottom - caption.top;
    if (top_level) {
      const bool glyph = images && image_index_ >= 0;
      width = (glyph ? glyph_w + kGlyphGap : 0) + (caption.right - caption.left) + 2 * kTopLevelPadding;
      height = std::max(text_h, glyph ? glyph_h : 0) + 4;
    } else {
      width = 1 + glyph_w + kGlyphGap + (caption.right - caption.left) + kRightMargin;
      if (shortcut_ != scNone) {
        const std::string text = ShortCutToText(shortcut_);
        if (!text.empty()) width += kShortCutGap + canvas.TextWidth(text);
      }
      height = std::max(text_h, glyph_h) + 4;
    }
  }
}

void TMenuItem::AdvancedDrawItem(TCanvas& canvas, RECT rect, TOwnerDrawState state, bool top_level) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, &canvas, rect, state);
  } else if (OnDrawItem) {
    OnDrawItem(this, &canvas, rect, state.Contains(odSelected));
  } else {
    DrawDefault(canvas, rect, state, top_level);
  }
}

void TMenuItem::DrawDefault(TCanvas& canvas, RECT rect, TOwnerDrawState state, bool top_level) {
  const bool selected = state.Contains(odSelected) || state.Contains(odHotLight);
  const bool disabled = state.Contains(odDisabled) || state.Contains(odGrayed) || !enabled_;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(selected && !top_level ? clHighlight : (top_level ? clBtnFace : clMenu));
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TImageList* images = GetImageList();
  const int glyph_w = top_level ? 0 : (images ? images->Width() : kGlyphSize);
  const int glyph_h = images ? images->Height() : kGlyphSize;
  RECT glyph{rect.left + 1, rect.top + (rect.bottom - rect.top - glyph_h) / 2, rect.left + 1 + glyph_w,
             rect.top + (rect.bottom - rect.top - glyph_h) / 2 + glyph_h};
  if (images && image_index_ >= 0 && image_index_ < images->Count()) {
    if (top_level) glyph.right = glyph.left + images->Width();
    images->Draw(canvas, glyph.left, glyph.top, image_index_, !disabled);
  } else if (checked_ && !top_level) {
    // A check mark drawn as text keeps the menu's colours.
    canvas.Font().SetColor(selected ? clHighlightText : clMenuText);
    RECT mark = glyph;
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(radio_item_ ? "\xE2\x97\x8F" : "\xE2\x9C\x93", mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(disabled ? clGrayText : (selected && !top_level ? clHighlightText : clMenuText));
  if (default_) canvas.Font().SetStyle(TFontStyles{fsBold});
  RECT text = rect;
  text.left = top_level ? (glyph_w ? glyph.right : rect.left) + kTopLevelPadding : glyph.right + kGlyphGap;
  text.right -= kRightMargin;
  const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | (state.Contains(odNoAccel) ? DT_HIDEPREFIX : 0u);
  canvas.DrawText(caption_, text, flags | DT_LEFT);
  if (!top_level && shortcut_ != scNone) canvas.DrawText(ShortCutToText(shortcut_), text, flags | DT_RIGHT);
  canvas.Font().SetStyle(TFontStyles{});
}

}  // namespace hm
