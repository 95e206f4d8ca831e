#include "skin/controls/skin_edit.h"

#include <cwchar>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_up_down.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinEdit) {}

namespace {

bool IsSpinButton(HWND window) {
  wchar_t name[64]{};
  if (!GetClassNameW(window, name, 64)) return false;
  return _wcsicmp(name, L"msctls_updown32") == 0 || _wcsicmp(name, L"TSpinButton") == 0;
}

void FrameWith(HDC dc, const RECT& r, HBRUSH brush) {
  if (brush) FrameRect(dc, &r, brush);
}

}  // namespace

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}

TSkinEdit::~TSkinEdit() {
  if (up_down_) up_down_->RemoveFreeNotification(this);
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == up_down_) up_down_ = nullptr;
}

void TSkinEdit::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    // The window DC: the border lies outside the client area.
    case WM_PAINT:
      if (!m.WParam) PaintSkin(nullptr);
      return;
    case WM_PRINT: DrawPrintBorder(reinterpret_cast<HDC>(m.WParam)); return;
    default: TSkinControl::AfterMessage(m);
  }
}

void TSkinEdit::FindUpDown() {
  if (up_down_ || !skin_data_ || !Owner()) return;
  for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinButton(child)) continue;
    auto* skin = MakeOwned<TSkinUpDown>(*Owner());
    skin->SetInset(true);
    try {
      skin->InitSkinHandle(child, *skin_data_, form_skin_, canvas_);
    } catch (...) {
      Owner()->FreeComponent(*skin);
      return;
    }
    up_down_ = skin;
    up_down_->FreeNotification(this);
    return;
  }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_) return;
  FindUpDown();
  RECT client;
  if (!GetClientRect(handle_, &client)) return;
  if (client.right == Width(rect) || client.bottom == Height(rect)) return;  // no border
  UniqueGdi<HBRUSH> shadow(CreateSolidBrush(ColorToRGB(skin_data_->Colours().ButtonShadowColor)));
  FrameWith(dc, rect, shadow.get());
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameWith(dc, inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TSkinEdit::DrawPrintBorder(HDC dc) {
  RECT window, client;
  if (!dc || !skin_data_ || !GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client)) return;
  OffsetRect(&window, -window.left, -window.top);
  if (client.right + 2 >= window.right || client.bottom + 2 >= window.bottom) return;
  RECT inner = window;
  InflateRect(&inner, -1, -1);
  FrameWith(dc, inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  UniqueGdi<HBRUSH> shadow(CreateSolidBrush(ColorToRGB(skin_data_->Colours().ButtonShadowColor)));
  FrameWith(dc, window, shadow.get());
}

}  // namespace hm
