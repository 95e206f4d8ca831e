#include "skin/frame/win_skin_pop_menu.h"

#include <algorithm>
#include <vector>

#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"

namespace hm {

namespace {

TWinSkinPopMenu* g_pending = nullptr;
std::vector<TWinSkinPopMenu*> g_live;  // attached now

bool Enabled() {
  const TSkinManage* manager = ExistingSkinManager();
  return manager && manager->Enabled();
}

}  // namespace

TWinSkinPopMenu* TWinSkinPopMenu::PendingPopup() { return g_pending; }

void TWinSkinPopMenu::ServePendingPopup(HMENU menu) {
  if (!g_pending) return;
  g_pending->menu_ = menu;
  g_pending = nullptr;
}

TBitmap* TWinSkinPopMenu::ItemBackground(HMENU menu, POINT& client_origin) {
  if (!menu) return nullptr;
  for (TWinSkinPopMenu* skin : g_live) {
    if (skin->menu_ != menu || skin->background_.Empty()) continue;
    client_origin = skin->client_origin_;
    return &skin->background_;
  }
  return nullptr;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, TSkinData& data, HMENU menu) {
  if (subclass_.Installed()) return;
  handle_ = window;
  data_ = &data;
  menu_ = menu;
  subclass_ = TSubclass(window, [this](TMessage& m, TSubclass&) { WindowProc(m); });
  g_live.push_back(this);
}

void TWinSkinPopMenu::Detach() {
  subclass_.Remove();
  background_.SetSize(0, 0);
  if (g_pending == this) g_pending = nullptr;
  g_live.erase(std::remove(g_live.begin(), g_live.end(), this), g_live.end());
}

void TWinSkinPopMenu::WindowProc(TMessage& message) {
  if (message.Msg == WM_SKINQUERY) {
    message.Result = 1;
    return;
  }
  if (!Enabled()) {
    subclass_.CallPrevious(message);
    return;
  }
  switch (message.Msg) {
    case WM_DESTROY: {
      // The message still reaches the menu's own procedure.
      const WNDPROC previous = subclass_.PreviousProc();
      Detach();
      message.Result = CallWindowProcW(previous, handle_, message.Msg, message.WParam, message.LParam);
      return;
    }
    case WM_NCPAINT: PaintRing(message); return;
    case WM_PAINT:
      subclass_.CallPrevious(message);
      if (RingInClient() && !background_.Empty()) DrawRing();
      return;
    case WM_PRINT: Print(message); return;
    default: subclass_.CallPrevious(message); return;
  }
}

bool TWinSkinPopMenu::BuildBackground(int width, int height) {
  if (!data_ || data_->SkinNotLoaded()) return false;
  const TDataSkinObject* skin = data_->Section(ssMenuBackground);
  if (!skin || skin->Bitmap.Empty() || width <= 0 || height <= 0) return false;
  try {
    std::unique_ptr<TBitmap> made = NinePartBitmap(RECT{0, 0, width, height}, skin->Bitmap, MarginsOf(*skin),
                                                   TFrameOrientation::SideBySide, skin->Tile != 0, 1, 1);
    if (!made || made->Empty()) return false;
    background_.Assign(*made);
  } catch (...) {
    return false;
  }
  RECT window{};
  POINT origin{0, 0};
  if (GetWindowRect(handle_, &window) && ClientToScreen(handle_, &origin))
    client_origin_ = POINT{origin.x - window.left, origin.y - window.top};
  return true;
}

void TWinSkinPopMenu::PaintRing(TMessage& message) {
  RECT window{};
  GetWindowRect(handle_, &window);
  const int w = Width(window);
  const int h = Height(window);
  if (!BuildBackground(w, h)) {
    subclass_.CallPrevious(message);
    return;
  }
  if (!menu_) g_pending = this;
  DrawRing();
  message.Result = 0;
}

bool TWinSkinPopMenu::RingInClient() const {
  RECT window{}, client{};
  return GetWindowRect(handle_, &window) && GetClientRect(handle_, &client) && Width(client) == Width(window) &&
         Height(client) == Height(window);
}

void TWinSkinPopMenu::DrawRing() {
  WindowDC window_dc(handle_, true);
  HDC dc = window_dc.get();
  if (!dc) return;
  const int w = background_.Width();
  const int h = background_.Height();
  HDC source = background_.Canvas().Handle();
  const int r = kMenuRing;
  BitBlt(dc, 0, 0, w, r, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - r, w, r, source, 0, h - r, SRCCOPY);
  BitBlt(dc, 0, r, r, h - 2 * r, source, 0, r, SRCCOPY);
  BitBlt(dc, w - r, r, r, h - 2 * r, source, w - r, r, SRCCOPY);
}

void TWinSkinPopMenu::Print(TMessage& message) {
  RECT window{};
  GetWindowRect(handle_, &window);
  const int w = Width(window);
  const int h = Height(window);
  auto* target = reinterpret_cast<HDC>(message.WParam);
  if (!target || !BuildBackground(w, h)) {
    subclass_.CallPrevious(message);
    return;
  }
  if (!menu_) g_pending = this;
  BitBlt(target, 0, 0, w, h, background_.Canvas().Handle(), 0, 0, SRCCOPY);
  const int old_mode = SetBkMode(target, TRANSPARENT);
  // The target's own clipping comes back afterwards (none is a null region).
  const UniqueGdi<HRGN> saved(CreateRectRgn(0, 0, 0, 0));
  const bool had_clip = saved && GetClipRgn(target, saved.get()) == 1;
  IntersectClipRect(target, kMenuRing, kMenuRing, w - kMenuRing, h - kMenuRing);
  try {
    subclass_.CallPrevious(message);
  } catch (...) {
    message.Result = 0;
  }
  SelectClipRgn(target, had_clip ? saved.get() : nullptr);
  SetBkMode(target, old_mode);
}

}  // namespace hm
