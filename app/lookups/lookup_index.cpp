#include "app/lookups/lookup_index.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <variant>

#include "app/lookups/lookup_run.h"
#include "app/lookups/lookup_statements.h"
#include "framework/data/ado_query.h"

namespace hm::lookups {
namespace {

enum class TBound { Integer, Null, Other };

// A NULL bound never satisfies the statement's comparison; a text or real
// one compares by rules we do not repeat here.
TBound BoundOf(const TField& field, std::int64_t& value) {
  const TFieldValue& v = field.Value();
  if (std::holds_alternative<std::monostate>(v)) return TBound::Null;
  if (const auto* i = std::get_if<std::int64_t>(&v)) {
    value = *i;
    return TBound::Integer;
  }
  return TBound::Other;
}

// Closes the query however reading ends.
class TClosing {
 public:
  explicit TClosing(TADOQuery& query) : query_(query) {}
  ~TClosing() { query_.Close(); }
  TClosing(const TClosing&) = delete;
  TClosing& operator=(const TClosing&) = delete;

 private:
  TADOQuery& query_;
};

auto Key(const TMobileAnswer& a) { return std::tie(a.region, a.city, a.areaCode, a.type); }

}  // namespace

std::optional<TMobileIndex> TMobileIndex::Load(TADOQuery& query) {
  OpenStatement(query, kMobileTableStatement);
  TClosing closing(query);
  TMobileIndex index;
  ReadMobileAnswer(query, nullptr);  // raises as the statement would when a column is missing
  index.answers_.emplace_back();      // no row
  const TField& first = query.FieldByName("号码B");
  const TField& last = query.FieldByName("号码E");
  std::map<std::tuple<std::string, std::string, std::string, std::string>, std::uint32_t> known;
  for (query.First(); !query.Eof(); query.Next()) {
    TRange range{};
    const TBound b = BoundOf(first, range.first);
    const TBound e = BoundOf(last, range.last);
    if (b == TBound::Other || e == TBound::Other) return std::nullopt;
    if (b == TBound::Null || e == TBound::Null || range.first > range.last) continue;  // matches no prefix
    TMobileAnswer answer = ReadMobileAnswer(query, nullptr);
    auto [at, added] = known.try_emplace(Key(answer), static_cast<std::uint32_t>(index.answers_.size()));
    if (added) index.answers_.push_back(std::move(answer));
    range.answer = at->second;
    index.ranges_.push_back(range);
  }
  std::sort(index.ranges_.begin(), index.ranges_.end(),
            [](const TRange& a, const TRange& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < index.ranges_.size(); ++i) {
    // Two rows for one prefix: which comes first is the engine's business.
    if (index.ranges_[i].first <= index.ranges_[i - 1].last) return std::nullopt;
  }
  return index;
}

const TMobileAnswer& TMobileIndex::Find(std::int32_t prefix) const {
  const auto after = std::upper_bound(ranges_.begin(), ranges_.end(), std::int64_t{prefix},
                                      [](std::int64_t n, const TRange& r) { return n < r.first; });
  if (after == ranges_.begin()) return answers_[0];
  const TRange& range = *(after - 1);
  return prefix <= range.last ? answers_[range.answer] : answers_[0];
}

std::optional<TZipIndex> TZipIndex::Load(TADOQuery& query) {
  OpenStatement(query, kZipTableStatement);
  TClosing closing(query);
  ReadIdAnswer(query, nullptr);  // raises as the statement would when DQ is missing
  const TField& bm = query.FieldByName("BM");
  TZipIndex index;
  for (query.First(); !query.Eof(); query.Next()) {
    std::int64_t code = 0;
    const TBound b = BoundOf(bm, code);
    if (b == TBound::Other) return std::nullopt;
    if (b == TBound::Null) continue;
    index.codes_.push_back({code, ReadIdAnswer(query, nullptr)});
  }
  std::sort(index.codes_.begin(), index.codes_.end(), [](const TCode& a, const TCode& b) { return a.code < b.code; });
  for (std::size_t i = 1; i < index.codes_.size(); ++i) {
    if (index.codes_[i].code == index.codes_[i - 1].code) return std::nullopt;
  }
  return index;
}

const TIdAnswer& TZipIndex::Find(std::int32_t prefix) const {
  const auto at = std::lower_bound(codes_.begin(), codes_.end(), std::int64_t{prefix},
                                   [](const TCode& c, std::int64_t n) { return c.code < n; });
  return at != codes_.end() && at->code == prefix ? at->answer : none_;
}

}  // namespace hm::lookups
