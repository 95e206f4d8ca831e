// Caption buttons: the objects the skin's button definitions become, when
// each shows, where it goes and how it is drawn, in the title-bar image at
// a full paint and straight onto the window when its state changes.
#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"

namespace hm {

HM_PUBLISH(TNCObject) {}
HM_PUBLISH(TWinSysButton) {}

namespace {

bool ShowsIcon(const TDataSkinSysButton& d) { return d.Action == 3 || d.Action == 11; }

// The window's icon at small-icon size; a window without one shows nothing.
void DrawWindowIcon(HDC dc, HICON icon, int x, int y, int size) {
  if (!dc || !icon || size <= 0) return;
  UniqueIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, 0)));
  if (copy) DrawIconEx(dc, x, y, copy.get(), size, size, 0, nullptr, DI_NORMAL);
}

}  // namespace

// ---- TNCObject

void TNCObject::MouseDown() {
  TNCObject* hot = form_.HotObject();
  if (hot && hot != this) hot->MouseLeave();
  if (!Visible) return;
  form_.SetHotObject(this);
  State = kNCPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = kNCHot;
  Paint();
}

void TNCObject::MouseMove() {
  TNCObject* hot = form_.HotObject();
  if (hot == this) return;
  if (hot) hot->MouseLeave();
  if (!Visible) return;
  form_.SetHotObject(this);
  State = kNCHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  form_.SetHotObject(nullptr);
  State = kNCResting;
  Paint();
}

// ---- TWinSysButton

void TWinSysButton::Paint() {
  TWinSkinForm& form = Form();
  if (form.LifeState() != kLifeActive && form.LifeState() != kLifeSkinChange) return;
  WindowDC dc(form.Handle(), true);
  if (!dc.get()) return;
  try {
    if (ShowsIcon(definition_)) {
      DrawWindowIcon(dc.get(), form.IconHandle(), Rect.left, Rect.top, form.SmallIconSize());
      return;
    }
    // The MDI buttons show their fourth frame while hot.
    const int frame = definition_.Visibility == 100 && State == kNCHot ? 4 : State;
    DrawStripFrame(dc.get(), Rect, std::max(definition_.FrameCount, 1), frame, definition_.Bitmap);
  } catch (...) {
    // A button that cannot be drawn keeps its old look.
  }
}

// ---- The buttons of one frame

void TWinSkinForm::BuildCaptionButtons() {
  ReleaseCaptionButtons();
  if (!skin_data_) return;
  for (const std::unique_ptr<TDataSkinSysButton>& definition : skin_data_->CaptionButtons()) {
    if (ShowsIcon(*definition)) {
      // The icon button takes the window's icon, and so does the skin's
      // shared bitmap while it has none: it becomes the default icon.
      TBitmap& cache = skin_data_->CacheBitmap();
      if (definition->Bitmap.Empty() && !icon_bitmap_->Empty()) definition->Bitmap.Assign(*icon_bitmap_);
      if (cache.Empty() && &cache != icon_bitmap_ && !icon_bitmap_->Empty()) cache.Assign(*icon_bitmap_);
      definition->FrameCount = 1;
    }
    caption_buttons_.push_back(std::make_unique<TWinSysButton>(*this, *definition));
  }
}

void TWinSkinForm::ReleaseCaptionButtons() {
  hot_object_ = nullptr;
  caption_buttons_.clear();
}

void TWinSkinForm::UpdateVisibility(std::size_t index) {
  if (index >= caption_buttons_.size()) return;
  TWinSysButton& button = *caption_buttons_[index];
  const TDataSkinSysButton& d = button.Definition();
  TCaptionButtonContext context;
  context.features = features_;
  context.maximized = window_state_ == kWindowMaximized;
  context.active = active_;
  if ((d.Visibility == 100 || d.Visibility1 == 100) && form_kind_ == kFormMdiFrame && mdi_client_ &&
      menu_bar_height_ > 0) {
    BOOL maximized = FALSE;
    const auto child = SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    context.mdi_child_maximized_in_bar = child != 0 && maximized;
  }
  button.Visible = CaptionButtonVisible(d.Action, d.Visibility, d.Visibility1, context);
}

void TWinSkinForm::LayoutCaptionButtons() {
  right_buttons_left_ = 0;
  TCaptionPlaceContext place;
  place.window_width = window_width_;
  place.border_left = border_left_;
  place.border_right = border_right_;
  place.caption_height = caption_height_;
  place.menu_bar_height = menu_bar_height_;
  place.menu_left_margin = skin_data_ && skin_data_->MenuBar() ? skin_data_->MenuBar()->LeftWidth : 0;
  place.right_to_left = right_to_left_;
  place.text_rect = TPieceRect{text_rect_.left, text_rect_.top, text_rect_.right, text_rect_.bottom};
  for (std::size_t i = 0; i < caption_buttons_.size(); ++i) {
    UpdateVisibility(i);
    TWinSysButton& button = *caption_buttons_[i];
    const TDataSkinSysButton& d = button.Definition();
    // An invisible button or one without image keeps its last place.
    if (!button.Visible || d.Bitmap.Empty()) continue;
    const int w = d.Bitmap.Width() / std::max(d.FrameCount, 1);
    const int h = d.Bitmap.Height();
    const TCaptionPoint at = CaptionButtonOrigin(d.Align, d.XCoord, d.YCoord, w, h, place);
    if (d.Align == 1) right_buttons_left_ = std::max(right_buttons_left_, at.x);
    button.Rect = RECT{at.x, at.y, at.x + w, at.y + h};
  }
}

void TWinSkinForm::DrawCaptionButtons(TCanvas& canvas) {
  for (const std::unique_ptr<TWinSysButton>& button : caption_buttons_) {
    const TDataSkinSysButton& d = button->Definition();
    // The MDI buttons belong to the menu bar.
    if (!button->Visible || d.Bitmap.Empty() || d.Visibility == 100) continue;
    if (ShowsIcon(d)) {
      DrawWindowIcon(canvas.Handle(), icon_handle_, button->Rect.left, button->Rect.top, small_icon_size_);
      continue;
    }
    const int count = std::max(d.FrameCount, 1);
    const int frame = active_ || count < 4 ? 1 : 4;
    DrawStripFrame(canvas, button->Rect, count, frame, d.Bitmap);
  }
}

TNCObject* TWinSkinForm::FindNCObject(POINT p) const {
  for (const std::unique_ptr<TWinSysButton>& button : caption_buttons_) {
    if (button->Visible && button->Definition().Action >= 0 && PtInRect(&button->Rect, p)) return button.get();
  }
  return menu_bar_ ? menu_bar_->ItemAt(p) : nullptr;
}

POINT TWinSkinForm::WindowToFrame(POINT p) const {
  ScreenToClient(handle_, &p);
  if (window_state_ != kWindowMinimized) {
    p.x += border_left_;
    p.y += caption_height_ + menu_bar_height_;
  }
  return p;
}

}  // namespace hm
