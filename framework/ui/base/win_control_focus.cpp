// Windowed controls: focus, tab order and the keys that move the focus.
#include "framework/ui/base/win_control.h"

#include <algorithm>

#include "framework/ui/portable/exceptions.h"

namespace hm {

int TWinControl::TabOrder() const {
  if (!Parent()) return Loading() ? stored_tab_order_ : -1;
  const auto& list = Parent()->tab_list_;
  const auto found = std::find(list.begin(), list.end(), this);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (Loading() || !Parent()) {
    // Siblings read later may still come before us; Loaded sorts.
    stored_tab_order_ = order;
    return;
  }
  auto& list = Parent()->tab_list_;
  std::erase(list, this);
  const int at = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + at, this);
}

void TWinControl::SetTabStop(bool value) {
  if (value == tab_stop_) return;
  tab_stop_ = value;
  if (handle_) {
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrW(handle_, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tab_list_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return;
  const auto found = std::find(list.begin(), list.end(), current);
  const std::size_t n = list.size();
  std::size_t start = found == list.end() ? (forward ? n - 1 : 0) : static_cast<std::size_t>(found - list.begin());
  for (std::size_t step = 1; step <= n; ++step) {
    const std::size_t i = forward ? (start + step) % n : (start + n - step) % n;
    TWinControl* candidate = list[i];
    if (candidate == current) break;
    if (!candidate->CanFocus()) continue;
    if (check_tab_stop ? !candidate->TabStop() : candidate->Parent() != this) continue;
    candidate->SetFocus();
    return;
  }
}

// Tab, arrows, Enter and Escape the control does not want become dialog keys
// of its form (focus moves, default buttons).
void TWinControl::CNKeyDown(TMessage& message) {
  const WPARAM key = message.WParam;
  UINT want = 0;
  switch (key) {
    case VK_TAB: want = DLGC_WANTTAB | DLGC_WANTALLKEYS; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: want = DLGC_WANTARROWS | DLGC_WANTALLKEYS; break;
    case VK_RETURN:
    case VK_ESCAPE: want = DLGC_WANTALLKEYS; break;
    default: return;
  }
  const LRESULT code = Perform(WM_GETDLGCODE, key, 0);
  if (code & want) return;
  TWinControl* form = ParentFormControl();
  if (form && form->Perform(CM_DIALOGKEY, key, message.LParam)) message.Result = 1;
}

void TWinControl::CNSysChar(TMessage& message) {
  constexpr LPARAM kAltDown = 1 << 29;
  if (!(message.LParam & kAltDown) || message.WParam == VK_SPACE) return;
  TWinControl* form = ParentFormControl();
  if (form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam)) message.Result = 1;
}

void TWinControl::CMDialogChar(TMessage& message) { Broadcast(message); }

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }

}  // namespace hm
