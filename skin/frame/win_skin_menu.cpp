#include "skin/frame/win_skin_menu.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/accelerator.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/frame_drawing.h"
#include "skin/frame/menu_item_drawing.h"
#include "skin/frame/win_skin_form.h"

namespace hm {

// The one tracking of the process: only one menu is tracked at a time.
struct TMenuTracking {
  TWinSkinMenu* bar = nullptr;
  int index = -1;
  POINT last{};
  bool first_seen = false;
  bool switching = false;
  UniqueHook hook;
  // Items given the owner-drawn type for this tracking, to be given back.
  std::vector<std::pair<HMENU, UINT>> owner_drawn;
  std::vector<std::pair<UINT, std::string>> texts;
};

namespace {

TMenuTracking g_track;
constexpr int kNativeTextLength = 80;

// `item` is a position or, with `by_position` false, a command.
std::string NativeText(HMENU menu, UINT item, bool by_position = true) {
  wchar_t text[kNativeTextLength + 1] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = kNativeTextLength;
  if (!GetMenuItemInfoW(menu, item, by_position ? TRUE : FALSE, &info)) return {};
  return Narrow(text);
}

// Every item of the drop-down, through its submenus, reaches the frame's
// item drawing; what was changed is remembered to be given back.
void MakeOwnerDrawn(HMENU menu, int depth) {
  if (!menu || depth > 16) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    info.fMask |= MIIM_ID;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      g_track.texts.emplace_back(info.wID, NativeText(menu, static_cast<UINT>(i)));
      MENUITEMINFOW type{};
      type.cbSize = sizeof type;
      type.fMask = MIIM_FTYPE;
      type.fType = info.fType | MFT_OWNERDRAW;
      if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &type)) g_track.owner_drawn.emplace_back(menu, i);
    }
    MakeOwnerDrawn(info.hSubMenu, depth + 1);
  }
}

void GiveBackOwnerDrawn() {
  for (const auto& [menu, position] : g_track.owner_drawn) {
    if (!IsMenu(menu)) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
    info.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
    SetMenuItemInfoW(menu, position, TRUE, &info);
  }
  g_track.owner_drawn.clear();
  g_track.texts.clear();
}

// The deepest highlighted item under the tracked drop-down: the list it is
// in and its submenu. The menu loop keeps the highlight in the items'
// state, which is what the arrow keys act on.
struct THighlight {
  HMENU list = nullptr;
  HMENU sub = nullptr;
};

THighlight DeepestHighlight(HMENU root) {
  THighlight found;
  HMENU menu = root;
  for (int depth = 0; menu && depth < 16; ++depth) {
    const int count = GetMenuItemCount(menu);
    HMENU next = nullptr;
    for (int i = 0; i < count; ++i) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_STATE | MIIM_SUBMENU;
      if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || !(info.fState & MFS_HILITE)) continue;
      found = THighlight{menu, info.hSubMenu};
      next = info.hSubMenu;
      break;
    }
    if (!next) break;
    menu = next;
  }
  return found;
}

LRESULT CALLBACK MenuFilterProc(int code, WPARAM wparam, LPARAM lparam) {
  auto* msg = reinterpret_cast<MSG*>(lparam);
  TWinSkinMenu* bar = g_track.bar;
  if (code == MSGF_MENU && msg && bar && msg->message == WM_KEYDOWN && bar->Menu() && bar->Menu()->IsRightToLeft()) {
    if (msg->wParam == VK_LEFT) {
      msg->wParam = VK_RIGHT;
    } else if (msg->wParam == VK_RIGHT) {
      msg->wParam = VK_LEFT;
    }
  }
  const LRESULT next = CallNextHookEx(g_track.hook.get(), code, wparam, lparam);
  if (next || code != MSGF_MENU || !msg || !bar) return next;
  try {
    if (!g_track.first_seen) {
      g_track.first_seen = true;
      // The drop-down opens with its first item selected.
      PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    const int count = bar->ItemCount();
    TMenuBtn* target = nullptr;
    switch (msg->message) {
      case WM_KEYDOWN: {
        if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) g_track.switching = false;
        const THighlight at = DeepestHighlight(bar->Form().TrackedPopup());
        if (count > 0 && g_track.index >= 0 && g_track.index < count) {
          if (msg->wParam == VK_LEFT && (!at.list || at.list == bar->Form().TrackedPopup())) {
            target = bar->Items()[static_cast<std::size_t>((g_track.index + count - 1) % count)].get();
          } else if (msg->wParam == VK_RIGHT && (!at.list || !at.sub)) {
            target = bar->Items()[static_cast<std::size_t>((g_track.index + 1) % count)].get();
          }
        }
        break;
      }
      case WM_SYSKEYDOWN:
        if (msg->wParam == VK_MENU) bar->Form().SetMenuTracking(false);
        return 0;
      case WM_MENUSELECT: bar->MenuSelect(msg->wParam, msg->lParam); return 0;
      case WM_MOUSEMOVE:
        if (msg->pt.x != g_track.last.x || msg->pt.y != g_track.last.y) {
          target = bar->ItemAt(bar->Form().WindowToFrame(msg->pt));
          g_track.last = msg->pt;
        }
        break;
      default: break;
    }
    if (target && target->Index != g_track.index) {
      g_track.switching = true;
      bar->ClickItem(*target);
      // The key or move is not the menu's any more: it is closing.
      return 1;
    }
  } catch (...) {
    // The menu goes on as the system tracks it.
  }
  return 0;
}

void InstallFilter() {
  g_track.first_seen = false;
  g_track.switching = false;
  GetCursorPos(&g_track.last);
  g_track.hook.reset(SetWindowsHookExW(WH_MSGFILTER, &MenuFilterProc, nullptr, GetCurrentThreadId()));
}

void RemoveFilter() {
  g_track.hook.reset();
  g_track.index = -1;
  g_track.first_seen = false;
  g_track.bar = nullptr;
}

}  // namespace

std::string TrackedItemText(HMENU tracked, UINT command) {
  for (const auto& [id, text] : g_track.texts) {
    if (id == command) return text;
  }
  if (!tracked) return {};
  return NativeText(tracked, command, false);
}

bool IsNT4Platform() {
  const DWORD version = GetVersion();
  return !(version & 0x80000000u) && LOBYTE(LOWORD(version)) == 4;
}

int TWinSkinMenu::CurrentIndex() { return g_track.index; }
bool TWinSkinMenu::HookInstalled() { return g_track.hook != nullptr; }

// ---- TMenuBtn

HM_PUBLISH(TMenuBtn) {}

void TMenuBtn::Paint() {
  if (!Visible) return;
  HWND window = Form().Handle();
  WindowDC dc(window, true);
  if (!dc) return;
  const RECT& bar = bar_.BarRect();
  const TBitmap& background = bar_.Background();
  if (!background.Empty()) {
    BitBlt(dc.get(), Rect.left, bar.top, Width(Rect), Height(bar), const_cast<TBitmap&>(background).Canvas().Handle(),
           Rect.left - bar.left, 0, SRCCOPY);
  }
  if (State == kNCPressed || State == kNCHot) {
    UniqueGdi<HBRUSH> pen(CreateSolidBrush(ColorToRGB(bar_.Data().Colours().ButtonHilightColor)));
    FrameRect(dc.get(), &Rect, pen.get());
  }
  TFont font;
  AssignSystemMenuFont(font);
  SelectScope select(dc.get(), font.Handle());
  const int mode = SetBkMode(dc.get(), TRANSPARENT);
  bar_.DrawCaption(dc.get(), *this, Rect);
  SetBkMode(dc.get(), mode);
}

// ---- TWinSkinMenu

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData& data) : form_(form), data_(data) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (g_track.bar == this) g_track.bar = nullptr;
}

TMainMenu* TWinSkinMenu::Menu() const { return form_.Form() ? form_.Form()->Menu() : nullptr; }

bool TWinSkinMenu::RightToLeft() const {
  const TMainMenu* menu = Menu();
  return menu && menu->IsRightToLeft();
}

void TWinSkinMenu::FillFromItem(TMenuBtn& button, TMenuItem& item) {
  button.Visible = item.Visible();
  button.Enabled = item.Enabled();
  button.Command = item.Command();
  button.Caption = item.Caption();
  button.Item = &item;
  button.SubMenu = item.Count() > 0 ? item.Handle() : nullptr;
}

void TWinSkinMenu::DetachNative() {
  if (GetMenu(form_.Handle())) SetMenu(form_.Handle(), nullptr);
}

void TWinSkinMenu::ItemsFromFramework(TMainMenu& menu) {
  TMenuItem& root = *menu.Items();
  for (int i = 0; i < root.Count(); ++i) {
    auto button = std::make_unique<TMenuBtn>(form_, *this, i);
    FillFromItem(*button, *root.Items(i));
    items_.push_back(std::move(button));
  }
  DetachNative();
}

void TWinSkinMenu::BuildFromForm() {
  if (HMENU menu = GetMenu(form_.Handle())) native_menu_ = menu;
  if (!native_menu_) return;
  if (!form_.Form()) {
    // A window without framework form: its native menu is all there is.
    RebuildFromNative(nullptr);
    return;
  }
  TMainMenu* menu = Menu();
  if (!menu) return;
  form_.SetHotObject(nullptr);
  items_.clear();
  ItemsFromFramework(*menu);
}

void TWinSkinMenu::RebuildFromForm() {
  if (!form_.Form()) {
    // Without framework form the native menu is the only source: emptying
    // the bar would lose it.
    RebuildFromNative(GetMenu(form_.Handle()));
    return;
  }
  if (HMENU menu = GetMenu(form_.Handle())) native_menu_ = menu;
  form_.SetHotObject(nullptr);
  items_.clear();
  TMainMenu* menu = Menu();
  if (!menu || menu->Items()->Count() == 0) return;
  ItemsFromFramework(*menu);
}

void TWinSkinMenu::RebuildFromNative(HMENU menu) {
  if (menu) native_menu_ = menu;
  if (!native_menu_) return;
  form_.SetHotObject(nullptr);
  items_.clear();
  const int count = GetMenuItemCount(native_menu_);
  if (count <= 0) return;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    auto button = std::make_unique<TMenuBtn>(form_, *this, i);
    button->Visible = true;
    if (GetMenuItemInfoW(native_menu_, static_cast<UINT>(i), TRUE, &info)) {
      button->SubMenu = info.hSubMenu;
      button->Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
      button->Command = info.wID;
      button->Caption = NativeText(native_menu_, static_cast<UINT>(i));
    }
    if (button->Caption.empty()) {
      if (TMainMenu* framework = Menu()) {
        TMenuItem& root = *framework->Items();
        for (int j = 0; j < root.Count(); ++j) {
          if (root.Items(j)->Command() == button->Command) {
            FillFromItem(*button, *root.Items(j));
            button->Visible = true;
            break;
          }
        }
      }
    }
    items_.push_back(std::move(button));
  }
  DetachNative();
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT p) const {
  for (const auto& item : items_) {
    if (!item->Caption.empty() && PtInRect(&item->Rect, p)) return item.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelerator(WPARAM key) const {
  for (const auto& item : items_) {
    if (item->Enabled && IsAccelerator(key, item->Caption)) return item.get();
  }
  return nullptr;
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& item, const RECT& rect) {
  const TSkinColours& colours = data_.Colours();
  SetTextColor(dc, item.Enabled ? ColorToRGB(colours.MenuBarTextColor) : GetSysColor(COLOR_BTNSHADOW));
  RECT measured = rect;
  SkinDrawText(dc, item.Caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  RECT at = rect;
  at.left += (Width(rect) - Width(measured)) / 2;
  at.top += (Height(rect) - Height(measured)) / 2;
  at.right = at.left + Width(measured);
  at.bottom = at.top + Height(measured);
  SkinDrawText(dc, item.Caption, at, DT_SINGLELINE | DT_EXPANDTABS | DT_CENTER);
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& bar) {
  TBitmap* work = WorkBitmap();
  if (!work || !dc) return;
  const int w = Width(bar);
  const int h = Height(bar);
  if (w <= 0 || h <= 0) return;
  work->SetSize(w, h);
  TCanvas& canvas = work->Canvas();
  const int frame = form_.Active() ? 1 : 2;
  const TDataSkinObject* skin = data_.MenuBar();
  if (skin && skin->Bitmap.Empty()) skin = nullptr;
  const RECT whole{0, 0, w, h};
  if (skin && skin->Tile == 1) {
    std::unique_ptr<TBitmap> image = NinePartBitmap(whole, skin->Bitmap, TSkinMargins{skin->LeftWidth, 0, skin->RightWidth, 0},
                                                    TFrameOrientation::Stacked, false, 2, frame);
    if (image && !image->Empty()) BitBlt(canvas.Handle(), 0, 0, w, h, image->Canvas().Handle(), 0, 0, SRCCOPY);
  } else if (skin) {
    ThreePartStrip(canvas, whole, skin->Bitmap, true, false, 2, frame, TSkinMargins{skin->LeftWidth, 0, skin->RightWidth, 0});
  } else {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(data_.Colours().MenubarColor);
    canvas.FillRect(whole);
  }
  const bool rtl = RightToLeft();
  int start = 6;
  if (skin) {
    start = rtl ? skin->RightWidth + 8 : skin->LeftWidth + 4;
    if (w < start) start = 12;
  }
  bar_rect_ = bar;
  background_.Assign(*work);

  HDC out = canvas.Handle();
  TFont font;
  AssignSystemMenuFont(font);
  SelectScope select(out, font.Handle());
  const int mode = SetBkMode(out, TRANSPARENT);
  painting_ = true;
  int x = rtl ? w - start : start;
  for (const auto& item : items_) {
    item->State = kNCResting;
    if (!item->Visible) {
      item->Rect = RECT{0, 0, 0, 0};
      continue;
    }
    RECT measured{0, 0, 0, 0};
    SkinDrawText(out, item->Caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    const int cw = Width(measured);
    const int room = cw > 0 ? cw + 10 : cw;
    RECT local = rtl ? RECT{x - room, 0, x, h - 1} : RECT{x, 0, x + room, h - 1};
    x = rtl ? x - room : x + room;
    DrawCaption(out, *item, local);
    item->Rect = RECT{bar.left + local.left, bar.top, bar.left + local.right, bar.bottom - 1};
  }
  painting_ = false;
  SetBkMode(out, mode);

  if (form_.FormKind() == kFormMdiFrame && form_.MdiClient()) {
    BOOL maximized = FALSE;
    const auto child = SendMessageW(form_.MdiClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    if (child && maximized) {
      for (const auto& button : form_.CaptionButtons()) {
        const TDataSkinSysButton& d = button->Definition();
        if (d.Visibility != 100 || d.Bitmap.Empty()) continue;
        RECT at = button->Rect;
        OffsetRect(&at, -form_.BorderLeft(), -form_.CaptionHeight());
        DrawStripFrame(canvas, at, std::max(d.FrameCount, 1), 1, d.Bitmap);
      }
      TSkinManage* manager = ExistingSkinManager();
      if (manager && !manager->MdiMaximized()) manager->SetMdiMaximized(true);
    }
  }
  BitBlt(dc, bar.left, bar.top, w, h, out, 0, 0, SRCCOPY);
}

void TWinSkinMenu::OpenItem(TMenuBtn& item) {
  HWND window = form_.Handle();
  PostMessageW(window, WM_COMMAND, item.Command, 0);
  HMENU sub = item.SubMenu;
  if (!sub || g_track.hook) return;
  const bool enabled = item.Enabled;
  g_track.index = item.Index;
  g_track.bar = this;
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  const POINT at{item.Rect.left + window_rect.left, item.Rect.bottom + window_rect.top};
  if (!IsNT4Platform()) MakeOwnerDrawn(sub, 0);
  form_.SetMenuTracking(true);
  if (TSkinManage* manager = ExistingSkinManager()) manager->SetMenuBarDropDown(true);
  form_.SetTrackedPopup(sub);
  InstallFilter();
  // `item` may be rebuilt while the menu runs (its command is dispatched
  // inside the menu loop): it is not touched after this.
  if (enabled) TrackPopupMenu(sub, TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
  RemoveFilter();
  GiveBackOwnerDrawn();
  form_.SetTrackedPopup(nullptr);
  form_.SetMenuTracking(false);
}

void TWinSkinMenu::ClickItem(const TMenuBtn& item) {
  HWND window = form_.Handle();
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  // A tracking that runs ends first: the posted click must not reach the
  // frame while the old drop-down is still open.
  if (g_track.hook) EndMenu();
  const int x = item.Rect.left + window_rect.left + 1;
  const int y = item.Rect.top + window_rect.top + 1;
  PostMessageW(window, WM_NCLBUTTONDOWN, 1, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void TWinSkinMenu::MenuSelect(WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) == 0xFFFF && lparam == 0) {
    if (!g_track.switching) form_.SetMenuTracking(false);
    return;
  }
  g_track.switching = false;
}

}  // namespace hm
