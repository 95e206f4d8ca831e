#include "skin/controls/scroll_bar_layout.h"

#include <algorithm>

namespace hm {

TArrowFrames ArrowFramesOf(bool vertical, int pressed_part) {
  if (vertical) return {pressed_part == kPartUpArrow ? 10 : 9, pressed_part == kPartDownArrow ? 14 : 13};
  return {pressed_part == kPartLeftArrow ? 2 : 1, pressed_part == kPartRightArrow ? 6 : 5};
}

namespace {

// The thumb once its size is known; `spare` is what the position moves in.
void PlaceThumb(int track, int size, int pos_from_min, int spare, TBarGeometry& g) {
  g.track_length = track;
  g.thumb_size = size;
  // A page larger than the range would push the thumb before the track.
  g.thumb_pos = std::clamp(MulDivRound(pos_from_min, track - size, spare), 0, std::max(track - size, 0));
}

int ThumbSize(int page, int track, int range, const TThumbMetrics& m) {
  const int size = page == 0 ? m.default_thumb : std::max(MulDivRound(page, track, range), m.min_thumb);
  return std::min(size, track);
}

}  // namespace

bool WindowBarGeometry(int bar_length, const TThumbMetrics& m, const TScrollData& info, TBarGeometry& g) {
  const int track = bar_length - 2 * m.bar_width;
  const int range = info.max - info.min;
  if (range <= 0) return false;
  g.arrow_size = m.bar_width;
  int size = ThumbSize(info.page, track, range, m);
  if (info.page == range) {
    g.track_length = track;
    g.thumb_size = size - 1;
    g.thumb_pos = 0;
    return true;
  }
  PlaceThumb(track, size, info.pos - info.min, range - info.page, g);
  return true;
}

bool ControlBarGeometry(int bar_length, const TThumbMetrics& m, int min, int max, int page_size, int position,
                        TBarGeometry& g) {
  const int track = bar_length - 2 * m.bar_width;
  const int range = max - min;
  if (range < 0) return false;
  g.arrow_size = m.bar_width;
  const int size = ThumbSize(page_size, track, range + 1, m);
  if (page_size == range + 1) {
    g.track_length = track;
    g.thumb_size = size - 1;
    g.thumb_pos = 0;
    return true;
  }
  PlaceThumb(track, size, position - min, range - page_size + 1, g);
  return true;
}

TBarsPlace PlaceBars(const TBarsFrame& f) {
  TBarsPlace p;
  p.horz = f.horz;
  p.vert = f.vert;
  const int b = f.bar_width, w = f.width, h = f.height;
  int a = f.edge;
  if (f.vert) {
    a = (w - f.client_width - b) / 2;
  } else if (f.horz) {
    a = (h - f.client_height - b) / 2;
  }
  if (f.vert) {
    const int bottom = f.horz ? h - a - b : h - a;
    p.vert_rect = f.left_bar ? TPieceRect{a, a, a + b, bottom} : TPieceRect{w - a - b, a, w - a, bottom};
  }
  if (f.horz) {
    int left = a, right = w - a;
    if (f.vert && f.left_bar) left = a + b;
    if (f.vert && !f.left_bar) right = w - a - b;
    p.horz_rect = TPieceRect{left, h - a - b, right, h - a};
  }
  if (f.horz && f.vert) {
    p.size_box = true;
    p.size_box_rect =
        f.left_bar ? TPieceRect{a, h - a - b, a + b, h - a} : TPieceRect{w - a - b, h - a - b, w - a, h - a};
  }
  return p;
}

int ArrowLength(int bar_length, int bar_width) {
  return bar_length < 2 * bar_width ? bar_length / 2 : bar_width;
}

TBarPieces BarPieces(int length, int thickness, bool vertical, int bar_width, const TBarGeometry& g) {
  auto along = [&](int from, int to) {
    if (to < from) to = from;
    return vertical ? TPieceRect{0, from, thickness, to} : TPieceRect{from, 0, to, thickness};
  };
  TBarPieces p;
  const int arrow = ArrowLength(length, bar_width);
  p.first_arrow = along(0, arrow);
  p.second_arrow = along(length - arrow, length);
  p.track = along(bar_width, length - bar_width);
  if (g.thumb_size > 0 && g.track_length >= g.thumb_size) {
    const int start = arrow + g.thumb_pos;
    p.thumb = along(start, start + g.thumb_size);
  } else {
    p.thumb = along(0, 0);
  }
  return p;
}

TBarHit HitBar(int c, const TBarGeometry& g) {
  const int a = g.arrow_size, t = g.track_length, s = g.thumb_size, p = g.thumb_pos;
  if (c < 0) return TBarHit::None;
  if (c < a) return TBarHit::FirstArrow;
  if (c < a + p) return TBarHit::PageBefore;
  if (c < a + p + s) return TBarHit::Thumb;
  if (c < a + t) return TBarHit::PageAfter;
  if (c < 2 * a + t) return TBarHit::SecondArrow;
  return TBarHit::None;
}

TDragStep ThumbDragStep(int start_thumb_pos, int moved, const TBarGeometry& g, const TScrollData& info) {
  const int t = g.track_length, s = g.thumb_size, range = info.max - info.min;
  TDragStep step;
  int offset = std::max(start_thumb_pos + moved, 0);
  if (info.page > 0) {
    offset = std::min(offset, t);
    step.position = MulDivRound(offset, range, t) + info.min;
    if (step.position >= info.max - info.page) step.position = info.max - info.page + 1;
  } else {
    offset = std::min(offset, t - s);
    step.position = std::min(MulDivRound(offset, range, t - s) + info.min, info.max);
  }
  step.position = std::max(step.position, info.min);
  // The thumb is shown within its track, even when the pointer went on.
  step.offset = std::clamp(offset, 0, std::max(t - s, 0));
  return step;
}

}  // namespace hm
