#include "skin/controls/skin_tab.h"

#include <commctrl.h>

#include <array>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/controls/skin_up_down.h"
#include "skin/core/bitmap_effects.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinTab) {}

namespace {

// The page border's fixed parts, whatever the skin's [Tabs] margins say.
constexpr TSkinMargins kBorderMargins{4, 5, 4, 4};
constexpr int kMaxTabText = 80;


TTabSide SideOfWindow(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  return TabSideOf((style & TCS_BOTTOM) != 0, (style & TCS_VERTICAL) != 0);
}

void SelectWindowFont(HWND window, TCanvas& canvas) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW lf{};
  if (font && GetObjectW(font, sizeof lf, &lf)) canvas.Font().AssignLogFont(lf);
}

// A private 24-bit copy of a skin image, the one the transforms can turn.
void CopyImage(TBitmap& to, const TBitmap& from) {
  if (from.Empty()) {
    to.SetSize(0, 0);
    return;
  }
  to.Assign(from);
  to.ConvertTo24Bit();
}

}  // namespace

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}

void TSkinTab::InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas) {
  if (attached_) return;
  TSkinControl::InitSkinHandle(handle, data, form_skin, canvas);
  focused_ = GetFocus() == handle_;
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  PrepareBitmaps();
  ScrollButtons();
}

void TSkinTab::SkinChanged() {
  TSkinControl::SkinChanged();
  PrepareBitmaps();
}

void TSkinTab::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove && component == up_down_) up_down_ = nullptr;
}

const TDataSkinBorder* TSkinTab::Definition() const {
  return skin_data_ ? skin_data_->BorderSection(ssTabs) : nullptr;
}

void TSkinTab::PrepareBitmaps() {
  orientation_ = handle_ ? SideOfWindow(handle_) : TTabSide::Top;
  const TDataSkinBorder* d = Definition();
  // Each image on its own: a skin without a Border image still has its
  // tabs drawn, only the page border is left out.
  const TBitmap none;
  CopyImage(tab_bitmap_, d ? d->Bitmap : none);
  CopyImage(border_bitmap_, d ? d->SecondBitmap : none);
  switch (orientation_) {
    case TTabSide::Top: break;
    case TTabSide::Bottom:
      if (!tab_bitmap_.Empty()) FlipVertical(tab_bitmap_);
      if (!border_bitmap_.Empty()) FlipVertical(border_bitmap_);
      break;
    // The tabs lie in the strip, which is turned as a whole.
    case TTabSide::Left:
      if (!border_bitmap_.Empty()) RotateLeft(border_bitmap_);
      break;
    case TTabSide::Right:
      if (!border_bitmap_.Empty()) RotateRight(border_bitmap_);
      break;
  }
}

HWND SkinTabScrollButtons(TSkinControl& tab, TSkinUpDown*& current, bool horizontal) {
  if (!tab.Handle() || !tab.SkinData()) return nullptr;
  HWND buttons = FindWindowExW(tab.Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  if (!buttons) return nullptr;
  // A skin whose window went (the control made new buttons) gives way.
  if (current && (current->Handle() != buttons || current->State() == kControlSkinDead)) {
    tab.FreeComponent(*current);  // the owner's Notification clears current
  }
  if (!current) {
    auto* skin = MakeOwned<TSkinUpDown>(tab);
    skin->SetHorizontal(horizontal);
    try {
      skin->InitSkinHandle(buttons, *tab.SkinData(), tab.FormSkin(), tab.Canvas());
    } catch (...) {
      // Not subclassed: the buttons keep their own look.
    }
    if (skin->Attached()) {
      current = skin;
    } else {
      tab.FreeComponent(*skin);
    }
  }
  return buttons;
}

HWND TSkinTab::ScrollButtons() { return SkinTabScrollButtons(*this, up_down_, false); }

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* d = Definition();
  if (!dc || !handle_ || !d || d->Bitmap.Empty()) return;
  if (SideOfWindow(handle_) != orientation_) PrepareBitmaps();  // the style was changed in place
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  const int w = Width(rect), h = Height(rect);

  RECT display{0, 0, w, h};
  SendMessageW(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TPieceRect page = TabPageRect(ToPiece(display), orientation_);
  const TPieceRect strip = TabStripRect(page, w, h, orientation_);
  const TStripSize size = TabStripSize(strip, orientation_);
  last_page_ = page;
  last_tabs_.clear();

  if (size.length > 0 && size.thickness > 0) {
    DrawStrip(*d, page, w, size);
    HWND buttons = ScrollButtons();
    const int saved = SaveDC(dc);
    if (buttons && IsWindowVisible(buttons)) {
      // Keep the scroll buttons: they are a window of their own above the strip.
      RECT at{};
      RECT control{};
      if (GetWindowRect(buttons, &at) && GetWindowRect(handle_, &control)) {
        OffsetRect(&at, -control.left, -control.top);
        ExcludeClipRect(dc, at.left, at.top, at.right, at.bottom);
      }
    }
    BitBlt(dc, strip.left, strip.top, strip_bitmap_.Width(), strip_bitmap_.Height(),
           strip_bitmap_.Canvas().Handle(), 0, 0, SRCCOPY);
    if (saved) RestoreDC(dc, saved);
  }
  if (!border_bitmap_.Empty()) {
    DrawNinePartEdges(dc, ToRect(page), border_bitmap_, kBorderMargins, TFrameOrientation::SideBySide, 1, 1);
  }
}

void TSkinTab::DrawStrip(const TDataSkinBorder& d, const TPieceRect& page, int w, TStripSize size) {
  if (strip_bitmap_.Width() != size.length || strip_bitmap_.Height() != size.thickness) {
    strip_bitmap_.SetSize(size.length, size.thickness);
  }
  TCanvas& canvas = strip_bitmap_.Canvas();
  HDC out = canvas.Handle();
  FillBackground(out, RECT{0, 0, size.length, size.thickness});
  SelectWindowFont(handle_, canvas);

  const int count = static_cast<int>(SendMessageW(handle_, TCM_GETITEMCOUNT, 0, 0));
  const int focus = static_cast<int>(SendMessageW(handle_, TCM_GETCURFOCUS, 0, 0));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle_, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::array<wchar_t, kMaxTabText + 1> text{};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    item.iImage = -1;
    if (!SendMessageW(handle_, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) {
      text[0] = L'\0';
      item.iImage = -1;
    }
    RECT tab{};
    if (!SendMessageW(handle_, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab))) continue;
    const TPieceRect at = TabInStrip(ToPiece(tab), page, w, size, orientation_);
    const int frame = i == focus ? kTabSelected : kTabNormal;
    last_tabs_.push_back({ToPiece(tab), frame});
    DrawSkinImage(out, ToRect(at), kTabFrameCount, frame, d, tab_bitmap_);
    SelectWindowFont(handle_, canvas);
    canvas.Font().SetColor(frame == kTabNormal ? d.NormalColour2 : d.MouseOverColour2);
    DrawImageText(canvas, ToRect(at), 1, Narrow(item.pszText ? item.pszText : L""), item.iImage, images);
  }
  if (orientation_ == TTabSide::Left) RotateLeft(strip_bitmap_);
  if (orientation_ == TTabSide::Right) RotateRight(strip_bitmap_);
}

}  // namespace hm
