// One output line: the input as read and what was found for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/lookups/lookup_answers.h"

namespace hm::query {

struct TRecord {
  std::string input;     // the line as read (its line end dropped)
  std::string kind;      // mobile, id, division_code, area_code, text; empty when refused
  std::string status;    // found, no_match, invalid, refused, empty
  std::string reason;    // why refused or invalid; failures joined with "；"
  std::string number;    // the number as recognised: digits only
  std::string province;  // 地区 of a mobile range, 省名 of the area rows
  std::string city;      // 城市 of a mobile range, 县市名 of the area rows
  std::string areaCode;
  std::string postalCode;
  std::string carrier;   // 类型 of a mobile range
  std::string division;  // DQ: the region of a division code or an identity-card number
  std::string id18;
  std::string birthDate;
  std::string sex;
  std::optional<int> matches;  // rows found; none for refused and empty lines
  std::vector<lookups::TAreaRow> rows;  // area code and text searches
};

// Column names of the header, in output order.
const std::vector<std::string>& RecordColumns();

// The record's values in that order; the area rows' values joined with "|".
std::vector<std::string> RecordValues(const TRecord& record);

}  // namespace hm::query
