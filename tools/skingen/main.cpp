// skingen: draws the default skin.
//   skingen skin SOURCE_DIR OUT_DIR          archive members into OUT_DIR
//   skingen glyphs SOURCE_DIR FILE           the system-menu glyph BMP
//   skingen preview SOURCE_DIR FILE [TEXTW]  a mock-up BMP; prints its labels
//   skingen frames SOURCE_DIR                name, size, frames, "stacked" or
//                                            "side" per bitmap (contact sheet)
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/skingen/bmp_file.h"
#include "tools/skingen/generator.h"
#include "tools/skingen/preview.h"

namespace {

constexpr const char* kUsage =
    "usage: skingen skin SOURCE_DIR OUT_DIR | glyphs SOURCE_DIR FILE | preview SOURCE_DIR FILE [CAPTION_WIDTH]"
    " | frames SOURCE_DIR\n";

int Run(const std::vector<std::string>& args) {
  using namespace hm::skingen;
  if (args.size() == 3 && args[0] == "skin") {
    const std::vector<TSkinFile> files = BuildSkinFiles(args[1]);
    WriteSkinFolder(files, args[2]);
    std::cout << "skingen: " << files.size() << " members into " << args[2] << '\n';
    return 0;
  }
  if (args.size() == 3 && args[0] == "glyphs") {
    WriteBinaryFile(args[2], BuildSysMenuGlyphFile(args[1]));
    return 0;
  }
  if ((args.size() == 3 || args.size() == 4) && args[0] == "preview") {
    const TLook look = TLook::Parse(ReadTextFile(std::filesystem::path(args[1]) / kLookFile));
    const int captionWidth = args.size() == 4 ? std::stoi(args[3]) : 44;
    const TMockup mock = BuildMockup(BuildKolvaneImages(look), look, captionWidth);
    WriteBinaryFile(args[2], EncodeBmp24(mock.image));
    // One label per line: x y w h align rrggbb size bold text
    for (const TLabel& l : mock.labels) {
      char colour[8];
      std::snprintf(colour, sizeof colour, "%02x%02x%02x", l.colour.r, l.colour.g, l.colour.b);
      std::cout << l.x << ' ' << l.y << ' ' << l.w << ' ' << l.h << ' ' << l.align << ' ' << colour << ' ' << l.size
                << ' ' << (l.bold ? 1 : 0) << ' ' << l.text << '\n';
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == "frames") {
    const TLook look = TLook::Parse(ReadTextFile(std::filesystem::path(args[1]) / kLookFile));
    for (const TSkinImage& i : BuildKolvaneImages(look))
      std::cout << i.name << ' ' << i.image.Width() << ' ' << i.image.Height() << ' ' << i.frames << ' '
                << (i.stacked ? "stacked" : "side") << '\n';
    return 0;
  }
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "skingen: " << e.what() << '\n';
    return 1;
  }
}
