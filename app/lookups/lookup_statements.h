// The statements the three lookups send to the lookup database. Their text
// is fixed; only the searched column, the search text and the prefixes vary.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace hm::lookups {

// The search-column combo's items, in order: the item index chooses the
// column of AreaData that the area search matches.
inline constexpr std::array<std::string_view, 4> kAreaSearchItems = {"区号", "邮编", "省份", "县/市名"};

// Position of `comboText` among kAreaSearchItems; -1 when it is none of them.
int AreaSearchItemIndex(std::string_view comboText);

// 区号, 邮编, 省名 or 县市名 for items 0 to 3; 区号 for any other index.
std::string_view AreaSearchColumn(int itemIndex);

// Select * from AreaData where <column> like '%<text>%'. The text goes in as
// given ("%" and "_" keep their LIKE meaning) except that each single quote
// is doubled, so a typed quote matches itself instead of ending the literal.
std::string AreaSearchStatement(std::string_view column, std::string_view text);

// Select * from MobileCode where 号码B<=<prefix> and 号码E>=<prefix>
std::string MobileStatement(std::int32_t prefix);

// Select * from ZipCode where BM=<prefix>
std::string IdStatement(std::int32_t prefix);

// Whole tables, for answering many lookups from one read.
inline constexpr char kMobileTableStatement[] = "Select * from MobileCode";
inline constexpr char kZipTableStatement[] = "Select * from ZipCode";

}  // namespace hm::lookups
