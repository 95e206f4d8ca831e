// The page control: a native tab control whose tabs are its pages
// (TTabSheet). Only the active page is visible; the others keep their
// controls and content while hidden.
#pragma once

#include <vector>

#include "framework/ui/base/win_control.h"

namespace hm {

class TPageControl;

HM_ENUM(TTabPosition, tpTop, tpBottom, tpLeft, tpRight)
HM_ENUM(TTabStyle, tsTabs, tsButtons, tsFlatButtons)

// Sender, whether the change may happen (in/out).
using TTabChangingEvent = TEvent<TObject*, bool&>;

class TTabSheet : public TCustomControl {
  HM_CLASS(TTabSheet, TCustomControl)

 public:
  explicit TTabSheet(TComponent* owner);

  TPageControl* PageControl() const { return page_control_; }
  void SetPageControl(TPageControl* control);
  // Position among the page control's pages.
  int PageIndex() const;
  void SetPageIndex(int index);
  // The tab's index among the shown tabs; -1 when the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int value);

  void SetParent(TWinControl* parent) override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  void CMTextChanged(TMessage& message) override;

 private:
  TPageControl* page_control_ = nullptr;  // our parent while we are its page
  bool tab_visible_ = true;
  int image_index_ = -1;
};

class TPageControl : public TWinControl {
  HM_CLASS(TPageControl, TWinControl)

 public:
  explicit TPageControl(TComponent* owner);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
  TTabSheet* ActivePage() const { return active_page_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // The selected tab among the shown ones; -1 for none.
  int TabIndex() const;
  void SetTabIndex(int index);
  // The next (or previous) page with a visible tab, wrapping around.
  void SelectNextPage(bool forward);
  TTabSheet* FindNextPage(TTabSheet* current, bool forward) const;

  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool value);
  TTabPosition TabPosition() const { return tab_position_; }
  void SetTabPosition(TTabPosition value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  int TabHeight() const { return tab_height_; }
  void SetTabHeight(int value);
  int TabWidth() const { return tab_width_; }
  void SetTabWidth(int value);

  // After the user chose another tab; OnChanging may refuse before.
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  // The display area under the tabs: pages fill it.
  void AdjustClientRect(RECT& rect) const override;
  void CNNotify(TMessage& message);
  void CMDialogKey(TMessage& message) override;
  void Destroying() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet& page);
  void RemovePage(TTabSheet& page);
  void MovePage(TTabSheet& page, int index);
  // Rebuilds the native tabs from the pages.
  void UpdateTabs();
  void UpdateTab(TTabSheet& page);
  void ShowActivePage(TTabSheet* previous);
  // Marks only the selected tab as pressed.
  void SyncPressedTabs();

  std::vector<TTabSheet*> pages_;  // not owned: the form owns the pages
  TTabSheet* active_page_ = nullptr;
  bool multi_line_ = false;
  TTabPosition tab_position_ = tpTop;
  TTabStyle style_ = tsTabs;
  int tab_height_ = 0;
  int tab_width_ = 0;
};

}  // namespace hm
