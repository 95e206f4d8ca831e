#include "tests/framework/data/test_database.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <system_error>

#include "tools/lookupdb/database_builder.h"

namespace hm::test {
namespace {

std::filesystem::path PathOf(const std::string& utf8) { return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())); }

}  // namespace

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  // A Chinese folder name keeps paths outside ASCII honest.
  path_ = std::filesystem::temp_directory_path() /
          (u8"hm数据-" + std::u8string(reinterpret_cast<const char8_t*>(std::to_string(stamp).c_str())) + u8"-" +
           std::u8string(reinterpret_cast<const char8_t*>(std::to_string(counter++).c_str())));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const {
  const std::u8string s = (path_ / PathOf(name)).u8string();
  return std::string(s.begin(), s.end());
}

void WriteFile(const std::string& utf8Path, const std::string& bytes) {
  std::ofstream out(PathOf(utf8Path), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const std::string& utf8Path) {
  std::ifstream in(PathOf(utf8Path), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool FileExists(const std::string& utf8Path) {
  std::error_code ec;
  return std::filesystem::exists(PathOf(utf8Path), ec);
}

void WriteSampleCsv(const TempDir& dir) {
  WriteFile(dir.File("AreaData.csv"),
            "区号,邮编,省名,县市名\n"
            "010,100010,北京,东城区\n"
            "0755,518000,广东,深圳市\n"
            "0755,518052,广东,南山区\n"
            "0571,310000,浙江,杭州市\n"
            ",843000,新疆,北屯市\n");
  WriteFile(dir.File("MobileCode.csv"),
            "号码B,号码E,地区,城市,区号,类型\n"
            "1300000,1300000,山东,济南,0531,中国联通\n"
            "1380010,1380019,北京,北京,010,中国移动\n"
            "1380020,1380029,广东,深圳,0755,中国移动\n"
            "1890000,1899999,广东,广州,020,中国电信\n");
  WriteFile(dir.File("ZipCode.csv"),
            "BM,DQ\n"
            "110000,北京市\n"
            "110101,北京市东城区\n"
            "440305,广东省深圳市南山区\n");
  WriteFile(dir.File("DataInfo.csv"), kSampleManifest);
}

std::string BuildSampleDatabase(const TempDir& dir, const std::string& password) {
  WriteSampleCsv(dir);
  const std::string path = dir.File("Code.BM");
  const std::u8string data = dir.Path().u8string();
  lookupdb::BuildLookupDatabase(std::string(data.begin(), data.end()), path, password);
  return path;
}

std::string ConnectionStringFor(const std::string& path, const std::string& password) {
  return "driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=" + password + ";dbq=" + path +
         ";Persist Security Info=False";
}

namespace {

// A Unix path of the build, seen under Wine through its drive for "/".
std::string HostPath(std::string path) {
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
#endif
  return path;
}

}  // namespace

std::string RealDatabasePath() { return HostPath(HAOMISO_CODE_BM); }

std::string RealDataFolder() { return HostPath(HAOMISO_DATA_DIR); }

}  // namespace hm::test
