// Small lookup databases in a temporary folder, built the way the real one
// is, and the path of the real Code.BM the build made.
#pragma once

#include <filesystem>
#include <string>

namespace hm::test {

inline constexpr const char* kPassword = "quorbane5173";

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  // UTF-8 text of Path() / name.
  std::string File(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

void WriteFile(const std::string& utf8Path, const std::string& bytes);
std::string ReadFile(const std::string& utf8Path);
bool FileExists(const std::string& utf8Path);

inline constexpr const char* kSampleManifest =
    "Key,Value\n"
    "AreaData.date,2024-12-31\n"
    "MobileCode.date,2024-05-01\n"
    "MobileCode.sources,sample (rows)\n"
    "ZipCode.date,2024-12-31\n";

// Writes the three CSV files of a small data set and their manifest
// (kSampleManifest) into `dir`.
void WriteSampleCsv(const TempDir& dir);
// Builds `dir`/Code.BM from the sample CSV files; returns its path.
std::string BuildSampleDatabase(const TempDir& dir, const std::string& password = kPassword);

std::string ConnectionStringFor(const std::string& path, const std::string& password = kPassword);

// The Code.BM that the build placed in its bin folder, and the data/ folder
// it was built from.
std::string RealDatabasePath();
std::string RealDataFolder();

}  // namespace hm::test
