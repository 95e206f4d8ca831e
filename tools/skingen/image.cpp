#include "tools/skingen/image.h"

#include <algorithm>

#include <stdexcept>

namespace hm::skingen {

namespace {

std::uint8_t Clamp(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

std::uint8_t MixChannel(int a, int b, int weight) { return Clamp((a * (255 - weight) + b * weight + 127) / 255); }

}  // namespace

TRgb Mix(TRgb a, TRgb b, int weight) {
  weight = std::clamp(weight, 0, 255);
  return {MixChannel(a.r, b.r, weight), MixChannel(a.g, b.g, weight), MixChannel(a.b, b.b, weight)};
}

TRgb Gradient(TRgb a, TRgb b, int i, int count) {
  if (count <= 1) return a;
  return Mix(a, b, (std::clamp(i, 0, count - 1) * 255 + (count - 1) / 2) / (count - 1));
}

TRgb Shade(TRgb c, int delta) { return {Clamp(c.r + delta), Clamp(c.g + delta), Clamp(c.b + delta)}; }

TImage::TImage(int width, int height, TRgb fill) {
  if (width < 0 || height < 0) throw std::runtime_error("negative picture size");
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

TRgb TImage::At(int x, int y) const {
  return Contains(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : TRgb{};
}

void TImage::Set(int x, int y, TRgb c) {
  if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void TImage::Blend(int x, int y, TRgb c, int alpha) {
  if (!Contains(x, y) || alpha <= 0) return;
  Set(x, y, alpha >= 255 ? c : Mix(At(x, y), c, alpha));
}

void TImage::FillRect(int x, int y, int w, int h, TRgb c) {
  for (int row = std::max(y, 0); row < std::min(y + h, height_); ++row)
    for (int col = std::max(x, 0); col < std::min(x + w, width_); ++col) Set(col, row, c);
}

void TImage::Paste(const TImage& src, int x, int y, bool transparent) {
  for (int row = 0; row < src.height_; ++row)
    for (int col = 0; col < src.width_; ++col) {
      const TRgb c = src.At(col, row);
      if (!transparent || c != kMagenta) Set(x + col, y + row, c);
    }
}

TImage TImage::Crop(int x, int y, int w, int h) const {
  TImage out(std::max(w, 0), std::max(h, 0));
  for (int row = 0; row < out.height_; ++row)
    for (int col = 0; col < out.width_; ++col) out.Set(col, row, At(x + col, y + row));
  return out;
}

TImage TImage::MirroredX() const {
  TImage out(width_, height_);
  for (int row = 0; row < height_; ++row)
    for (int col = 0; col < width_; ++col) out.Set(width_ - 1 - col, row, At(col, row));
  return out;
}

TImage TImage::Transposed() const {
  TImage out(height_, width_);
  for (int row = 0; row < height_; ++row)
    for (int col = 0; col < width_; ++col) out.Set(row, col, At(col, row));
  return out;
}

TImage TImage::Stretched(int w, int h) const {
  TImage out(std::max(w, 0), std::max(h, 0));
  if (Empty()) return out;
  for (int row = 0; row < out.height_; ++row)
    for (int col = 0; col < out.width_; ++col)
      out.Set(col, row, At(col * width_ / out.width_, row * height_ / out.height_));
  return out;
}

TImage JoinHorizontally(const std::vector<TImage>& frames) {
  if (frames.empty()) return {};
  const int w = frames.front().Width(), h = frames.front().Height();
  TImage out(w * static_cast<int>(frames.size()), h);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].Width() != w || frames[i].Height() != h) throw std::runtime_error("frames of different sizes");
    out.Paste(frames[i], w * static_cast<int>(i), 0);
  }
  return out;
}

TImage JoinVertically(const std::vector<TImage>& frames) {
  if (frames.empty()) return {};
  const int w = frames.front().Width(), h = frames.front().Height();
  TImage out(w, h * static_cast<int>(frames.size()));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].Width() != w || frames[i].Height() != h) throw std::runtime_error("frames of different sizes");
    out.Paste(frames[i], 0, h * static_cast<int>(i));
  }
  return out;
}

}  // namespace hm::skingen
