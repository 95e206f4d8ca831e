// The data-aware edit: the row of edit buttons at its right edge, their
// sizes and places, and what pressing them does.
#include "editors/db_edit.h"

#include <algorithm>

#include "framework/ui/platform/handles.h"

namespace hm {

TEditButtonEh& TCustomDBEditEh::ButtonOf(int index) const {
  return index == 0 ? *edit_button_ : *edit_buttons_->Items(index - 1);
}

// Two thirds of the screen font's height, odd, at most a scroll-bar arrow.
int TCustomDBEditEh::FlatButtonWidth() const {
  static const int width = [] {
    int height = 13;
    if (HDC dc = GetDC(nullptr)) {
      SelectScope font(dc, GetStockObject(DEFAULT_GUI_FONT));
      TEXTMETRICW tm{};
      if (GetTextMetricsW(dc, &tm)) height = tm.tmHeight;
      ReleaseDC(nullptr, dc);
    }
    int w = height * 2 / 3;
    if (w % 2 == 0) ++w;
    return std::min(w, GetSystemMetrics(SM_CXVSCROLL));
  }();
  return width;
}

void TCustomDBEditEh::ButtonsChanged() {
  if (Loading() || ComponentState().Contains(csDestroying)) return;
  LayoutButtons();
}

// One (separator, button) pair per button: the edit button first, then
// every EditButtons item. Placed from the right edge leftwards, the last
// item rightmost.
void TCustomDBEditEh::LayoutButtons() {
  if (laying_out_ || Loading() || ComponentState().Contains(csDestroying)) return;
  laying_out_ = true;
  try {
    const std::size_t wanted = 1 + static_cast<std::size_t>(edit_buttons_->Count());
    while (button_controls_.size() > wanted) {
      ButtonPair pair = button_controls_.back();
      button_controls_.pop_back();
      FreeComponent(*pair.button);
      FreeComponent(*pair.separator);
    }
    while (button_controls_.size() < wanted) {
      ButtonPair pair;
      pair.separator = MakeOwned<TEditButtonSeparatorEh>(*this);
      pair.separator->SetVisible(false);
      pair.separator->SetParent(this);
      pair.button = MakeOwned<TEditButtonControlEh>(*this);
      pair.button->SetVisible(false);
      pair.button->SetParent(this);
      const int index = static_cast<int>(button_controls_.size());
      TEditButtonControlEh::Handlers handlers;
      handlers.Down = [this, index](bool top) { EditButtonDown(index, top); };
      handlers.Click = [this, index] { EditButtonClick(index); };
      handlers.Drag = [this](POINT p) { EditButtonDrag(p); };
      handlers.Up = [this](POINT p) { EditButtonUp(p); };
      handlers.MouseMove = [this] { MouseEntered(); };
      handlers.MouseLeave = [this] { CheckMouseLeft(); };
      pair.button->SetHandlers(std::move(handlers));
      button_controls_.push_back(pair);
    }

    const RECT client = ClientRect();
    const int client_height = client.bottom - client.top;
    std::vector<int> widths(wanted, 0);
    int height = client_height;
    for (std::size_t i = 0; i < wanted; ++i) {
      const TEditButtonEh& b = ButtonOf(static_cast<int>(i));
      if (!b.Visible()) continue;
      const int w = b.Width() > 0 ? b.Width() : flat_ ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
      widths[i] = w;
      // Narrow buttons in a tall edit keep a button's proportions.
      const int proportional = (w * 3 + 1) / 2;
      const int h = proportional < client_height ? (flat_ ? proportional : w) : client_height;
      height = std::min(height, h);
    }
    button_height_ = height;

    int x = client.right;
    for (std::size_t k = wanted; k-- > 0;) {
      ButtonPair& pair = button_controls_[k];
      pair.button->Follow(ButtonOf(static_cast<int>(k)), flat_);
      if (widths[k] == 0) {
        pair.button->SetVisible(false);
        pair.separator->SetVisible(false);
        continue;
      }
      x -= widths[k];
      pair.button->SetBounds(x, 0, widths[k], height);
      pair.button->SetVisible(true);
      if (flat_) {
        x -= 1;
        pair.separator->SetBounds(x, 0, 1, height);
        pair.separator->SetVisible(true);
      } else {
        pair.separator->SetVisible(false);
      }
    }
    buttons_width_ = std::max(0, static_cast<int>(client.right) - x);
    image_width_ = edit_image_->TakenWidth();
    UpdateButtonsState();
    ApplyMargins();
  } catch (...) {
    laying_out_ = false;
    throw;
  }
  laying_out_ = false;
}

RECT TCustomDBEditEh::TextRect() const {
  RECT r = ClientRect();
  r.right = std::max(r.left, r.right - buttons_width_);
  r.left = std::min(r.right, r.left + image_width_);
  return r;
}

void TCustomDBEditEh::ApplyMargins() {
  if (!HandleAllocated()) return;
  const RECT client = ClientRect();
  const RECT text = TextRect();
  if (word_wrap_) {
    SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&text));
    return;
  }
  SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(text.left - client.left, client.right - text.right));
  Invalidate();
}

void TCustomDBEditEh::UpdateButtonsState() {
  const TColor line = border_active_ ? clBtnFace : Color();
  for (std::size_t i = 0; i < button_controls_.size(); ++i) {
    ButtonPair& pair = button_controls_[i];
    pair.button->SetActive(border_active_);
    pair.separator->SetLineColor(line);
    // While dropped down the edit button stays shown pressed.
    pair.button->SetAlwaysDown(i == 0 && DroppedDown());
  }
}

void TCustomDBEditEh::EditButtonDown(int index, bool top) {
  if (!focused_ && CanFocus()) SetFocus();
  TEditButtonEh& button = ButtonOf(index);
  bool auto_repeat = false, handled = false;
  button.OnDown(this, top, auto_repeat, handled);
  if (!handled) OnButtonDown(this, top, auto_repeat, handled);
  if (handled) return;
  if (TPopupMenu* menu = button.DropdownMenu()) {
    TEditButtonControlEh* control = ButtonControl(index);
    POINT below{0, control->Height()};
    ::ClientToScreen(control->Handle(), &below);
    menu->Popup(below.x, below.y);
    return;
  }
  if (index != 0) return;
  if (button.Style() == ebsUpDownEh) return UpDownStep(top);
  if (!DroppedDown()) {
    DropDown();
    dropped_by_button_ = DroppedDown();
  } else {
    dropped_by_button_ = false;
  }
}

void TCustomDBEditEh::EditButtonClick(int index) {
  TEditButtonEh& button = ButtonOf(index);
  bool handled = false;
  button.OnClick(this, handled);
  if (!handled) OnButtonClick(this, handled);
  // The click that ends the press which opened the drop-down leaves it open.
  const bool opened_by_this_press = dropped_by_button_;
  dropped_by_button_ = false;
  if (handled || index != 0 || button.DropdownMenu() || button.Style() == ebsUpDownEh) return;
  if (DroppedDown() && !opened_by_this_press) CloseUp(false);
}

void TCustomDBEditEh::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  LayoutButtons();
}

void TCustomDBEditEh::EditButtonUp(POINT) { dropped_by_button_ = false; }

}  // namespace hm
