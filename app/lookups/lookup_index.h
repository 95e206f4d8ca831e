// Many mobile or ID lookups answered from one read of their table, for
// callers with long lists. An index exists only where the read gives
// exactly what the lookup's statement would give for every prefix: each
// answer is read from the same row by the same read-back as the statement's
// first row. Where the table's content could make the statement answer
// otherwise (overlapping ranges, a code stored twice, bounds that are not
// integers), Load gives nothing and the caller runs the statements.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/lookups/lookup_answers.h"

namespace hm {
class TADOQuery;
}

namespace hm::lookups {

class TMobileIndex {
 public:
  // Reads MobileCode whole through `query` and closes it again. Raises what
  // the statements would raise (a missing column, a damaged file).
  static std::optional<TMobileIndex> Load(TADOQuery& query);

  // What MobileStatement(prefix) read back by ReadMobileAnswer gives.
  const TMobileAnswer& Find(std::int32_t prefix) const;
  std::size_t RangeCount() const { return ranges_.size(); }

 private:
  struct TRange {
    std::int64_t first;
    std::int64_t last;
    std::uint32_t answer;  // into answers_
  };
  std::vector<TRange> ranges_;  // by first number, none overlapping
  std::vector<TMobileAnswer> answers_;  // distinct answers; [0] is "no row"
};

class TZipIndex {
 public:
  // Reads ZipCode whole through `query` and closes it again.
  static std::optional<TZipIndex> Load(TADOQuery& query);

  // What IdStatement(prefix) read back by ReadIdAnswer gives.
  const TIdAnswer& Find(std::int32_t prefix) const;
  std::size_t CodeCount() const { return codes_.size(); }

 private:
  struct TCode {
    std::int64_t code;
    TIdAnswer answer;
  };
  std::vector<TCode> codes_;  // by code, each once
  TIdAnswer none_;
};

}  // namespace hm::lookups
