// Glyphs of equal size kept side by side in one bitmap, drawn with a key
// colour transparent, normally or greyed.
#pragma once

#include <memory>

#include "framework/core/component.h"
#include "framework/ui/graphics/bitmap.h"

namespace hm {

class TImageList : public TComponent {
  HM_CLASS(TImageList, TComponent)

 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  int Width() const { return width_; }
  void SetWidth(int width);   // clears the list
  int Height() const { return height_; }
  void SetHeight(int height); // clears the list
  int Count() const { return count_; }
  void Clear();

  // Adds every whole glyph of the strip (its width divided by Width); pixels
  // of `key` are transparent. Answers the index of the first one added.
  int Add(TBitmap& strip, TColor key);
  // Draws glyph `index` at (x, y); greyed when not enabled. An index
  // outside the list draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

 private:
  int width_ = 16;
  int height_ = 16;
  int count_ = 0;
  TColor key_ = clFuchsia;
  TBitmap glyphs_;  // count_ glyphs side by side, the key colour behind them
};

}  // namespace hm
