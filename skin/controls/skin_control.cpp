#include "skin/controls/skin_control.h"

#include <algorithm>
#include <optional>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/messages.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/control_skin_host.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinControl) {}

// One message of ours: keeps the layer's way down for CallDefault, and frees
// an object that was freed inside the message once the message is over.
class TSkinMessageScope {
 public:
  TSkinMessageScope(TSkinControl& skin, const TCallNext* next) noexcept : skin_(skin), outer_(skin.next_) {
    ++skin_.depth_;
    skin_.next_ = next;
  }
  ~TSkinMessageScope() {
    skin_.next_ = outer_;
    if (--skin_.depth_ == 0 && skin_.free_pending_) delete &skin_;
  }
  TSkinMessageScope(const TSkinMessageScope&) = delete;
  TSkinMessageScope& operator=(const TSkinMessageScope&) = delete;

 private:
  TSkinControl& skin_;
  const TCallNext* outer_;
};

namespace {

bool Dying(const TComponent* component) {
  return component && component->ComponentState().Contains(csDestroying);
}

}  // namespace

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() { GiveBack(); }

void TSkinControl::Destroying() {
  GiveBack();
  TComponent::Destroying();
}

bool TSkinControl::DeferFree() {
  if (depth_ == 0) return false;
  free_pending_ = true;
  return true;
}

void TSkinControl::GiveBack() noexcept {
  layer_.Remove();
  subclass_.Remove();
  if (set_double_buffered_ && control_ && !Dying(control_)) {
    if (TWinControl* windowed = control_->AsWinControl()) windowed->SetDoubleBuffered(prior_double_buffered_);
  }
  set_double_buffered_ = false;
  if (IControlSkinHost* host = form_skin_) {
    form_skin_ = nullptr;
    host->UnlistControlSkin(*this);
  }
}

// ---- Attaching

void TSkinControl::InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool recolor, TCanvas* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  TWinControl* windowed = control ? control->AsWinControl() : nullptr;
  if (!windowed) return;  // a slot hook needs a window to paint on
  HWND handle = windowed->Handle();
  recolor_ = recolor;
  skin_data_ = &data;
  form_skin_ = form_skin;
  canvas_ = canvas;
  control_ = control;
  handle_ = handle;
  layer_ = control->WindowProc().Insert([this](TMessage& m, const TCallNext& next) {
    TSkinMessageScope scope(*this, &next);
    SkinWndProc(m);
  });
  prior_double_buffered_ = windowed->DoubleBuffered();
  set_double_buffered_ = true;
  windowed->SetDoubleBuffered(true);
  ListWithFormSkin(form_skin);
  focused_ = GetFocus() == handle_;
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  caption_ = WindowText(handle_);
  if (recolor_) ApplyRecolor();
  control->Invalidate();
  attached_ = true;
  state_ = kControlSkinAttached;
}

void TSkinControl::InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas) {
  if (attached_) return;
  // Raises for a window that cannot be subclassed, before anything changed.
  subclass_ = TSubclass(handle, [this](TMessage& m, TSubclass&) {
    TSkinMessageScope scope(*this, nullptr);
    SkinWndProc(m);
  });
  skin_data_ = &data;
  canvas_ = canvas;
  form_skin_ = form_skin;
  handle_ = handle;
  enabled_ = true;
  ListWithFormSkin(form_skin);
  caption_ = WindowText(handle_);
  attached_ = true;
  state_ = kControlSkinAttached;
}

void TSkinControl::ListWithFormSkin(IControlSkinHost* form_skin) {
  if (form_skin) form_skin->ListControlSkin(*this);
}

std::string TSkinControl::WindowText(HWND window) {
  if (!window) return {};
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, length)));
  return Narrow(text);
}

// ---- Colour

void TSkinControl::ApplyRecolor() {
  if (!control_ || !skin_data_) return;
  prior_color_ = control_->Color();
  prior_parent_color_ = control_->ParentColor();
  colour_taken_ = true;
  control_->SetColor(skin_data_->Colours().ButtonFaceColor);
}

void TSkinControl::GiveColourBack() {
  if (!colour_taken_ || !control_ || Dying(control_)) return;
  colour_taken_ = false;
  control_->SetColor(prior_color_);
  // A control that followed its parent's colour follows it again.
  if (prior_parent_color_) control_->SetParentColor(true);
}

void TSkinControl::UnSkin() {
  if (recolor_) GiveColourBack();
}

void TSkinControl::SkinChanged() {
  if (recolor_ && control_ && skin_data_) control_->SetColor(skin_data_->Colours().ButtonFaceColor);
  if (handle_) {
    InvalidateRect(handle_, nullptr, TRUE);
  } else if (graphic_control_) {
    graphic_control_->Invalidate();
  }
}

// ---- Messages

void TSkinControl::SkinWndProc(TMessage& message) {
  if (!BeforeMessage(message)) return;
  CallDefault(message);
  // Freed by what the control did: nothing of ours may run any more.
  if (ComponentState().Contains(csDestroying)) return;
  AfterMessage(message);
}

void TSkinControl::CallDefault(TMessage& message) {
  if (next_) {
    (*next_)(message);
  } else if (subclass_.Installed()) {
    subclass_.CallPrevious(message);
  } else if (control_) {
    control_->WndProc(message);  // outside a message of ours: the control's own handlers
  }
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  if (message.Msg != WM_NCDESTROY) return true;
  CallDefault(message);
  state_ = kControlSkinDead;
  UnSkin();
  // Dead until the frame skin's next purge: a window made later for the
  // same control must not be painted with what this one knew.
  layer_.Remove();
  subclass_.Remove();
  return false;
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED: Redraw(); break;
    case WM_SETTEXT:
      if (message.LParam) caption_ = Narrow(reinterpret_cast<const wchar_t*>(message.LParam));
      Redraw();
      break;
    case WM_PAINT: PaintSkin(reinterpret_cast<HDC>(message.WParam)); break;
    default: break;
  }
}

// ---- Painting

void TSkinControl::Redraw() {
  RECT r;
  if (!handle_ || !GetWindowRect(handle_, &r)) return;
  OffsetRect(&r, -r.left, -r.top);
  if (GetParent(handle_)) {
    InvalidateRect(handle_, &r, FALSE);
    UpdateWindow(handle_);
  }
}

void TSkinControl::FillBackground(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_) return;
  UniqueGdi<HBRUSH> brush(CreateSolidBrush(ColorToRGB(skin_data_->Colours().ButtonFaceColor)));
  if (brush) FillRect(dc, &rect, brush.get());
}

void TSkinControl::PaintSkin(HDC dc) {
  RECT r;
  if (!handle_ || !GetWindowRect(handle_, &r)) return;
  window_rect_ = r;
  OffsetRect(&r, -r.left, -r.top);
  std::optional<WindowDC> own;
  if (!dc) {
    own.emplace(handle_, true);
    dc = own->get();
  }
  if (!dc) return;
  try {
    DrawSkin(dc, r);
  } catch (...) {
    // The window keeps what was drawn so far.
  }
}

void TSkinControl::PaintOnWmPaint(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  std::optional<PaintScope> paint;
  if (!dc) {
    paint.emplace(handle_);
    dc = paint->dc();
  }
  RECT r;
  if (!dc || !GetWindowRect(handle_, &r)) return;
  window_rect_ = r;
  OffsetRect(&r, -r.left, -r.top);
  try {
    DrawSkin(dc, r);
  } catch (...) {
    // As PaintSkin: never an error out of a paint.
  }
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

void TSkinControl::DrawImageText(TCanvas& canvas, const RECT& rect, int alignment, const std::string& text,
                                 int image_index, HIMAGELIST images) {
  HDC dc = canvas.Handle();
  if (!dc) return;
  int image_w = 0, image_h = 0;
  if (image_index != -1 && images && ImageList_GetIconSize(images, &image_w, &image_h)) {
    if (image_w >= Width(rect)) image_w = image_h = 0;
  } else {
    image_w = image_h = 0;
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetStyle({});
  if (!enabled_) canvas.Font().SetColor(clBtnShadow);
  constexpr UINT kFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS;
  int text_w = 0, text_h = 0;
  if (!text.empty()) {
    RECT measured = rect;
    canvas.DrawText(text, measured, kFormat | DT_CALCRECT | DT_NOCLIP);
    text_w = Width(measured);
    text_h = Height(measured);
  }
  int dx = 2;
  if (alignment == 1) dx = (Width(rect) - image_w - text_w) / 2;
  if (alignment == 2) dx = Width(rect) - image_w - text_w - 2;
  dx = std::max(dx, 2);
  if (image_w > 0) {
    ImageList_Draw(images, image_index, dc, rect.left + dx, rect.top + (Height(rect) - image_h) / 2, ILD_TRANSPARENT);
  }
  if (text.empty()) return;
  RECT t;
  t.left = std::clamp(static_cast<int>(rect.left) + dx + image_w + 1, static_cast<int>(rect.left),
                      static_cast<int>(rect.right));
  t.right = rect.right;
  t.top = rect.top + (Height(rect) - text_h) / 2;
  t.bottom = t.top + text_h;
  canvas.DrawText(text, t, kFormat);
}

// ---- Properties by name

int TSkinControl::GetPropInt(std::string_view name) const { return ::hm::GetPropInt(control_, name); }

std::string TSkinControl::GetPropEnumName(std::string_view name) const {
  return ::hm::GetPropEnumName(control_, name);
}

std::string TSkinControl::GetPropString(std::string_view name) const { return ::hm::GetPropString(control_, name); }

TObject* TSkinControl::GetPropObject(std::string_view name, std::string_view class_name) const {
  return ::hm::GetPropObject(control_, name, class_name);
}

}  // namespace hm
