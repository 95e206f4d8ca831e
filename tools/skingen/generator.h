// From the skin's source folder (kolvane.look, kolvane.ini) to the files
// the packer and the resource compiler take.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/skingen/kolvane.h"

namespace hm::skingen {

struct TSkinFile {
  std::string name;
  std::vector<std::uint8_t> data;
};

inline constexpr const char* kLookFile = "kolvane.look";
inline constexpr const char* kIniFile = "kolvane.ini";

// Every archive member: the bitmaps as 24-bit BMP files and the INI text
// with CR LF line ends. Raises std::runtime_error when a source is missing
// or faulty, or when the INI and the bitmaps disagree.
std::vector<TSkinFile> BuildSkinFiles(const std::filesystem::path& sourceDir);

// Writes the members into `outDir` (created when missing) after removing
// the .bmp and .ini files already there, so the folder holds exactly the
// skin and can be packed as it is.
void WriteSkinFolder(const std::vector<TSkinFile>& files, const std::filesystem::path& outDir);

// The 1-bit BMP file of the system-menu glyph resource.
std::vector<std::uint8_t> BuildSysMenuGlyphFile(const std::filesystem::path& sourceDir);

std::string ReadTextFile(const std::filesystem::path& path);
void WriteBinaryFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& data);

}  // namespace hm::skingen
