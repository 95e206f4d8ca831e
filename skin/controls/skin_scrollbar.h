// TSkinScrollbar: the window scroll bars of memos, grids and other
// scrolling windows, painted from the skin over the non-client area the
// system keeps for them. With HandleNCButtons the skin drags the thumb
// itself (the system's drag would draw its own bar at every step); arrow
// and page presses stay the system's, and every scroll message repaints
// the skinned bar after the control has worked.
#pragma once

#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/skin_scroll_drawing.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TSkinScrollbar : public TSkinControl {
  HM_CLASS(TSkinScrollbar, TSkinControl)

 public:
  explicit TSkinScrollbar(TComponent* owner);

  // Attaches to the framework control that owns this object (`control`
  // must be it) and has the frame measured again.
  void InitScrollbarSkin(TControl* control, TSkinData& data, bool handle_nc_buttons, IControlSkinHost* form_skin,
                         TCanvas* canvas);
  // Bare windows: the skin never drags for them.
  void InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas) override;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void SkinChanged() override;
  // The system's own bars are drawn again at the next paint.
  void UnSkin() override;

  int PressedPart() const { return pressed_part_; }
  bool Dragging() const { return dragging_; }
  bool HandleNCButtons() const { return handle_nc_buttons_; }
  bool InHScroll() const { return in_hscroll_; }
  bool InVScroll() const { return in_vscroll_; }
  DWORD Style() const { return style_; }
  DWORD ExStyle() const { return ex_style_; }
  // Index 0 horizontal, 1 vertical, as last read.
  const SCROLLINFO& ScrollInfo(int index) const { return scroll_info_[index & 1]; }
  const TBarGeometry& Geometry(bool vertical) const { return geometry_[vertical ? 1 : 0]; }
  // Window coordinates moved to 0,0, as at the last paint.
  const TBarsPlace& Place() const { return place_; }

 private:
  void SetUp(bool handle_nc_buttons);
  // The bars' places and, unless a drag holds it, their thumbs.
  void Measure(DWORD style, DWORD ex_style);
  void ReadGeometry(bool vertical, int length);
  bool PressOnBar(bool vertical, POINT screen);
  void ThumbDrag(bool vertical, POINT start);
  void ScrollMessage(TMessage& message, bool vertical);

  int pressed_part_ = kPartNone;
  DWORD style_ = 0;
  DWORD ex_style_ = 0;
  bool dragging_ = false;
  bool handle_nc_buttons_ = false;
  bool in_vscroll_ = false;
  bool in_hscroll_ = false;
  SCROLLINFO scroll_info_[2]{};
  TBarGeometry geometry_[2];
  TBarsPlace place_;
  TSkinBarPainter horz_painter_;
  TSkinBarPainter vert_painter_;
};

}  // namespace hm
