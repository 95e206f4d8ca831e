#include "tests/skin/core/test_skin.h"

#include "framework/ui/portable/bmp_format.h"

namespace hm::test {

std::uint32_t TestPixel(int x, int y, int red) {
  return static_cast<std::uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | (red & 0xFF));
}

TTestSkin& TTestSkin::Ini(std::string text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return Member("test.ini", crlf);
}

TTestSkin& TTestSkin::Bitmap(std::string name, int width, int height, int red) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = TestPixel(x, y, red);
      std::uint8_t* p = image.Row(y) + x * 3;
      p[0] = static_cast<std::uint8_t>(rgb >> 16);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb);
    }
  members_.push_back({std::move(name), EncodeBmp(image)});
  return *this;
}

TTestSkin& TTestSkin::Member(std::string name, std::string bytes) {
  members_.push_back({std::move(name), Bytes(bytes.begin(), bytes.end())});
  return *this;
}

Bytes TTestSkin::Archive() const { return BuildStoredArchive(members_); }

Bytes ArchiveOfVersion(std::int32_t version, const std::string& ini) {
  Bytes unpacked = BuildUnpackedArchive({{"test.ini", Bytes(ini.begin(), ini.end())}});
  for (int i = 0; i < 4; ++i) unpacked[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(version >> (8 * i));
  return CompressArchive(unpacked);
}

Bytes StreamValue(std::int32_t length, const Bytes& bytes) {
  Bytes value;
  for (int i = 0; i < 4; ++i) value.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(length) >> (8 * i)));
  value.insert(value.end(), bytes.begin(), bytes.end());
  return value;
}

Bytes StreamValue(const Bytes& archive) { return StreamValue(static_cast<std::int32_t>(archive.size()), archive); }

void ReadStream(TSkinData& data, const Bytes& value) {
  TMemoryStream stream(std::string_view(reinterpret_cast<const char*>(value.data()), value.size()));
  data.ReadSkinStream(stream);
}

void Load(TSkinData& data, const TTestSkin& skin) { ReadStream(data, StreamValue(skin.Archive())); }

std::string HexRecord(const Bytes& bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text = "{ ";
  for (std::uint8_t b : bytes) {
    text += kHex[b >> 4];
    text += kHex[b & 15];
  }
  return text + " }";
}

std::uint32_t PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.Row(y) + x * (bitmap.BitsPerPixel() / 8);
  return static_cast<std::uint32_t>(p[2] | p[1] << 8 | p[0] << 16);
}

}  // namespace hm::test
