#include "framework/ui/forms/form.h"

#include <algorithm>

#include "framework/core/form_description.h"
#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/platform/error_sink.h"
#include "framework/ui/portable/exceptions.h"
#include "framework/ui/platform/handles.h"

namespace hm {

namespace {

constexpr wchar_t kFormClassName[] = L"HaomisoForm";

// The description stored for a class, or empty when there is none.
std::string_view DescriptionResource(const std::string& class_name) {
  HMODULE module = GetModuleHandleW(nullptr);
  const std::wstring name = Widen(class_name);
  HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return std::string_view(static_cast<const char*>(data), SizeofResource(module, resource));
}

}  // namespace

int FontTextHeight(TFont& font) {
  WindowDC screen(nullptr);
  if (!screen) return 0;
  SelectScope select(screen.get(), font.Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

HM_PUBLISH(TCustomForm) {
  p.Prop("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
  p.Prop("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
  p.Prop("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle);
  p.Prop("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
  p.Prop("ClientHeight", &TCustomForm::ClientHeightValue, &TCustomForm::SetClientHeight).NotStored();
  p.Prop("ClientWidth", &TCustomForm::ClientWidthValue, &TCustomForm::SetClientWidth).NotStored();
  p.Prop("Icon", &TCustomForm::Icon);
  p.Prop("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  p.Prop("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
  p.Prop("Position", &TCustomForm::Position, &TCustomForm::SetPosition);
  p.Prop("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight);
  p.Event("OnCanResize", &TCustomForm::OnCanResize);
  p.Event("OnCreate", &TCustomForm::OnCreate);
  p.Event("OnDestroy", &TCustomForm::OnDestroy);
  p.Event("OnShow", &TCustomForm::OnShow);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>()) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::CreateFromDescription() {
  const std::string_view text = DescriptionResource(ClassName());
  if (!text.empty()) {
    ReadComponent(*this, text);
  } else if (ClassType().Name() != TForm::StaticClass().Name()) {
    throw EInvalidOperation("Resource " + ClassName() + " not found");
  }
  created_ = true;
  try {
    OnCreate(this);
  } catch (...) {
    // As with any handler: reported, and the form is still made.
    HandleWindowProcException();
  }
}

void TCustomForm::Destroying() {
  if (created_) {
    try {
      OnDestroy(this);
    } catch (...) {
      HandleWindowProcException();
    }
  }
  TWinControl::Destroying();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  border_icons_ = icons;
  if (HandleAllocated()) RecreateFrame();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  border_style_ = style;
  if (HandleAllocated()) RecreateFrame();
}

void TCustomForm::SetClientWidth(int width) {
  const RECT client = ClientRect();
  SetBounds(Left(), Top(), Width() + width - client.right, Height());
}

void TCustomForm::SetClientHeight(int height) {
  const RECT client = ClientRect();
  SetBounds(Left(), Top(), Width(), Height() + height - client.bottom);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == active_control_) return;
  if (active_control_) RemoveFreeNotification(active_control_);
  active_control_ = control;
  if (!control) return;
  FreeNotification(control);
  if (!Loading() && HandleAllocated() && IsWindowVisible(Handle()) && control->CanFocus()) control->SetFocus();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == active_control_) active_control_ = nullptr;
  if (component == menu_) {
    menu_ = nullptr;
    AttachNativeMenu();
  }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) menu_->SetWindow(nullptr);
  if (menu) {
    // One form per menu: the form showing it now lets it go.
    if (TWinControl* shown_by = menu->Window()) {
      if (TCustomForm* other = shown_by->AsForm()) other->SetMenu(nullptr);
    }
    menu->SetWindow(this);  // and each hears when the other goes
  }
  menu_ = menu;
  Perform(CM_MENUCHANGED);
}

void TCustomForm::AttachNativeMenu() {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  HWND window = Handle();
  ::SetMenu(window, menu_ ? menu_->Handle() : nullptr);
  DrawMenuBar(window);
  // The bar takes its rows from the client: aligned controls follow.
  AlignControls();
}

bool TCustomForm::MenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return DispatchMenuMessage(message);
    case WM_INITMENUPOPUP:
      if (menu_) menu_->DispatchPopup(reinterpret_cast<HMENU>(message.WParam));
      return false;
    case WM_DESTROY:
      // The system destroys a window's menu with the window; ours belongs
      // to its items.
      if (menu_ && HandleAllocated()) ::SetMenu(Handle(), nullptr);
      return false;
    case CM_MENUCHANGED:
      AttachNativeMenu();
      return false;
    default: return false;
  }
}

bool TCustomForm::CanResize(int& width, int& height) {
  bool resize = true;
  if (!Loading()) OnCanResize(this, width, height, resize);
  return resize;
}

TCustomForm::TFrameResize::TFrameResize(TCustomForm& form, int width, int height) noexcept
    : form_(form), outer_(form.frame_resize_), width_(width), height_(height) {
  form_.frame_resize_ = this;
}

TCustomForm::TFrameResize::~TFrameResize() { form_.frame_resize_ = outer_; }

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  // With a window, WM_WINDOWPOSCHANGING asks; without one, ask here.
  if (!HandleAllocated() && (width != Width() || height != Height()) && !CanResize(width, height)) {
    width = Width();
    height = Height();
  }
  TWinControl::SetBounds(left, top, width, height);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = kFormClassName;
  params.parent = nullptr;
  params.style = WS_CLIPCHILDREN;
  params.ex_style = 0;
  switch (border_style_) {
    case bsNone: params.style |= WS_POPUP; break;
    case bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.style |= WS_CAPTION | DS_MODALFRAME;
      params.ex_style |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      params.style |= WS_CAPTION | WS_BORDER;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      params.style |= WS_CAPTION | WS_THICKFRAME;
      params.ex_style |= WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != bsNone && border_icons_.Contains(biSystemMenu)) {
    params.style |= WS_SYSMENU;
    if (border_style_ != bsDialog && border_style_ != bsToolWindow && border_style_ != bsSizeToolWin) {
      if (border_icons_.Contains(biMinimize)) params.style |= WS_MINIMIZEBOX;
      if (border_icons_.Contains(biMaximize)) params.style |= WS_MAXIMIZEBOX;
    }
  }
  if (!Enabled()) params.style |= WS_DISABLED;
  switch (position_) {
    case poDefault:
    case poDefaultPosOnly:
      params.x = CW_USEDEFAULT;
      params.y = CW_USEDEFAULT;
      break;
    case poScreenCenter:
    case poDesktopCenter:
    case poMainFormCenter:
    case poOwnerFormCenter: {
      const RECT area = CenteringArea();
      params.x = area.left + (area.right - area.left - Width()) / 2;
      params.y = area.top + (area.bottom - area.top - Height()) / 2;
      break;
    }
    default: break;
  }
}

void TCustomForm::CreateHandleDone() {
  if (!icon_->Empty()) {
    try {
      SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle()));
    } catch (const EInvalidGraphic&) {
      // A bad stored icon leaves the default one; the form still opens.
    }
  }
  TWinControl::CreateHandleDone();
  if (menu_) AttachNativeMenu();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  ScaleForDensity();
}

// Positions and sizes are stored for the description's density; on another
// density the font height follows the density, and when the text height
// then differs from the stored one everything follows the text height.
void TCustomForm::ScaleForDensity() {
  const int screen = ScreenPixelsPerInch();
  if (pixels_per_inch_ <= 0 || pixels_per_inch_ == screen) return;
  Font()->SetHeight(MulDiv(Font()->Height(), screen, pixels_per_inch_));
  const int text_height = FontTextHeight(*Font());
  if (text_height_ > 0 && text_height > 0 && text_height != text_height_) {
    const RECT client = ClientRect();
    const int frame_w = Width() - client.right, frame_h = Height() - client.bottom;
    ScaleControls(*this, text_height, text_height_);
    TWinControl::SetBounds(Left(), Top(), MulDiv(client.right, text_height, text_height_) + frame_w,
                           MulDiv(client.bottom, text_height, text_height_) + frame_h);
    text_height_ = text_height;
  }
  pixels_per_inch_ = screen;
}

void TCustomForm::ScaleControls(TWinControl& parent, int multiplier, int divisor) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* c = parent.Controls(i);
    c->SetBounds(MulDiv(c->Left(), multiplier, divisor), MulDiv(c->Top(), multiplier, divisor),
                 MulDiv(c->Width(), multiplier, divisor), MulDiv(c->Height(), multiplier, divisor));
    if (TWinControl* windowed = c->AsWinControl()) ScaleControls(*windowed, multiplier, divisor);
  }
}

void TCustomForm::CMVisibleChanged(TMessage&) {
  if (Visible()) {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    OnShow(this);
  } else if (HandleAllocated()) {
    ShowWindow(Handle(), SW_HIDE);
  }
}

// Tab and Shift+Tab walk the tab order; arrows move among the focused
// control's siblings; anything else goes to the controls (default buttons).
void TCustomForm::CMDialogKey(TMessage& message) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (message.WParam) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) break;
      SelectNext(active_control_, !shift, true);
      message.Result = 1;
      return;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (active_control_ && active_control_->Parent()) {
        active_control_->Parent()->SelectNext(active_control_,
                                              message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
        message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TWinControl::CMDialogKey(message);
}

// Every size change passes here, whether from a border drag, SetWindowPos
// or maximizing; a refused one keeps the size and still lets the move happen.
void TCustomForm::WMWindowPosChanging(TMessage& message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
  // The window's own frame resize (TFrameResize) is not asked.
  const bool own_frame = frame_resize_ && pos && pos->cx == frame_resize_->width_ && pos->cy == frame_resize_->height_;
  if (pos && !own_frame && !(pos->flags & SWP_NOSIZE) && (pos->cx != Width() || pos->cy != Height())) {
    int width = pos->cx, height = pos->cy;
    if (CanResize(width, height)) {
      pos->cx = width;
      pos->cy = height;
    } else {
      pos->flags |= SWP_NOSIZE;
    }
  }
  DefaultHandler(message);
}

// The drag outline stays at the current size when the handler refuses.
void TCustomForm::WMSizing(TMessage& message) {
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  if (rect) {
    int width = rect->right - rect->left, height = rect->bottom - rect->top;
    if (width != Width() || height != Height()) {
      if (!CanResize(width, height)) {
        width = Width();
        height = Height();
      }
      // Keep the edge that is not being dragged where it is.
      if (message.WParam == WMSZ_LEFT || message.WParam == WMSZ_TOPLEFT || message.WParam == WMSZ_BOTTOMLEFT)
        rect->left = rect->right - width;
      else
        rect->right = rect->left + width;
      if (message.WParam == WMSZ_TOP || message.WParam == WMSZ_TOPLEFT || message.WParam == WMSZ_TOPRIGHT)
        rect->top = rect->bottom - height;
      else
        rect->bottom = rect->top + height;
    }
  }
  message.Result = TRUE;
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  if (LOWORD(message.WParam) == WA_INACTIVE || HIWORD(message.WParam) /* minimized */) return;
  if (active_control_ && active_control_->CanFocus()) {
    ::SetFocus(active_control_->Handle());
  } else {
    SelectNext(nullptr, true, true);
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WndProc(TMessage& message) {
  if (MenuMessage(message)) return;
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING: return WMWindowPosChanging(message);
    case WM_SIZING: return WMSizing(message);
    case WM_ACTIVATE: return WMActivate(message);
    case WM_CLOSE: return WMClose(message);
    case CM_FOCUSCHANGED: {
      auto* control = reinterpret_cast<TWinControl*>(message.LParam);
      if (control != this) SetActiveControl(control);
      return;
    }
    default: return TWinControl::WndProc(message);
  }
}

HM_PUBLISH(TForm) {}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

}  // namespace hm
