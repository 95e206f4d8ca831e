// The pixel access that image transforms are written against, so they stay
// portable: the Win32 bitmap class implements it over a device-independent
// bitmap, tests over plain memory.
//
// Contract:
// - Row(y) gives row y counted from the top (0 .. Height()-1), whatever the
//   storage order. A row starts with Width() pixels of 3 bytes each in the
//   order blue, green, red; any padding after them belongs to the
//   implementation and is left alone by callers.
// - Row() is meaningful only while BitsPerPixel() is 24. ConvertTo24Bit()
//   gets there keeping the picture; SetSize() keeps 24 bits and leaves the
//   pixels undefined.
// - Pointers from Row() stay valid until the next ConvertTo24Bit() or
//   SetSize(). Width and height may be 0; then there are no rows.
// - Failures (out of memory, a failed system call) are thrown.
#pragma once

#include <cstdint>

namespace hm {

class IPixelBuffer {
 public:
  virtual ~IPixelBuffer() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int BitsPerPixel() const = 0;

  virtual void ConvertTo24Bit() = 0;
  virtual void SetSize(int width, int height) = 0;

  virtual std::uint8_t* Row(int y) = 0;
  virtual const std::uint8_t* Row(int y) const = 0;
};

}  // namespace hm
