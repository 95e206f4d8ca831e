#include "framework/ui/buttons.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/canvas.h"
#include "framework/ui/form.h"

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

// The size the caption takes on the canvas; (0, 0) without a caption.
SIZE CaptionSize(TCanvas& canvas, const std::string& caption, int max_width) {
  if (caption.empty()) return SIZE{0, 0};
  RECT r{0, 0, std::max(max_width, 1), 0};
  canvas.DrawText(caption, r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// Caption at `at`; disabled text is engraved like a disabled label.
void DrawCaption(TCanvas& canvas, const std::string& caption, POINT at, SIZE size, UINT align, bool enabled) {
  if (caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = align | DT_EXPANDTABS | DT_WORDBREAK;
  RECT r{at.x, at.y, at.x + size.cx, at.y + size.cy};
  if (!enabled) {
    RECT offset = r;
    OffsetRect(&offset, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, offset, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, r, flags);
}

}  // namespace

// ---- TBitBtn

HM_PUBLISH(TBitBtn) {
  p.Prop("Glyph", &TBitBtn::Glyph);
  p.Prop("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
  p.Prop("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout);
  p.Prop("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin);
  p.Prop("ModalResult", &TBitBtn::ModalResult, &TBitBtn::SetModalResult);
  p.Prop("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
  p.Prop("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TGlyph>()) {
  glyph_->OnChange = [this] { Changed(); };
}

TBitBtn::~TBitBtn() { glyph_->OnChange = nullptr; }

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::Changed() { Invalidate(); }

void TBitBtn::SetGlyph(TGlyph* glyph) {
  if (glyph) glyph_->Assign(*glyph);
}

void TBitBtn::SetNumGlyphs(int value) {
  num_glyphs_ = std::clamp(value, 1, 4);
  Changed();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  layout_ = value;
  Changed();
}

void TBitBtn::SetMargin(int value) {
  margin_ = std::max(value, -1);
  Changed();
}

void TBitBtn::SetSpacing(int value) {
  spacing_ = std::max(value, -1);
  Changed();
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
  if (modal_result_ == before.result) modal_result_ = after.result;
  SetDefault(after.is_default);
  SetCancel(after.is_cancel);
  Changed();
}

void TBitBtn::Click() {
  TCustomForm* form = ParentForm();
  if (kind_ == bkClose && form) {
    form->Close();
    return;
  }
  if (form && modal_result_ != mrNone) hm::SetModalResult(*form, modal_result_);
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
  const SIZE client{content.right - content.left, content.bottom - content.top};

  TCanvas canvas;
  canvas.SetHandle(dc);
  try {
    canvas.Font().Assign(*Font());
    const SIZE glyph = GlyphSize(*glyph_, num_glyphs_);
    const SIZE text = CaptionSize(canvas, Caption(), client.cx - glyph.cx);
    const TButtonPlacement at = PlaceGlyphAndText(client, glyph, text, layout_, margin_, spacing_);
    const TGlyphState state = !enabled ? TGlyphState::Disabled : pressed ? TGlyphState::Pressed : TGlyphState::Normal;
    DrawGlyph(canvas, content.left + at.glyph.x, content.top + at.glyph.y, *glyph_, num_glyphs_, state);
    DrawCaption(canvas, Caption(), POINT{content.left + at.text.x, content.top + at.text.y}, text, at.text_align,
                enabled);
  } catch (...) {
    canvas.SetHandle(nullptr);
    throw;
  }
  canvas.SetHandle(nullptr);
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
  p.Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout);
  p.Prop("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin);
  p.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
  p.Prop("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing);
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TGlyph>()) {
  SetBounds(0, 0, 23, 22);
  glyph_->OnChange = [this] { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { glyph_->OnChange = nullptr; }

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

void TSpeedButton::SetGlyph(TGlyph* glyph) {
  if (glyph) glyph_->Assign(*glyph);
}

void TSpeedButton::SetNumGlyphs(int value) {
  num_glyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  margin_ = std::max(value, -1);
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  spacing_ = std::max(value, -1);
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
  const SIZE client{content.right - content.left, content.bottom - content.top};
  const SIZE glyph = GlyphSize(*glyph_, num_glyphs_);
  const SIZE text = CaptionSize(canvas, Caption(), client.cx - glyph.cx);
  const TButtonPlacement at = PlaceGlyphAndText(client, glyph, text, layout_, margin_, spacing_);
  const TGlyphState state = !Enabled() ? TGlyphState::Disabled
                            : pressed_ ? TGlyphState::Pressed
                            : down_    ? TGlyphState::Down
                                       : TGlyphState::Normal;
  DrawGlyph(canvas, content.left + at.glyph.x, content.top + at.glyph.y, *glyph_, num_glyphs_, state);
  DrawCaption(canvas, Caption(), POINT{content.left + at.text.x, content.top + at.text.y}, text, at.text_align,
              Enabled());
}

}  // namespace hm
