// An IPixelBuffer over plain memory for the tests. Rows are padded like a
// device-independent bitmap and the padding holds a marker, so transforms
// that touch it are caught.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/pixel_buffer.h"

namespace hm::test {

class TMemoryPixels : public IPixelBuffer {
 public:
  static constexpr std::uint8_t kPadding = 0xA5;

  TMemoryPixels(int width, int height, int bits = 24) { Allocate(width, height, bits); }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int BitsPerPixel() const override { return bits_; }

  // A 32-bit buffer keeps blue, green, red in the first three bytes.
  void ConvertTo24Bit() override {
    if (bits_ == 24) return;
    TMemoryPixels converted(width_, height_, 24);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        for (int c = 0; c < 3; ++c) converted.Row(y)[x * 3 + c] = Row(y)[x * 4 + c];
    *this = converted;
  }

  void SetSize(int width, int height) override { Allocate(width, height, 24); }

  std::uint8_t* Row(int y) override { return &data_[static_cast<std::size_t>(y) * stride_]; }
  const std::uint8_t* Row(int y) const override { return &data_[static_cast<std::size_t>(y) * stride_]; }

  std::uint32_t Pixel(int x, int y) const {
    const std::uint8_t* p = Row(y) + x * 3;
    return p[0] | (p[1] << 8) | (p[2] << 16);
  }
  void SetPixel(int x, int y, std::uint32_t bgr) {
    std::uint8_t* p = Row(y) + x * 3;
    p[0] = bgr & 0xFF;
    p[1] = (bgr >> 8) & 0xFF;
    p[2] = (bgr >> 16) & 0xFF;
  }
  bool PaddingIntact() const {
    const std::size_t used = static_cast<std::size_t>(width_) * static_cast<std::size_t>(bits_ / 8);
    for (int y = 0; y < height_; ++y)
      for (std::size_t i = used; i < stride_; ++i)
        if (Row(y)[i] != kPadding) return false;
    return true;
  }
  bool operator==(const TMemoryPixels& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (Pixel(x, y) != other.Pixel(x, y)) return false;
    return true;
  }

 private:
  void Allocate(int width, int height, int bits) {
    width_ = width;
    height_ = height;
    bits_ = bits;
    // Rows padded to 4 bytes plus one more word, as a marker.
    stride_ = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits / 8) + 3) & ~std::size_t{3}) + 4;
    data_.assign(stride_ * static_cast<std::size_t>(height), kPadding);
  }

  int width_ = 0, height_ = 0, bits_ = 24;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> data_;
};

}  // namespace hm::test
