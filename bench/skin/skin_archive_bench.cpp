// Decode speed of a skin archive shaped like the embedded one: about 255 kB
// of 24-bit bitmaps and one INI text, compressed about nine to one.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/stream.h"
#include "skin/core/lzh.h"
#include "skin/core/skin_reader.h"
#include "tools/skinpack/archive_writer.h"

namespace {

// A bottom-up 24-bit bitmap: bevelled frame, gradient body, magenta corners.
std::vector<std::uint8_t> Bitmap(int width, int height, int seed) {
  const int stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> bmp(54 + static_cast<std::size_t>(stride * height));
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &bmp[54 + static_cast<std::size_t>(y * stride + x * 3)];
      const bool corner = (x < 2 || x >= width - 2) && (y < 2 || y >= height - 2);
      const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      if (corner) {
        p[0] = 0xFF, p[1] = 0x00, p[2] = 0xFF;
      } else if (edge) {
        p[0] = p[1] = p[2] = static_cast<std::uint8_t>(0x40 + seed);
      } else {
        p[0] = static_cast<std::uint8_t>(0x80 + y * 2 + seed);
        p[1] = static_cast<std::uint8_t>(0x70 + y + (x * 7) % 5);
        p[2] = static_cast<std::uint8_t>(0x60 + seed * 3);
      }
    }
  return bmp;
}

std::string Ini() {
  std::string ini = "[TitlebarSkin]\r\nSkinName=bench\r\n[Personality]\r\n";
  for (const char* b : {"Left", "Right", "Top", "Bottom"}) {
    ini.append(b).append("=kol_").append(b).append(".bmp\r\n");
    ini.append(b).append("TopHeight=4\r\n").append(b).append("Frame=2\r\n");
  }
  for (int i = 0; i < 12; ++i) {
    const std::string n = std::to_string(i);
    ini.append("[Button").append(n).append("]\r\nBitmap=kol_button").append(n);
    ini.append(".bmp\r\nFrameCount=4\r\nLeftWidth=3\r\nTopHeight=3\r\n");
  }
  return ini;
}

const std::vector<std::uint8_t>& StoredArchive() {
  static const std::vector<std::uint8_t> stored = [] {
    std::vector<hm::TSkinMember> members;
    const int sizes[][2] = {{120, 30}, {30, 120}, {200, 22}, {64, 64}, {96, 21}, {16, 16}};
    for (int i = 0; i < 30; ++i) {
      const auto [w, h] = sizes[i % 6];
      members.push_back({"kol_part" + std::to_string(i) + ".bmp", Bitmap(w, h, i)});
    }
    const std::string ini = Ini();
    members.push_back({"bench.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
    return hm::BuildStoredArchive(members);
  }();
  return stored;
}

std::int32_t UnpackedSize() {
  const auto& s = StoredArchive();
  return static_cast<std::int32_t>(s[0] | s[1] << 8 | s[2] << 16 | s[3] << 24);
}

// Load: the whole skin-load path of the archive (decode into a memory
// stream, check and index the members).
void SkinReaderLoad(benchmark::State& state) {
  const auto& stored = StoredArchive();
  hm::TMemoryStream archive(std::string_view(reinterpret_cast<const char*>(stored.data()), stored.size()));
  for (auto _ : state) {
    hm::TSkinReader reader;
    if (!reader.Load(archive)) state.SetLabel("archive refused");
    benchmark::DoNotOptimize(reader.Count());
  }
  state.SetBytesProcessed(state.iterations() * UnpackedSize());
  state.SetLabel(std::to_string(stored.size()) + " -> " + std::to_string(UnpackedSize()) + " bytes");
}
BENCHMARK(SkinReaderLoad)->Unit(benchmark::kMicrosecond);

// The codec alone, with callbacks that do the least possible.
void LzhDecode(benchmark::State& state) {
  const auto& stored = StoredArchive();
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(UnpackedSize()) + 64);
  for (auto _ : state) {
    out.clear();
    std::size_t pos = 4;
    hm::TLZH codec;
    codec.Decode(
        UnpackedSize(),
        [&](const void* b, std::uint16_t n, std::uint16_t& done) {
          out.push_back(*static_cast<const std::uint8_t*>(b));
          done = n;
        },
        [&](void* b, std::uint16_t, std::uint16_t& done) {
          done = pos < stored.size() ? 1 : 0;
          if (done) *static_cast<std::uint8_t*>(b) = stored[pos++];
        });
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * UnpackedSize());
}
BENCHMARK(LzhDecode)->Unit(benchmark::kMicrosecond);

}  // namespace
