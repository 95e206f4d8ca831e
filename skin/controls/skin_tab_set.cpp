#include "skin/controls/skin_tab_set.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/tab_layout.h"
#include "skin/core/bitmap_effects.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinTab31) {}

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinControl(owner) {}

void TSkinTab31::InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool, TCanvas* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  TWinControl* windowed = control ? control->AsWinControl() : nullptr;
  if (!windowed) return;
  HWND handle = windowed->Handle();
  InitSkinHandle(handle, data, form_skin, canvas);
  control_ = control;
  focused_ = GetFocus() == handle_;
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  PrepareBitmap();
  InvalidateRect(handle_, nullptr, TRUE);
}

void TSkinTab31::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareBitmap();
}

void TSkinTab31::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == up_down_) up_down_ = nullptr;
}

void TSkinTab31::PrepareBitmap() {
  const TDataSkinBorder* d = skin_data_ ? skin_data_->BorderSection(ssTabs) : nullptr;
  if (!d || d->Bitmap.Empty()) {
    tab_bitmap_.SetSize(0, 0);
    return;
  }
  tab_bitmap_.Assign(d->Bitmap);
  tab_bitmap_.ConvertTo24Bit();
  FlipVertical(tab_bitmap_);  // the tabs hang from the top edge
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: PaintOnWmPaint(m); return true;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeMessage(m);
  }
}

HWND TSkinTab31::VisibleScroller() {
  HWND buttons = SkinTabScrollButtons(*this, up_down_, true);
  return buttons && IsWindowVisible(buttons) ? buttons : nullptr;
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  last_drawn_ = 0;
  const TDataSkinBorder* d = skin_data_ ? skin_data_->BorderSection(ssTabs) : nullptr;
  if (!dc || !d || d->Bitmap.Empty() || tab_bitmap_.Empty()) return;
  const int w = Width(rect), h = Height(rect);
  if (w <= 0 || h <= 0) return;
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  if (face_bitmap_.Width() != w || face_bitmap_.Height() != h) face_bitmap_.SetSize(w, h);
  TCanvas& canvas = face_bitmap_.Canvas();
  HDC out = canvas.Handle();
  FillBackground(out, RECT{0, 0, w, h});
  auto* font = dynamic_cast<TFont*>(GetPropObject("Font"));
  if (font) canvas.Font().Assign(*font);

  auto* tabs = dynamic_cast<TStrings*>(GetPropObject("Tabs"));
  const int count = tabs ? tabs->Count() : 0;
  const int first = std::max(GetPropInt("FirstIndex"), 0);
  const int selected = GetPropInt("TabIndex");
  HWND scroller = VisibleScroller();
  TTabSetInput input;
  input.width = w;
  input.start_margin = GetPropInt("StartMargin");
  input.end_margin = GetPropInt("EndMargin");
  input.scroller = scroller != nullptr;
  for (int i = first; i < count; ++i) input.text_widths.push_back(canvas.TextWidth(tabs->Get(i)));
  const std::vector<TPieceRect> places = TabSetTabs(input, h);
  for (std::size_t n = 0; n < places.size(); ++n) {
    const int index = first + static_cast<int>(n);
    const RECT r{places[n].left, places[n].top, places[n].right, places[n].bottom};
    const int frame = index == selected ? kTabSelected : kTabNormal;
    DrawSkinImage(out, r, kTabFrameCount, frame, *d, tab_bitmap_);
    if (font) canvas.Font().Assign(*font);
    canvas.Font().SetColor(frame == kTabSelected ? d->MouseOverColour2 : d->NormalColour2);
    DrawCenteredText(canvas, r, DT_CENTER, enabled_, tabs->Get(index));
  }
  last_drawn_ = static_cast<int>(places.size());

  const int saved = SaveDC(dc);
  RECT at{}, control{};
  if (scroller && GetWindowRect(scroller, &at) && GetWindowRect(handle_, &control)) {
    OffsetRect(&at, -control.left, -control.top);
    ExcludeClipRect(dc, at.left, at.top, at.right, at.bottom);
  }
  BitBlt(dc, rect.left, rect.top, w, h, out, 0, 0, SRCCOPY);
  if (saved) RestoreDC(dc, saved);
}

}  // namespace hm
