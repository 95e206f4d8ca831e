#include "grid/portable/find_rules.h"

#include <string>

#include "framework/core/text.h"

namespace hm {

bool FindTextMatches(std::string_view field_text, std::string_view searched, TFindMatchKind kind, bool match_case) {
  std::string field(field_text);
  std::string text(searched);
  if (!match_case) {
    field = AnsiUpperCase(field);
    text = AnsiUpperCase(text);
  }
  switch (kind) {
    case TFindMatchKind::AnyPart: return field.find(text) != std::string::npos;
    case TFindMatchKind::WholeField: return field == text;
    case TFindMatchKind::FieldStart: {
      // Bytes of the 8-bit text: half a Chinese character can match.
      const std::string field_bytes = Utf8ToGbk(field);
      const std::string text_bytes = Utf8ToGbk(text);
      return text_bytes.size() <= field_bytes.size() && field_bytes.compare(0, text_bytes.size(), text_bytes) == 0;
    }
  }
  return false;
}

TFindStep NextFindStep(int column, int column_count, bool forward) {
  if (forward) {
    if (column >= column_count - 1) return {0, 1};
    return {column + 1, 0};
  }
  if (column <= 0) return {column_count - 1, -1};
  return {column - 1, 0};
}

int MiddleRowOffset(int position, int shown) { return position + ((shown + 1) % 2) - shown / 2; }

}  // namespace hm
