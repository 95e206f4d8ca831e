#include "tools/skingen/generator.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/skingen/bmp_file.h"
#include "tools/skingen/skin_ini.h"

namespace hm::skingen {

namespace fs = std::filesystem;

std::string ReadTextFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open \"" + path.string() + "\"");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read \"" + path.string() + "\"");
  return text;
}

void WriteBinaryFile(const fs::path& path, const std::vector<std::uint8_t>& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write \"" + path.string() + "\"");
}

std::vector<TSkinFile> BuildSkinFiles(const fs::path& sourceDir) {
  const TLook look = TLook::Parse(ReadTextFile(sourceDir / kLookFile));
  const std::string ini = WithCrLf(ReadTextFile(sourceDir / kIniFile));

  std::vector<TSkinFile> files;
  std::vector<std::string> names;
  for (const TSkinImage& image : BuildKolvaneImages(look)) {
    files.push_back({image.name, EncodeBmp24(image.image)});
    names.push_back(image.name);
  }
  const std::vector<std::string> faults = CheckBitmapKeys(ini, names);
  if (!faults.empty()) {
    std::string text = std::string(kIniFile) + " and the drawn bitmaps disagree:";
    for (const std::string& f : faults) text += "\n  " + f;
    throw std::runtime_error(text);
  }
  files.push_back({kIniFile, std::vector<std::uint8_t>(ini.begin(), ini.end())});
  return files;
}

void WriteSkinFolder(const std::vector<TSkinFile>& files, const fs::path& outDir) {
  fs::create_directories(outDir);
  for (const fs::directory_entry& entry : fs::directory_iterator(outDir)) {
    const std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".bmp" || ext == ".ini")) fs::remove(entry.path());
  }
  for (const TSkinFile& f : files) WriteBinaryFile(outDir / f.name, f.data);
}

std::vector<std::uint8_t> BuildSysMenuGlyphFile(const fs::path& sourceDir) {
  return EncodeBmp1(BuildSysMenuGlyphs(TLook::Parse(ReadTextFile(sourceDir / kLookFile))));
}

}  // namespace hm::skingen
