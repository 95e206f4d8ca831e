// Windowed controls: painting, double buffering and the graphic children.
#include "framework/ui/base/win_control.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"

namespace hm {

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

}  // namespace hm
