#include "framework/ui/graphics/icon.h"

#include "framework/core/stream.h"
#include "framework/core/typinfo.h"
#include "framework/ui/portable/exceptions.h"

namespace hm {

namespace {

constexpr std::size_t kDirHeader = 6;
constexpr std::size_t kDirEntry = 16;

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Checks the directory and every entry's range; returns the entry count.
std::size_t CheckIconFile(const std::uint8_t* data, std::size_t size) {
  if (size < kDirHeader || data[0] != 0 || data[1] != 0 || data[2] != 1 || data[3] != 0)
    throw EInvalidGraphic("Invalid icon: not an icon file");
  const std::size_t count = data[4] | data[5] << 8;
  if (count == 0 || kDirHeader + count * kDirEntry > size) throw EInvalidGraphic("Invalid icon: directory truncated");
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = data + kDirHeader + i * kDirEntry;
    const std::uint32_t bytes = U32(e + 8), offset = U32(e + 12);
    if (offset > size || bytes > size - offset || bytes < 40) throw EInvalidGraphic("Invalid icon: image outside the file");
  }
  return count;
}

}  // namespace

HM_PUBLISH(TIcon) { p.Binary("Data", &TIcon::ReadData, &TIcon::WriteData, &TIcon::HasData); }

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
  CheckIconFile(data, size);
  data_.assign(data, data + size);
  handle_.reset();
  // A width or height byte of 0 means 256.
  width_ = data[kDirHeader] ? data[kDirHeader] : 256;
  height_ = data[kDirHeader + 1] ? data[kDirHeader + 1] : 256;
}

HICON TIcon::Handle(int size) {
  if (data_.empty()) return nullptr;
  if (size == 0) size = GetSystemMetrics(SM_CXICON);
  if (handle_ && handle_size_ == size) return handle_.get();
  const std::size_t count = CheckIconFile(data_.data(), data_.size());
  // The entry whose width is closest to the size asked for.
  std::size_t best = 0;
  int best_distance = INT32_MAX;
  for (std::size_t i = 0; i < count; ++i) {
    const int w = data_[kDirHeader + i * kDirEntry] ? data_[kDirHeader + i * kDirEntry] : 256;
    if (std::abs(w - size) < best_distance) {
      best_distance = std::abs(w - size);
      best = i;
    }
  }
  const std::uint8_t* e = data_.data() + kDirHeader + best * kDirEntry;
  const std::uint32_t bytes = U32(e + 8), offset = U32(e + 12);
  handle_.reset(CreateIconFromResourceEx(const_cast<std::uint8_t*>(data_.data() + offset), bytes, TRUE, 0x00030000,
                                         size, size, LR_DEFAULTCOLOR));
  if (!handle_) throw EInvalidGraphic("Invalid icon: the system refused the image");
  handle_size_ = size;
  return handle_.get();
}

int TIcon::Width() { return width_; }
int TIcon::Height() { return height_; }

void TIcon::Assign(const TPersistent& source) {
  const auto* icon = dynamic_cast<const TIcon*>(&source);
  if (!icon) return TPersistent::Assign(source);
  if (icon == this) return;
  if (icon->data_.empty()) {
    data_.clear();
    handle_.reset();
    width_ = height_ = 0;
  } else {
    LoadFromMemory(icon->data_.data(), icon->data_.size());
  }
}

void TIcon::ReadData(TStream& stream) {
  const std::int64_t size = stream.Size() - stream.Position();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
  if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  LoadFromMemory(bytes.data(), bytes.size());
}

void TIcon::WriteData(TStream& stream) const {
  if (!data_.empty()) stream.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

}  // namespace hm
