// An icon read from the bytes of an .ico file (as form descriptions store a
// form's icon); the image closest to the asked size is used.
#pragma once

#include "framework/ui/platform/win32.h"

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/persistent.h"
#include "framework/ui/platform/handles.h"

namespace hm {

class TStream;

class TIcon : public TPersistent {
  HM_CLASS(TIcon, TPersistent)

 public:
  TIcon();
  ~TIcon() override;

  bool Empty() const { return data_.empty(); }
  // The icon at the given size (the system icon size by default).
  HICON Handle(int size = 0);
  int Width();
  int Height();

  // The .ico bytes; EInvalidGraphic when they hold no usable image.
  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  const std::vector<std::uint8_t>& Data() const { return data_; }
  void Assign(const TPersistent& source) override;

  // Description storage: the .ico file's bytes.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  bool HasData() const { return !data_.empty(); }

 private:
  std::vector<std::uint8_t> data_;
  int handle_size_ = 0;
  UniqueIcon handle_;
  int width_ = 0, height_ = 0;  // of the first image in the file
};

}  // namespace hm
