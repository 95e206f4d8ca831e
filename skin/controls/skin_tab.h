// TSkinTab: tab controls and page controls. The control paints itself,
// then the skin paints the tab strip (built off screen from the [Tabs]
// image, lying down, and turned into place for tabs at the left or right)
// and the page border from the [Tabs] Border image around the page. The
// scroll buttons a tab control shows when its tabs do not fit get an
// up-down skin and stay visible above the strip. Attached with
// InitSkinHandle, also for framework page controls.
#pragma once

#include <vector>

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/tab_layout.h"

namespace hm {

class TDataSkinBorder;
class TSkinUpDown;

// Frames of the [Tabs] image the tab skins read.
constexpr int kTabFrameCount = 5;
constexpr int kTabNormal = 1;
constexpr int kTabSelected = 2;

// The skin of the scroll buttons (an up-down window) inside `tab`'s
// window, owned by `tab` and recorded in `current`, which `tab`'s
// Notification clears when it goes. Made the first time the buttons are
// met and made anew when the control replaced them. Returns the buttons'
// window (null when there are none); their skin stays null when they could
// not be subclassed.
HWND SkinTabScrollButtons(TSkinControl& tab, TSkinUpDown*& current, bool horizontal);

class TSkinTab : public TSkinControl {
  HM_CLASS(TSkinTab, TSkinControl)

 public:
  explicit TSkinTab(TComponent* owner);

  void InitSkinHandle(HWND handle, TSkinData& data, IControlSkinHost* form_skin, TCanvas* canvas) override;
  void SkinChanged() override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  TTabSide Orientation() const { return orientation_; }
  // The [Tabs] images prepared for the orientation (empty without them).
  const TBitmap& TabBitmap() const { return tab_bitmap_; }
  const TBitmap& BorderBitmap() const { return border_bitmap_; }
  // The skin of the scroll buttons, once they were met.
  TSkinUpDown* UpDown() const { return up_down_; }

  // What the last paint drew, in control coordinates (tabs as the
  // control reports them), for whoever needs to check it.
  struct TDrawnTab {
    TPieceRect rect;
    int frame = 0;
  };
  const std::vector<TDrawnTab>& LastTabs() const { return last_tabs_; }
  const TPieceRect& LastPage() const { return last_page_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  const TDataSkinBorder* Definition() const;
  void PrepareBitmaps();
  // The scroll buttons' window, skinned the first time it is met; null
  // when the control has none.
  HWND ScrollButtons();
  void DrawStrip(const TDataSkinBorder& definition, const TPieceRect& page, int w, TStripSize size);

  TTabSide orientation_ = TTabSide::Top;
  TBitmap tab_bitmap_;
  TBitmap border_bitmap_;
  TBitmap strip_bitmap_;
  TSkinUpDown* up_down_ = nullptr;  // owned as our component
  std::vector<TDrawnTab> last_tabs_;
  TPieceRect last_page_;
};

}  // namespace hm
