// A plain 24-bit picture in memory, top row first, and the colour arithmetic
// the skin drawings share. Integer maths only, so every run gives the same
// bytes on every machine.
#pragma once

#include <cstdint>
#include <vector>

namespace hm::skingen {

struct TRgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(TRgb, TRgb) = default;
};

inline constexpr TRgb kMagenta{255, 0, 255};

// `weight` of b in 0..255, rounded to nearest.
TRgb Mix(TRgb a, TRgb b, int weight);
// Step `i` of `count` from a (i = 0) to b (i = count - 1).
TRgb Gradient(TRgb a, TRgb b, int i, int count);
// Adds `delta` to every channel, clamped.
TRgb Shade(TRgb c, int delta);

class TImage {
 public:
  TImage() = default;
  TImage(int width, int height, TRgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Reads and writes outside the picture are ignored (reads give black).
  TRgb At(int x, int y) const;
  void Set(int x, int y, TRgb c);
  // Paints `c` over the pixel with coverage `alpha` (0..255).
  void Blend(int x, int y, TRgb c, int alpha);
  void FillRect(int x, int y, int w, int h, TRgb c);
  void HLine(int x, int y, int w, TRgb c) { FillRect(x, y, w, 1, c); }
  void VLine(int x, int y, int h, TRgb c) { FillRect(x, y, 1, h, c); }
  // Copies `src` with its top-left at (x, y); `key` pixels are skipped when
  // `transparent`.
  void Paste(const TImage& src, int x, int y, bool transparent = false);
  TImage Crop(int x, int y, int w, int h) const;
  TImage MirroredX() const;
  TImage Transposed() const;
  // Nearest-neighbour resize, as a colour-on-colour stretch copies.
  TImage Stretched(int w, int h) const;

  friend bool operator==(const TImage&, const TImage&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<TRgb> pixels_;
};

// Side-by-side frames of equal size into one strip.
TImage JoinHorizontally(const std::vector<TImage>& frames);
// Frames stacked top to bottom.
TImage JoinVertically(const std::vector<TImage>& frames);

}  // namespace hm::skingen
