#include "app/lookups/lookup_statements.h"

namespace hm::lookups {

int AreaSearchItemIndex(std::string_view comboText) {
  for (std::size_t i = 0; i < kAreaSearchItems.size(); ++i) {
    if (kAreaSearchItems[i] == comboText) return static_cast<int>(i);
  }
  return -1;
}

std::string_view AreaSearchColumn(int itemIndex) {
  switch (itemIndex) {
    case 1: return "邮编";
    case 2: return "省名";
    case 3: return "县市名";
    default: return "区号";
  }
}

std::string AreaSearchStatement(std::string_view column, std::string_view text) {
  std::string sql = "Select * from AreaData where ";
  sql += column;
  sql += " like '%";
  for (const char c : text) {
    if (c == '\'') sql += '\'';
    sql += c;
  }
  sql += "%'";
  return sql;
}

std::string MobileStatement(std::int32_t prefix) {
  const std::string n = std::to_string(prefix);
  return "Select * from MobileCode where 号码B<=" + n + " and 号码E>=" + n;
}

std::string IdStatement(std::int32_t prefix) { return "Select * from ZipCode where BM=" + std::to_string(prefix); }

}  // namespace hm::lookups
