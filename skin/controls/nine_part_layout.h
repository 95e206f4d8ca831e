// Where the pieces of a skin image go when it is cut in nine: four corners
// copied as they are, four edges stretched along their side, and the centre
// stretched or tiled. Only the geometry, so it can be checked without a
// screen; skin_drawing copies the pixels.
#pragma once

#include <vector>

namespace hm {

struct TPieceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TPieceRect&) const = default;
};

enum class TFrameOrientation { SideBySide, Stacked };

struct TNinePartCut {
  int bitmap_width = 0;
  int bitmap_height = 0;
  // The fixed parts of the image.
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  TFrameOrientation frames = TFrameOrientation::SideBySide;
  bool tile = false;    // the centre is repeated rather than stretched
  int frame_count = 1;  // below 1 counts as 1
  int frame = 1;        // 1-based; clamped into 1..frame_count
  int dest_width = 0;
  int dest_height = 0;
};

enum class TPieceKind { Corner, Edge, Centre };

struct TNinePiece {
  TPieceKind kind;
  TPieceRect source;  // in the bitmap
  TPieceRect dest;    // in the destination, origin at its top-left
  bool tile = false;  // only the centre: repeat `source` from dest's top-left, clipped to dest
};

// The frame's rectangle in the bitmap.
TPieceRect NinePartFrame(const TNinePartCut& cut);

// The pieces in drawing order: top-left, bottom-left, top-right corners,
// left and top edges, centre, bottom-right corner, right and bottom edges.
// A piece is listed only when it has pixels to copy and room to go. When
// the destination (or the frame) is narrower than both side margins
// together, neither side margin is used; likewise for the heights.
std::vector<TNinePiece> NinePartPieces(const TNinePartCut& cut);

}  // namespace hm
