#include "tools/skinpack/skinpack_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/core/exception.h"
#include "framework/core/stream.h"
#include "skin/core/ascii_text.h"
#include "skin/core/skin_reader.h"
#include "tools/skinpack/archive_writer.h"

namespace hm {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: skinpack pack FOLDER ARCHIVE | unpack ARCHIVE FOLDER | list ARCHIVE\n";

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Exception("cannot open \"" + path.string() + "\"");
  std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Exception("cannot read \"" + path.string() + "\"");
  return data;
}

void WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) throw Exception("cannot write \"" + path.string() + "\"");
}

// Archives come from anywhere: a member name becomes a file name only when
// it cannot leave the target folder.
bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

int Pack(const fs::path& folder, const fs::path& archive, std::ostream& out, std::ostream& err) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  // Member order is the lookup order; sort as the reader compares names.
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    const std::string la = ascii::Lower(a.filename().string()), lb = ascii::Lower(b.filename().string());
    return la != lb ? la < lb : a < b;
  });

  std::vector<TSkinMember> members;
  int inis = 0;
  for (const fs::path& file : files) {
    members.push_back({file.filename().string(), ReadFile(file)});
    if (ascii::Lower(members.back().name).find(".ini") != std::string::npos) ++inis;
  }
  if (inis != 1) err << "skinpack: warning: " << inis << " INI members; a skin has exactly one\n";

  const std::vector<std::uint8_t> unpacked = BuildUnpackedArchive(members);
  const std::vector<std::uint8_t> stored = CompressArchive(unpacked);
  WriteFile(archive, stored.data(), stored.size());
  out << "packed " << members.size() << " members, " << unpacked.size() << " bytes into " << stored.size()
      << " bytes\n";
  return 0;
}

bool LoadArchive(const fs::path& archive, TSkinReader& reader, std::ostream& err) {
  const std::vector<std::uint8_t> bytes = ReadFile(archive);
  TMemoryStream stream(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  reader.OnMessage = [&err](const std::string& text) { err << "skinpack: " << text << '\n'; };
  if (reader.Load(stream)) return true;
  err << "skinpack: \"" << archive.string() << "\" is not a readable skin archive\n";
  return false;
}

int Unpack(const fs::path& archive, const fs::path& folder, std::ostream& out, std::ostream& err) {
  TSkinReader reader;
  if (!LoadArchive(archive, reader, err)) return 1;
  fs::create_directories(folder);
  int failed = 0;
  TMemoryStream member;
  for (int i = 0; i < reader.Count(); ++i) {
    const std::string name = reader.Names().Get(i);
    if (!IsSafeFileName(name)) {
      err << "skinpack: member \"" << name << "\" skipped: not a plain file name\n";
      ++failed;
      continue;
    }
    reader.FindMember(name, member);
    WriteFile(folder / name, member.Memory(), static_cast<std::size_t>(member.Size()));
  }
  out << "unpacked " << reader.Count() - failed << " of " << reader.Count() << " members\n";
  return failed == 0 ? 0 : 1;
}

int List(const fs::path& archive, std::ostream& out, std::ostream& err) {
  TSkinReader reader;
  if (!LoadArchive(archive, reader, err)) return 1;
  out << "version " << reader.Version() << ", " << reader.Count() << " members\n";
  TMemoryStream member;
  for (int i = 0; i < reader.Count(); ++i) {
    reader.FindMember(reader.Names().Get(i), member);
    out << member.Size() << '\t' << reader.Names().Get(i) << '\n';
  }
  return 0;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2], out, err);
    if (args.size() == 3 && args[0] == "unpack") return Unpack(args[1], args[2], out, err);
    if (args.size() == 2 && args[0] == "list") return List(args[1], out, err);
  } catch (const std::exception& e) {
    err << "skinpack: " << e.what() << '\n';
    return 1;
  }
  err << kUsage;
  return 2;
}

}  // namespace hm
