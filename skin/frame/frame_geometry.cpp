// The skinned frame's geometry: its metrics, the non-client size, keeping
// the client size when the frame is swapped, the window outline, and the
// painting of borders, title bar and caption text.
#include <algorithm>
#include <optional>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/frame_drawing.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"

namespace hm {

namespace {

bool IsMessageBoxClass(const std::string& window_class) {
  return window_class == "TMessageForm" || window_class == "#32770";
}

// A part OR-ed into a region; the part is freed.
void AddRegion(HRGN region, HRGN part) {
  if (!part) return;
  CombineRgn(region, region, part, RGN_OR);
  DeleteObject(part);
}

void AddRect(HRGN region, int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  AddRegion(region, CreateRectRgn(left, top, right, bottom));
}

TPieceRect Piece(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

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
  BuildCaptionButtons();
}

// ---- Non-client size

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
    const int needed = MessageBoxNeededWidth({static_cast<int>(GbkLength(caption_text_)), space_width_, border_left_,
                                              border_right_, title.LeftWidth, title.RightWidth, title.TxtBackLeft,
                                              title.TxtBackRight});
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
  const TDataSkinBorder& left = skin_data_->Border(sbLeft);
  const TDataSkinBorder& right = skin_data_->Border(sbRight);
  const TDataSkinBorder& top = skin_data_->Border(sbTop);
  const TDataSkinBorder& bottom = skin_data_->Border(sbBottom);
  HRGN region = nullptr;
  if (right.Trans + top.Trans + 2 * left.Trans != 0) {
    region_width_ = w;
    region_height_ = h;
    region = CreateRectRgn(border_left_, caption_height_, w - border_right_, h - border_bottom_);
    if (region && border_kind_ != kBorderNone) {
      try {
        // A see-through strip is the border painted as it shows, less its
        // magenta pixels; the others are whole.
        auto strip = [&](int side, const RECT& r, bool see_through) {
          if (!see_through || Width(r) <= 0 || Height(r) <= 0) {
            AddRect(region, r.left, r.top, r.right, r.bottom);
            return;
          }
          TBitmap image(Width(r), Height(r));
          PaintBorder(image.Canvas().Handle(), side, RECT{0, 0, Width(r), Height(r)});
          AddRegion(region, RegionFromBitmap(image, r.left, r.top));
        };
        strip(sbLeft, RECT{0, 0, border_left_, h}, left.Trans == 1 && h > 1);
        strip(sbRight, RECT{w - border_right_, 0, w, h}, right.Trans == 1 && h > 1);
        strip(sbBottom, RECT{border_left_, h - border_bottom_, w - border_right_, h},
              bottom.Trans == 1 && border_bottom_ >= 2);
        const RECT top_strip{border_left_, 0, w - border_right_, caption_height_};
        if (top.Trans == 1 && caption_height_ > 1 && Width(top_strip) > 0) {
          TBitmap image(Width(top_strip), caption_height_);
          if (!caption_cache_.Empty()) {
            BitBlt(image.Canvas().Handle(), 0, 0, Width(top_strip), caption_height_,
                   caption_cache_.Canvas().Handle(), border_left_, 0, SRCCOPY);
          } else {
            PaintBorder(image.Canvas().Handle(), sbTop, RECT{0, 0, Width(top_strip), caption_height_});
          }
          AddRegion(region, RegionFromBitmap(image, border_left_, 0));
        } else {
          AddRect(region, top_strip.left, top_strip.top, top_strip.right, top_strip.bottom);
        }
      } catch (...) {
        // What was gathered so far is the outline.
      }
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
      ++frame_paints_;
      window_rect_ = window;
      window_width_ = Width(window);
      window_height_ = Height(window);
      PaintBorder(dc, sbLeft, RECT{0, 0, border_left_, window_height_});
      PaintBorder(dc, sbRight, RECT{window_width_ - border_right_, 0, window_width_, window_height_});
      PaintBorder(dc, sbBottom, RECT{border_left_, window_height_ - border_bottom_, window_width_ - border_right_,
                                     window_height_});
      PaintTitleBar(dc);
      if (menu_bar_ && menu_bar_height_ > 0)
        menu_bar_->PaintBar(dc, RECT{border_left_, caption_height_, window_width_ - border_right_,
                                     caption_height_ + menu_bar_height_});
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
  // The corner pieces of the side borders, drawn again here rather than
  // read back from the screen, where another window may cover them.
  PaintBorder(cache, sbLeft, RECT{0, 0, border_left_, window_height_});
  PaintBorder(cache, sbRight, RECT{window_width_ - border_right_, 0, window_width_, window_height_});
  const RECT title{border_left_, 0, window_width_ - border_right_, caption_height_};
  PaintBorder(cache, sbTop, title);
  TCanvas& canvas = caption_cache_.Canvas();
  DrawCaptionText(canvas, title);
  // After the text: buttons may be anchored to it.
  LayoutCaptionButtons();
  DrawCaptionButtons(canvas);
  BitBlt(dc, 0, 0, window_width_, caption_height_, cache, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaptionText(TCanvas& canvas, const RECT& title) {
  const TDataSkinTitle& skin_title = skin_data_->Title();
  HDC dc = canvas.Handle();
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  try {
    canvas.Font().Assign(caption_font_);
    canvas.Font().SetColor(active_ ? skin_data_->Colours().TitleTextActiveColor
                                   : skin_data_->Colours().TitleTextNoActiveColor);
    canvas.Brush().SetStyle(bsClear);
    RECT measured{title.left, title.top, title.left, title.top};
    canvas.DrawText(caption_prefix_ + " " + caption_text_, measured, DT_CALCRECT | DT_NOCLIP);
    TCaptionTextInput in;
    in.title = Piece(title);
    in.text_width = Width(measured);
    in.text_height = Height(measured);
    in.alignment = skin_title.TextAlignment;
    in.shift = skin_title.LeftWidth;
    in.right_clip = skin_title.RightWidth;
    in.shift_vert = skin_title.TopHeight;
    in.back_left = skin_title.TxtBackLeft;
    in.back_right = skin_title.TxtBackRight;
    in.right_to_left = right_to_left_;
    in.popup = (style_ & WS_POPUP) != 0;
    in.right_buttons_left = right_buttons_left_;
    const TPieceRect placed = PlaceCaptionText(in);
    text_rect_ = RECT{placed.left, placed.top, placed.right, placed.bottom};
    if (!skin_title.Bitmap.Empty()) {
      ThreePartStrip(canvas, RECT{text_rect_.left, title.top, text_rect_.right, title.bottom}, skin_title.Bitmap,
                     true, true, 2, active_ ? 1 : 2, TSkinMargins{skin_title.TxtBackLeft, 0, skin_title.TxtBackRight, 0});
    }
    RECT text = text_rect_;
    text.left += skin_title.TxtBackLeft;
    text.right -= skin_title.TxtBackRight;
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(caption_prefix_ + caption_text_, text,
                    DT_SINGLELINE | DT_END_ELLIPSIS | (right_to_left_ ? DT_RIGHT : 0u));
  } catch (...) {
    SetBkMode(dc, old_mode);
    throw;
  }
  SetBkMode(dc, old_mode);
}

}  // namespace hm
