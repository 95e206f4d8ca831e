#include "skin/controls/nine_part_layout.h"

#include <algorithm>

namespace hm {

namespace {

// Margins are never negative, and a pair that does not fit the frame or
// the destination is dropped as a whole: the image is then stretched whole
// along that direction.
void FitMargins(int& first, int& second, int frame_size, int dest_size) {
  first = std::max(first, 0);
  second = std::max(second, 0);
  if (dest_size < first + second || frame_size < first + second) first = second = 0;
}

}  // namespace

TPieceRect NinePartFrame(const TNinePartCut& cut) {
  const int count = std::max(cut.frame_count, 1);
  const int frame = std::clamp(cut.frame, 1, count);
  if (cut.frames == TFrameOrientation::SideBySide) {
    const int width = std::max(cut.bitmap_width, 0) / count;
    const int x = (frame - 1) * width;
    return {x, 0, x + width, std::max(cut.bitmap_height, 0)};
  }
  const int height = std::max(cut.bitmap_height, 0) / count;
  const int y = (frame - 1) * height;
  return {0, y, std::max(cut.bitmap_width, 0), y + height};
}

std::vector<TNinePiece> NinePartPieces(const TNinePartCut& cut) {
  std::vector<TNinePiece> pieces;
  const TPieceRect f = NinePartFrame(cut);
  const int w = cut.dest_width, h = cut.dest_height;
  if (f.Width() <= 0 || f.Height() <= 0 || w <= 0 || h <= 0) return pieces;
  int l = cut.left, r = cut.right, t = cut.top, b = cut.bottom;
  FitMargins(l, r, f.Width(), w);
  FitMargins(t, b, f.Height(), h);

  // Columns and rows of the frame and of the destination.
  const int sx[4] = {f.left, f.left + l, f.right - r, f.right};
  const int sy[4] = {f.top, f.top + t, f.bottom - b, f.bottom};
  const int dx[4] = {0, l, w - r, w};
  const int dy[4] = {0, t, h - b, h};
  auto add = [&](TPieceKind kind, int col, int row, bool tile = false) {
    const TPieceRect source{sx[col], sy[row], sx[col + 1], sy[row + 1]};
    const TPieceRect dest{dx[col], dy[row], dx[col + 1], dy[row + 1]};
    if (source.Width() <= 0 || source.Height() <= 0 || dest.Width() <= 0 || dest.Height() <= 0) return;
    pieces.push_back({kind, source, dest, tile});
  };
  add(TPieceKind::Corner, 0, 0);
  add(TPieceKind::Corner, 0, 2);
  add(TPieceKind::Corner, 2, 0);
  add(TPieceKind::Edge, 0, 1);
  add(TPieceKind::Edge, 1, 0);
  add(TPieceKind::Centre, 1, 1, cut.tile);
  add(TPieceKind::Corner, 2, 2);
  add(TPieceKind::Edge, 2, 1);
  add(TPieceKind::Edge, 1, 2);
  return pieces;
}

}  // namespace hm
