// Any connection string parses or raises EDatabaseError. The pairs it gives
// have clean keys, written again with braced values they parse to the same
// pairs, and the parameters the engine takes are the pairs' first values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/data/connection_string.h"
#include "framework/data/db_error.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Braced(std::string_view value) {
  std::string out = "{";
  for (char c : value) {
    out += c;
    if (c == '}') out += '}';
  }
  return out + "}";
}

std::string FirstValue(const hm::TConnectionString& cs, std::string_view key) {
  for (const auto& [k, v] : cs.Pairs()) {
    if (hm::SameTextAscii(k, key)) return v;
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  hm::TConnectionString cs;
  try {
    cs = hm::TConnectionString::Parse(text);
  } catch (const hm::EDatabaseError&) {
    try {
      hm::ParseConnectionParams(text);
    } catch (const hm::EDatabaseError&) {
      return 0;
    }
    Fail("the parameters read a string the parser refuses", text);
  }

  std::string written;
  for (const auto& [key, value] : cs.Pairs()) {
    if (key.empty() || IsBlank(key.front()) || IsBlank(key.back()) || key.find_first_of("=;") != std::string::npos)
      Fail("a key is not clean", text);
    if (!cs.Value(key) || *cs.Value(key) != FirstValue(cs, key)) Fail("Value is not the first pair's value", text);
    written += key + "=" + Braced(value) + ";";
  }
  hm::TConnectionString again;
  try {
    again = hm::TConnectionString::Parse(written);
  } catch (const hm::EDatabaseError&) {
    Fail("the pairs written again do not parse", written);
  }
  if (again.Pairs() != cs.Pairs()) Fail("the pairs written again parse differently", written);

  try {
    const hm::TConnectionParams params = hm::ParseConnectionParams(text);
    if (params.driver != FirstValue(cs, "driver") || !hm::SameTextAscii(params.driver, hm::kAccessDriverName))
      Fail("the driver is not the first driver pair", text);
    if (params.database.empty() || params.database != FirstValue(cs, "dbq")) Fail("dbq is not the first dbq pair", text);
    if (params.password != FirstValue(cs, "pwd")) Fail("pwd is not the first pwd pair", text);
  } catch (const hm::EDatabaseError&) {
    if (cs.Value("driver") && hm::SameTextAscii(*cs.Value("driver"), hm::kAccessDriverName) && cs.Value("dbq") &&
        !cs.Value("dbq")->empty())
      Fail("complete parameters were refused", text);
  }
  return 0;
}
