#include "skin/controls/skin_group_box.h"

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "framework/ui/platform/handles.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_drawing.h"
#include "skin/core/win_skin_data.h"

namespace hm {

HM_PUBLISH(TSkinGroupBox) {}

namespace {

// Puts back what was selected into a DC when the paint ends, also on a throw.
class TSelected {
 public:
  TSelected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~TSelected() {
    if (old_) SelectObject(dc_, old_);
  }
  TSelected(const TSelected&) = delete;
  TSelected& operator=(const TSelected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
  if (!dc || !skin_data_) return;
  caption_ = WindowText(handle_);
  if (caption_.empty()) caption_ = GetPropString("Caption");

  const TSkinColours& colours = skin_data_->Colours();
  TColor ink = colours.ButtonTextColor;
  HFONT font = nullptr;
  if (control_) {
    if (auto* f = dynamic_cast<TFont*>(GetPropObject("Font"))) {
      font = f->Handle();
      ink = f->Color();
    }
  } else if (handle_) {
    font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  }
  TSelected font_in(dc, font);
  SIZE zero{};
  if (!GetTextExtentPoint32W(dc, L"0", 1, &zero)) zero.cy = 0;
  const int y = static_cast<int>(zero.cy) / 2 - 1;
  last_frame_top_ = y;

  const int w = Width(rect), h = Height(rect);
  UniqueGdi<HBRUSH> face(CreateSolidBrush(ColorToRGB(colours.ButtonFaceColor)));
  if (face) {
    // Two rings cover the control's own (etched) frame.
    RECT outer{0, y, w, h};
    FrameRect(dc, &outer, face.get());
    RECT inner{1, y + 1, w - 1, h - 1};
    FrameRect(dc, &inner, face.get());
  }
  UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, ColorToRGB(colours.ButtonShadowColor)));
  {
    TSelected pen_in(dc, pen.get());
    TSelected brush_in(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, y, w - 1, h - 1, 5, 5);
  }
  if (caption_.empty()) return;
  if (handle_) enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  const COLORREF old_back = SetBkColor(dc, ColorToRGB(colours.ButtonFaceColor));
  const int old_mode = SetBkMode(dc, OPAQUE);
  const COLORREF old_text = SetTextColor(dc, ColorToRGB(enabled_ ? ink : clBtnShadow));
  RECT text{9, 0, w, h};
  SkinDrawText(dc, caption_, text, DT_EXPANDTABS);
  SetTextColor(dc, old_text);
  SetBkMode(dc, old_mode);
  SetBkColor(dc, old_back);
}

}  // namespace hm
