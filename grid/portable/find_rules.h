// The find dialog's rules that need no window: how a field's text matches
// the searched text, where the search moves next among the columns and
// records, and how far the grid's remembered view lies from the current
// record.
#pragma once

#include <string_view>

namespace hm {

// The "Match" choices, in the order the dialog lists them.
enum class TFindMatchKind { AnyPart, WholeField, FieldStart };

// Without `match_case` both texts are compared upper-cased by the locale's
// rules. FieldStart compares the first bytes of the field's 8-bit (GBK)
// text, as many as the searched text has: a searched text longer than the
// field never matches it.
bool FindTextMatches(std::string_view field_text, std::string_view searched, TFindMatchKind kind, bool match_case);

// Where the search stands: the record it is on and the column of the
// columns searched.
struct TFindStep {
  int column = 0;      // index into the columns searched
  int record_move = 0; // -1, 0 or 1: the record to go to before the next comparison
};

// One step forward (next column, or the first column of the next record)
// or backward (previous column, or the last column of the previous
// record), among `column_count` columns.
TFindStep NextFindStep(int column, int column_count, bool forward);

// The rows to move back from the current record to the one shown in the
// middle of `shown` rows when the current record is shown at `position`
// (from 0).
int MiddleRowOffset(int position, int shown);

}  // namespace hm
