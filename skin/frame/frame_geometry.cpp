// The skinned frame's geometry: its metrics, the non-client size, keeping
// the client size when the frame is swapped, the window outline, and the
// plain painting of borders and title bar.
//
// What is still plain here: the title bar shows the caption text alone
// (no text plate, no icon, no caption buttons), and the outline is made of
// rectangles only (see-through border pixels are not cut out yet).
#include <algorithm>
#include <optional>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"

namespace hm {

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

int SignedLow(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int SignedHigh(LPARAM value) { return static_cast<short>(HIWORD(value)); }

bool IsMessageBoxClass(const std::string& window_class) {
  return window_class == "TMessageForm" || window_class == "#32770";
}

// A rectangle OR-ed into a region.
void AddRect(HRGN region, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  UniqueGdi<HRGN> part(CreateRectRgn(left, top, right, bottom));
  if (part) CombineRgn(region, region, part.get(), RGN_OR);
}

}  // namespace

// ---- Metrics

void TWinSkinForm::BuildFrameMetrics() {
  if (!skin_data_ || skin_data_->SkinNotLoaded()) return;
  if (border_kind_ == kBorderNone) {
    caption_height_ = border_left_ = border_right_ = border_bottom_ = menu_bar_height_ = 0;
  } else {
    auto across = [this](TSkinBorderSide side, bool stacked) {
      const TDataSkinBorder& border = skin_data_->Border(side);
      const int count = std::max(border.FrameCount, 1);
      return (stacked ? border.Bitmap.Height() : border.Bitmap.Width()) / count;
    };
    caption_height_ = across(sbTop, true);
    border_left_ = across(sbLeft, false);
    border_right_ = across(sbRight, false);
    border_bottom_ = across(sbBottom, true);
  }
  // The caption buttons are rebuilt here once they exist.
}

void TWinSkinForm::ReleaseCaptionButtons() {
  // Nothing to free until the caption buttons exist.
}

// ---- Non-client size and hit test

void TWinSkinForm::WMNcCalcSize(TMessage& message) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  const RECT proposed = params ? params->rgrc[0] : RECT{};  // the new window rectangle
  Default(message);
  if (!message.WParam || !params) {
    message.Result = 0;
    return;
  }
  if ((form_kind_ == kFormMdiChild && window_state_ != kWindowNormal) || border_kind_ == kBorderNone) {
    params->rgrc[1] = params->rgrc[0];
  } else {
    const RECT client{proposed.left + border_left_, proposed.top + caption_height_ + menu_bar_height_,
                      proposed.right - border_right_, proposed.bottom - border_bottom_};
    params->rgrc[0] = client;
    params->rgrc[1] = client;
  }
  message.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::WMNcHitTest(TMessage& message) {
  Default(message);
  if (message.Result != HTNOWHERE && message.Result != HTCAPTION) return;
  POINT p{SignedLow(message.LParam), SignedHigh(message.LParam)};
  ScreenToClient(handle_, &p);
  if (window_state_ != kWindowMinimized) {
    p.x += border_left_;
    p.y += caption_height_ + menu_bar_height_;
  }
  if (p.y > 3) {
    message.Result = HTCAPTION;
    if (p.y > caption_height_) message.Result = HTMENU;
  }
}

// ---- Keeping the client size

void TWinSkinForm::KeepClientSize(bool from_current_client) {
  if (window_state_ == kWindowMaximized) {
    FrameChanged();
    return;
  }
  RECT window{};
  if (!GetWindowRect(handle_, &window)) return;
  int width = Width(client_rect_) + border_left_ + border_right_;
  if (from_current_client) {
    GetClientRect(handle_, &client_rect_);
  } else if (form_) {
    // The client the system's own frame leaves: the window less that frame
    // as measured when attaching (whatever the border style).
    client_rect_.bottom = client_rect_.top + Height(window) - Height(standard_frame_size_);
    width = form_->ClientWidth() + border_left_ + border_right_;
  }
  const int height = Height(client_rect_) + caption_height_ + border_bottom_ + menu_bar_height_;

  if (!from_current_client && IsMessageBoxClass(window_class_) && skin_data_) {
    // A caption wider than the box widens it; the box's controls move to
    // stay centred.
    {
      WindowDC screen(nullptr);
      SelectScope font(screen.get(), caption_font_.Handle());
      SIZE space{};
      GetTextExtentPoint32W(screen.get(), L" ", 1, &space);
      space_width_ = space.cx;
    }
    ReadCaptionText();
    const TDataSkinTitle& title = skin_data_->Title();
    const int needed = (static_cast<int>(GbkLength(caption_text_)) + 7) * space_width_ + border_left_ +
                       border_right_ + title.LeftWidth + title.RightWidth + title.TxtBackLeft + title.TxtBackRight;
    if (width < needed) {
      const int shift = (needed - width) / 2;
      // Collected first and moved without a z-order change: the z-order is
      // the dialog's tab order, and a child brought to the top would come
      // round again in a walk along the siblings.
      std::vector<HWND> children;
      for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
      for (HWND child : children) {
        RECT r{};
        GetWindowRect(child, &r);
        POINT at{r.left, r.top};
        ScreenToClient(handle_, &at);
        SetWindowPos(child, nullptr, at.x + shift, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
      }
      width = needed;
    }
  }
  ResizeForFrame(0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// ---- The outline

void TWinSkinForm::UpdateRegion() {
  if (life_state_ == kLifeDead || !skin_data_) return;
  RECT window{};
  if (!GetWindowRect(handle_, &window)) return;
  const int w = Width(window), h = Height(window);
  if (w == 0 || h == 0) return;
  if (form_kind_ == kFormMdiChild && window_state_ != kWindowNormal) return;
  if (w == region_width_ && h == region_height_ && form_kind_ != kFormMdiChild && life_state_ != kLifeSkinChange)
    return;
  const int left = skin_data_->Border(sbLeft).Trans;
  const int right = skin_data_->Border(sbRight).Trans;
  const int top = skin_data_->Border(sbTop).Trans;
  HRGN region = nullptr;
  if (right + top + 2 * left != 0) {
    region_width_ = w;
    region_height_ = h;
    region = CreateRectRgn(border_left_, caption_height_, w - border_right_, h - border_bottom_);
    if (region && border_kind_ != kBorderNone) {
      // Each strip whole for now; the see-through pixels are cut out once
      // the outline is taken from the border images.
      AddRect(region, 0, 0, border_left_, h);
      AddRect(region, w - border_right_, 0, w, h);
      AddRect(region, border_left_, h - border_bottom_, w - border_right_, h);
      AddRect(region, border_left_, 0, w - border_right_, caption_height_);
    }
  } else {
    region = CreateRectRgn(0, 0, w, h);
  }
  if (!region) return;
  if (SetWindowRgn(handle_, region, TRUE)) {
    region_ = region;  // the window's from now on
    region_set_ = true;
  } else {
    DeleteObject(region);
  }
}

void TWinSkinForm::ClearRegion() {
  if (!region_set_) return;
  caption_cache_.SetSize(0, 0);
  SetWindowRgn(handle_, nullptr, FALSE);
  region_ = nullptr;
  region_set_ = false;
}

// ---- Painting

void TWinSkinForm::WMNcPaint(TMessage& message) {
  if (!skin_data_ || !skin_data_->FramePainting()) {
    message.Result = 0;
    return;
  }
  if ((form_kind_ == kFormMdiChild && window_state_ != kWindowNormal) || border_kind_ == kBorderNone) {
    Default(message);
    return;
  }
  HDC dc = nullptr;
  const auto update = reinterpret_cast<HRGN>(message.WParam);
  if (reinterpret_cast<UINT_PTR>(update) > 1) {
    // The system takes the region it is given; it gets a copy.
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    if (copy && CombineRgn(copy, update, nullptr, RGN_COPY) != ERROR)
      dc = GetDCEx(handle_, copy, DCX_WINDOW | DCX_INTERSECTRGN);
    if (!dc && copy) DeleteObject(copy);
  }
  PaintFrame(dc);
  if (dc) ReleaseDC(handle_, dc);
  message.Result = 0;
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!WorkBitmap() || !skin_data_) return;
  if (life_state_ != kLifeActive && life_state_ != kLifeSkinChange) return;
  if (border_kind_ == kBorderNone || (form_kind_ == kFormMdiChild && window_state_ != kWindowNormal)) return;
  std::optional<WindowDC> own;
  if (!dc) {
    own.emplace(handle_, true);
    dc = own->get();
  }
  if (!dc) return;
  try {
    RECT window{};
    if (GetWindowRect(handle_, &window)) {
      window_rect_ = window;
      window_width_ = Width(window);
      window_height_ = Height(window);
      PaintBorder(dc, sbLeft, RECT{0, 0, border_left_, window_height_});
      PaintBorder(dc, sbRight, RECT{window_width_ - border_right_, 0, window_width_, window_height_});
      PaintBorder(dc, sbBottom, RECT{border_left_, window_height_ - border_bottom_, window_width_ - border_right_,
                                     window_height_});
      PaintTitleBar(dc);
      // The skinned menu bar paints its rows here once it exists.
    }
  } catch (...) {
    // The frame keeps what was drawn so far.
  }
  hot_object_ = nullptr;
}

void TWinSkinForm::PaintBorder(HDC dc, int side, const RECT& rect) {
  if (Width(rect) < 0 || Height(rect) < 0) return;
  const TDataSkinBorder& border = skin_data_->Border(static_cast<TSkinBorderSide>(side));
  const int frame = active_ || border.FrameCount == 1 ? 1 : 2;
  const bool stacked = side == sbTop || side == sbBottom;
  const std::unique_ptr<TBitmap> image =
      NinePartBitmap(rect, border.Bitmap, MarginsOf(border),
                     stacked ? TFrameOrientation::Stacked : TFrameOrientation::SideBySide, border.Tile != 1,
                     border.FrameCount, frame);
  if (image->Empty()) return;
  BitBlt(dc, rect.left, rect.top, image->Width(), image->Height(), image->Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintTitleBar(HDC dc) {
  if (window_width_ <= 0 || caption_height_ <= 0) return;
  caption_cache_.SetSize(window_width_, caption_height_);
  HDC cache = caption_cache_.Canvas().Handle();
  // The corner pieces the side borders just drew.
  BitBlt(cache, 0, 0, window_width_, caption_height_, dc, 0, 0, SRCCOPY);
  const RECT title{border_left_, 0, window_width_ - border_right_, caption_height_};
  PaintBorder(cache, sbTop, title);

  // The caption text, placed by the title's alignment.
  const TDataSkinTitle& skin_title = skin_data_->Title();
  TCanvas& canvas = caption_cache_.Canvas();
  canvas.Font().Assign(caption_font_);
  canvas.Font().SetColor(active_ ? skin_data_->Colours().TitleTextActiveColor
                                 : skin_data_->Colours().TitleTextNoActiveColor);
  canvas.Brush().SetStyle(bsClear);
  const std::string text = caption_prefix_ + caption_text_;
  RECT measured{title.left, title.top, title.left, title.top};
  canvas.DrawText(text + " ", measured, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
  const int text_w = Width(measured), text_h = Height(measured);
  int dx = 0;
  switch (skin_title.TextAlignment) {
    case 0: dx = skin_title.LeftWidth; break;
    case 1: dx = (Width(title) - text_w) / 2; break;
    case 2: dx = Width(title) - skin_title.RightWidth - text_w; break;
    default: break;
  }
  RECT r{title.left + dx, title.top + (Height(title) - text_h) / 2 + skin_title.TopHeight / 2, 0, 0};
  r.right = std::min(static_cast<int>(r.left) + text_w, static_cast<int>(title.right) - skin_title.RightWidth);
  r.bottom = r.top + text_h;
  text_rect_ = r;
  canvas.DrawText(text, r, DT_SINGLELINE | DT_END_ELLIPSIS);

  BitBlt(dc, 0, 0, window_width_, caption_height_, cache, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

}  // namespace hm
