#include "tools/haomiso-query/record.h"

namespace hm::query {
namespace {

std::string Joined(const std::vector<lookups::TAreaRow>& rows, std::string lookups::TAreaRow::*member) {
  std::string out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out += '|';
    out += rows[i].*member;
  }
  return out;
}

}  // namespace

const std::vector<std::string>& RecordColumns() {
  static const std::vector<std::string> kColumns = {
      "input",       "kind",    "status",   "reason", "number",     "province", "city",   "area_code",
      "postal_code", "carrier", "division", "id18",   "birth_date", "sex",      "matches"};
  return kColumns;
}

std::vector<std::string> RecordValues(const TRecord& r) {
  const bool area = !r.rows.empty();
  return {r.input,
          r.kind,
          r.status,
          r.reason,
          r.number,
          area ? Joined(r.rows, &lookups::TAreaRow::province) : r.province,
          area ? Joined(r.rows, &lookups::TAreaRow::city) : r.city,
          area ? Joined(r.rows, &lookups::TAreaRow::areaCode) : r.areaCode,
          area ? Joined(r.rows, &lookups::TAreaRow::postalCode) : r.postalCode,
          r.carrier,
          r.division,
          r.id18,
          r.birthDate,
          r.sex,
          r.matches ? std::to_string(*r.matches) : std::string()};
}

}  // namespace hm::query
