#include "framework/ui/controls/buttons.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/forms/form.h"

namespace hm {

namespace {

struct KindDefaults {
  const char* caption;
  TModalResult result;
  bool is_default;
  bool is_cancel;
};

KindDefaults DefaultsOf(TBitBtnKind kind) {
  switch (kind) {
    case bkOK: return {"OK", mrOk, true, false};
    case bkCancel: return {"Cancel", mrCancel, false, true};
    case bkHelp: return {"&Help", mrNone, false, false};
    case bkYes: return {"&Yes", mrYes, true, false};
    case bkNo: return {"&No", mrNo, false, true};
    case bkClose: return {"&Close", mrNone, false, false};
    case bkAbort: return {"Abort", mrAbort, false, true};
    case bkRetry: return {"&Retry", mrRetry, false, false};
    case bkIgnore: return {"&Ignore", mrIgnore, false, false};
    case bkAll: return {"&All", mrAll, true, false};
    case bkCustom: break;
  }
  return {"", mrNone, false, false};
}

}  // namespace

// ---- TBitBtn

HM_PUBLISH(TBitBtn) {
  p.Prop("Glyph", &TBitBtn::Glyph);
  p.Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
  p.Prop("Layout", &TBitBtn::Layout, [](TBitBtn& b, TButtonLayout v) { b.Face().SetLayout(v); });
  p.Prop("Margin", &TBitBtn::Margin, [](TBitBtn& b, int v) { b.Face().SetMargin(v); });
  p.Prop("NumGlyphs", &TBitBtn::NumGlyphs, [](TBitBtn& b, int v) { b.Face().SetNumGlyphs(v); });
  p.Prop("Spacing", &TBitBtn::Spacing, [](TBitBtn& b, int v) { b.Face().SetSpacing(v); });
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

// The kind's caption and role replace only what still is the previous
// kind's default, so a stored Caption read before Kind survives.
void TBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == kind_) return;
  const KindDefaults before = DefaultsOf(kind_);
  const KindDefaults after = DefaultsOf(kind);
  kind_ = kind;
  if (kind == bkCustom) return;
  if (Caption().empty() || Caption() == before.caption || Caption() == Name()) SetCaption(after.caption);
  if (ModalResult() == before.result) SetModalResult(after.result);
  SetDefault(after.is_default);
  SetCancel(after.is_cancel);
  Invalidate();
}

void TBitBtn::Click() {
  TCustomForm* form = ParentForm();
  if (kind_ == bkClose && form) {
    form->Close();
    return;
  }
  TButton::Click();
}

void TBitBtn::CNDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  message.Result = TRUE;
  if (!item) return;
  try {
    DrawFace(*item);
  } catch (...) {
    // A face that cannot be drawn stays as it is; painting never fails outward.
  }
}

void TBitBtn::DrawFace(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool enabled = !(item.itemState & ODS_DISABLED);
  // Another push button with the focus takes the default frame away.
  TWinControl* focus = FindControl(GetFocus());
  show_default_ = focused || (Default() && !dynamic_cast<TButton*>(focus));

  if (show_default_) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  if (pressed) FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));

  RECT content = r;
  InflateRect(&content, -2, -2);
  if (pressed) OffsetRect(&content, 1, 1);
  {
    TCanvas canvas;
    TCanvasPaintScope scope(canvas, dc);
    canvas.Font().Assign(*Font());
    const TGlyphState state = !enabled ? TGlyphState::Disabled : pressed ? TGlyphState::Pressed : TGlyphState::Normal;
    face_.Draw(canvas, content, Caption(), state, enabled);
  }
  if (focused) {
    RECT focus_rect = r;
    InflateRect(&focus_rect, -3, -3);
    DrawFocusRect(dc, &focus_rect);
  }
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM: return CNDrawItem(message);
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button takes a double click as one click only;
      // a quick second click must press it again.
      message.Msg = WM_LBUTTONDOWN;
      break;
    default: break;
  }
  TButton::WndProc(message);
}

// ---- TSpeedButton

HM_PUBLISH(TSpeedButton) {
  p.Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
  p.Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
  p.Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
  p.Prop("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption);
  p.Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
  p.Prop("Glyph", &TSpeedButton::Glyph);
  p.Prop("Layout", &TSpeedButton::Layout, [](TSpeedButton& b, TButtonLayout v) { b.Face().SetLayout(v); });
  p.Prop("Margin", &TSpeedButton::Margin, [](TSpeedButton& b, int v) { b.Face().SetMargin(v); });
  p.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, [](TSpeedButton& b, int v) { b.Face().SetNumGlyphs(v); });
  p.Prop("Spacing", &TSpeedButton::Spacing, [](TSpeedButton& b, int v) { b.Face().SetSpacing(v); });
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetDown(bool value) {
  if (group_index_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allow_all_up_) return;  // the group keeps one button down
  down_ = value;
  if (down_) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (value == group_index_) return;
  group_index_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  allow_all_up_ = value;
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && group_index_ != 0 && other->group_index_ == group_index_)
      other->allow_all_up_ = value;
  }
}

void TSpeedButton::UpdateExclusive() {
  if (!down_ || group_index_ == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->group_index_ != group_index_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::MouseDown(POINT) {
  if (!Enabled()) return;
  tracking_ = true;
  pressed_ = true;
  Repaint();
}

void TSpeedButton::MouseMove(POINT p) {
  if (!tracking_) return;
  const RECT r = ClientRect();
  const bool inside = PtInRect(&r, p);
  if (inside == pressed_) return;
  pressed_ = inside;
  Repaint();
}

void TSpeedButton::MouseUp(POINT p) {
  if (!tracking_) return;
  tracking_ = false;
  pressed_ = false;
  const RECT r = ClientRect();
  if (PtInRect(&r, p)) {
    if (group_index_ != 0) {
      if (!down_) SetDown(true);
      else if (allow_all_up_) SetDown(false);
    }
    Invalidate();
    Click();
    return;
  }
  Invalidate();
}

void TSpeedButton::WndProc(TMessage& message) {
  const POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return MouseDown(p);
    case WM_MOUSEMOVE: return MouseMove(p);
    case WM_LBUTTONUP: return MouseUp(p);
    default: return TGraphicControl::WndProc(message);
  }
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  const bool shown_down = down_ || pressed_;
  if (!flat_ || shown_down) {
    UINT state = DFCS_BUTTONPUSH;
    if (shown_down) state |= DFCS_PUSHED;
    if (down_ && !pressed_) state |= DFCS_CHECKED;
    DrawFrameControl(canvas.Handle(), &r, DFC_BUTTON, state);
  }
  RECT content = r;
  InflateRect(&content, -2, -2);
  if (shown_down) OffsetRect(&content, 1, 1);
  const TGlyphState state = !Enabled() ? TGlyphState::Disabled
                            : pressed_ ? TGlyphState::Pressed
                            : down_    ? TGlyphState::Down
                                       : TGlyphState::Normal;
  face_.Draw(canvas, content, Caption(), state, Enabled());
}

}  // namespace hm
