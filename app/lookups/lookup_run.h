// The lookups on the one query object, in the order the window's handlers
// run them. A database error ends a lookup where it happens and leaves the
// query as far as it got (closed when opening failed).
#pragma once

#include <string>
#include <vector>

#include "app/lookups/lookup_answers.h"
#include "app/lookups/lookup_checks.h"

namespace hm {
class TADOQuery;
class TStrings;
}  // namespace hm

namespace hm::lookups {

// Closes the query, makes `statement` its whole text and opens it.
void OpenStatement(TADOQuery& query, const std::string& statement);

// Opens the area search's result and leaves it open for the grid; a
// refused search must not get here.
void OpenAreaSearch(TADOQuery& query, const TAreaSearch& search);

// Opens the area search, reads every row and closes the query.
std::vector<TAreaRow> RunAreaSearch(TADOQuery& query, const TAreaSearch& search);

// Runs the mobile statement; then clears `memoLines` (when given), adds the
// four labelled lines of the first row and closes the query.
TMobileAnswer RunMobileLookup(TADOQuery& query, const TPrefixLookup& lookup, TStrings* memoLines);

// Runs the ID statement; then clears `memoLines` (when given), adds the
// label line and the region line of the first row and closes the query.
TIdAnswer RunIdLookup(TADOQuery& query, const TPrefixLookup& lookup, TStrings* memoLines);

}  // namespace hm::lookups
