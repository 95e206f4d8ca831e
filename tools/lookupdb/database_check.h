// What `lookupdb check` reports: the file's shape (CheckLookupDatabase),
// then its mobile ranges and what it was built from.
#pragma once

#include <optional>
#include <string_view>

#include "framework/data/lookup_database.h"
#include "framework/data/sqlite_handle.h"

namespace hm::lookupdb {

TLookupCheckReport CheckBuiltDatabase(TSqliteDatabase& db, std::optional<std::string_view> password);

}  // namespace hm::lookupdb
