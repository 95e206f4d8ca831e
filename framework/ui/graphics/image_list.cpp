#include "framework/ui/graphics/image_list.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TImageList) {
  p.Prop("Height", &TImageList::Height, &TImageList::SetHeight);
  p.Prop("Width", &TImageList::Width, &TImageList::SetWidth);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}
TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
  width_ = std::max(width, 1);
  Clear();
}

void TImageList::SetHeight(int height) {
  height_ = std::max(height, 1);
  Clear();
}

void TImageList::Clear() {
  count_ = 0;
  glyphs_.SetSize(0, 0);
}

int TImageList::Add(TBitmap& strip, TColor key) {
  const int first = count_;
  const int added = strip.Width() / width_;
  if (added <= 0 || strip.Height() <= 0) return -1;
  const std::uint32_t key_rgb = ColorToRGB(key);
  const std::uint32_t own_rgb = ColorToRGB(key_);
  glyphs_.SetSize((count_ + added) * width_, height_);
  // Fill the new area with our key, then copy; the strip's key becomes ours.
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* dst = glyphs_.Row(y);
    const std::uint8_t* src = y < strip.Height() ? strip.Row(y) : nullptr;
    for (int x = 0; x < added * width_; ++x) {
      std::uint8_t* d = dst + 3 * (count_ * width_ + x);
      std::uint32_t rgb = own_rgb;
      if (src && strip.BitsPerPixel() == 24) {
        const std::uint8_t* s = src + 3 * x;
        rgb = s[2] | s[1] << 8 | s[0] << 16;
        if (rgb == key_rgb) rgb = own_rgb;
      } else if (src) {
        const std::uint8_t* s = src + 4 * x;
        rgb = s[2] | s[1] << 8 | s[0] << 16;
        if (rgb == key_rgb) rgb = own_rgb;
      }
      d[0] = static_cast<std::uint8_t>(rgb >> 16);
      d[1] = static_cast<std::uint8_t>(rgb >> 8);
      d[2] = static_cast<std::uint8_t>(rgb);
    }
  }
  count_ += added;
  return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= count_) return;
  const RECT src{index * width_, 0, (index + 1) * width_, height_};
  const RECT dest{x, y, x + width_, y + height_};
  if (enabled) {
    canvas.DrawTransparent(dest, glyphs_, src, key_);
    return;
  }
  // Greyed: each visible pixel becomes a light grey of its brightness.
  TBitmap grey(width_, height_);
  const std::uint32_t key_rgb = ColorToRGB(key_);
  for (int row = 0; row < height_; ++row) {
    const std::uint8_t* s = glyphs_.Row(row) + 3 * index * width_;
    std::uint8_t* d = grey.Row(row);
    for (int col = 0; col < width_; ++col, s += 3, d += 3) {
      const std::uint32_t rgb = s[2] | s[1] << 8 | s[0] << 16;
      if (rgb == key_rgb) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
        continue;
      }
      const int luma = (s[2] * 30 + s[1] * 59 + s[0] * 11) / 100;
      const auto value = static_cast<std::uint8_t>(128 + luma / 2);
      d[0] = d[1] = d[2] = value;
    }
  }
  canvas.DrawTransparent(dest, grey, RECT{0, 0, width_, height_}, key_);
}

}  // namespace hm
