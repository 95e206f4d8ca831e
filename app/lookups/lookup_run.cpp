#include "app/lookups/lookup_run.h"

#include "framework/data/ado_query.h"

namespace hm::lookups {

void OpenStatement(TADOQuery& query, const std::string& statement) {
  query.Close();
  // One line as it is: splitting the text into lines would rewrite a line
  // break inside a search text.
  TStrings& sql = *query.SQL();
  sql.BeginUpdate();
  sql.Clear();
  sql.Add(statement);
  sql.EndUpdate();
  query.Open();
}

void OpenAreaSearch(TADOQuery& query, const TAreaSearch& search) { OpenStatement(query, search.statement); }

std::vector<TAreaRow> RunAreaSearch(TADOQuery& query, const TAreaSearch& search) {
  OpenAreaSearch(query, search);
  std::vector<TAreaRow> rows = ReadAreaRows(query);
  query.Close();
  return rows;
}

TMobileAnswer RunMobileLookup(TADOQuery& query, const TPrefixLookup& lookup, TStrings* memoLines) {
  OpenStatement(query, lookup.statement);
  if (memoLines) memoLines->Clear();
  TMobileAnswer answer = ReadMobileAnswer(query, memoLines);
  query.Close();
  return answer;
}

TIdAnswer RunIdLookup(TADOQuery& query, const TPrefixLookup& lookup, TStrings* memoLines) {
  OpenStatement(query, lookup.statement);
  if (memoLines) memoLines->Clear();
  TIdAnswer answer = ReadIdAnswer(query, memoLines);
  query.Close();
  return answer;
}

}  // namespace hm::lookups
