// Small skins packed by the tests: an INI text and bitmaps of given sizes,
// and the ways a skin component gets them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/stream.h"
#include "skin/core/win_skin_data.h"
#include "tools/skinpack/archive_writer.h"

namespace hm::test {

using Bytes = std::vector<std::uint8_t>;

// Pixel (x, y) of every test bitmap: blue = x, green = y, red = `red`, so a
// misplaced column or row shows.
std::uint32_t TestPixel(int x, int y, int red);

class TTestSkin {
 public:
  // The INI member "test.ini"; line ends become CR LF.
  TTestSkin& Ini(std::string text);
  TTestSkin& Bitmap(std::string name, int width, int height, int red = 0x40);
  TTestSkin& Member(std::string name, std::string bytes);

  Bytes Archive() const;  // the stored archive

 private:
  std::vector<TSkinMember> members_;
};

// An archive of version `version` holding just an INI text.
Bytes ArchiveOfVersion(std::int32_t version, const std::string& ini);

// The SkinStream value: the length as 32 bits, then the archive.
Bytes StreamValue(const Bytes& archive);
Bytes StreamValue(std::int32_t length, const Bytes& bytes);
// Reads a SkinStream value as a form description would.
void ReadStream(TSkinData& data, const Bytes& value);
// ReadStream(StreamValue(skin.Archive())).
void Load(TSkinData& data, const TTestSkin& skin);

// "{ hex }" of the bytes, for descriptions.
std::string HexRecord(const Bytes& bytes);

// RGB (0x00BBGGRR) of a bitmap pixel, read from its rows.
std::uint32_t PixelAt(const TBitmap& bitmap, int x, int y);

}  // namespace hm::test
