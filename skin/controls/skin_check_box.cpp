#include "skin/controls/skin_check_box.h"

#include "framework/ui/base/control.h"

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "skin/controls/button_face_layout.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinBoxButton) {}
HM_PUBLISH(TSkinCheckBox) {}

namespace {

// The framework's notifications that a check or radio box must show anew.
constexpr UINT kCheckChanged = 0xB01B;
constexpr UINT kSkinRedraw = 0xB0D0;

}  // namespace

TSkinBoxButton::TSkinBoxButton(TComponent* owner) : TSkinControl(owner) {}

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinBoxButton(owner) {}

void TSkinBoxButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case BM_SETCHECK:
    case BM_SETSTATE:  // the system drew its pressed box
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case kCheckChanged:
    case kSkinRedraw: Redraw(); return;
    default: TSkinControl::AfterMessage(m);
  }
}

bool TSkinBoxButton::IsChecked(LRESULT state) const {
  if (control_ && PropKind(control_, "Checked") == TTypeKind::Enumeration)
    return LowerCase(GetPropEnumName("Checked")) == "true";
  return (state & BST_CHECKED) != 0;
}

void TSkinBoxButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!skin_data_ || !dc) return;
  const TDataSkinButton& d = skin_data_->Buttons();
  const TBitmap& image = Radio() ? d.RadioBitmap : d.CheckBitmap;
  if (image.Empty()) return;
  const int n = FramesOfStrip(Radio() ? d.RadioFrameCount : d.CheckFrameCount, image.Width(), image.Height());
  const int fw = image.Width() / n, fh = image.Height();
  const int check = GetSystemMetrics(SM_CXMENUCHECK);

  const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  const bool enabled = !(style & WS_DISABLED);
  int frame = 0;
  if (Radio()) {
    frame = RadioButtonFrame(n, IsChecked(SendMessageW(handle_, BM_GETCHECK, 0, 0)), enabled);
  } else {
    const LRESULT state = SendMessageW(handle_, BM_GETSTATE, 0, 0);
    frame = CheckBoxFrame(n, IsChecked(state), (state & BST_INDETERMINATE) != 0, enabled);
  }
  last_frame_ = frame;
  const TPieceRect r{rect.left, rect.top, rect.right, rect.bottom};
  const TBoxPlace place = PlaceBox(r, fw, fh, check, (style & BS_LEFTTEXT) != 0, Radio());
  const RECT background{place.background.left, place.background.top, place.background.right,
                        place.background.bottom};
  FillBackground(dc, background);
  DrawStripFrame(dc, RECT{place.box.left, place.box.top, place.box.right, place.box.bottom}, n, frame, image);
}

}  // namespace hm
