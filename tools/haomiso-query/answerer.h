// Answers the lookups of a whole input through one query object. The first
// lookups of a kind run their own statements; once a list proves long, the
// table is read once into an index that gives the same answers (see
// app/lookups/lookup_index.h), unless its content rules that out. Repeated
// inputs are answered from a cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/lookups/lookup_answers.h"
#include "app/lookups/lookup_checks.h"
#include "app/lookups/lookup_index.h"

namespace hm {
class TADOQuery;
}

namespace hm::query {

class TAnswerer {
 public:
  // Statements run per kind before its table is read whole: reading
  // MobileCode costs about as much as this many statements.
  static constexpr std::size_t kStatementsBeforeIndex = 4096;

  explicit TAnswerer(TADOQuery& query, std::size_t statementsBeforeIndex = kStatementsBeforeIndex);

  lookups::TMobileAnswer Mobile(const lookups::TPrefixLookup& lookup);
  lookups::TIdAnswer Zip(const lookups::TPrefixLookup& lookup);
  std::vector<lookups::TAreaRow> Area(const lookups::TAreaSearch& search);

  struct TCounts {
    std::size_t statements = 0;  // lookup statements run
    bool mobileIndex = false;    // MobileCode was read whole
    bool zipIndex = false;
  };
  const TCounts& Counts() const { return counts_; }

 private:
  template <class Index>
  struct TTable {
    std::optional<Index> index;
    bool triedIndex = false;
    std::size_t statements = 0;
  };

  // Whether the table's index answers, reading it when it is due.
  template <class Index>
  const Index* IndexOf(TTable<Index>& table, bool& flag);

  TADOQuery& query_;
  std::size_t statementsBeforeIndex_;
  TTable<lookups::TMobileIndex> mobile_;
  TTable<lookups::TZipIndex> zip_;
  std::unordered_map<std::int32_t, lookups::TMobileAnswer> mobileCache_;
  std::unordered_map<std::int32_t, lookups::TIdAnswer> zipCache_;
  std::unordered_map<std::string, std::vector<lookups::TAreaRow>> areaCache_;
  TCounts counts_;
};

}  // namespace hm::query
