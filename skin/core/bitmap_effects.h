// In-place transforms that derive skin images from the ones a skin ships:
// grey for disabled states, mirrored, upside down, and quarter turns so a
// horizontal image can serve vertically.
#pragma once

#include "framework/core/pixel_buffer.h"

namespace hm {

// Converts to 24 bits per pixel, then sets every channel to (R + G + B) / 3.
void Grey(IPixelBuffer& bitmap);

// The remaining transforms need a 24-bit image; any other format is left
// as it is, as its rows cannot be read as pixel triples.
void MirrorHorizontal(IPixelBuffer& bitmap);  // x -> width - 1 - x
void FlipVertical(IPixelBuffer& bitmap);      // y -> height - 1 - y
void RotateLeft(IPixelBuffer& bitmap);        // (x, y) -> (y, width - 1 - x)
void RotateRight(IPixelBuffer& bitmap);       // (x, y) -> (height - 1 - y, x)

}  // namespace hm
