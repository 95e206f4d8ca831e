// A bitmap held as a device-independent section, 24 or 32 bits per pixel,
// rows addressed top to bottom. Reads the BMP files of bmp_format.h; writes
// its own depth.
#pragma once

#include "framework/ui/platform/win32.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/pixel_buffer.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/platform/handles.h"

namespace hm {

enum class TPixelFormat { pf24bit, pf32bit };

class TBitmap : public IPixelBuffer {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Keeps the part of the picture that still fits; new area is black.
  void SetSize(int width, int height) override;
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }

  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);  // converts, keeping the picture
  int BitsPerPixel() const override { return format_ == TPixelFormat::pf32bit ? 32 : 24; }
  void ConvertTo24Bit() override { SetPixelFormat(TPixelFormat::pf24bit); }

  // Row y from the top; pending GDI drawing is flushed first.
  std::uint8_t* Row(int y) override;
  const std::uint8_t* Row(int y) const override;
  std::uint8_t* ScanLine(int y) { return Row(y); }

  // Transparency used when a control draws the bitmap as a glyph: the key is
  // the given colour, or with TransparentColor = clDefault the colour of the
  // bottom-left pixel.
  bool Transparent = false;
  TColor TransparentColor = clDefault;
  TColor EffectiveTransparentColor();

  HBITMAP Handle() const { return section_.get(); }
  TCanvas& Canvas();

  void Assign(const TBitmap& other);
  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  void LoadFromFile(const std::string& path);
  // From a bitmap resource (RT_BITMAP) of the executable.
  void LoadFromResourceName(const std::string& name);
  std::vector<std::uint8_t> SaveToMemory() const;
  void SaveToFile(const std::string& path) const;

  // Called after every change of size, depth or pixels through Load/Assign.
  std::function<void()> OnChange;

 private:
  class BitmapCanvas;
  void Allocate(int width, int height, TPixelFormat format);
  void ReleaseDC();
  std::size_t Stride() const;
  void Changed();

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  // The section and its bits; the DC below holds the section while it lives.
  UniqueGdi<HBITMAP> section_;
  std::uint8_t* bits_ = nullptr;
  UniqueMemoryDC dc_;
  HGDIOBJ dc_old_bitmap_ = nullptr;
  std::unique_ptr<BitmapCanvas> canvas_;
};

}  // namespace hm
