#include "framework/ui/controls/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"

namespace hm {

namespace {
// Display area inset and tab height used before the window exists.
constexpr int kFrameInset = 4;
constexpr int kDefaultTabHeight = 20;

// While the form goes, its page control must not show pages or lay them
// out: that would ask for windows that are being torn down.
bool GoingAway(const TComponent& c) {
  return c.ComponentState().Contains(csDestroying) ||
         (c.Owner() && c.Owner()->ComponentState().Contains(csDestroying));
}
}  // namespace

// ---- TTabSheet

HM_PUBLISH(TTabSheet) {
  p.Prop("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption);
  p.Prop("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
  p.Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).NotStored();
  p.Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
  // Which page shows follows ActivePage; the page's own flag is not stored.
  p.Prop("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible).NotStored();
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetAlign(alClient);
}

void TTabSheet::SetPageControl(TPageControl* control) { SetParent(control); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (page_control_ && parent != page_control_) {
    TPageControl* old = page_control_;
    page_control_ = nullptr;
    old->RemovePage(*this);
  }
  TCustomControl::SetParent(parent);
  if (auto* control = dynamic_cast<TPageControl*>(parent); control && page_control_ != control) {
    page_control_ = control;
    control->InsertPage(*this);
  }
}

void TTabSheet::SetParentComponent(TComponent* parent) {
  if (auto* control = dynamic_cast<TPageControl*>(parent)) return SetPageControl(control);
  TCustomControl::SetParentComponent(parent);
}

int TTabSheet::PageIndex() const {
  if (!page_control_) return -1;
  const auto& pages = page_control_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (page_control_) page_control_->MovePage(*this, index);
}

int TTabSheet::TabIndex() const {
  if (!page_control_ || !tab_visible_) return -1;
  int index = 0;
  for (TTabSheet* page : page_control_->pages_) {
    if (page == this) return index;
    if (page->tab_visible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tab_visible_) return;
  tab_visible_ = value;
  if (!page_control_) return;
  page_control_->UpdateTabs();
  if (!value && page_control_->ActivePage() == this) {
    TTabSheet* next = page_control_->FindNextPage(this, true);
    page_control_->SetActivePage(next == this ? nullptr : next);
  }
}

void TTabSheet::SetImageIndex(int value) {
  image_index_ = value;
  if (page_control_) page_control_->UpdateTab(*this);
}

void TTabSheet::CMTextChanged(TMessage& message) {
  TCustomControl::CMTextChanged(message);
  if (page_control_) page_control_->UpdateTab(*this);
}

// ---- TPageControl

HM_PUBLISH(TPageControl) {
  p.Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  p.Prop("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine);
  p.Prop("Style", &TPageControl::Style, &TPageControl::SetStyle);
  p.Prop("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight);
  p.Prop("TabIndex", &TPageControl::TabIndex, &TPageControl::SetTabIndex).NotStored();
  p.Prop("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition);
  p.Prop("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth);
  p.Event("OnChange", &TPageControl::OnChange);
  p.Event("OnChanging", &TPageControl::OnChanging);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = WC_TABCONTROLW;
  params.own_class = false;
  if (multi_line_) params.style |= TCS_MULTILINE;
  switch (tab_position_) {
    case tpTop: break;
    case tpBottom: params.style |= TCS_BOTTOM; break;
    case tpLeft: params.style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
  if (style_ == tsButtons) params.style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) params.style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  if (tab_width_ > 0) params.style |= TCS_FIXEDWIDTH;
}

void TPageControl::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  if (tab_height_ > 0 || tab_width_ > 0)
    SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tab_width_, tab_height_));
  UpdateTabs();
}

void TPageControl::AdjustClientRect(RECT& rect) const {
  if (HandleAllocated()) {
    // TCM_ADJUSTRECT only reads the window; the handle exists already.
    SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return;
  }
  InflateRect(&rect, -kFrameInset, -kFrameInset);
  const int tabs = tab_height_ > 0 ? tab_height_ : kDefaultTabHeight;
  switch (tab_position_) {
    case tpTop: rect.top += tabs; break;
    case tpBottom: rect.bottom -= tabs; break;
    case tpLeft: rect.left += tabs; break;
    case tpRight: rect.right -= tabs; break;
  }
}

void TPageControl::InsertPage(TTabSheet& page) {
  pages_.push_back(&page);
  UpdateTabs();
  if (!active_page_ && !Loading() && page.TabVisible()) SetActivePage(&page);
  else page.SetVisible(&page == active_page_);
}

void TPageControl::RemovePage(TTabSheet& page) {
  TTabSheet* next = nullptr;
  if (active_page_ == &page) {
    next = FindNextPage(&page, true);
    if (next == &page) next = nullptr;
    active_page_ = nullptr;
  }
  std::erase(pages_, &page);
  if (GoingAway(*this) || GoingAway(page)) return;
  UpdateTabs();
  if (next) SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet& page, int index) {
  std::erase(pages_, &page);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, &page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    std::wstring text = Widen(page->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = page->ImageIndex();
    SendMessageW(h, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(h, TCM_SETCURSEL, active_page_ ? active_page_->TabIndex() : -1, 0);
  // The number of tab rows, and with it the display area, may have changed.
  AlignControls();
}

void TPageControl::UpdateTab(TTabSheet& page) {
  const int index = page.TabIndex();
  if (!HandleAllocated() || index < 0) return;
  std::wstring text = Widen(page.Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = page.ImageIndex();
  SendMessageW(Handle(), TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
  AlignControls();
}

int TPageControl::ActivePageIndex() const { return active_page_ ? active_page_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

int TPageControl::TabIndex() const {
  if (HandleAllocated())
    return static_cast<int>(SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
  return active_page_ ? active_page_->TabIndex() : -1;
}

void TPageControl::SetTabIndex(int index) {
  for (TTabSheet* page : pages_) {
    if (page->TabIndex() == index && index >= 0) return SetActivePage(page);
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  if (page == active_page_) return;
  TTabSheet* previous = active_page_;
  active_page_ = page;
  if (Loading()) return;  // Loaded shows it
  ShowActivePage(previous);
}

// The new page shows before the old one hides, and the focus moves along
// if it was on the old page, so it never rests on a hidden window.
void TPageControl::ShowActivePage(TTabSheet* previous) {
  if (active_page_) active_page_->SetVisible(true);
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, active_page_ ? active_page_->TabIndex() : -1, 0);
  SyncPressedTabs();
  const HWND focus = GetFocus();
  if (previous && previous->HandleAllocated() && focus && IsChild(previous->Handle(), focus)) {
    if (active_page_ && active_page_->HandleAllocated()) active_page_->SelectNext(nullptr, true, true);
    if (GetFocus() == focus && CanFocus()) SetFocus();
  }
  for (TTabSheet* page : pages_) {
    if (page != active_page_) page->SetVisible(false);
  }
}

// Wine's tab control moves the selection by the arrow keys without moving
// the pressed mark, and while another tab than the selected one carries it,
// a click on a tab selects nothing; so the mark follows the selection here.
void TPageControl::SyncPressedTabs() {
  if (!HandleAllocated()) return;
  const HWND h = Handle();
  const int selected = static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0));
  const int count = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = TCIS_BUTTONPRESSED;
    item.dwState = i == selected ? TCIS_BUTTONPRESSED : 0;
    SendMessageW(h, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const {
  if (pages_.empty()) return nullptr;
  const int n = PageCount();
  const auto found = std::find(pages_.begin(), pages_.end(), current);
  int start = found == pages_.end() ? (forward ? n - 1 : 0) : static_cast<int>(found - pages_.begin());
  for (int step = 1; step <= n; ++step) {
    const int i = forward ? (start + step) % n : (start - step + n) % n;
    if (pages_[static_cast<std::size_t>(i)]->TabVisible()) return pages_[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
  TTabSheet* page = FindNextPage(active_page_, forward);
  if (!page || page == active_page_) return;
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return;
  SetActivePage(page);
  OnChange(this);
}

void TPageControl::SetMultiLine(bool value) {
  if (value == multi_line_) return;
  multi_line_ = value;
  RecreateWnd();
}

void TPageControl::SetTabPosition(TTabPosition value) {
  if (value == tab_position_) return;
  tab_position_ = value;
  RecreateWnd();
}

void TPageControl::SetStyle(TTabStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TPageControl::SetTabHeight(int value) {
  tab_height_ = std::max(value, 0);
  RecreateWnd();
}

void TPageControl::SetTabWidth(int value) {
  tab_width_ = std::max(value, 0);
  RecreateWnd();
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!active_page_) active_page_ = FindNextPage(nullptr, true);
  ShowActivePage(nullptr);
  UpdateTabs();
}

// The pages leave one by one as the base lets go of its children; with
// none showing, nothing is laid out (nor any window asked for) meanwhile.
void TPageControl::Destroying() {
  if (active_page_) {
    TTabSheet* page = active_page_;
    active_page_ = nullptr;
    page->SetVisible(false);
  }
  TWinControl::Destroying();
}

void TPageControl::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  switch (header->code) {
    case TCN_SELCHANGING: {
      bool allow = true;
      OnChanging(this, allow);
      message.Result = allow ? FALSE : TRUE;
      return;
    }
    case TCN_SELCHANGE: {
      SyncPressedTabs();
      const int tab = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
      for (TTabSheet* page : pages_) {
        if (page->TabIndex() == tab) {
          SetActivePage(page);
          break;
        }
      }
      OnChange(this);
      return;
    }
    default: return;
  }
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages while the focus is inside.
void TPageControl::CMDialogKey(TMessage& message) {
  if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && HandleAllocated() &&
      (Focused() || IsChild(Handle(), GetFocus()))) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    message.Result = 1;
    return;
  }
  TWinControl::CMDialogKey(message);
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: return CNNotify(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    default: return TWinControl::WndProc(message);
  }
}

}  // namespace hm
