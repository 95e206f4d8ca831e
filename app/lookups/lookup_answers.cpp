#include "app/lookups/lookup_answers.h"

#include "framework/core/string_list.h"
#include "framework/data/dataset.h"

namespace hm::lookups {
namespace {

std::string Label(std::string_view label, const std::string& value) { return std::string(label) + value; }

}  // namespace

TMobileAnswer ReadMobileAnswer(const TDataSet& result, TStrings* memoLines) {
  TMobileAnswer answer;
  answer.found = !result.IsEmpty();
  std::string* const values[] = {&answer.region, &answer.city, &answer.areaCode, &answer.type};
  for (std::size_t i = 0; i < kMobileLines.size(); ++i) {
    *values[i] = result.FieldByName(kMobileLines[i].column).AsString();
    if (memoLines) memoLines->Add(Label(kMobileLines[i].label, *values[i]));
  }
  return answer;
}

TIdAnswer ReadIdAnswer(const TDataSet& result, TStrings* memoLines) {
  TIdAnswer answer;
  answer.found = !result.IsEmpty();
  if (memoLines) memoLines->Add(std::string(kIdLines.label));
  answer.region = result.FieldByName(kIdLines.column).AsString();
  if (memoLines) memoLines->Add(answer.region);
  return answer;
}

std::vector<TAreaRow> ReadAreaRows(TDataSet& result) {
  const TField& areaCode = result.FieldByName("区号");
  const TField& postalCode = result.FieldByName("邮编");
  const TField& province = result.FieldByName("省名");
  const TField& city = result.FieldByName("县市名");
  std::vector<TAreaRow> rows;
  for (result.First(); !result.Eof(); result.Next()) {
    rows.push_back({areaCode.AsString(), postalCode.AsString(), province.AsString(), city.AsString()});
  }
  return rows;
}

}  // namespace hm::lookups
