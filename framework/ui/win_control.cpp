#include "framework/ui/win_control.h"

#include <algorithm>
#include <unordered_map>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/canvas.h"
#include "framework/ui/exceptions.h"
#include "framework/ui/form.h"
#include "framework/ui/handles.h"
#include "framework/ui/win32_error.h"

namespace hm {

namespace {

// Every framework window, for reflecting notifications to their controls.
// User-interface thread only.
std::unordered_map<HWND, TWinControl*>& Windows() {
  static std::unordered_map<HWND, TWinControl*> windows;
  return windows;
}

// The control whose window CreateWindowEx is making right now.
TWinControl* g_creating = nullptr;

constexpr wchar_t kOwnClassName[] = L"HaomisoWindow";

void RegisterOwnClass(const TCreateParams& params) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), params.class_name.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = params.class_style;
  // The class procedure only ever runs as the default behind a control's stub.
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = params.class_name.c_str();
  if (!RegisterClassExW(&wc)) RaiseLastWin32Error("RegisterClassEx");
}

bool IsMouseMessage(UINT msg) {
  return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

}  // namespace

// Subclasses the window being made before it gets its first message.
LRESULT CALLBACK CreationHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && g_creating) {
    TWinControl* control = g_creating;
    g_creating = nullptr;
    control->AttachHandle(reinterpret_cast<HWND>(wparam));
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TWinControl* FindControl(HWND window) {
  const auto found = Windows().find(window);
  return found == Windows().end() ? nullptr : found->second;
}

TWinControl* FindControlOrAncestor(HWND window) {
  for (HWND w = window; w; w = GetParent(w)) {
    if (TWinControl* control = FindControl(w)) return control;
  }
  return nullptr;
}

HM_PUBLISH(TWinControl) {
  p.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
  p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner),
      instance_(std::make_unique<TObjectInstance>([this](TMessage& message) { MainWndProc(message); })),
      brush_(std::make_unique<TBrush>()) {}

TWinControl::~TWinControl() {
  // Normally gone already (Destroying); a control freed without its owner's
  // teardown still must not leave a window calling into a freed stub.
  DestroyHandle();
}

void TWinControl::Destroying() {
  DestroyHandle();
  // Children outlive us only as orphans; the owner frees them.
  for (TControl* child : std::vector<TControl*>(controls_)) child->SetParent(nullptr);
  TControl::Destroying();
}

// ---- The native window

HWND TWinControl::Handle() {
  if (handle_) return handle_;
  // The parent first: making its window makes ours too (CreateHandleDone),
  // and a second window for the same control would be orphaned.
  if (Parent()) Parent()->HandleNeeded();
  if (!handle_) {
    CreateWnd();
    CreateHandleDone();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.class_name = kOwnClassName;
  params.own_class = true;
  params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tab_stop_) params.style |= WS_TABSTOP;
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  params.caption = Widen(text_);
  if (Parent()) params.parent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.style & WS_CHILD) && !params.parent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  if (params.own_class) RegisterOwnClass(params);
  UniqueHook hook(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId()));
  if (!hook) RaiseLastWin32Error("SetWindowsHookEx");
  g_creating = this;
  HWND made = CreateWindowExW(params.ex_style, params.class_name.c_str(), params.caption.c_str(), params.style,
                              params.x, params.y, params.width, params.height, params.parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  g_creating = nullptr;
  if (!made) {
    if (handle_) DestroyHandle();
    RaiseLastWin32Error("CreateWindowEx");
  }
}

void TWinControl::AttachHandle(HWND handle) {
  handle_ = handle;
  Windows()[handle] = this;
  default_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance_->Proc())));
}

void TWinControl::CreateHandleDone() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  // Child windows exist whenever their parent's does, in tab order, so the
  // z-order (and with it the system's own navigation) matches.
  for (TWinControl* child : tab_list_) child->HandleNeeded();
  UpdateBoundsFromWindow();
  AlignControls();
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
}

void TWinControl::MainWndProc(TMessage& message) {
  Perform(message);
  if (message.Msg == WM_NCDESTROY && handle_) {
    Windows().erase(handle_);
    handle_ = nullptr;
    default_proc_ = nullptr;
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ && default_proc_) {
    message.Result = CallWindowProcW(default_proc_, handle_, message.Msg, message.WParam, message.LParam);
  } else {
    TControl::DefaultHandler(message);
  }
}

// ---- Children

void TWinControl::InsertControl(TControl& control) {
  controls_.push_back(&control);
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    tab_list_.push_back(windowed);
    if (handle_) windowed->HandleNeeded();
  }
  if (control.Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl& control) {
  if (mouse_capture_ == &control) mouse_capture_ = nullptr;
  std::erase(controls_, &control);
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    std::erase(tab_list_, windowed);
    // The window cannot stay inside a parent it no longer belongs to.
    windowed->DestroyHandle();
  } else {
    control.Invalidate();
  }
  AlignControls();
}

TControl* TWinControl::ControlAtPos(POINT p, bool windowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!windowed && dynamic_cast<TWinControl*>(c)) continue;
    const RECT r = c->BoundsRect();
    if (c->Visible() && c->Enabled() && PtInRect(&r, p)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    if (!child->Visible()) continue;
    child->Perform(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  for (TControl* child : std::vector<TControl*>(controls_)) child->Perform(msg);
}

// ---- Focus and tab order

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

// ---- Layout

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (handle_) {
    // WM_WINDOWPOSCHANGED stores what the window really got.
    if (!SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE))
      RaiseLastWin32Error("SetWindowPos");
    if (Align() != alNone) RequestAlign();
  } else {
    TControl::SetBounds(left, top, width, height);
  }
}

void TWinControl::BoundsChanged() { AlignControls(); }

void TWinControl::UpdateBoundsFromWindow() {
  RECT r;
  if (!handle_ || !GetWindowRect(handle_, &r)) return;
  HWND parent = GetParent(handle_);
  if (parent && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  const bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (resized) AlignControls();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, 0, 0};
  if (handle_ && GetClientRect(handle_, &r)) return r;
  // Without a window: the frame the window would have.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.style, FALSE, params.ex_style);
  return RECT{0, 0, std::max(0, Width() - static_cast<int>(frame.right - frame.left)), std::max(0, Height() - static_cast<int>(frame.bottom - frame.top))};
}

void TWinControl::AlignControls() {
  if (aligning_ || Loading()) return;
  aligning_ = true;
  try {
    RECT area = ClientRect();
    AdjustClientRect(area);
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
      for (TControl* c : std::vector<TControl*>(controls_)) {
        if (c->Align() != pass || !c->Visible()) continue;
        const int w = area.right - area.left, h = area.bottom - area.top;
        switch (pass) {
          case alTop:
            c->SetBounds(area.left, area.top, w, c->Height());
            area.top += c->Height();
            break;
          case alBottom:
            c->SetBounds(area.left, area.bottom - c->Height(), w, c->Height());
            area.bottom -= c->Height();
            break;
          case alLeft:
            c->SetBounds(area.left, area.top, c->Width(), h);
            area.left += c->Width();
            break;
          case alRight:
            c->SetBounds(area.right - c->Width(), area.top, c->Width(), h);
            area.right -= c->Width();
            break;
          case alClient: c->SetBounds(area.left, area.top, std::max(0, w), std::max(0, h)); break;
          case alNone: break;
        }
      }
    }
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (Parent()) return Parent()->Showing();
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders were read one control at a time; put them in place now.
  std::stable_sort(tab_list_.begin(), tab_list_.end(), [](TWinControl* a, TWinControl* b) {
    const int ka = a->stored_tab_order_ < 0 ? INT32_MAX : a->stored_tab_order_;
    const int kb = b->stored_tab_order_ < 0 ? INT32_MAX : b->stored_tab_order_;
    return ka < kb;
  });
  AlignControls();
}

POINT TWinControl::ClientToScreen(POINT p) const {
  if (!handle_) return TControl::ClientToScreen(p);
  ::ClientToScreen(handle_, &p);
  return p;
}

POINT TWinControl::ScreenToClient(POINT p) const {
  if (!handle_) return TControl::ScreenToClient(p);
  ::ScreenToClient(handle_, &p);
  return p;
}

std::string TWinControl::GetText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(handle_, buffer.data(), length + 1);
  buffer.resize(static_cast<std::size_t>(std::max(got, 0)));
  return Narrow(buffer);
}

void TWinControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  text_ = text;
  if (handle_) SetWindowTextW(handle_, Widen(text).c_str());
  Perform(CM_TEXTCHANGED);
}

// ---- Painting

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

HBRUSH TWinControl::ColorBrush() {
  brush_->SetColor(Color());
  return brush_->Handle();
}

void TWinControl::EraseBackground(HDC dc) {
  RECT r = ClientRect();
  FillRect(dc, &r, ColorBrush());
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (!graphic || !graphic->Visible()) continue;
    const RECT r = graphic->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SavedDCState saved(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    POINT old{};
    OffsetViewportOrgEx(dc, r.left, r.top, &old);
    try {
      graphic->PaintTo(dc);
    } catch (...) {
      // One control that cannot paint must not stop its siblings.
    }
  }
}

void TWinControl::WMPaint(TMessage& message) {
  bool has_graphic = false;
  for (TControl* c : controls_) has_graphic = has_graphic || dynamic_cast<TGraphicControl*>(c);
  if (!OwnBackground() && !has_graphic && !double_buffered_) return DefaultHandler(message);

  // Painting never fails outward: a half-drawn face is better than an error loop.
  auto paint = [this](HDC dc) {
    try {
      PaintWindow(dc);
      PaintControls(dc);
    } catch (...) {
    }
  };
  if (message.WParam) {
    paint(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  PaintScope scope(handle_);
  if (!double_buffered_) {
    paint(scope.dc());
    return;
  }
  // Compose off screen, copy once.
  const RECT client = ClientRect();
  const int w = client.right, h = client.bottom;
  UniqueMemoryDC memory(CreateCompatibleDC(scope.dc()));
  UniqueGdi<HBITMAP> bitmap(CreateCompatibleBitmap(scope.dc(), std::max(w, 1), std::max(h, 1)));
  if (!memory || !bitmap) {
    paint(scope.dc());
    return;
  }
  SelectScope select(memory.get(), bitmap.get());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), reinterpret_cast<LPARAM>(memory.get()));
  paint(memory.get());
  BitBlt(scope.dc(), 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  // While double buffered the real erase is skipped; the buffer's erase
  // comes with wParam == lParam.
  if (double_buffered_ && message.WParam != static_cast<WPARAM>(message.LParam)) {
    message.Result = 1;
    return;
  }
  if (!OwnBackground()) return DefaultHandler(message);
  EraseBackground(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = ParentForm()) {
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
  }
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMWindowPosChanged(TMessage& message) {
  DefaultHandler(message);
  UpdateBoundsFromWindow();
}

void TWinControl::WMGetDlgCode(TMessage& message) {
  DefaultHandler(message);
  message.Result |= wanted_keys_;
}

void TWinControl::WMCommand(TMessage& message) {
  if (message.LParam) {
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam))) {
      message.Result = child->Perform(CN_COMMAND, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header) {
    if (TWinControl* child = FindControl(header->hwndFrom)) {
      message.Result = child->Perform(CN_NOTIFY, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message) {
  if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam))) {
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return;
  }
  DefaultHandler(message);
}

void TWinControl::WMDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  if (item && item->CtlType != ODT_MENU) {
    if (TWinControl* child = FindControl(item->hwndItem)) {
      message.Result = child->Perform(CN_DRAWITEM, message.WParam, message.LParam);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(ColorBrush());
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
  TCustomForm* form = ParentForm();
  if (form && form->Perform(CM_DIALOGKEY, key, message.LParam)) message.Result = 1;
}

void TWinControl::CNSysChar(TMessage& message) {
  constexpr LPARAM kAltDown = 1 << 29;
  if (!(message.LParam & kAltDown) || message.WParam == VK_SPACE) return;
  TCustomForm* form = ParentForm();
  if (form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam)) message.Result = 1;
}

void TWinControl::CMDialogChar(TMessage& message) { Broadcast(message); }

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (handle_) EnableWindow(handle_, Enabled());
  TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMFontChanged(TMessage& message) {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  NotifyControls(CM_PARENTFONTCHANGED);
  TControl::CMFontChanged(message);
}

void TWinControl::CMColorChanged(TMessage& message) {
  NotifyControls(CM_PARENTCOLORCHANGED);
  TControl::CMColorChanged(message);
}

void TWinControl::CMTextChanged(TMessage& message) { TControl::CMTextChanged(message); }

void TWinControl::CMCtl3DChanged(TMessage& message) {
  NotifyControls(CM_PARENTCTL3DCHANGED);
  TControl::CMCtl3DChanged(message);
}

// Mouse messages over a graphic child go to it, in its coordinates; a
// button pressed on one keeps sending to it until released.
bool TWinControl::ForwardMouseToGraphic(TMessage& message) {
  const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  TControl* target = mouse_capture_ ? mouse_capture_ : ControlAtPos(p);
  if (!target) return false;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    mouse_capture_ = target;
    SetCapture(handle_);
  }
  const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (message.Msg == WM_LBUTTONUP && mouse_capture_) {
    mouse_capture_ = nullptr;
    ReleaseCapture();
  }
  return true;
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_GETDLGCODE: return WMGetDlgCode(message);
    case WM_COMMAND: return WMCommand(message);
    case WM_NOTIFY: return WMNotify(message);
    case WM_DRAWITEM: return WMDrawItem(message);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return WMCtlColor(message);
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CN_KEYDOWN: return CNKeyDown(message);
    case CN_SYSCHAR: return CNSysChar(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    default: break;
  }
  if (IsMouseMessage(message.Msg) && handle_ && ForwardMouseToGraphic(message)) return;
  TControl::WndProc(message);
}

// ---- TCustomControl

HM_PUBLISH(TCustomControl) {}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasPaintScope scope(*canvas_, dc);
  canvas_->Font().Assign(*Font());
  canvas_->Brush().SetColor(Color());
  Paint();
}

void TWinControl::RecreateFrame() {
  if (!HandleAllocated()) return;
  TCreateParams params;
  CreateParams(params);
  SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(params.style));
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(params.ex_style));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace hm
