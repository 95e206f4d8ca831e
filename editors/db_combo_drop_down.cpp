// The combo box: dropping its list down, the keys and mouse while it is
// shown, and closing it with or without taking the chosen item.
#include "editors/db_combo_box.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"

namespace hm {

namespace {

combo::TRectI ToRect(const RECT& r) { return combo::TRectI{r.left, r.top, r.right, r.bottom}; }

bool IsSelfOrChild(HWND parent, HWND window) { return window && (window == parent || IsChild(parent, window)); }

}  // namespace

bool TCustomDBComboBoxEh::OwnsWindow(HWND window) {
  if (IsSelfOrChild(Handle(), window)) return true;
  return list_ && list_->HandleAllocated() && IsSelfOrChild(list_->Handle(), window);
}

void TCustomDBComboBoxEh::FillList() {
  TStrings& shown = *list_->Items();
  shown.Clear();
  for (int i = 0; i < ItemCount(); ++i) shown.Add(items_->Get(i));
  list_->SetItemIndex(item_index_);
}

void TCustomDBComboBoxEh::DropDown() {
  // The list hangs below a window on the screen: none yet, nothing to drop.
  if (list_visible_ || !HandleAllocated()) return;
  if (ButtonControlCount() > 0) ButtonControl(0)->SetAlwaysDown(true);
  OnDropDown(this);
  if (list_visible_) return;  // the handler dropped it itself

  const HWND root = GetAncestor(Handle(), GA_ROOT);
  if (!list_) {
    list_ = MakeOwned<TPopupListboxEh>(*this);
    list_->OnMouseRelease = [this](bool inside) { CloseUp(inside); };
  }
  if (list_->HandleAllocated() && GetWindow(list_->Handle(), GW_OWNER) != root) list_->RecreateWnd();
  list_->SetOwnerWindow(root);
  list_->SetSizable(drop_down_box_->Sizable());
  list_->SetColor(Color());
  list_->SetFont(Font());
  list_->HandleNeeded();
  const int item_height = std::max(1, FontTextHeight(*Font()));
  list_->SetItemHeight(item_height);
  FillList();

  // Size and place: rows, the widest text, the work area of the nearest monitor.
  const int count = ItemCount();
  const int rows = std::max(1, std::min(drop_down_box_->Rows(), count));
  int widest = 0;
  if (drop_down_box_->Width() == -1) {
    WindowDC dc(list_->Handle());
    TCanvas canvas;
    TCanvasPaintScope scope(canvas, dc.get());
    canvas.Font().Assign(*Font());
    for (int i = 0; i < count; ++i) widest = std::max(widest, canvas.TextWidth(items_->Get(i)));
    if (rows < count) widest += GetSystemMetrics(SM_CXVSCROLL);
  }
  RECT combo_rect;
  GetWindowRect(Handle(), &combo_rect);
  const int width = combo::ListWidth(drop_down_box_->Width(), combo_rect.right - combo_rect.left, widest);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoW(MonitorFromRect(&combo_rect, MONITOR_DEFAULTTONEAREST), &monitor)) work = monitor.rcWork;
  const combo::TListPlacement place = combo::PlaceList(ToRect(combo_rect), ToRect(work), width, rows, item_height,
                                                       list_->BorderHeight(), drop_down_box_->Align());
  list_->SetGripAtTop(place.upward);
  SetWindowPos(list_->Handle(), HWND_TOPMOST, place.rect.left, place.rect.top, place.rect.Width(),
               place.rect.Height(), SWP_NOACTIVATE);
  if (item_index_ >= 0) SendMessageW(list_->Handle(), LB_SETTOPINDEX, std::max(0, item_index_ - place.rows + 1), 0);
  list_->ClearUserResized();
  list_->SetVisible(true);
  list_visible_ = true;
  watch_ = std::make_unique<TDropDownWatch>(Handle(), [this](HWND w) { return OwnsWindow(w); });
  UpdateButtonsState();
}

void TCustomDBComboBoxEh::CloseUp(bool accept) {
  if (!list_visible_) return;
  if (HWND capture = GetCapture(); capture && OwnsWindow(capture)) ReleaseCapture();
  const int selected = list_->ItemIndex();
  const bool list_had_focus = list_->Focused();
  list_->SetVisible(false);
  if (list_->UserResized()) {
    // The size the user gave the list is the next drop-down's.
    const int item_height = std::max(1, list_->ItemHeight());
    drop_down_box_->SetRows(std::max(1, list_->ClientHeight() / item_height));
    drop_down_box_->SetWidth(list_->Width());
    list_->ClearUserResized();
  }
  if (list_had_focus && CanFocus()) SetFocus();
  list_visible_ = false;
  watch_.reset();
  UpdateButtonsState();
  if (accept && !ReadOnly() && EditCanModify()) {
    SetItemIndex(selected);
    if (IsFocused()) SelectAll();
  }
  OnCloseUp(this, accept);
}

void TCustomDBComboBoxEh::Notification(TComponent* component, TOperation operation) {
  TCustomDBEditEh::Notification(component, operation);
  if (operation == opRemove && component == list_) {
    list_ = nullptr;
    list_visible_ = false;
    watch_.reset();
  }
}

void TCustomDBComboBoxEh::CancelMode(HWND taker) {
  if (list_visible_ && !OwnsWindow(taker)) CloseUp(false);
}

void TCustomDBComboBoxEh::WMKillFocus(TMessage& message) {
  const HWND next = reinterpret_cast<HWND>(message.WParam);
  if (list_visible_ && !(list_ && list_->HandleAllocated() && IsSelfOrChild(list_->Handle(), next))) CloseUp(false);
  TCustomDBEditEh::WMKillFocus(message);
}

void TCustomDBComboBoxEh::EditButtonDrag(POINT screen) {
  if (list_visible_ && list_) list_->TrackAt(screen);
}

void TCustomDBComboBoxEh::EditButtonUp(POINT screen) {
  TCustomDBEditEh::EditButtonUp(screen);
  if (!list_visible_ || !list_) return;
  // Pressed on the button, dragged into the list, released there: taken.
  POINT p = screen;
  ::ScreenToClient(list_->Handle(), &p);
  RECT client;
  GetClientRect(list_->Handle(), &client);
  if (PtInRect(&client, p)) CloseUp(true);
}

void TCustomDBComboBoxEh::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CANCELMODE:
      CancelMode(reinterpret_cast<HWND>(message.LParam));
      return;
    case WM_CANCELMODE:
      TCustomDBEditEh::WndProc(message);
      CloseUp(false);
      return;
    case WM_MOUSEWHEEL: {
      if (list_visible_ && list_) {
        message.Result = SendMessageW(list_->Handle(), WM_MOUSEWHEEL, message.WParam, message.LParam);
        return;
      }
      const auto keys = LOWORD(message.WParam);
      const bool shifted = (keys & (MK_SHIFT | MK_CONTROL)) || GetKeyState(VK_MENU) < 0;
      if (!shifted && !ReadOnly() && EditCanModify()) {
        const auto delta = static_cast<short>(HIWORD(message.WParam));
        if (delta != 0) Step(delta < 0);
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_SETCURSOR:
      if (KeyBased() && reinterpret_cast<HWND>(message.WParam) == Handle() && LOWORD(message.LParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        message.Result = TRUE;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
      if (KeyBased()) {
        // The text of a key-based combo is not typed into: a press drops the list.
        if (!IsFocused() && CanFocus()) SetFocus();
        if (!list_visible_) DropDown();
        return;
      }
      break;
    case WM_PASTE:
      if (KeyBased()) {
        if (ReadOnly() || !EditCanModify()) return;
        std::string clip;
        if (OpenClipboard(Handle())) {
          if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
              clip = Narrow(wide);
              GlobalUnlock(data);
            }
          }
          CloseClipboard();
        }
        const std::u16string text = Utf8ToUtf16(GetText());
        const auto start = static_cast<std::size_t>(std::min<int>(SelStart(), static_cast<int>(text.size())));
        KeyBasedType(text.substr(0, start) + Utf8ToUtf16(clip));
        return;
      }
      break;
    default: break;
  }
  TCustomDBEditEh::WndProc(message);
}

}  // namespace hm
