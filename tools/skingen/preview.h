// A mock-up of windows assembled from the skin's bitmaps the way the
// painters cut them (nine parts, three-part strips, frames side by side or
// stacked), so the pieces can be judged together. Text is left to the
// caller, who has fonts: the mock-up lists where each label goes.
#pragma once

#include <string>
#include <vector>

#include "tools/skingen/image.h"
#include "tools/skingen/kolvane.h"
#include "tools/skingen/look.h"

namespace hm::skingen {

// Painter cutting, as the skin engine does it.
TImage FrameOf(const TImage& strip, int count, int index, bool stacked);
TImage NinePart(const TImage& frame, int w, int h, int left, int top, int right, int bottom, bool tile);
TImage ThreePartStrip(const TImage& frame, int w, int h, int left, int right);

struct TLabel {
  int x = 0, y = 0, w = 0, h = 0;  // the box the text is placed in
  char align = 'c';               // 'l' left (vertically centred) or 'c' centred
  TRgb colour;
  int size = 12;                  // pixels
  bool bold = false;
  std::string text;               // UTF-8
};

struct TMockup {
  TImage image;
  std::vector<TLabel> labels;
};

// `captionWidth` is the width of the caption text in the caption font;
// the text plate is sized from it as the frame painter does.
TMockup BuildMockup(const std::vector<TSkinImage>& images, const TLook& look, int captionWidth);

}  // namespace hm::skingen
