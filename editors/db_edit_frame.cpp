// The data-aware edit: its height, the flat border that follows focus and
// mouse, and the text it paints itself while aligned and unfocused.
#include "editors/db_edit.h"

#include <algorithm>
#include <optional>

#include "framework/core/text.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"

namespace hm {

void TCustomDBEditEh::AdjustHeight() {
  if (!auto_size_ || Loading() || !HandleAllocated()) return;
  int content = FontTextHeight(*Font());
  if (content <= 0) return;
  if (edit_image_->Shown() && edit_image_->UseImageHeight()) content = std::max(content, edit_image_->Images()->Height());
  // Border and gap above and below the text, per kind of border.
  const int allowance = Ctl3D() ? (flat_ ? 6 : 8) : (flat_ ? 4 : 6);
  SetHeight(content + allowance * GetSystemMetrics(SM_CYBORDER));
}

bool TCustomDBEditEh::DrawsFlatBorder() const { return flat_ && Ctl3D() && BorderStyle() == bsSingle; }

void TCustomDBEditEh::UpdateBorderState() {
  const bool designing = ComponentState().Contains(csDesigning);
  const bool active = designing || focused_ || mouse_in_control_ || always_show_border_;
  if (active == border_active_) return;
  border_active_ = active;
  if (HandleAllocated() && DrawsFlatBorder()) DrawFlatBorder(nullptr);
  UpdateButtonsState();
}

void TCustomDBEditEh::DrawFlatBorder(HDC given) {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  std::optional<WindowDC> own;
  if (!given) own.emplace(h, true);
  HDC dc = given ? given : own->get();
  if (!dc) return;
  RECT window;
  GetWindowRect(h, &window);
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  // Only the frame: the client area is the edit's.
  RECT client;
  GetClientRect(h, &client);
  POINT origin{0, 0};
  ::ClientToScreen(h, &origin);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  SavedDCState saved(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (border_active_) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  } else {
    FrameRect(dc, &r, face);
  }
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, face);
}

void TCustomDBEditEh::MouseEntered() {
  if (!tracking_mouse_ && HandleAllocated()) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    tracking_mouse_ = TrackMouseEvent(&track) != FALSE;
  }
  if (mouse_in_control_) return;
  mouse_in_control_ = true;
  // The leave notice may never come (the pointer jumped, a busy system):
  // a slow timer checks too.
  if (HandleAllocated()) SetTimer(Handle(), kMouseCheckTimer, 250, nullptr);
  UpdateBorderState();
}

// The mouse left the edit or one of its buttons: it is still "in" while it
// is over any of them.
void TCustomDBEditEh::CheckMouseLeft() {
  if (!mouse_in_control_ || !HandleAllocated()) return;
  POINT p;
  GetCursorPos(&p);
  for (HWND w = WindowFromPoint(p); w; w = GetParent(w)) {
    if (w == Handle()) return;
  }
  mouse_in_control_ = false;
  KillTimer(Handle(), kMouseCheckTimer);
  UpdateBorderState();
}

void TCustomDBEditEh::CMFontChanged(TMessage& message) {
  TCustomMaskEdit::CMFontChanged(message);
  AdjustHeight();
  ButtonsChanged();
}

void TCustomDBEditEh::CMCtl3DChanged(TMessage& message) {
  TCustomMaskEdit::CMCtl3DChanged(message);
  AdjustHeight();
  ButtonsChanged();
}

void TCustomDBEditEh::CMEnabledChanged(TMessage& message) {
  TCustomMaskEdit::CMEnabledChanged(message);
  for (const ButtonPair& pair : button_controls_) pair.button->Invalidate();
}

void TCustomDBEditEh::CMColorChanged(TMessage& message) {
  TCustomMaskEdit::CMColorChanged(message);
  UpdateButtonsState();
}

// ---- Text painted by the control

bool TCustomDBEditEh::PaintsTextItself() const {
  return alignment_ != taLeftJustify && !focused_ && !word_wrap_;
}

void TCustomDBEditEh::PaintAlignedText(HDC dc) {
  try {
    TCanvas canvas;
    TCanvasPaintScope scope(canvas, dc);
    RECT client;
    GetClientRect(Handle(), &client);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    canvas.Font().Assign(*Font());
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    std::string shown = GetText();
    if (!PasswordChar().empty()) {
      const std::size_t n = Utf8ToUtf16(shown).size();
      std::string masked;
      for (std::size_t i = 0; i < n; ++i) masked += PasswordChar();
      shown = masked;
    }
    RECT text = TextRect();
    SetBkMode(dc, TRANSPARENT);
    const unsigned align = alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas.DrawText(shown, text, align | DT_SINGLELINE | DT_NOPREFIX | DT_TOP);
    PaintImage(dc);
  } catch (...) {
    // A half-painted edit is better than an error from its paint message.
  }
}

void TCustomDBEditEh::PaintImage(HDC dc) {
  if (!edit_image_->Shown()) return;
  try {
    TCanvas canvas;
    TCanvasPaintScope scope(canvas, dc);
    TImageList& images = *edit_image_->Images();
    const int y = std::max(0, (ClientHeight() - images.Height()) / 2);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(RECT{0, 0, image_width_, ClientHeight()});
    images.Draw(canvas, 2, y, edit_image_->ImageIndex(), Enabled());
  } catch (...) {
  }
}

}  // namespace hm
