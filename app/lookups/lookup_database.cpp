#include "app/lookups/lookup_database.h"

namespace hm::lookups {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string ConnectionValue(const std::string& value) {
  const bool plain = value.find(';') == std::string::npos && (value.empty() || (value.front() != '{' &&
                                                                                !IsBlank(value.front()) &&
                                                                                !IsBlank(value.back())));
  if (plain) return value;
  std::string braced = "{";
  for (const char c : value) {
    if (c == '}') braced += '}';
    braced += c;
  }
  return braced + "}";
}

}  // namespace

std::string LookupConnectionString(const std::string& path) {
  return std::string("driver={Microsoft Access Driver (*.mdb)};UserID=Admin;pwd=") + kLookupPassword +
         ";dbq=" + ConnectionValue(path) + ";Persist Security Info=False";
}

}  // namespace hm::lookups
