#include "skin/controls/skin_speed_button.h"

#include <optional>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/controls/buttons.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/glyph.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/data_skin_objects.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinSpeedButton) {}

namespace {

constexpr UINT kLeaveCheckMs = 100;

}  // namespace

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

TSkinSpeedButton::~TSkinSpeedButton() { Unhook(); }

void TSkinSpeedButton::AttachGraphic(IControlSkinHost* form_skin, TSkinData& data, TCanvas* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control || control->AsWinControl()) return;
  skin_data_ = &data;
  canvas_ = canvas;
  form_skin_ = form_skin;
  graphic_control_ = control;
  control_ = control;  // the properties are read from it
  layer_ = control->WindowProc().Insert([this](TMessage& m, const TCallNext& next) { Route(m, next); });
  if (TWinControl* parent = control->Parent()) {
    parent_layer_ = parent->WindowProc().Insert([this](TMessage& m, const TCallNext& next) { ParentLayer(m, next); });
    if (parent->HandleAllocated()) parent_window_ = parent->Handle();
  }
  ListWithFormSkin(form_skin);
  enabled_ = control->Enabled();
  caption_ = GetPropString("Caption");
  control->Invalidate();
  attached_ = true;
  state_ = kControlSkinAttached;
}

// Off both chains before anything else of the teardown runs.
void TSkinSpeedButton::Destroying() {
  Unhook();
  TSkinBitButton::Destroying();
}

void TSkinSpeedButton::Unhook() {
  WatchLeave(false);
  parent_layer_.Remove();
  layer_.Remove();
}

// ---- Messages

// As the base routes a framework control's messages, with our own way down
// (the base keeps its own private).
void TSkinSpeedButton::Route(TMessage& m, const TCallNext& next) {
  const TCallNext* outer = next_down_;
  next_down_ = &next;
  ++depth_;
  if (BeforeMessage(m)) {
    next(m);
    if (!ComponentState().Contains(csDestroying)) AfterMessage(m);
  }
  next_down_ = outer;
  if (--depth_ == 0 && free_pending_) delete this;
}

void TSkinSpeedButton::PassDown(TMessage& m) {
  if (next_down_) (*next_down_)(m);
}

bool TSkinSpeedButton::DeferFree() {
  if (depth_ == 0) return TSkinBitButton::DeferFree();
  free_pending_ = true;
  return true;
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      if (auto dc = reinterpret_cast<HDC>(m.WParam); dc && graphic_control_) {
        RECT r = graphic_control_->ClientRect();
        try {
          DrawSkin(dc, r);
        } catch (...) {
        }
      }
      m.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      PassDown(m);
      mouse_state_ |= kMousePressed;
      PaintSkin(nullptr);
      return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
    case CM_RELEASE: Unhook(); return;
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        mouse_state_ |= kMousePressed;
        PaintSkin(nullptr);
      }
      return;
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) return;
      [[fallthrough]];
    case WM_LBUTTONUP:
      mouse_state_ &= ~kMousePressed;
      PaintSkin(nullptr);
      return;
    case WM_MOUSEMOVE:
      if (!(mouse_state_ & kMouseHot)) {
        MouseMoved();
        WatchLeave(true);
      }
      return;
    case CM_MOUSEENTER:
      mouse_state_ |= kMouseHot;
      PaintSkin(nullptr);
      return;
    case CM_MOUSELEAVE:
      WatchLeave(false);
      mouse_state_ &= ~(kMouseHot | kMousePressed);
      if (form_skin_ && form_skin_->HotNativeButton() == this) form_skin_->SetHotNativeButton(nullptr);
      if (graphic_control_ && graphic_control_->Visible()) PaintSkin(nullptr);
      return;
    default: TSkinControl::AfterMessage(m);
  }
}

// The parent paints its graphic children itself; the skin goes over ours
// afterwards. Its timer tells when the mouse has gone.
void TSkinSpeedButton::ParentLayer(TMessage& m, const TCallNext& next) {
  if (m.Msg == WM_TIMER && m.WParam == reinterpret_cast<WPARAM>(this)) {
    if (!CursorOver() && graphic_control_) graphic_control_->Perform(CM_MOUSELEAVE);
    return;
  }
  if (m.Msg == WM_NCDESTROY) watching_ = false;  // the timer goes with the window
  next(m);
  if (m.Msg == WM_PAINT && state_ == kControlSkinAttached) PaintSkin(reinterpret_cast<HDC>(m.WParam));
}

void TSkinSpeedButton::WatchLeave(bool on) {
  TWinControl* parent = graphic_control_ ? graphic_control_->Parent() : nullptr;
  HWND window = parent && parent->HandleAllocated() ? parent->Handle() : nullptr;
  if (on && !watching_ && window) {
    watching_ = SetTimer(window, reinterpret_cast<UINT_PTR>(this), kLeaveCheckMs, nullptr) != 0;
    parent_window_ = window;
  } else if (!on && watching_) {
    watching_ = false;
    if (parent_window_ && IsWindow(parent_window_)) KillTimer(parent_window_, reinterpret_cast<UINT_PTR>(this));
  }
}

bool TSkinSpeedButton::CursorOver() const {
  if (!graphic_control_) return false;
  TWinControl* parent = graphic_control_->Parent();
  POINT p;
  if (!parent || !parent->HandleAllocated() || !GetCursorPos(&p)) return false;
  if (WindowFromPoint(p) != parent->Handle()) return false;
  ScreenToClient(parent->Handle(), &p);
  const RECT r = graphic_control_->BoundsRect();
  return PtInRect(&r, p) != FALSE;
}

// ---- Drawing

void TSkinSpeedButton::PaintSkin(HDC dc) {
  if (!graphic_control_ || !graphic_control_->Visible()) return;
  TWinControl* parent = graphic_control_->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  const RECT bounds = graphic_control_->BoundsRect();
  std::optional<WindowDC> own;
  if (!dc) {
    own.emplace(parent->Handle(), false);
    dc = own->get();
  }
  if (!dc) return;
  const RECT at{0, 0, Width(bounds), Height(bounds)};
  SavedDCState saved(dc);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  POINT old{};
  OffsetViewportOrgEx(dc, bounds.left, bounds.top, &old);
  try {
    DrawSkin(dc, at);
  } catch (...) {
    // The parent keeps what it painted.
  }
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* d = FaceDefinition();
  TBitmap* work = WorkBitmap();
  if (!d || !work || !dc || !graphic_control_ || Width(rect) <= 0 || Height(rect) <= 0) return;
  enabled_ = graphic_control_->Enabled();
  caption_ = GetPropString("Caption");
  TButtonLook look;
  look.pressed = mouse_state_ & kMousePressed;
  look.hot = mouse_state_ & kMouseHot;
  look.enabled = enabled_;
  look.down = LowerCase(GetPropEnumName("Down")) == "true";
  const int face = SpeedButtonFace(look);
  last_face_ = face;

  const RECT at{0, 0, Width(rect), Height(rect)};
  DrawSkinImageOnWork(at, *d, d->Trans == 1, FaceFrameCount(), face, skin_data_->Colours().ButtonFaceColor);
  TCanvas& canvas = work->Canvas();
  if (TFont* font = graphic_control_->Font()) canvas.Font().Assign(*font);
  auto* glyph = dynamic_cast<TGlyph*>(GetPropObject("Glyph"));
  if (!glyph || glyph->Empty()) {
    DrawCenteredText(canvas, at, DT_CENTER, enabled_, caption_);
  } else {
    TGlyphCaption parts;
    parts.glyph = &glyph->Bitmap();
    parts.num_glyphs = GetPropInt("NumGlyphs") & 0x7F;
    parts.margin = GetPropInt("Margin");
    parts.spacing = GetPropInt("Spacing");
    parts.layout = GlyphLayoutFromName(GetPropEnumName("Layout").c_str());
    parts.speed_button = true;
    last_place_ = DrawGlyphCaption(canvas, at, parts, caption_, graphic_control_->Font(), *d, face);
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, at.right, at.bottom, canvas.Handle(), 0, 0, SRCCOPY);
}

}  // namespace hm
