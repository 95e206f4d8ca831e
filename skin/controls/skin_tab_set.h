// TSkinTab31: tab sets, whose tabs hang from the top edge of a strip. The
// whole strip is drawn off screen from the [Tabs] image turned upside
// down; the tab set's tabs, selection, first visible tab and margins are
// read by property name (Tabs, TabIndex, FirstIndex, StartMargin,
// EndMargin, Font), so any control that publishes them is served.
#pragma once

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
  HM_CLASS(TSkinTab31, TSkinControl)

 public:
  explicit TSkinTab31(TComponent* owner);

  // The owner's window, subclassed natively.
  void InitSkin(IControlSkinHost* form_skin, TSkinData& data, bool recolor, TCanvas* canvas) override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  const TBitmap& TabBitmap() const { return tab_bitmap_; }
  // The skin of the tab set's scroll buttons, once they were met.
  TSkinUpDown* UpDown() const { return up_down_; }
  // Tabs the last paint drew (index into Tabs).
  int LastDrawnCount() const { return last_drawn_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PrepareBitmap();
  // The scroll buttons' window when they show, skinned the first time.
  HWND VisibleScroller();

  TBitmap tab_bitmap_;
  TBitmap face_bitmap_;
  TSkinUpDown* up_down_ = nullptr;  // owned as our component
  int last_drawn_ = 0;
};

}  // namespace hm
