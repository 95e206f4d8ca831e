#include "tools/skingen/skin_ini.h"

#include <set>

namespace hm::skingen {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (std::string_view line : Lines(text)) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::vector<TBitmapKey> BitmapKeys(std::string_view ini) {
  std::vector<TBitmapKey> keys;
  std::string section;
  int number = 0;
  for (std::string_view raw : Lines(ini)) {
    ++number;
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = std::string(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view value = Trim(line.substr(eq + 1));
    if (EndsWith(Lower(value), ".bmp"))
      keys.push_back({number, section, std::string(Trim(line.substr(0, eq))), std::string(value)});
  }
  return keys;
}

std::vector<std::string> CheckBitmapKeys(std::string_view ini, const std::vector<std::string>& members) {
  std::vector<std::string> faults;
  std::set<std::string> unused;
  for (const std::string& m : members) unused.insert(Lower(m));
  const std::set<std::string> known = unused;
  for (const TBitmapKey& k : BitmapKeys(ini)) {
    const std::string where = "line " + std::to_string(k.line) + " [" + k.section + "] " + k.key + ": ";
    if (!EndsWith(k.value, ".bmp")) {
      faults.push_back(where + "\"" + k.value + "\" would not load: the extension must be \".bmp\" in lower case");
      continue;
    }
    if (k.value.find_first_of("\\:/") != std::string::npos) {
      faults.push_back(where + "\"" + k.value + "\" has a folder part; members are plain file names");
      continue;
    }
    if (!known.count(Lower(k.value))) {
      faults.push_back(where + "no bitmap \"" + k.value + "\" is drawn");
      continue;
    }
    unused.erase(Lower(k.value));
  }
  for (const std::string& m : unused) faults.push_back("bitmap \"" + m + "\" is drawn but no key names it");
  return faults;
}

}  // namespace hm::skingen
