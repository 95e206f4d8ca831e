// How every caller of the lookups connects to the lookup database.
#pragma once

#include <string>

namespace hm::lookups {

// The database password; never shown in any message.
inline constexpr char kLookupPassword[] = "quorbane5173";

// The connection string for the lookup database at `path` (UTF-8). A path
// that the plain "dbq=<path>" cannot carry (a ";", a leading "{", blanks at
// either end) is written as "{...}", so it reaches the driver intact.
std::string LookupConnectionString(const std::string& path);

}  // namespace hm::lookups
