// What the lookups read back from a result, and the labelled memo lines the
// window shows for the mobile and the ID lookup.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hm {
class TDataSet;
class TStrings;
}  // namespace hm

namespace hm::lookups {

struct TLabelledColumn {
  std::string_view label;  // ends in the blank that separates it from the value
  std::string_view column;
};

// The mobile lookup's memo lines, in order: label followed by the value.
inline constexpr std::array<TLabelledColumn, 4> kMobileLines = {{
    {"所属地区: ", "地区"},
    {"所属城市: ", "城市"},
    {"所属区号: ", "区号"},
    {"手机类型: ", "类型"},
}};

// The ID lookup's memo: this label alone on the first line, the value of
// the column alone on the second.
inline constexpr TLabelledColumn kIdLines = {"原户籍所在地: ", "DQ"};

struct TMobileAnswer {
  bool found = false;  // the result had a row; without one every value is empty
  std::string region;
  std::string city;
  std::string areaCode;
  std::string type;
  bool operator==(const TMobileAnswer&) const = default;
};

struct TIdAnswer {
  bool found = false;
  std::string region;
  bool operator==(const TIdAnswer&) const = default;
};

// One row of AreaData: the four columns the grid shows.
struct TAreaRow {
  std::string areaCode;    // 区号
  std::string postalCode;  // 邮编
  std::string province;    // 省名
  std::string city;        // 县市名
  bool operator==(const TAreaRow&) const = default;
};

// The current record of a mobile result, each column read as text. With
// `memoLines` each labelled line is added as soon as its value is read, so
// a result without one of the columns leaves the lines before it and raises
// the data layer's "Field '...' not found".
TMobileAnswer ReadMobileAnswer(const TDataSet& result, TStrings* memoLines);

// The current record of an ID result; the label line is added first.
TIdAnswer ReadIdAnswer(const TDataSet& result, TStrings* memoLines);

// Every row of an area result, from the first; the result is left on its
// last row.
std::vector<TAreaRow> ReadAreaRows(TDataSet& result);

}  // namespace hm::lookups
