// TSkinProgress: progress bars from the [Progress] image: the empty trough
// (frame 1) with the filled part (frame 2) over it, or, in the chunk
// style, the trough with copies of the Chunk image.
#pragma once

#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/skin_control.h"

namespace hm {

class TDataSkinBorder;

class TSkinProgress : public TSkinControl {
  HM_CLASS(TSkinProgress, TSkinControl)

 public:
  explicit TSkinProgress(TComponent* owner);

  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Pixels filled at the last paint.
  int LastFill() const { return last_fill_; }

 private:
  const TDataSkinBorder* Definition() const;
  int Fill(int extent) const;
  void DrawNormal(HDC dc, const RECT& rect, const TDataSkinBorder& d, bool vertical);
  void DrawChunks(HDC dc, const RECT& rect, const TDataSkinBorder& d);

  TBitmap face_bitmap_;
  int last_fill_ = 0;
};

}  // namespace hm
