// Any bytes given to the BMP reader either decode or raise EInvalidGraphic,
// reading nothing outside them. A decoded image holds exactly its rows. The
// same file with its rows stored the other way round decodes to the same
// pixels, a shorter copy that still decodes gives the same image, and what
// the writer makes of an image reads back as that image.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "framework/ui/portable/bmp_format.h"

namespace {

using hm::BmpImage;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

// Decoded from an exactly sized copy, so a read past the end leaves the
// allocation; nothing when the reader refuses the bytes.
std::optional<BmpImage> Decode(const std::uint8_t* data, std::size_t size) {
  auto copy = std::make_unique<std::uint8_t[]>(size);
  if (size) std::memcpy(copy.get(), data, size);
  try {
    return hm::DecodeBmp(copy.get(), size);
  } catch (const hm::EInvalidGraphic&) {
    return std::nullopt;
  }
}

bool Same(const BmpImage& a, const BmpImage& b) {
  return a.width == b.width && a.height == b.height && a.bits_per_pixel == b.bits_per_pixel && a.pixels == b.pixels;
}

std::uint32_t Get32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Set32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The file with the height's sign turned and the stored rows reversed (rows
// of the file format: whole 32-bit words; a cut last row is padded with
// zeros). Only info headers have a signed height, and only files whose
// pixels do not overlap the palette or the masks can be reordered.
std::optional<std::vector<std::uint8_t>> Flipped(const std::uint8_t* data, std::size_t size, const BmpImage& image) {
  const std::size_t header = Get32(data + 14);
  if (header < 40) return std::nullopt;
  const unsigned bits = static_cast<unsigned>(data[28] | data[29] << 8);
  const std::uint32_t compression = Get32(data + 30);
  const std::uint32_t colors = Get32(data + 46);
  std::size_t end = 14 + header;
  if (bits <= 8) end += 4 * (colors ? colors : 1u << bits);
  if (compression == 3) end = std::max<std::size_t>(end, 14 + 52);
  const std::size_t offset = Get32(data + 10);
  if (end > offset) return std::nullopt;
  const std::size_t stride = (static_cast<std::size_t>(image.width) * bits + 31) / 32 * 4;
  const auto rows = static_cast<std::size_t>(image.height);
  std::vector<std::uint8_t> out(offset + stride * rows, 0);
  std::memcpy(out.data(), data, offset);
  Set32(out.data() + 22, static_cast<std::uint32_t>(-static_cast<std::int32_t>(Get32(data + 22))));
  for (std::size_t r = 0; r < rows; ++r) {
    const std::size_t from = offset + r * stride;
    const std::size_t bytes = from >= size ? 0 : std::min(stride, size - from);
    if (bytes) std::memcpy(out.data() + offset + (rows - 1 - r) * stride, data + from, bytes);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<BmpImage> image = Decode(data, size);
  if (!image) return 0;

  if (image->width < 1 || image->height < 1 || image->width > hm::kMaxBmpDimension ||
      image->height > hm::kMaxBmpDimension)
    Fail("dimensions outside the accepted range");
  if (image->bits_per_pixel != 24 && image->bits_per_pixel != 32) Fail("neither 24 nor 32 bits per pixel");
  const std::size_t row_bytes = static_cast<std::size_t>(image->width) * image->BytesPerPixel();
  if (image->pixels.size() != row_bytes * image->height) Fail("the pixels are not exactly the rows");
  if (image->Row(image->height - 1) + row_bytes != image->pixels.data() + image->pixels.size())
    Fail("the last row does not end the buffer");

  if (const auto flipped = Flipped(data, size, *image)) {
    const std::optional<BmpImage> other = Decode(flipped->data(), flipped->size());
    if (!other) Fail("the file with its rows the other way round is refused");
    if (!Same(*image, *other)) Fail("rows the other way round give other pixels");
  }

  for (const std::size_t cut : {size - 1, size / 2}) {
    const std::optional<BmpImage> shorter = Decode(data, cut);
    if (shorter && !Same(*image, *shorter)) Fail("a shorter copy decodes to another image");
  }

  const std::vector<std::uint8_t> written = hm::EncodeBmp(*image);
  const std::optional<BmpImage> back = Decode(written.data(), written.size());
  if (!back) Fail("the written file does not read");
  if (!Same(*image, *back)) Fail("written and read back, not the same pixels");
  if (hm::EncodeBmp(*back) != written) Fail("written twice, not the same file");
  return 0;
}
