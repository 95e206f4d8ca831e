#include "tools/haomiso-query/answerer.h"

#include "app/lookups/lookup_run.h"

namespace hm::query {
namespace {

// Caches are dropped when full: a list of distinct inputs gains nothing
// from them, and memory stays bounded.
constexpr std::size_t kCacheLimit = 100000;
constexpr std::size_t kAreaCacheLimit = 2000;

template <class Map, class Key, class Make>
typename Map::mapped_type Cached(Map& cache, std::size_t limit, const Key& key, Make make) {
  if (const auto at = cache.find(key); at != cache.end()) return at->second;
  auto value = make();
  if (cache.size() >= limit) cache.clear();
  cache.emplace(key, value);
  return value;
}

}  // namespace

TAnswerer::TAnswerer(TADOQuery& query, std::size_t statementsBeforeIndex)
    : query_(query), statementsBeforeIndex_(statementsBeforeIndex) {}

template <class Index>
const Index* TAnswerer::IndexOf(TTable<Index>& table, bool& flag) {
  if (!table.triedIndex && table.statements >= statementsBeforeIndex_) {
    table.triedIndex = true;
    table.index = Index::Load(query_);
    flag = table.index.has_value();
  }
  return table.index ? &*table.index : nullptr;
}

lookups::TMobileAnswer TAnswerer::Mobile(const lookups::TPrefixLookup& lookup) {
  if (const auto* index = IndexOf(mobile_, counts_.mobileIndex)) return index->Find(lookup.prefix);
  return Cached(mobileCache_, kCacheLimit, lookup.prefix, [&] {
    ++mobile_.statements;
    ++counts_.statements;
    return lookups::RunMobileLookup(query_, lookup, nullptr);
  });
}

lookups::TIdAnswer TAnswerer::Zip(const lookups::TPrefixLookup& lookup) {
  if (const auto* index = IndexOf(zip_, counts_.zipIndex)) return index->Find(lookup.prefix);
  return Cached(zipCache_, kCacheLimit, lookup.prefix, [&] {
    ++zip_.statements;
    ++counts_.statements;
    return lookups::RunIdLookup(query_, lookup, nullptr);
  });
}

std::vector<lookups::TAreaRow> TAnswerer::Area(const lookups::TAreaSearch& search) {
  return Cached(areaCache_, kAreaCacheLimit, search.statement, [&] {
    ++counts_.statements;
    return lookups::RunAreaSearch(query_, search);
  });
}

}  // namespace hm::query
