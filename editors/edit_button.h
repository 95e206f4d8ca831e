// The buttons an editor carries at its right edge: the single edit button
// (invisible unless a descendant shows it) and the collection of further
// buttons. These are the stored settings; TEditButtonControlEh shows them.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/core/collection.h"
#include "framework/core/events.h"
#include "framework/ui/graphics/glyph.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/shortcut.h"

namespace hm {

HM_ENUM(TEditButtonStyleEh, ebsDropDownEh, ebsEllipsisEh, ebsGlyphEh, ebsUpDownEh, ebsPlusEh, ebsMinusEh)

// Sender, handled (set it to skip the editor's own action).
using TButtonClickEventEh = TEvent<TObject*, bool&>;
// Sender, top half pressed, auto repeat, handled.
using TButtonDownEventEh = TEvent<TObject*, bool, bool&, bool&>;

class TEditButtonEh : public TCollectionItem {
  HM_CLASS(TEditButtonEh, TCollectionItem)

 public:
  TEditButtonEh();
  ~TEditButtonEh() override;

  TEditButtonStyleEh Style() const { return style_; }
  void SetStyle(TEditButtonStyleEh value);
  // 0: the editor's default width.
  int Width() const { return width_; }
  void SetWidth(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut value) { shortcut_ = value; }
  TGlyph* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  TPopupMenu* DropdownMenu() const { return dropdown_menu_; }
  void SetDropdownMenu(TPopupMenu* menu) { dropdown_menu_ = menu; }

  TButtonClickEventEh OnClick;
  TButtonDownEventEh OnDown;

  void Assign(const TPersistent& source) override;

  // Told after every change that affects how the button looks or where it
  // goes (a button outside a collection; items report to their collection).
  std::function<void()> OnChanged;

 protected:
  void Changed();

 private:
  TEditButtonStyleEh style_ = ebsDropDownEh;
  int width_ = 0;
  bool visible_ = false;
  TShortCut shortcut_ = 0;
  std::unique_ptr<TGlyph> glyph_;
  int num_glyphs_ = 1;
  std::string hint_;
  TPopupMenu* dropdown_menu_ = nullptr;  // not owned; the editor drops it when freed
};

// A button that is shown unless hidden, with Alt+Down as its shortcut.
class TVisibleEditButtonEh : public TEditButtonEh {
  HM_CLASS(TVisibleEditButtonEh, TEditButtonEh)

 public:
  TVisibleEditButtonEh();
};

class TEditButtonsEh : public TCollection {
  HM_CLASS(TEditButtonsEh, TCollection)

 public:
  explicit TEditButtonsEh(TPersistent* owner = nullptr);
  TVisibleEditButtonEh* Items(int index) const { return static_cast<TVisibleEditButtonEh*>(TCollection::Items(index)); }
  TVisibleEditButtonEh& Add() { return static_cast<TVisibleEditButtonEh&>(TCollection::Add()); }

  // After items were added, removed, moved or changed.
  std::function<void()> OnChanged;

 protected:
  void Update(TCollectionItem* item) override;
};

}  // namespace hm
