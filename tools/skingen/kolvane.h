// The bitmaps of the default skin "kolvane", drawn from its look
// description. Member names, sizes and frame layouts are the ones the skin
// loader and the painters expect; the INI text that names them lives beside
// the look in skins/kolvane.
#pragma once

#include <string>
#include <vector>

#include "tools/skingen/image.h"
#include "tools/skingen/look.h"

namespace hm::skingen {

struct TSkinImage {
  std::string name;  // archive member name, lower case, ".bmp"
  TImage image;
  int frames = 1;        // state frames of equal size in the image
  bool stacked = false;  // frames top to bottom instead of side by side
};

// Every bitmap member of the skin, in a fixed order.
std::vector<TSkinImage> BuildKolvaneImages(const TLook& look);

// The system-menu glyph resource: 64×16, four 16×16 glyphs (restore,
// maximize, minimize, close), black on white.
TImage BuildSysMenuGlyphs(const TLook& look);

}  // namespace hm::skingen
