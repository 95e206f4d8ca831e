#include "framework/ui/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/text.h"
#include "framework/ui/portable/bmp_format.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& owner) : owner_(owner) {}

 protected:
  void CreateHandle() override {
    if (!owner_.dc_) {
      owner_.dc_.reset(CreateCompatibleDC(nullptr));
      if (!owner_.dc_) RaiseLastWin32Error("CreateCompatibleDC");
    }
    if (owner_.section_) owner_.dc_old_bitmap_ = SelectObject(owner_.dc_.get(), owner_.section_.get());
    SetHandle(owner_.dc_.get());
  }

 private:
  TBitmap& owner_;
};

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap() { Allocate(width, height, format); }

TBitmap::~TBitmap() { ReleaseDC(); }

void TBitmap::ReleaseDC() {
  // Order matters: the canvas gives back its objects, then the section leaves the DC.
  canvas_->SetHandle(nullptr);
  if (dc_ && dc_old_bitmap_) SelectObject(dc_.get(), dc_old_bitmap_);
  dc_old_bitmap_ = nullptr;
}

std::size_t TBitmap::Stride() const {
  const std::size_t bytes = static_cast<std::size_t>(width_) * (BitsPerPixel() / 8);
  return (bytes + 3) & ~std::size_t{3};
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

void TBitmap::Allocate(int width, int height, TPixelFormat format) {
  if (width < 0 || height < 0) throw Exception("Invalid bitmap size");
  UniqueGdi<HBITMAP> section;
  std::uint8_t* bits = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = format == TPixelFormat::pf32bit ? 32 : 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* raw = nullptr;
    section.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
    if (!section) RaiseLastWin32Error("CreateDIBSection");
    bits = static_cast<std::uint8_t*>(raw);
  }
  ReleaseDC();
  section_ = std::move(section);
  bits_ = bits;
  width_ = section_ ? width : 0;
  height_ = section_ ? height : 0;
  format_ = format;
  if (bits_) std::memset(bits_, 0, Stride() * height_);
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  const int old_width = width_, old_height = height_;
  const std::size_t old_stride = Stride();
  GdiFlush();
  std::vector<std::uint8_t> old(bits_, bits_ ? bits_ + old_stride * old_height : bits_);
  Allocate(width, height, format_);
  const std::size_t copy = std::min<std::size_t>(old_stride, Stride());
  const std::size_t pixel_bytes = static_cast<std::size_t>(std::min(old_width, width_)) * (BitsPerPixel() / 8);
  for (int y = 0; y < std::min(old_height, height_); ++y) {
    std::memcpy(bits_ + Stride() * y, old.data() + old_stride * y, std::min(copy, pixel_bytes));
  }
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  GdiFlush();
  const std::size_t old_stride = Stride();
  const int old_bpp = BitsPerPixel() / 8;
  std::vector<std::uint8_t> old(bits_, bits_ ? bits_ + old_stride * height_ : bits_);
  Allocate(width_, height_, format);
  const int new_bpp = BitsPerPixel() / 8;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* src = old.data() + old_stride * y;
    std::uint8_t* dst = bits_ + Stride() * y;
    for (int x = 0; x < width_; ++x) std::memcpy(dst + new_bpp * x, src + old_bpp * x, 3);
  }
  Changed();
}

std::uint8_t* TBitmap::Row(int y) {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return bits_ + Stride() * y;
}

const std::uint8_t* TBitmap::Row(int y) const {
  if (!bits_ || y < 0 || y >= height_) return nullptr;
  GdiFlush();
  return bits_ + Stride() * y;
}

TColor TBitmap::EffectiveTransparentColor() {
  if (TransparentColor != clDefault) return TransparentColor;
  if (Empty()) return clNone;
  const std::uint8_t* p = Row(height_ - 1);
  return static_cast<TColor>(p[2] | p[1] << 8 | p[0] << 16);
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  Allocate(other.width_, other.height_, other.format_);
  GdiFlush();
  if (bits_) std::memcpy(bits_, other.bits_, Stride() * height_);
  Transparent = other.Transparent;
  TransparentColor = other.TransparentColor;
  Changed();
}

void TBitmap::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
  const BmpImage image = DecodeBmp(data, size);
  Allocate(image.width, image.height, image.bits_per_pixel == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
  const std::size_t row_bytes = static_cast<std::size_t>(image.width) * image.BytesPerPixel();
  for (int y = 0; y < height_; ++y) std::memcpy(bits_ + Stride() * y, image.Row(y), row_bytes);
  Changed();
}

void TBitmap::LoadFromFile(const std::string& path) {
  std::ifstream in(std::filesystem::path(Widen(path)), std::ios::binary);
  if (!in) throw EInvalidGraphic("Cannot open bitmap file " + path);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LoadFromMemory(bytes.data(), bytes.size());
}

void TBitmap::LoadFromResourceName(const std::string& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  const std::wstring wide = Widen(name);
  HRSRC resource = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (!resource) throw EInvalidGraphic("Bitmap resource " + name + " not found");
  HGLOBAL loaded = LoadResource(module, resource);
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = SizeofResource(module, resource);
  if (!data || size < 4) throw EInvalidGraphic("Bitmap resource " + name + " is empty");
  // A bitmap resource is a BMP file without its 14-byte file header.
  std::vector<std::uint8_t> file(14 + size, 0);
  file[0] = 'B';
  file[1] = 'M';
  const std::uint32_t header = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
  // The pixels follow the header and palette; DecodeBmp checks the offset.
  std::uint32_t offset = 14 + header;
  if (header >= 40 && size >= 36) {
    const unsigned bits = data[14] | data[15] << 8;
    const std::uint32_t compression = data[16] | data[17] << 8 | data[18] << 16 |
                                      static_cast<std::uint32_t>(data[19]) << 24;
    std::uint32_t used = data[32] | data[33] << 8 | data[34] << 16 | static_cast<std::uint32_t>(data[35]) << 24;
    if (bits <= 8 && used == 0) used = 1u << bits;
    offset += (bits <= 8 ? used * 4 : 0) + (compression == 3 && header == 40 ? 12 : 0);
  } else if (header == 12 && size >= 12) {
    const unsigned bits = data[10] | data[11] << 8;
    offset += bits <= 8 ? (1u << bits) * 3 : 0;
  }
  for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  std::memcpy(file.data() + 14, data, size);
  LoadFromMemory(file.data(), file.size());
}

std::vector<std::uint8_t> TBitmap::SaveToMemory() const {
  BmpImage image;
  image.width = width_;
  image.height = height_;
  image.bits_per_pixel = BitsPerPixel();
  image.pixels.resize(static_cast<std::size_t>(width_) * height_ * image.BytesPerPixel());
  for (int y = 0; y < height_; ++y)
    std::memcpy(image.Row(y), Row(y), static_cast<std::size_t>(width_) * image.BytesPerPixel());
  return EncodeBmp(image);
}

void TBitmap::SaveToFile(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = SaveToMemory();
  std::ofstream out(std::filesystem::path(Widen(path)), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Exception("Cannot write bitmap file " + path);
}

}  // namespace hm
